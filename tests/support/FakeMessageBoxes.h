#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "support/Installed.h"

#include <QList>
#include <functional>

// Stands in for real message boxes while it lives: records every message and
// answers it at once, with the queued answers first, then the safe answer
// (OK, No or Cancel).
class FakeMessageBoxes final : public Installed<platform::MessageBoxes> {
public:
    platform::MessageAnswer show(QWidget* owner, const platform::MessageRequest& request) override {
        asked.append(request);
        owners.append(owner);
        if (whileOpen)
            whileOpen(request);
        if (!answers.isEmpty())
            return answers.takeFirst();
        switch (request.buttons) {
        case platform::MessageButtons::YesNo:
            return platform::MessageAnswer::No;
        case platform::MessageButtons::RetryCancel:
            return platform::MessageAnswer::Cancel;
        case platform::MessageButtons::Ok:
            break;
        }
        return platform::MessageAnswer::Ok;
    }

    QList<platform::MessageRequest> asked;
    QList<QWidget*> owners;
    QList<platform::MessageAnswer> answers;
    // Runs while a message is "open", to look at the program at that moment.
    std::function<void(const platform::MessageRequest&)> whileOpen;
};
