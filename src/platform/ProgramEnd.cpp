#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace platform {
namespace {

// Leaves the application's event loop, so that main() returns the status.
class EventLoopExit final : public ProgramEnd {
public:
    void end(int status) override { QCoreApplication::exit(status); }
};

ProgramEnd* installedEnd = nullptr;

} // namespace

ProgramEnd& ProgramEnd::current() {
    static EventLoopExit eventLoopExit;
    return installedEnd ? *installedEnd : eventLoopExit;
}

void ProgramEnd::install(ProgramEnd* programEnd) {
    installedEnd = programEnd;
}

} // namespace platform
