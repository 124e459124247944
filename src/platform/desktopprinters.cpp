#include "platform/desktopprinters.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace nookery {

std::unique_ptr<QPrinter> DesktopPrinters::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace nookery
