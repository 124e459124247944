#pragma once

#include <QFrame>
#include <QHash>
#include <QString>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nookery {

class CommonDialog;
class SettingsBatch;
class SettingsStore;

namespace optionspages {

// One page of the options dialog: its frame, its controls, how they load from the store and
// what they save. Nothing is written while the user works; the dialog collects every page's
// values into one batch.
class Page : public QFrame
{
    Q_OBJECT

public:
    Page(int number, SettingsStore &store, CommonDialog &dialogs, QWidget *parent);

    // Fills the controls from the store. Defaults the store must hold from now on go into
    // `seeds`, which the dialog writes in one go.
    virtual void load(SettingsBatch &seeds) = 0;
    // The page's keys with the values its controls show.
    virtual void save(SettingsBatch &batch) const = 0;
    // What the page keeps outside the store (the login entry) is written before the batch
    // and put back when the batch fails, so a save lands whole or not at all. Both throw
    // IoError when the change cannot be made.
    virtual void saveOutside() {}
    virtual void revertOutside() {}
    // The batch is on disk; the dialog closes next.
    virtual void saved() {}
    // The dialog became the active window again.
    virtual void activated() {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    QCheckBox *check(const QString &name, const QString &caption);
    QLabel *label(const QString &name, const QString &text);
    // A text box; on getting the focus it selects its first `selectOnFocus` characters
    // (0: Qt's own behaviour).
    QLineEdit *edit(const QString &name, const QString &toolTip, int selectOnFocus = 0);
    QPushButton *browseButton(int n);
    // The shared file-open dialog, starting in "Other Programs" / "Path"; "" when cancelled.
    QString browse(const QString &filter);

    static QString numbered(const QString &name, int index);

    SettingsStore &m_store;
    QGridLayout *m_grid = nullptr;

private:
    CommonDialog &m_dialogs;
    QHash<QObject *, int> m_selectOnFocus;
};

} // namespace optionspages
} // namespace nookery
