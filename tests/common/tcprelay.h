#pragma once

// A TCP relay on a free loopback port that passes every connection on to a
// target port, and can fall silent: then it passes nothing either way, as a
// server that stops answering in the middle of a session (the connections
// stay up, nothing comes back). Header only; the relay thread stops and every
// connection closes when the object goes.
//
//   TcpRelay relay(server.port());
//   settings.server = "127.0.0.1," + QString::number(relay.port());
//   relay.setSilent(true);

#include "loopback.h"

#include <poll.h>

#include <atomic>
#include <thread>
#include <utility>
#include <vector>

namespace tarvel::test {

class TcpRelay {
public:
    explicit TcpRelay(int targetPort)
        : m_target(targetPort), m_listen(bindLoopback(SOCK_STREAM, true, &m_port))
    {
        if (m_listen >= 0)
            m_thread = std::thread([this] { relay(); });
    }
    ~TcpRelay()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        for (const auto &[client, server] : m_pairs) {
            ::close(client);
            ::close(server);
        }
        if (m_listen >= 0)
            ::close(m_listen);
    }
    TcpRelay(const TcpRelay &) = delete;
    TcpRelay &operator=(const TcpRelay &) = delete;

    int port() const { return m_port; }
    void setSilent(bool silent) { m_silent = silent; }

private:
    // Passes what is waiting on from to to; false when from has closed.
    static bool pass(int from, int to)
    {
        char buffer[16384];
        const ssize_t got = ::recv(from, buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        for (ssize_t sent = 0; sent < got;) {
            const ssize_t n = ::send(to, buffer + sent, size_t(got - sent), MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += n;
        }
        return true;
    }

    void relay()
    {
        while (!m_stop) {
            std::vector<pollfd> polls{{m_listen, POLLIN, 0}};
            if (!m_silent) {
                for (const auto &[client, server] : m_pairs) {
                    polls.push_back({client, POLLIN, 0});
                    polls.push_back({server, POLLIN, 0});
                }
            }
            if (::poll(polls.data(), nfds_t(polls.size()), 50) <= 0)
                continue;
            if (polls[0].revents & POLLIN)
                accept();
            for (size_t i = 1; i < polls.size(); i += 2) {
                const int client = polls[i].fd, server = polls[i + 1].fd;
                const bool open =
                    (!(polls[i].revents & (POLLIN | POLLHUP | POLLERR)) || pass(client, server)) &&
                    (!(polls[i + 1].revents & (POLLIN | POLLHUP | POLLERR)) || pass(server, client));
                if (!open)
                    drop(client);
            }
        }
    }

    void accept()
    {
        const int client = ::accept(m_listen, nullptr, nullptr);
        if (client < 0)
            return;
        const int server = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = loopbackAddress(m_target);
        if (server < 0 ||
            ::connect(server, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
            ::close(client);
            if (server >= 0)
                ::close(server);
            return;
        }
        m_pairs.emplace_back(client, server);
    }

    void drop(int client)
    {
        for (auto it = m_pairs.begin(); it != m_pairs.end(); ++it) {
            if (it->first == client) {
                ::close(it->first);
                ::close(it->second);
                m_pairs.erase(it);
                return;
            }
        }
    }

    int m_target;
    int m_port = 0; // before m_listen, which sets it
    int m_listen = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_silent{false};
    std::vector<std::pair<int, int>> m_pairs; // used by the relay thread only
    std::thread m_thread;
};

} // namespace tarvel::test
