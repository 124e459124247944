#pragma once

#include "common/toolwindow.h"

#include <QDialog>
#include <QDir>

class QCheckBox;
class QLabel;
class QPushButton;

namespace nookery {

class NoteFiles;
class Platform;
class SettingsStore;
class Suite;
struct ToolContext;

// "Update Nookery": converts the older version's reminders and notes once, when the user
// says Yes.
class UpdateOlder : public QDialog, public ToolWindow
{
    Q_OBJECT
public:
    explicit UpdateOlder(const ToolContext &context, QWidget *parent = nullptr);
    ~UpdateOlder() override;

    void butYes_Click();
    void butNo_Click();

    // Replaces the RTF note files (tests).
    void setNoteFiles(NoteFiles *notes) { m_notes = notes; }

    static QString openWindowsText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    SettingsStore &m_store;
    Platform &m_platform;
    Suite &m_suite;
    QDir m_startFolder;
    NoteFiles *m_notes;
    std::unique_ptr<NoteFiles> m_ownNotes;

    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QCheckBox *Question42 = nullptr;
    QPushButton *butYes = nullptr;
    QPushButton *butNo = nullptr;
};

} // namespace nookery
