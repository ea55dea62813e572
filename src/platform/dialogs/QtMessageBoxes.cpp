#include "platform/dialogs/QtMessageBoxes.h"

#include "platform/desktop/WindowPlacement.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/DisplayText.h"
#include "platform/ui/WindowIcon.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLayout>
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

// Window managers write a window's title in a bold face of their own, beside
// an icon and up to three buttons; a box narrower than that shows its title
// cut short. The classic platform widens a message box to its title, and so
// does this, reckoning with a title bar font larger than most.
constexpr qreal TitleBarPoints = 11;
constexpr int TitleBarButtonsAndIcon = 5; // in heights of the title bar's font

int widthForTitle(const QString& title) {
    const QFontMetrics metrics(classicFont(TitleBarPoints, true));
    return metrics.horizontalAdvance(title) + TitleBarButtonsAndIcon * metrics.height();
}

// A message box in the middle of the screen, as the window system puts its
// own, rather than over its owner, which may not even be placed yet.
class CentredMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        widenToTitle();
        // The box takes its size here, from its layout.
        QMessageBox::showEvent(event);
        centreOnScreen(*this);
    }

private:
    // The box sizes itself to its layout whenever the layout changes, shown
    // or not: a row of buttons as wide as the title needs keeps it that wide.
    void widenToTitle() {
        auto* buttons = findChild<QDialogButtonBox*>();
        if (!buttons || !layout())
            return;
        const QMargins margins = layout()->contentsMargins();
        buttons->setMinimumWidth(widthForTitle(windowTitle()) - margins.left() - margins.right());
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
    // No icon in its title bar, not even its owner's.
    showNoWindowIcon(box);
    // Closing the box with Esc or its close button counts as the safe answer.
    if (request.buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

} // namespace platform
