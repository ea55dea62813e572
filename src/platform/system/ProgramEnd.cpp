#include "platform/system/ProgramEnd.h"

#include "platform/ServiceSlot.h"

#include <QCoreApplication>

namespace platform {
namespace {

// Leaves the application's event loop, so that main() returns the status.
class EventLoopExit final : public ProgramEnd {
public:
    void end(int status) override { QCoreApplication::exit(status); }
};

using ProgramEndSlot = ServiceSlot<ProgramEnd, EventLoopExit>;

} // namespace

ProgramEnd& ProgramEnd::current() {
    return ProgramEndSlot::current();
}

void ProgramEnd::install(ProgramEnd* programEnd) {
    ProgramEndSlot::install(programEnd);
}

} // namespace platform
