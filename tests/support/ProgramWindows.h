#pragma once

#include "support/FakeDisplayInfo.h"
#include "support/TopLevelWindows.h"
#include "windows/order/OrderWindow.h"
#include "windows/shell/AboutWindow.h"
#include "windows/shell/MainWindow.h"
#include "windows/shell/SplashWindow.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <memory>

// The program's four windows, made as the program makes them, on a screen of
// 1024 x 768 pixels with 24-bit colour. A test names the one it looks at:
// "order", "main", "about" or "splash".
class ProgramWindows final {
public:
    static QStringList names() {
        return {QStringLiteral("order"), QStringLiteral("main"), QStringLiteral("about"),
                QStringLiteral("splash")};
    }

    ProgramWindows()
        : m_display({1024, 768}, 24) {
        m_splash = windows::shell::SplashWindow::start();
        m_main = std::make_unique<windows::shell::MainWindow>();
        m_about = std::make_unique<windows::shell::AboutWindow>(m_main.get());
        m_order = std::make_unique<windows::order::OrderWindow>(m_main.get());
    }
    ~ProgramWindows() { deleteTopLevelWindows<windows::shell::SplashWindow>(); }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Another name than the four stops the test.
    QWidget& window(const QString& name) const {
        if (name == QLatin1String("order"))
            return *m_order;
        if (name == QLatin1String("main"))
            return *m_main;
        if (name == QLatin1String("about"))
            return *m_about;
        if (name == QLatin1String("splash"))
            return *m_splash;
        qFatal("the program has no window called %s", qPrintable(name));
    }

    // Where the window's controls lie: the main window's below its menu bar,
    // the others' in the whole window.
    QWidget& clientArea(const QString& name) const {
        return name == QLatin1String("main") ? *m_main->centralWidget() : window(name);
    }

    // The client area as it paints itself, active or with another window in
    // front; nothing if the window did not come up so.
    QImage picture(const QString& name, bool active) {
        QWidget& shown = window(name);
        shown.show();
        if (!QTest::qWaitForWindowExposed(&shown))
            return {};
        QWidget* front = active ? &shown : &m_otherWindow;
        front->show();
        front->activateWindow();
        if (!QTest::qWaitForWindowActive(front))
            return {};
        if (shown.isActiveWindow() != active)
            return {};
        return clientArea(name).grab().toImage();
    }

private:
    FakeDisplayInfo m_display;
    QWidget m_otherWindow; // another program's, say
    windows::shell::SplashWindow* m_splash = nullptr;
    std::unique_ptr<windows::shell::MainWindow> m_main;
    std::unique_ptr<windows::shell::AboutWindow> m_about;
    std::unique_ptr<windows::order::OrderWindow> m_order;
};
