#include "platform/Printer.h"

namespace platform {
namespace {

class NoPrinter final : public Printer {
public:
    Outcome print(const QString&, const QStringList&, const RetryQuestion& retry) override {
        while (retry(QStringLiteral("No printer is available."))) {
        }
        return Outcome::Cancelled;
    }
};

Printer* installedPrinter = nullptr;

} // namespace

Printer& Printer::current() {
    static NoPrinter none;
    return installedPrinter ? *installedPrinter : none;
}

void Printer::install(Printer* printer) {
    installedPrinter = printer;
}

} // namespace platform
