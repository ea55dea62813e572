#pragma once

#include <optional>
#include <span>
#include <string>

namespace platform {

// What the command line asks for before any window opens: the help, the
// version, or a complaint about an option the program does not know. Qt's
// own options (-platform, -display, -style ...) are left for QApplication.
struct CommandLineAnswer {
    int exitStatus = 0;
    std::string output; // for standard output
    std::string error;  // for standard error
};

// Exit status for a command line the program does not understand.
inline constexpr int WrongUsageStatus = 2;

// Reads the arguments after the program's name. No answer: start the
// program. Touches no display, so it works where there is none.
std::optional<CommandLineAnswer> answerCommandLine(std::span<char* const> arguments);

// The same for main()'s arguments, with the answer printed: the exit status
// when the program is to end here.
std::optional<int> handleCommandLine(int argc, char** argv);

} // namespace platform
