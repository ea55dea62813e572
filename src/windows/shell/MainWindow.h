#pragma once

#include "windows/layout/FormControls.h"

#include <QMainWindow>

namespace windows::shell {

class SplashWindow;

// The program's hub for the whole run: an introductory text and the menus
// that open the order window, the vendor's details, help and the About
// window, and end the program.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // Loads the main window; `splash` is the start-up window it takes over
    // from and closes.
    explicit MainWindow(SplashWindow* splash = nullptr);

protected:
    // Closing the main window ends the program without asking.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void load(SplashWindow* splash);

    void showOrderForm();
    void confirmExit();
    void showVendorInformation();
    void showHowToUseHelp();
    void showAbout();

    layout::FormControls m_controls;
};

} // namespace windows::shell
