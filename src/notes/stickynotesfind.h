#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextCursor;
class QTextEdit;

namespace nookery {

class MessageBoxes;
class Suite;

// "Find": searches the note for a whole word, case ignored. The position of the last match
// is the notes window's `lblgetpos`, shared with it; Find Next starts two past it. Find
// searches only within a selection the user made: `ownSelection`, also the window's, is the
// selection Find itself left in the note, which the next Find searches past.
class stickynotesfind final : public QDialog
{
    Q_OBJECT

public:
    stickynotesfind(QTextEdit *note, QString &lblgetpos, QTextCursor &ownSelection,
                    MessageBoxes &messages, Suite &suite, QWidget *parent);

    void butfind1_Click();
    void butfind2_Click();
    void butclose_Click();
    void Text1_GotFocus();

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The match at or after `from` that ends by `end` (-1: the note's end), selected in the
    // note; its start, or -1.
    int findFrom(int from, int end);
    void notFound();
    void showFind();

    QTextEdit *m_note;
    QString &lblgetpos;
    QTextCursor &m_ownSelection;
    MessageBoxes &m_messages;
    Suite &m_suite;

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *butfind1 = nullptr;
    QPushButton *butfind2 = nullptr;
    QPushButton *butclose = nullptr;
};

} // namespace nookery
