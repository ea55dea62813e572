#include "platform/system/CommandLine.h"

#include "model/Vendor.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace platform {
namespace {

constexpr std::string_view ProgramName = "orderform";

// Qt's own options, which QApplication takes off the command line itself.
// Each may be written with one dash or two.
constexpr std::array<std::string_view, 15> QtOptionsWithValue{"platform",
                                                              "platformpluginpath",
                                                              "platformtheme",
                                                              "plugin",
                                                              "qwindowgeometry",
                                                              "geometry",
                                                              "qwindowtitle",
                                                              "title",
                                                              "qwindowicon",
                                                              "icon",
                                                              "session",
                                                              "display",
                                                              "name",
                                                              "style",
                                                              "stylesheet"};
constexpr std::array<std::string_view, 6> QtFlags{"reverse",     "widgetcount", "sync",
                                                  "testability", "nograb",      "dograb"};
// These take their value after an equals sign.
constexpr std::array<std::string_view, 3> QtOptionsWithEquals{
    "style=", "stylesheet=", "qmljsdebugger="};

bool isOneOf(std::string_view word, std::span<const std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool startsWithOneOf(std::string_view word, std::span<const std::string_view> prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [word](std::string_view prefix) { return word.starts_with(prefix); });
}

std::string helpText() {
    std::string text;
    text += "Usage: orderform [OPTION]...\n";
    text += "Put together an order for " + std::string(model::vendor::Name) +
            "'s games and utilities, then\n"
            "save it as order.txt in the current folder or print it on the default printer.\n"
            "\n"
            "  -h, --help        show this help and exit\n"
            "      --version     show the version and exit\n"
            "\n"
            "The options of every Qt program work too, among them:\n"
            "  -platform NAME    the window system to use: xcb, wayland, offscreen ...\n"
            "  -display NAME     the X display to open instead of $DISPLAY\n";
    return text;
}

std::string versionText() {
    return std::string(ProgramName) + " (Order Form) " +
           std::string(model::vendor::ProgramVersion) + "\n" +
           std::string(model::vendor::RightsNotice) + " " + std::string(model::vendor::Name) +
           ". " + std::string(model::vendor::RightsReserved) + ".\n";
}

CommandLineAnswer wrongUsage(const std::string& complaint) {
    return {WrongUsageStatus,
            {},
            std::string(ProgramName) + ": " + complaint +
                " (orderform --help lists the options)\n"};
}

// Through C's streams rather than <iostream>: with GCC 12's libstdc++, a
// program that includes it sets up the C++ standard streams and their locale
// at every start, which keeps half a megabyte of the library resident for
// the answers of a few options.
bool writeAll(std::FILE* stream, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(std::span<char* const> arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i] ? arguments[i] : "";
        if (argument == "-h" || argument == "--help")
            return CommandLineAnswer{0, helpText(), {}};
        if (argument == "--version")
            return CommandLineAnswer{0, versionText(), {}};

        if (argument.size() < 2 || argument[0] != '-' || argument == "--")
            return wrongUsage("unexpected argument '" + std::string(argument) + "'");
        std::string_view option = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (isOneOf(option, QtFlags) || startsWithOneOf(option, QtOptionsWithEquals))
            continue;
        if (!isOneOf(option, QtOptionsWithValue))
            return wrongUsage("unknown option '" + std::string(argument) + "'");
        if (++i == arguments.size())
            return wrongUsage("option '" + std::string(argument) + "' needs a value");
    }
    return std::nullopt;
}

std::optional<int> handleCommandLine(int argc, char** argv) {
    const std::span<char* const> all(argv, static_cast<std::size_t>(std::max(argc, 0)));
    const std::optional<CommandLineAnswer> answer =
        answerCommandLine(all.empty() ? all : all.subspan(1));
    if (!answer)
        return std::nullopt;
    const bool written = writeAll(stdout, answer->output);
    writeAll(stderr, answer->error);
    // Help that could not be written (a full disk, a closed pipe) is no success.
    return written ? answer->exitStatus : 1;
}

} // namespace platform
