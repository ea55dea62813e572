#pragma once

#include "platform/printing/Printer.h"

namespace platform {

// The system's default printer: the form is laid out as a PDF document and
// sent to the CUPS default destination as one job.
class CupsPrinter final : public Printer {
public:
    Outcome print(const QString& jobName, const QStringList& lines,
                  const RetryQuestion& retry) override;
};

} // namespace platform
