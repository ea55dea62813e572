#include "windows/shell/AboutWindow.h"

#include "model/Vendor.h"
#include "platform/desktop/DisplayText.h"
#include "platform/desktop/WebPage.h"
#include "platform/desktop/WindowPlacement.h"
#include "windows/layout/FormBuilder.h"
#include "windows/shell/AboutWindowControls.h"
#include "windows/shell/ProgramIcon.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <string>

namespace windows::shell {
namespace {

using namespace layout;

constexpr FormSpec AboutWindowLayout{
    .caption = " About Order Form",
    .clientWidth = 3768,
    .clientHeight = 3948,
    .back = rgb(0, 0, 64),
    .text = WindowText,
    .font = SansBold,
};

constexpr Colour Cyan = rgb(0, 255, 255);
constexpr Colour Yellow = rgb(255, 255, 0);
constexpr FontSpec ButtonFont{Face::Sans, 13.8, true, false};
constexpr int CaptionMargin = 6; // pixels between a button's caption and its edge
constexpr double SmallestPoints = 7.8;

// Bottom of the stacking order first.
constexpr std::array AboutWindowControls{
    ControlSpec{.name = about_control::TitleLabel,
                .kind = ControlKind::Label,
                .left = 1320,
                .top = 360,
                .width = 1284,
                .height = 204,
                .caption = "Order Form",
                .text = Cyan,
                .font = FontSpec{Face::Serif, 9, true, false},
                .tabIndex = 0,
                .align = Align::Centre,
                .transparent = true},
    ControlSpec{.name = about_control::VersionLabel,
                .kind = ControlKind::Label,
                .left = 1380,
                .top = 600,
                .width = 1152,
                .height = 192,
                .text = Yellow,
                .tabIndex = 3,
                .align = Align::Centre,
                .transparent = true},
    ControlSpec{.name = about_control::RightsNoticeLabel,
                .kind = ControlKind::Label,
                .left = 120,
                .top = 1200,
                .width = 3495,
                .height = 195,
                .caption = model::vendor::RightsNotice,
                .text = Cyan,
                .tabIndex = 4,
                .align = Align::Centre,
                .transparent = true},
    ControlSpec{.name = about_control::ContactBox,
                .kind = ControlKind::Label,
                .left = 360,
                .top = 1920,
                .width = 3075,
                .height = 1050,
                .back = WindowBackground,
                .text = WindowText,
                .tabIndex = 5,
                .align = Align::Centre,
                .border = true},
    ControlSpec{.name = about_control::ProgramPicture,
                .kind = ControlKind::Image,
                .left = 2880,
                .top = 480,
                .width = 384,
                .height = 384,
                .caption = ProgramPicture},
    ControlSpec{.name = about_control::RightsReservedLabel,
                .kind = ControlKind::Label,
                .left = 1005,
                .top = 1440,
                .width = 1725,
                .height = 195,
                .caption = model::vendor::RightsReserved,
                .text = Cyan,
                .tabIndex = 6,
                .align = Align::Centre,
                .transparent = true},
    ControlSpec{.name = about_control::EditionLabel,
                .kind = ControlKind::Label,
                .left = 1404,
                .top = 840,
                .width = 1212,
                .height = 192,
                .caption = " 32-bit Edition ",
                .back = rgb(64, 0, 64),
                .text = Yellow,
                .tabIndex = 7,
                .align = Align::Centre},
    ControlSpec{.name = about_control::WebAddressButton,
                .kind = ControlKind::PushButton,
                .left = 480,
                .top = 3120,
                .width = 2892,
                .height = 492,
                .caption = model::vendor::WebAddress,
                .back = Yellow,
                .font = ButtonFont,
                .tabIndex = 1},
    ControlSpec{.name = about_control::OkButton,
                .kind = ControlKind::PushButton,
                .left = 360,
                .top = 360,
                .width = 732,
                .height = 492,
                .caption = "OK",
                .back = ButtonFace,
                .font = ButtonFont,
                .tabIndex = 2},
};

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
    m_controls = FormBuilder::build(*this, AboutWindowLayout, AboutWindowControls);
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
