#include "platform/Printer.h"

#include "platform/CupsPrinter.h"

namespace platform {
namespace {

Printer* installedPrinter = nullptr;

} // namespace

Printer& Printer::current() {
    static CupsPrinter system;
    return installedPrinter ? *installedPrinter : system;
}

void Printer::install(Printer* printer) {
    installedPrinter = printer;
}

} // namespace platform
