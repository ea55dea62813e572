#pragma once

#include <QByteArray>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// A private X server (Xvfb, 1024 x 768 at 96 dpi) for a test that needs a real
// one, started before the QApplication: DISPLAY names it and Qt runs on it
// (xcb) while the object lives.
//
//     int main(int argc, char* argv[]) {
//         const PrivateXServer server;
//         QApplication app(argc, argv);
//         ...
class PrivateXServer final {
public:
    PrivateXServer() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            fail("no pipe for Xvfb");
        m_pid = fork();
        if (m_pid == 0) {
            close(pipeEnds[0]);
            // Quiet about the displays it finds taken on its way.
            const int nowhere = open("/dev/null", O_WRONLY);
            dup2(nowhere, STDOUT_FILENO);
            dup2(nowhere, STDERR_FILENO);
            const std::string writeEnd = std::to_string(pipeEnds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", writeEnd.c_str(), "-noreset", "-screen", "0",
                   "1024x768x24", "-dpi", "96", "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        // Xvfb picks a free display itself and writes its number, and a line
        // end, once it is ready; not always in one go.
        QByteArray number;
        char piece[16];
        while (!number.endsWith('\n')) {
            const ssize_t read = ::read(pipeEnds[0], piece, sizeof piece);
            if (read <= 0)
                break;
            number.append(piece, read);
        }
        close(pipeEnds[0]);
        if (m_pid < 0 || !number.endsWith('\n'))
            fail("Xvfb did not start (is it installed?)");
        m_display = ':' + number.trimmed();
        qputenv("DISPLAY", m_display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }

    ~PrivateXServer() {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }

    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    const QByteArray& display() const { return m_display; }

private:
    [[noreturn]] static void fail(const char* why) {
        std::fprintf(stderr, "%s\n", why);
        std::exit(1);
    }

    pid_t m_pid = -1;
    QByteArray m_display;
};
