#pragma once

#include <set>

namespace tarvel {

// The process's TCP sockets that are connected to peerPort of some host (file
// descriptors; empty where this is not supported). The ODBC driver does not
// hand out the socket of its connection; taken before and after the connect,
// the one new socket to the server's port is it.
std::set<int> connectedTcpSockets(int peerPort);

// The one socket in after and not in before, or -1 when there is not exactly one.
int newSocket(const std::set<int> &before, const std::set<int> &after);

// Shuts the socket in both directions: a call waiting on it returns at once,
// the descriptor itself stays with its owner.
void shutdownSocket(int fd);

} // namespace tarvel
