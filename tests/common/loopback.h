#pragma once

// A socket bound to a free loopback port, for the stand-in servers of the tests.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvel::test {

inline sockaddr_in loopbackAddress(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<unsigned short>(port));
    return address;
}

// A socket of type (SOCK_STREAM, SOCK_DGRAM) on a free loopback port, listening
// when asked. Returns the descriptor (-1 on failure) and sets *port.
inline int bindLoopback(int type, bool listening, int *port)
{
    *port = 0;
    const int fd = ::socket(AF_INET, type, 0);
    sockaddr_in address = loopbackAddress(0);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
        (listening && ::listen(fd, 8) != 0) ||
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

} // namespace tarvel::test
