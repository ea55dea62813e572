#include "platform/dialogs/QtMessageBoxes.h"

#include "platform/desktop/DisplayText.h"
#include "platform/desktop/WindowPlacement.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// A message box in the middle of the screen, as the window system puts its
// own, rather than over its owner, which may not even be placed yet.
class CentredMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        // The box takes its final size here.
        QMessageBox::showEvent(event);
        centreOnScreen(*this);
    }
};

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer QtMessageBoxes::show(QWidget* owner, const MessageRequest& request) {
    CentredMessageBox box(iconOf(request.icon),
                          request.title.isEmpty() ? ApplicationTitle : request.title,
                          withLineBreaks(request.text), buttonsOf(request.buttons), owner);
    box.setTextFormat(Qt::PlainText);
    // Closing the box with Esc or its close button counts as the safe answer.
    if (request.buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

} // namespace platform
