#include "windows/shell/MainWindow.h"

#include "model/Vendor.h"
#include "platform/desktop/WindowPlacement.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/help/Help.h"
#include "platform/system/ProgramEnd.h"
#include "platform/ui/DisplayText.h"
#include "platform/ui/MousePointer.h"
#include "windows/layout/FormBuilder.h"
#include "windows/order/OrderWindow.h"
#include "windows/shell/AboutWindow.h"
#include "windows/shell/MainWindowControls.h"
#include "windows/shell/MainWindowLayout.h"
#include "windows/shell/ProgramIcon.h"
#include "windows/shell/SplashWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <array>
#include <string>
#include <vector>

namespace windows::shell {
namespace {

using namespace layout;

std::string introductoryText() {
    using namespace model::vendor;
    const std::string vendor(Name);
    return vendor + " -- " + std::string(WebAddress) + "\r\r" +
           "The purpose of this program is to demonstrate a way to add an order form to your "
           "software.\r\r"
           "ATTENTION SHAREWARE PROGRAMMER:\r"
           "If you would like to add this order form to your programs, you may purchase the " +
           std::string(DevelopmentSystem) + " source code (both 16-bit and 32-bit editions) from " +
           vendor + ".\r\r" +
           "Add this order form to your project and modify as desired. For only $19.95 the "
           "source code can be yours (royalty free)!";
}

// Every line ends with a carriage return, the last one included.
std::string vendorInformationText() {
    using namespace model::vendor;
    const std::array<std::string, 9> lines{
        std::string(Name),
        std::string(StreetAddress),
        std::string(CityLine),
        "",
        "Phone:  " + std::string(TollFreePhone),
        "Fax:        " + std::string(TollFreeFax),
        "",
        std::string(Email),
        std::string(WebAddress),
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + '\r';
    return text;
}

} // namespace

MainWindow::MainWindow(SplashWindow* splash) {
    setWindowTitle(platform::fromUtf8(mainWindowForm().caption));
    setWindowIcon(programIcon());
    auto* client = new QWidget(this);
    client->setObjectName(platform::fromUtf8(main_control::Client));
    m_controls = FormBuilder::build(*client, mainWindowForm(), mainWindowControls());
    setCentralWidget(client);
    buildMenus();
    // Nothing in the window would follow a change of its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    load(splash);
}

void MainWindow::buildMenus() {
    struct Command {
        std::string_view name;
        std::string_view caption;
        QKeyCombination shortcut;
        void (MainWindow::*handler)();
    };
    struct Menu {
        std::string_view name;
        std::string_view caption;
        std::vector<Command> commands;
    };
    // A command without a handler is a separator line.
    const std::array menus{
        Menu{
            main_control::FileMenu,
            "&File",
            {{main_control::ShowOrderFormCommand, "&Show Order Form", Qt::CTRL | Qt::Key_S,
              &MainWindow::showOrderForm},
             {main_control::ExitCommand, "&Exit", Qt::CTRL | Qt::Key_E, &MainWindow::confirmExit}}},
        Menu{main_control::OrderFormMenu,
             "&Order Form",
             {{main_control::VendorInformationCommand, "&Quendrel Software Information",
               Qt::CTRL | Qt::Key_D, &MainWindow::showVendorInformation},
              {main_control::OrderFormCommand, "&Order Form", Qt::CTRL | Qt::Key_O,
               &MainWindow::showOrderForm}}},
        Menu{main_control::HelpMenu,
             "&Help",
             {{main_control::HowToUseHelpCommand, "How to &Use Help", Qt::CTRL | Qt::Key_U,
               &MainWindow::showHowToUseHelp},
              {main_control::HelpMenuSeparator, "-", {}, nullptr},
              {main_control::AboutCommand, "&About Order Form", Qt::CTRL | Qt::Key_A,
               &MainWindow::showAbout}}},
    };

    for (const Menu& entry : menus) {
        QMenu* menu = menuBar()->addMenu(platform::fromUtf8(entry.caption));
        menu->setObjectName(platform::fromUtf8(entry.name));
        for (const Command& command : entry.commands) {
            QAction* action = command.handler ? menu->addAction(platform::fromUtf8(command.caption))
                                              : menu->addSeparator();
            action->setObjectName(platform::fromUtf8(command.name));
            if (!command.handler)
                continue;
            action->setShortcut(QKeySequence(command.shortcut));
            connect(action, &QAction::triggered, this, command.handler);
        }
    }
}

void MainWindow::load(SplashWindow* splash) {
    platform::centreOnScreen(*this);
    if (splash)
        splash->unload();
    m_controls.require<QLabel>(main_control::IntroductionText)
        .setText(platform::withLineBreaks(platform::fromUtf8(introductoryText())));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    platform::setMousePointer(*this, platform::MousePointer::Default);
    event->accept();
    platform::ProgramEnd::current().end(0);
}

void MainWindow::showOrderForm() {
    order::OrderWindow::showModal(this);
}

void MainWindow::confirmExit() {
    const platform::MessageAnswer answer = platform::MessageBoxes::current().show(
        this,
        {QStringLiteral("Do you really want to leave this great program?"), QStringLiteral("EXIT"),
         platform::MessageButtons::YesNo, platform::MessageIcon::Question});
    if (answer == platform::MessageAnswer::No)
        return;
    platform::setMousePointer(*this, platform::MousePointer::Default);
    platform::ProgramEnd::current().end(0);
}

void MainWindow::showVendorInformation() {
    platform::MessageBoxes::current().show(this, {platform::fromUtf8(vendorInformationText()),
                                                  QString(), platform::MessageButtons::Ok,
                                                  platform::MessageIcon::None});
}

void MainWindow::showHowToUseHelp() {
    platform::Help::setHelpFile(QStringLiteral("Winhelp.hlp"));
    // The window captioned "Order Form" is this one.
    activateWindow();
    raise();
    platform::Help::pressHelpKey(*this);
}

void MainWindow::showAbout() {
    platform::setMousePointer(*this, platform::MousePointer::Hourglass);
    AboutWindow::showModal(this);
    platform::setMousePointer(*this, platform::MousePointer::Default);
}

} // namespace windows::shell
