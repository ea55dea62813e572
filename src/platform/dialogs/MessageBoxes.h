#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MessageButtons { Ok, YesNo, RetryCancel };
enum class MessageIcon { None, Question, Warning };
enum class MessageAnswer { Ok, Yes, No, Retry, Cancel };

struct MessageRequest {
    QString text;  // a lone carriage return breaks the line
    QString title; // empty: the application title "Order Form"
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// Every message the program shows goes through here, so that tests can read
// and answer them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows the message modal to `owner` and waits for the answer.
    virtual MessageAnswer show(QWidget* owner, const MessageRequest& request) = 0;

    static MessageBoxes& current();
    // nullptr goes back to real message boxes.
    static void install(MessageBoxes* boxes);
};

inline const QString ApplicationTitle = QStringLiteral("Order Form");

} // namespace platform
