#pragma once

#include "platform/printing/Printer.h"
#include "support/Installed.h"

#include <QList>
#include <QStringList>

// Stands in for the default printer while it lives. It fails as many times as
// `failuresToCome` says, asking whether to retry each time, then prints.
class FakePrinter final : public Installed<platform::Printer> {
public:
    Outcome print(const QString& jobName, const QStringList& lines,
                  const RetryQuestion& retry) override {
        ++attempts;
        while (failuresToCome > 0) {
            --failuresToCome;
            if (!retry(failureText))
                return Outcome::Cancelled;
        }
        printedJobNames << jobName;
        printedJobs << lines;
        return Outcome::Printed;
    }

    int attempts = 0;
    int failuresToCome = 0;
    QString failureText = QStringLiteral("The printer is not responding.");
    QStringList printedJobNames;
    QList<QStringList> printedJobs;
};
