#pragma once

#include "platform/printing/CupsLibrary.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <cups/cups.h>

namespace platform {

// One printout's conversation with the CUPS scheduler that libcups is set up
// for (CUPS_SERVER, client.conf, the local scheduler): the default
// destination and the job on it. Each step answers whether it worked; after a
// failure lastError() says what went wrong and what the person can do about
// it, followed by the system's own description of the error. A step may be
// attempted again after it failed: each one connects afresh when the step
// before it failed.
class CupsJobSender final {
public:
    CupsJobSender();
    ~CupsJobSender();
    CupsJobSender(const CupsJobSender&) = delete;
    CupsJobSender& operator=(const CupsJobSender&) = delete;

    // The default destination as libcups resolves it: the PRINTER and LPDEST
    // variables, lpoptions, the scheduler's default. Having none is a failure.
    bool findDefaultDestination();

    // The default paper of the destination with its printable area; Letter
    // when the destination does not say.
    QPageLayout defaultPage() const;

    // A new job on the destination, waiting for its document.
    bool createJob(const QString& title);

    // Sends the job's one document, a PDF, which releases the job to the
    // printer.
    bool sendDocument(const QString& name, const QByteArray& pdf);

    // Cancels the job that waits for its document, if there is one. A job
    // that the scheduler no longer has, or has already ended, counts as
    // cancelled.
    bool cancelJob();

    QString lastError() const { return m_lastError; }

private:
    bool connect();
    static QString notRunning();
    bool fail(const QString& cause);

    QString m_loadFailure;
    const CupsLibrary* m_cups; // nullptr when libcups could not be loaded
    http_t* m_http = nullptr;
    cups_dest_t* m_destination = nullptr;
    int m_jobId = 0;
    QString m_lastError;
};

} // namespace platform
