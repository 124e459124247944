#include "notes/stickynotesfind.h"

#include "common/failure.h"
#include "common/helpcontext.h"
#include "common/suite.h"
#include "platform/messageboxes.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>

namespace nookery {

namespace {

constexpr int HelpTopic = helpcontext::StickyNotesFind;
constexpr int SelectedOnFocus = 25;

// Selects part of the word once the line edit's own focus handling, which selects all of it,
// is done.
class WordEdit final : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    std::function<void()> focusEntered;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        if (focusEntered)
            focusEntered();
    }
};

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

stickynotesfind::stickynotesfind(QTextEdit *note, QString &getpos, QTextCursor &ownSelection,
                                 MessageBoxes &messages, Suite &suite, QWidget *parent)
    : QDialog(parent), m_note(note), lblgetpos(getpos), m_ownSelection(ownSelection),
      m_messages(messages), m_suite(suite)
{
    setObjectName(QStringLiteral("stickynotesfind"));
    helpcontext::set(this, helpcontext::StickyNotesFind);
    setWindowTitle(QStringLiteral("Find"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = new QLabel(QStringLiteral("Find Whole Word:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto *word = new WordEdit(this);
    word->focusEntered = [this] { Text1_GotFocus(); };
    Text1 = word;
    Text1->setObjectName(QStringLiteral("Text1"));
    Label1->setBuddy(Text1);
    butfind1 = button(QStringLiteral("butfind1"), QStringLiteral("&Find"), this);
    butfind2 = button(QStringLiteral("butfind2"), QStringLiteral("&Find Next"), this);
    butclose = button(QStringLiteral("butclose"), QStringLiteral("&Close"), this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(butfind1, 0, 2);
    grid->addWidget(butfind2, 0, 2);
    grid->addWidget(butclose, 1, 2);

    connect(butfind1, &QPushButton::clicked, this, &stickynotesfind::butfind1_Click);
    connect(butfind2, &QPushButton::clicked, this, &stickynotesfind::butfind2_Click);
    connect(butclose, &QPushButton::clicked, this, &stickynotesfind::butclose_Click);
    showFind();
}

void stickynotesfind::showFind()
{
    butfind2->setDefault(false);
    butfind2->hide();
    butfind1->show();
    butfind1->setDefault(true);
}

int stickynotesfind::findFrom(int from, int end)
{
    const QString word = Text1->text();
    if (word.isEmpty())
        return -1;
    // Found as text, never as a pattern: "a.b" is those three characters.
    const QTextCursor found = m_note->document()->find(word, from, QTextDocument::FindWholeWords);
    if (found.isNull() || (end >= 0 && found.selectionEnd() > end))
        return -1;
    m_note->setTextCursor(found);
    m_ownSelection = found;
    return found.selectionStart();
}

void stickynotesfind::notFound()
{
    m_messages.information(suiteTitle(), QStringLiteral("Word not found."));
    lblgetpos = QStringLiteral("1");
    // Whatever is selected now has been searched: the next Find starts at the top.
    m_ownSelection = m_note->textCursor();
}

void stickynotesfind::butfind1_Click()
{
    const QTextCursor selection = m_note->textCursor();
    // The cursor Find kept follows edits, so it still names the same text when compared.
    const bool users =
        selection.hasSelection() &&
        (m_ownSelection.isNull() || selection.selectionStart() != m_ownSelection.selectionStart() ||
         selection.selectionEnd() != m_ownSelection.selectionEnd());
    const int p =
        users ? findFrom(selection.selectionStart(), selection.selectionEnd()) : findFrom(0, -1);
    if (p < 0) {
        notFound();
        return;
    }
    lblgetpos = QString::number(p);
    butfind1->setDefault(false);
    butfind1->hide();
    butfind2->show();
    butfind2->setDefault(true);
    butfind2->setFocus();
}

void stickynotesfind::butfind2_Click()
{
    const int p = findFrom(lblgetpos.toInt() + 2, -1);
    if (p < 0) {
        notFound();
        showFind();
        butfind1->setFocus();
        return;
    }
    lblgetpos = QString::number(p);
    butfind2->setFocus();
}

void stickynotesfind::butclose_Click()
{
    reject();
}

void stickynotesfind::reject()
{
    showFind();
    lblgetpos = QStringLiteral("1");
    QDialog::reject();
}

void stickynotesfind::Text1_GotFocus()
{
    Text1->setSelection(0, SelectedOnFocus);
}

void stickynotesfind::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        m_suite.showHelpTopic(HelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace nookery
