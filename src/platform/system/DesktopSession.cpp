#include "platform/system/DesktopSession.h"

#include <cstring>

namespace platform {
DesktopSession DesktopSession::current(int argc, char** argv) {
    DesktopSession session;
    session.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    session.sessionType = qgetenv("XDG_SESSION_TYPE");
    session.x11Display = qgetenv("DISPLAY");
    session.chosenPlatform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        // Qt takes its options with one dash or two.
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            session.platformArgument = true;
    }
    return session;
}

bool DesktopSession::runsThroughXWayland() const {
    const bool wayland = !waylandDisplay.isEmpty() || sessionType == "wayland";
    return wayland && !x11Display.isEmpty() && chosenPlatform.isEmpty() && !platformArgument;
}

QtCommandLine::QtCommandLine(int argc, char** argv)
    : m_arguments(argv, argv + argc) {
    if (DesktopSession::current(argc, argv).runsThroughXWayland()) {
        m_arguments.push_back(m_platformOption.data());
        m_arguments.push_back(m_x11Platform.data());
    }
    m_count = static_cast<int>(m_arguments.size());
    m_arguments.push_back(nullptr); // argv ends with a null pointer
}

} // namespace platform
