#pragma once

#include <QByteArray>
#include <QList>
#include <atomic>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>

// Stands between libcups and a CUPS scheduler on a local socket and passes
// every byte on, until a client starts to send a PDF document: then it cuts
// every connection there and then, as a scheduler that stops or a link that
// breaks would, and turns new connections away until passOn(). It cuts once.
//
//     CuttingProxy proxy(privatecups::printersServer(), scratch + "/proxy.sock");
//     privatecups::useServer(proxy.server());
//     ... print; the document breaks off; in the retry question: proxy.passOn() ...
class CuttingProxy final {
public:
    CuttingProxy(QByteArray schedulerSocket, QByteArray ownSocket)
        : m_scheduler(std::move(schedulerSocket))
        , m_own(std::move(ownSocket)) {
        m_listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = addressOf(m_own);
        ::unlink(m_own.constData());
        if (m_listener < 0 ||
            ::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_listener, 16) != 0)
            return;
        m_thread = std::thread([this] { run(); });
    }

    ~CuttingProxy() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_listener >= 0)
            ::close(m_listener);
        ::unlink(m_own.constData());
    }

    CuttingProxy(const CuttingProxy&) = delete;
    CuttingProxy& operator=(const CuttingProxy&) = delete;

    bool isListening() const { return m_thread.joinable(); }
    QByteArray server() const { return m_own; }
    bool hasCut() const { return m_cut; }
    // Lets connections through again.
    void passOn() { m_refusing = false; }

private:
    struct Link {
        int client;
        int scheduler;
    };

    static sockaddr_un addressOf(const QByteArray& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        return address;
    }

    static bool sendAll(int socket, const char* data, ssize_t size) {
        while (size > 0) {
            const ssize_t sent = ::send(socket, data, static_cast<size_t>(size), MSG_NOSIGNAL);
            if (sent <= 0)
                return false;
            data += sent;
            size -= sent;
        }
        return true;
    }

    static void close(const Link& link) {
        ::close(link.client);
        ::close(link.scheduler);
    }

    void accept() {
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0)
            return;
        const int scheduler = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = addressOf(m_scheduler);
        if (m_refusing || scheduler < 0 ||
            ::connect(scheduler, reinterpret_cast<const sockaddr*>(&address), sizeof address) !=
                0) {
            ::close(client);
            if (scheduler >= 0)
                ::close(scheduler);
            return;
        }
        m_links.append({client, scheduler});
    }

    // Passes what is waiting on one side of a link to the other; false when
    // the link is over.
    bool pass(const Link& link, bool fromClient) {
        char buffer[65536];
        const ssize_t size =
            ::recv(fromClient ? link.client : link.scheduler, buffer, sizeof buffer, 0);
        if (size <= 0)
            return false;
        if (fromClient && !m_cut) {
            // The document starts; it may be split between two reads.
            const QByteArray seen = m_clientTail + QByteArray(buffer, size);
            m_clientTail = seen.right(4);
            if (seen.contains("%PDF-")) {
                m_cut = true;
                m_refusing = true;
                for (const Link& other : std::as_const(m_links))
                    close(other);
                m_links.clear();
                return true;
            }
        }
        return sendAll(fromClient ? link.scheduler : link.client, buffer, size);
    }

    void run() {
        while (!m_stop) {
            // The links as they are polled; accept() may add one on the way.
            const QList<Link> links = m_links;
            QList<pollfd> watched{{m_listener, POLLIN, 0}};
            for (const Link& link : links)
                watched << pollfd{link.client, POLLIN, 0} << pollfd{link.scheduler, POLLIN, 0};
            if (::poll(watched.data(), static_cast<nfds_t>(watched.size()), 50) <= 0)
                continue;
            if (watched[0].revents & POLLIN)
                accept();
            for (qsizetype i = 0; i < links.size(); ++i) {
                for (bool fromClient : {true, false}) {
                    const short events = watched[1 + 2 * i + (fromClient ? 0 : 1)].revents;
                    if (!(events & (POLLIN | POLLHUP | POLLERR)) || !m_links.contains(links[i]))
                        continue;
                    if (!pass(links[i], fromClient) && m_links.removeOne(links[i]))
                        close(links[i]);
                }
            }
        }
        for (const Link& link : std::as_const(m_links))
            close(link);
    }

    friend bool operator==(const Link& a, const Link& b) {
        return a.client == b.client && a.scheduler == b.scheduler;
    }

    QByteArray m_scheduler;
    QByteArray m_own;
    int m_listener = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_refusing{false};
    std::atomic<bool> m_cut{false};
    QList<Link> m_links;     // the thread's own
    QByteArray m_clientTail; // the thread's own
};
