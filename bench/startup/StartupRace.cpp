// Starts the order form's harness and the minimal Qt program turn about, on
// the platform plugin the environment names, and compares how soon each has
// its windows on screen and how much memory it took on the way.
//
//     startup_race <startup_orderform> <startup_minimal> [rounds]
//
// Each run is timed from just before fork() to the events that the paint
// probe reports (see PaintProbe.cpp); the harness is killed once the last
// window it shows has been painted, and its peak resident memory read from
// wait4(). The minimal program runs with the splash window's size and with
// the main window's, empty and with one line of text.
//
// The main window opens when the splash window's one-second timer fires.
// Qt's timers may fire up to 5% early, so rather than a flat second the time
// the timer actually took is taken off: from the splash window's show to the
// timer's first timeout.

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* SplashClass = "windows::shell::SplashWindow";
constexpr const char* MainClass = "windows::shell::MainWindow";
constexpr const char* MinimalClass = "QWidget";
constexpr double MainWindowTimerMs = 1000; // the splash window's second
constexpr int RunTimeoutMs = 20000;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Event {
    double ms = 0;      // from fork()
    std::string detail; // a window's size, a timer's interval
};

struct Run {
    // "painted <class>", "shown <class>", "timeout <interval>"
    std::map<std::string, Event> events;
    long peakKb = 0;

    double ms(const std::string& key) const { return events.at(key).ms; }
};

// Runs `arguments` until it reports the first paint of `lastClass`.
std::optional<Run> launch(const std::vector<std::string>& arguments, const std::string& lastClass) {
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const long long start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        dup2(channel[1], STDOUT_FILENO);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        close(channel[0]);
        close(channel[1]);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(channel[1]);

    Run run;
    std::string pending;
    bool finished = false;
    while (!finished) {
        pollfd readable{channel[0], POLLIN, 0};
        const int ready = poll(&readable, 1, RunTimeoutMs);
        if (ready <= 0)
            break;
        char buffer[512];
        const ssize_t count = read(channel[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        pending.append(buffer, static_cast<std::size_t>(count));
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            std::istringstream line(pending.substr(0, end));
            pending.erase(0, end + 1);
            std::string what, name, detail;
            long long nanoseconds = 0;
            if (!(line >> what >> name >> detail >> nanoseconds))
                continue;
            const std::string key = what + ' ' + (what == "timeout" ? detail : name);
            run.events[key] = {static_cast<double>(nanoseconds - start) / 1e6, detail};
            finished |= what == "painted" && name == lastClass;
        }
    }
    close(channel[0]);
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!finished)
        return std::nullopt;
    run.peakKb = usage.ru_maxrss;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "startup_race: %s\n", what.c_str());
    std::exit(1);
}

// The medians of one program's runs.
struct Figures {
    std::vector<double> splash, main, peak;
};

void row(const char* what, const char* unit, const std::vector<double>& product,
         const std::vector<double>& minimal, const std::vector<double>& withText) {
    const double ours = median(product);
    std::printf("%-38s %8.1f %-2s %8.1f %-2s %6.2fx %8.1f %-2s %6.2fx\n", what, ours, unit,
                median(minimal), unit, ours / median(minimal), median(withText), unit,
                ours / median(withText));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3)
        fail("usage: startup_race <startup_orderform> <startup_minimal> [rounds]");
    const std::string orderform = argv[1];
    const std::string minimal = argv[2];
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;

    const std::string splashPainted = std::string("painted ") + SplashClass;
    const std::string mainPainted = std::string("painted ") + MainClass;
    const std::string minimalPainted = std::string("painted ") + MinimalClass;
    const auto complete = [&](const std::optional<Run>& run) {
        return run && run->events.count(splashPainted) && run->events.count(mainPainted) &&
               run->events.count(std::string("shown ") + SplashClass) &&
               run->events.count("timeout 1000");
    };

    // A first run of each warms the caches and gives the windows' sizes.
    const std::optional<Run> first = launch({orderform}, MainClass);
    if (!complete(first))
        fail("the order form did not show its splash and main windows");
    const std::string splashSize = first->events.at(splashPainted).detail;
    const std::string mainSize = first->events.at(mainPainted).detail;
    if (!launch({minimal, splashSize}, MinimalClass))
        fail("the minimal program did not paint its window");

    Figures product, empty, withText;
    std::vector<double> timer;
    for (int round = 0; round < rounds; ++round) {
        const std::optional<Run> ours = launch({orderform}, MainClass);
        if (!complete(ours))
            fail("the order form did not show its splash and main windows");
        const double timerTook =
            ours->ms("timeout 1000") - ours->ms(std::string("shown ") + SplashClass);
        timer.push_back(timerTook);
        product.splash.push_back(ours->ms(splashPainted));
        product.main.push_back(ours->ms(mainPainted) - timerTook);
        product.peak.push_back(static_cast<double>(ours->peakKb) / 1024);

        for (Figures* figures : {&empty, &withText}) {
            std::vector<std::string> small{minimal, splashSize}, large{minimal, mainSize};
            if (figures == &withText) {
                small.emplace_back("text");
                large.emplace_back("text");
            }
            const std::optional<Run> smallRun = launch(small, MinimalClass);
            const std::optional<Run> largeRun = launch(large, MinimalClass);
            if (!smallRun || !largeRun)
                fail("the minimal program did not paint its window");
            figures->splash.push_back(smallRun->ms(minimalPainted));
            figures->main.push_back(largeRun->ms(minimalPainted));
            figures->peak.push_back(
                static_cast<double>(std::max(smallRun->peakKb, largeRun->peakKb)) / 1024);
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Start-up on %s, median of %d rounds; the splash window's timer took %.1f ms\n",
                platform && *platform ? platform : "the default platform", rounds, median(timer));
    std::printf("%-38s %11s %11s %7s %11s %7s\n", "", "order form", "minimal", "ratio", "with text",
                "ratio");
    row(("first paint, splash " + splashSize).c_str(), "ms", product.splash, empty.splash,
        withText.splash);
    row(("first paint, main " + mainSize + " less timer").c_str(), "ms", product.main, empty.main,
        withText.main);
    row("peak resident memory", "MB", product.peak, empty.peak, withText.peak);
    return 0;
}
