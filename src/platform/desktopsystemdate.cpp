#include "platform/desktopsystemdate.h"

namespace nookery {

void DesktopSystemDate::setDate(const QDate &, Done done)
{
    // Comes with the calendar window.
    done(QStringLiteral("setting the date is not available"));
}

} // namespace nookery
