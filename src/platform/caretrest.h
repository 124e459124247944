#pragma once

#include <QObject>
#include <QTimer>

namespace nookery {

// Text carets stop blinking after a while without input and blink again at the next key press
// or click, in every text box at once: installed on the application, it sets the desktop's
// cursor flash time to 0 when the user has been away for `idleMs` and gives it back on input.
// Between the two nothing runs, its own wait included. A desktop that does not blink the
// caret (flash time 0) is left alone.
class CaretRest final : public QObject
{
    Q_OBJECT

public:
    explicit CaretRest(int idleMs = 10000, QObject *parent = nullptr);
    ~CaretRest() override;

    // The user has been away long enough: the carets stand still.
    void rest();
    bool resting() const { return m_resting; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wake();

    QTimer m_idle;
    int m_flashTime = 0; // the desktop's, followed when it changes
    bool m_resting = false;
    bool m_setting = false;
};

} // namespace nookery
