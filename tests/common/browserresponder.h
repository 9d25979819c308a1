#pragma once

// A stand-in for a server's browser service (the UDP service that names the
// TCP port of a named instance): it answers every request with a fixed
// datagram, or stays silent, on a free loopback port. Header only; the
// answering thread stops when the object goes.
//
//   BrowserResponder browser(BrowserResponder::answerFor("SQLEXPRESS", tds.port()));
//   qputenv("TARVEL_SQL_BROWSER_PORT", QByteArray::number(browser.port()));

#include <QByteArray>
#include <QString>

#include "loopback.h"

#include <poll.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace tarvel::test {

class BrowserResponder {
public:
    // answer empty: reads every request and never answers.
    explicit BrowserResponder(QByteArray answer)
        : m_answer(std::move(answer)), m_fd(bindLoopback(SOCK_DGRAM, false, &m_port))
    {
        if (m_fd >= 0)
            m_thread = std::thread([this] { serve(); });
    }
    ~BrowserResponder()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    BrowserResponder(const BrowserResponder &) = delete;
    BrowserResponder &operator=(const BrowserResponder &) = delete;

    int port() const { return m_port; }
    int requests() const { return m_requests; }
    QByteArray lastRequest() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lastRequest;
    }

    // The answer a browser service gives for one instance: 0x05, the length
    // of the text (little endian), the text. tcpPort 0: no TCP entry.
    static QByteArray answerFor(const QString &instance, int tcpPort)
    {
        QString text =
            QStringLiteral("ServerName;ERPSUNUCU;InstanceName;%1;IsClustered;No;Version;15.0.2000.5;")
                .arg(instance);
        if (tcpPort > 0)
            text += QStringLiteral("tcp;%1;").arg(tcpPort);
        text += QStringLiteral("np;\\\\ERPSUNUCU\\pipe\\MSSQL$%1\\sql\\query;;").arg(instance);
        const QByteArray body = text.toLatin1();
        QByteArray answer(1, char(0x05));
        answer.append(char(body.size() & 0xff));
        answer.append(char((body.size() >> 8) & 0xff));
        return answer + body;
    }

    // A loopback UDP port on which nothing listens: requests are refused.
    static int closedPort()
    {
        int port = 0;
        const int fd = bindLoopback(SOCK_DGRAM, false, &port);
        if (fd >= 0)
            ::close(fd);
        return port;
    }

private:
    void serve()
    {
        while (!m_stop) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            char buffer[2048];
            sockaddr_storage from{};
            socklen_t fromLength = sizeof from;
            const ssize_t got =
                ::recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr *>(&from), &fromLength);
            if (got <= 0)
                continue;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_lastRequest = QByteArray(buffer, qsizetype(got));
            }
            ++m_requests;
            if (!m_answer.isEmpty())
                ::sendto(m_fd, m_answer.constData(), size_t(m_answer.size()), 0,
                         reinterpret_cast<sockaddr *>(&from), fromLength);
        }
    }

    QByteArray m_answer;
    int m_port = 0; // before m_fd, which sets it
    int m_fd = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    mutable std::mutex m_mutex;
    QByteArray m_lastRequest;
    std::thread m_thread;
};

} // namespace tarvel::test
