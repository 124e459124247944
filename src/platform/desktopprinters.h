#pragma once

#include "platform/printers.h"

namespace nookery {

class DesktopPrinters final : public Printers
{
public:
    std::unique_ptr<QPrinter> defaultPrinter() override;
};

} // namespace nookery
