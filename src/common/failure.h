#pragma once

#include "common/version.h"

#include <QString>
#include <stdexcept>

namespace nookery {

// The window title every message box of the suite carries.
inline const QString &suiteTitle()
{
    static const QString title = QStringLiteral("Nookery ") + SuiteVersion.toString();
    return title;
}

// The numbered failure message. With `standardNextTime` it also tells the user that the
// next start shows the window instead of the tray icon.
QString failureMessage(int handler, bool standardNextTime = false);

// Thrown by the I/O and store helpers; a handler's trap turns it into the numbered message.
class IoError : public std::runtime_error
{
public:
    explicit IoError(const QString &what) : std::runtime_error(what.toStdString()) {}
};

} // namespace nookery
