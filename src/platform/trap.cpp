#include "trap.h"

#include <QDebug>

namespace nookery {

bool trap(MessageBoxes &messages, int handler, const std::function<void()> &body,
          bool standardNextTime, const std::function<void()> &afterMessage)
{
    try {
        body();
        return true;
    } catch (const std::exception &e) {
        qWarning("Error handler %d: %s", handler, e.what());
    } catch (...) {
        qWarning("Error handler %d: unknown failure", handler);
    }
    messages.information(suiteTitle(), failureMessage(handler, standardNextTime));
    if (afterMessage) {
        try {
            afterMessage();
        } catch (const std::exception &e) {
            // Nothing more can be told to the user than the message just shown.
            qWarning("Error handler %d, after the message: %s", handler, e.what());
        }
    }
    return false;
}

} // namespace nookery
