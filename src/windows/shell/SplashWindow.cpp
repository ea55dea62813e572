#include "windows/shell/SplashWindow.h"

#include "model/Vendor.h"
#include "platform/desktop/DisplayInfo.h"
#include "platform/desktop/WindowFrame.h"
#include "platform/desktop/WindowPlacement.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/ui/DisplayText.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/Twips.h"
#include "windows/layout/FormBuilder.h"
#include "windows/shell/MainWindow.h"
#include "windows/shell/ProgramIcon.h"
#include "windows/shell/SplashWindowControls.h"
#include "windows/shell/SplashWindowLayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <string>

namespace windows::shell {
namespace {

using namespace layout;

// On a 1024 x 768 screen the window takes this outer size, frame included.
constexpr QSize ScreenWithOwnSize(1024, 768);
constexpr int OuterWidthOnThatScreen = 2930;  // twips
constexpr int OuterHeightOnThatScreen = 1500; // twips

constexpr int TimerInterval = 1000; // milliseconds

const char* const LowColourTitle = " LOW COLOR WARNING";
const char* const LowColourText =
    "WARNING:\r\rRecommend you set your video to display at least 256 colors. Contact your "
    "video card manufacturer if you need a driver to display more colors.\rYou may continue and "
    "the program will function as designed, but background colors and screens may look bad!";

std::string splashText() {
    using namespace model::vendor;
    return "Starting Order Form\rVersion " + std::string(ProgramVersion) + "\r" +
           std::string(RightsNotice) + "\r" + std::string(Name);
}

} // namespace

SplashWindow* SplashWindow::start() {
    // The program ends only from the main window, never because no window
    // happens to be open while the splash window hands over to it.
    QApplication::setQuitOnLastWindowClosed(false);
    auto* splash = new SplashWindow;
    splash->show();
    return splash;
}

// Left alone by the window manager too: no window manager gives it a frame or
// a place of its own, not even those that know no hint for frameless windows.
SplashWindow::SplashWindow()
    : QWidget(nullptr,
              Qt::SplashScreen | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_controls = FormBuilder::build(*this, splashWindowForm(), splashWindowControls());
    setWindowIcon(programIcon());

    // The second runs from the window's creation, not from the end of its load.
    m_timer.setTimerType(Qt::PreciseTimer); // a full second, not a coarse one
    m_timer.setInterval(TimerInterval);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::openMainWindow);
    m_timer.start();

    load();
}

void SplashWindow::load() {
    warnAboutFewColours();
    fitToScreen();
    platform::centreOnScreen(*this);
    auto& text = m_controls.require<QLabel>(splash_control::StartingText);
    text.setText(platform::withLineBreaks(platform::fromUtf8(splashText())));
    platform::setMousePointer(text, platform::MousePointer::Hourglass);
    platform::setMousePointer(*this, platform::MousePointer::Hourglass);

    m_loaded = true;
    // The second may have passed while the warning was open; the main window
    // then follows as soon as the splash window is up.
    if (m_tickedWhileLoading)
        QMetaObject::invokeMethod(this, &SplashWindow::openMainWindow, Qt::QueuedConnection);
}

void SplashWindow::warnAboutFewColours() {
    if (platform::DisplayInfo::current().colourCount() >= 256)
        return;
    platform::MessageBoxes::current().show(
        this, {QString::fromLatin1(LowColourText), QString::fromLatin1(LowColourTitle),
               platform::MessageButtons::Ok, platform::MessageIcon::None});
}

void SplashWindow::fitToScreen() {
    if (platform::DisplayInfo::current().screenSize() != ScreenWithOwnSize)
        return;
    const QMargins frame = platform::expectedFrame(*this);
    setFixedSize(platform::twips::sizeToPixels(OuterWidthOnThatScreen, OuterHeightOnThatScreen)
                     .shrunkBy(frame));
}

void SplashWindow::openMainWindow() {
    // Stopped first: the main window's load may take longer than a second,
    // and it must open only once.
    m_timer.stop();
    if (!m_loaded) {
        m_tickedWhileLoading = true;
        return;
    }
    // The main window's load closes this window; nothing of it is used after.
    auto* mainWindow = new MainWindow(this);
    mainWindow->show();
}

void SplashWindow::unload() {
    m_unloading = true;
    close();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    // Closed from outside, the splash window would take the main window with
    // it and leave the program running with no window at all.
    if (!m_unloading) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace windows::shell
