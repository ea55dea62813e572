#pragma once

namespace platform {

// Ends the run at once with an exit status; no window is asked or told
// first. Tests install their own to watch the program end without ending.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int status) = 0;

    static ProgramEnd& current();
    // nullptr goes back to really ending the program.
    static void install(ProgramEnd* programEnd);
};

} // namespace platform
