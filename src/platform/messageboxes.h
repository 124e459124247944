#pragma once

#include <QString>

namespace nookery {

// Message boxes go through here so that no window ever calls QMessageBox itself and no
// test ever blocks on one.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // One OK button.
    virtual void information(const QString &title, const QString &text) = 0;
    // Yes and No buttons; true only for Yes. Closing the box counts as No.
    virtual bool question(const QString &title, const QString &text) = 0;
};

} // namespace nookery
