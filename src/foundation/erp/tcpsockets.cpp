#include "foundation/erp/tcpsockets.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>
#endif

namespace tarvel {

#ifdef Q_OS_WIN

std::set<int> connectedTcpSockets(int)
{
    return {};
}

void shutdownSocket(int) {}

#else

namespace {

bool isConnectedTcp(int fd, int peerPort)
{
    int type = 0;
    socklen_t length = sizeof type;
    if (::getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &length) != 0 || type != SOCK_STREAM)
        return false;
    sockaddr_storage peer{};
    socklen_t peerLength = sizeof peer;
    if (::getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &peerLength) != 0)
        return false;
    if (peer.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in &>(peer).sin_port) == peerPort;
    if (peer.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6 &>(peer).sin6_port) == peerPort;
    return false;
}

} // namespace

std::set<int> connectedTcpSockets(int peerPort)
{
    std::set<int> sockets;
    if (DIR *dir = ::opendir("/proc/self/fd")) {
        while (const dirent *entry = ::readdir(dir)) {
            char *end = nullptr;
            const long fd = std::strtol(entry->d_name, &end, 10);
            if (end != entry->d_name && *end == '\0' && isConnectedTcp(int(fd), peerPort))
                sockets.insert(int(fd));
        }
        ::closedir(dir);
        return sockets;
    }
    for (int fd = 0; fd < 1024; ++fd) { // no /proc: the usual range
        if (isConnectedTcp(fd, peerPort))
            sockets.insert(fd);
    }
    return sockets;
}

void shutdownSocket(int fd)
{
    ::shutdown(fd, SHUT_RDWR);
}

#endif

int newSocket(const std::set<int> &before, const std::set<int> &after)
{
    int found = -1;
    for (const int fd : after) {
        if (before.count(fd))
            continue;
        if (found >= 0)
            return -1;
        found = fd;
    }
    return found;
}

} // namespace tarvel
