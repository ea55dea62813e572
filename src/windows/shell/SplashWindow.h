#pragma once

#include "windows/layout/FormControls.h"

#include <QTimer>
#include <QWidget>

namespace windows::shell {

// The splash window the program starts with. It warns about a display with
// too few colours, shows the program's name and version for a second and
// then opens the main window, whose load closes it.
class SplashWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates and loads the splash window and shows it; the main window
    // follows by itself. The window deletes itself once it has been unloaded.
    static SplashWindow* start();

    // Closes and releases the splash window; the main window's load calls it.
    void unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SplashWindow();

    void load();
    void warnAboutFewColours();
    void fitToScreen();
    void openMainWindow();

    layout::FormControls m_controls;
    QTimer m_timer;
    bool m_loaded = false;
    bool m_tickedWhileLoading = false;
    bool m_unloading = false;
};

} // namespace windows::shell
