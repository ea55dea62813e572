#include "platform/Printer.h"

#include "platform/CupsPrinter.h"
#include "platform/ServiceSlot.h"

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
