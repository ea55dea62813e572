#include "platform/printing/Printer.h"

#include "platform/ServiceSlot.h"
#include "platform/printing/CupsPrinter.h"

namespace platform {
namespace {
using Slot = ServiceSlot<Printer, CupsPrinter>;
}

Printer& Printer::current() {
    return Slot::current();
}

void Printer::install(Printer* printer) {
    Slot::install(printer);
}

} // namespace platform
