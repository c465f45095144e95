#include "raise-channel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QSocketNotifier>

namespace {

// false when the path does not fit a socket address.
bool MakeAddress(const QByteArray& path, sockaddr_un* address)
{
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address->sun_path)) {
        return false;
    }
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

}  // namespace

QString RaiseSocketPath(const QString& tarnwellFolder)
{
    return tarnwellFolder + QStringLiteral("/launcher.raise");
}

bool RequestRaise(const QString& socketPath)
{
    sockaddr_un address;
    if (!MakeAddress(QFile::encodeName(socketPath), &address)) {
        return false;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    int result;
    do {
        result = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    } while (result != 0 && errno == EINTR);
    close(fd);
    return result == 0;
}

RaiseListener::RaiseListener(const QString& socketPath)
    : m_path(QFile::encodeName(socketPath))
{
    sockaddr_un address;
    if (!MakeAddress(m_path, &address)) {
        return;
    }
    // Only a socket is replaced: anything else at the path is not ours.
    struct stat info;
    if (lstat(m_path.constData(), &info) == 0 && S_ISSOCK(info.st_mode)) {
        unlink(m_path.constData());
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return;
    }
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 || listen(fd, 4) != 0) {
        close(fd);
        return;
    }
    m_fd = fd;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &RaiseListener::Accept);
}

RaiseListener::~RaiseListener()
{
    if (m_fd < 0) {
        return;
    }
    delete m_notifier;
    close(m_fd);
    // Still under the guard: no other launcher can be listening there yet.
    unlink(m_path.constData());
}

void RaiseListener::Accept()
{
    int connection;
    bool requested = false;
    while ((connection = accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        close(connection);
        requested = true;
    }
    if (requested) {
        emit sigRaiseRequested();
    }
}
