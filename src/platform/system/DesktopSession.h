#pragma once

#include <QByteArray>
#include <string>
#include <vector>

namespace platform {

// What decides the Qt platform that the program runs on, read before the
// QApplication exists.
struct DesktopSession {
    QByteArray waylandDisplay;     // WAYLAND_DISPLAY
    QByteArray sessionType;        // XDG_SESSION_TYPE
    QByteArray x11Display;         // DISPLAY
    QByteArray chosenPlatform;     // QT_QPA_PLATFORM
    bool platformArgument = false; // -platform on the command line

    static DesktopSession current(int argc, char** argv);

    // In a Wayland session that offers X11 too (XWayland, DISPLAY set), the
    // program runs through X11 unless the user chose a platform: there its
    // windows open centred and modal as it means them to, whereas a Wayland
    // compositor places every window itself.
    bool runsThroughXWayland() const;
};

// The command line that the QApplication gets: the program's own, with
// "-platform xcb" added where the session runs the program through XWayland.
// The environment is left as it is, so that programs started from this one
// choose for themselves.
class QtCommandLine final {
public:
    QtCommandLine(int argc, char** argv);

    QtCommandLine(const QtCommandLine&) = delete;
    QtCommandLine& operator=(const QtCommandLine&) = delete;

    // For QApplication, which keeps both for as long as it runs.
    int& count() { return m_count; }
    char** arguments() { return m_arguments.data(); }

private:
    std::string m_platformOption = "-platform";
    std::string m_x11Platform = "xcb";
    std::vector<char*> m_arguments;
    int m_count;
};

} // namespace platform
