#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// The default printer, as the order window uses it: one job of text lines.
class Printer {
public:
    enum class Outcome { Printed, Cancelled };

    // Asked when a step of the printout fails, with what went wrong in words
    // a person understands, what they can do about it and the system's own
    // description. True tries that step again and goes on from there; false
    // abandons the printout, leaving no job behind.
    using RetryQuestion = std::function<bool(const QString& error)>;

    virtual ~Printer() = default;
    virtual Outcome print(const QString& jobName, const QStringList& lines,
                          const RetryQuestion& retry) = 0;

    static Printer& current();
    // nullptr goes back to the system's default printer.
    static void install(Printer* printer);
};

} // namespace platform
