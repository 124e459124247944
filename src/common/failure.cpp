#include "failure.h"

namespace nookery {

QString failureMessage(int handler, bool standardNextTime)
{
    QString text = QStringLiteral("There was a problem. Error Handler ") +
                   QString::number(handler) + QStringLiteral(". Notify author of this error!");
    if (standardNextTime)
        text += QStringLiteral(" Nookery will run as a standard program next time!");
    return text;
}

} // namespace nookery
