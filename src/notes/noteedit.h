#pragma once

#include <QTextEdit>

namespace nookery {

// The note's editor. Rich text pasted or dropped in goes through the note file's codec, so
// the note shows only what its file keeps; the Insert key switches overwrite mode; a paste
// that would take the note past what a note file can hold is refused.
class NoteEdit final : public QTextEdit
{
    Q_OBJECT

public:
    explicit NoteEdit(QWidget *parent = nullptr);

    // Whether `text` may replace the selection without the note growing past its bounds.
    bool fits(const QString &text) const;

signals:
    void focusEntered();
    void overwriteToggled();
    void pasteRefused();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace nookery
