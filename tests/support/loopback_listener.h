// A socket that listens and never answers, standing in for a live display:
// whoever probes it shows as a connection waiting to be accepted.
#pragma once

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class LoopbackListener {
public:
    // On the first free port from firstPort, up to 50 further.
    explicit LoopbackListener(int firstPort) : fd_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0))
    {
        for (port_ = firstPort; port_ < firstPort + 50; ++port_) {
            const sockaddr_in address{AF_INET, htons(static_cast<uint16_t>(port_)), {htonl(INADDR_LOOPBACK)}, {}};
            if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 && listen(fd_, 4) == 0) {
                return;
            }
        }
        port_ = -1;
    }
    ~LoopbackListener() { close(fd_); }
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    int Port() const { return port_; }  // -1: none was free
    // Connections made since the last call.
    int Connections() const
    {
        int count = 0;
        for (int peer; (peer = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0; ++count) {
            close(peer);
        }
        return count;
    }

private:
    const int fd_;
    int port_;
};
