#pragma once

#include <memory>

class QPrinter;

namespace nookery {

// Printing without a dialog: the desktop's default printer.
class Printers
{
public:
    virtual ~Printers() = default;
    // The default printer, ready to paint on; nullptr when the desktop has none.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
};

} // namespace nookery
