#include "windows/shell/AboutWindow.h"

#include "model/Vendor.h"
#include "platform/desktop/WindowPlacement.h"
#include "platform/ui/DisplayText.h"
#include "platform/ui/WebPage.h"
#include "windows/layout/FormBuilder.h"
#include "windows/shell/AboutWindowControls.h"
#include "windows/shell/AboutWindowLayout.h"
#include "windows/shell/ProgramIcon.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace windows::shell {
namespace {

using namespace layout;

constexpr int CaptionMargin = 6; // pixels between a button's caption and its edge
constexpr double SmallestPoints = 7.8;

// The vendor's web address is longer than the button was drawn for. Rather
// than clip it, the caption's type gets smaller until it fits.
void fitCaptionToWidth(QPushButton& button) {
    const int room = button.width() - 2 * CaptionMargin;
    QFont font = button.font();
    while (QFontMetrics(font).horizontalAdvance(button.text()) > room &&
           font.pointSizeF() > SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.2);
    button.setFont(font);
}

std::string contactText() {
    using namespace model::vendor;
    return std::string(Name) + "\r" + std::string(StreetAddress) + "\r" + std::string(CityLine) +
           "\r\rE-mail:  " + std::string(Email) + "\r\r" + std::string(WebAddress);
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : ModalWindow(parent) {
    m_controls = FormBuilder::build(*this, aboutWindowForm(), aboutWindowControls());
    setWindowIcon(programIcon());
    m_controls.require<QLabel>(about_control::VersionLabel)
        .setText(
            QStringLiteral(" Version %1 ").arg(platform::fromUtf8(model::vendor::ProgramVersion)));

    // The picture keeps its own size, whatever room the table gives it.
    auto& picture = m_controls.require<QLabel>(about_control::ProgramPicture);
    picture.resize(picture.pixmap().size());

    // Neither button is the window's default; Enter presses the one that has
    // the focus (ModalWindow).
    auto& webAddress = m_controls.require<QPushButton>(about_control::WebAddressButton);
    auto& ok = m_controls.require<QPushButton>(about_control::OkButton);
    fitCaptionToWidth(webAddress);
    connect(&webAddress, &QPushButton::clicked, this, &AboutWindow::openHomePage);
    connect(&ok, &QPushButton::clicked, this, &AboutWindow::accept);

    load();
    webAddress.setFocus(Qt::OtherFocusReason);
}

void AboutWindow::showModal(QWidget* owner) {
    AboutWindow window(owner);
    window.exec();
}

void AboutWindow::load() {
    platform::centreOnScreen(*this);
    m_controls.require<QLabel>(about_control::ContactBox)
        .setText(platform::withLineBreaks(platform::fromUtf8(contactText())));
}

void AboutWindow::openHomePage() {
    platform::openWebPage(platform::fromUtf8(model::vendor::HomePage));
}

} // namespace windows::shell
