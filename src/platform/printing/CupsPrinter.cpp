#include "platform/printing/CupsPrinter.h"

#include "platform/printing/CupsJobSender.h"
#include "platform/printing/FormPdfRenderer.h"

#include <QCoreApplication>

namespace platform {

// The printout runs as a chain of steps: find the default destination, lay
// the form out for its paper, create the job, send the document. A step that
// fails is offered for another attempt, and the chain goes on from the step
// that failed, so nothing that already reached the scheduler is sent again.
//
// The document is the exception. CUPS takes it in one request that cannot
// be resumed once it broke off, and when its answer goes missing we cannot
// tell whether the scheduler kept the document. Sending it into the same job
// again could print the form twice, so the job is cancelled instead, and the
// next attempt creates a new job with the whole document. If the
// cancellation itself fails, it is attempted again before the new job is
// created. The printout thus ends with exactly one complete job.
Printer::Outcome CupsPrinter::print(const QString& jobName, const QStringList& lines,
                                    const RetryQuestion& retry) {
    CupsJobSender sender;
    const auto attempt = [&](const auto& step) {
        while (!step()) {
            if (!retry(sender.lastError()))
                return false;
        }
        return true;
    };
    const auto abandon = [&] {
        sender.cancelJob();
        return Outcome::Cancelled;
    };

    if (!attempt([&] { return sender.findDefaultDestination(); }))
        return Outcome::Cancelled;

    const FormPdfRenderer renderer(sender.defaultPage());
    QByteArray pdf;
    while ((pdf = renderer.render(jobName, lines)).isEmpty()) {
        if (!retry(QCoreApplication::translate(
                "platform::CupsPrinter", "The order form could not be laid out for printing.")))
            return Outcome::Cancelled;
    }

    for (;;) {
        if (!attempt([&] { return sender.cancelJob(); }) ||
            !attempt([&] { return sender.createJob(jobName); }))
            return abandon();
        if (sender.sendDocument(jobName, pdf))
            return Outcome::Printed;
        const QString error = sender.lastError();
        sender.cancelJob();
        if (!retry(error))
            return abandon();
    }
}

} // namespace platform
