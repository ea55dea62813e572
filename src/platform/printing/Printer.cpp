#include "platform/printing/Printer.h"

#include "platform/ServiceSlot.h"
#include "platform/printing/CupsPrinter.h"

namespace platform {
namespace {
using PrinterSlot = ServiceSlot<Printer, CupsPrinter>;
}

Printer& Printer::current() {
    return PrinterSlot::current();
}

void Printer::install(Printer* printer) {
    PrinterSlot::install(printer);
}

} // namespace platform
