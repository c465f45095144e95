#include "platform-choice.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QList>

namespace {

const char kOffscreen[] = "offscreen";
// 500 ms: a remote X server that does not answer by then is no place for a
// progress dialog, and the client must not wait on it.
const int kTcpConnectTimeoutMs = 500;

class Socket {
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket()
    {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// abstractName: Linux's abstract namespace, where X servers listen as well.
bool UnixSocketAnswers(const QByteArray& path, bool abstractName)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const int offset = abstractName ? 1 : 0;
    if (path.isEmpty() || path.size() + offset >= int(sizeof(address.sun_path))) {
        return false;
    }
    std::memcpy(address.sun_path + offset, path.constData(), size_t(path.size()));
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstractName ? 0 : 1));
    const Socket socket_(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket_.fd() < 0) {
        return false;
    }
    int result;
    do {
        result = connect(socket_.fd(), reinterpret_cast<const sockaddr*>(&address), length);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool TcpAnswers(const QByteArray& host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0) {
        return false;
    }
    bool answered = false;
    for (addrinfo* candidate = found; candidate != nullptr && !answered; candidate = candidate->ai_next) {
        const Socket socket_(socket(candidate->ai_family, candidate->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        if (socket_.fd() < 0) {
            continue;
        }
        if (connect(socket_.fd(), candidate->ai_addr, candidate->ai_addrlen) == 0) {
            answered = true;
            continue;
        }
        if (errno != EINPROGRESS) {
            continue;
        }
        pollfd waiting{socket_.fd(), POLLOUT, 0};
        int error = 0;
        socklen_t errorLength = sizeof(error);
        answered = poll(&waiting, 1, kTcpConnectTimeoutMs) == 1 &&
                   getsockopt(socket_.fd(), SOL_SOCKET, SO_ERROR, &error, &errorLength) == 0 && error == 0;
    }
    freeaddrinfo(found);
    return answered;
}

QByteArray EntryName(const QByteArray& entry)
{
    // "name:argument" gives the plugin an argument.
    const int colon = entry.indexOf(':');
    return (colon < 0 ? entry : entry.left(colon)).trimmed().toLower();
}

bool HasEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

}  // namespace

bool XDisplayAnswers(const QByteArray& display)
{
    const int colon = display.lastIndexOf(':');
    if (colon < 0) {
        return false;
    }
    const QByteArray host = display.left(colon);
    const QByteArray afterColon = display.mid(colon + 1);
    const QByteArray number = afterColon.left(afterColon.indexOf('.') < 0 ? afterColon.size() : afterColon.indexOf('.'));
    bool isNumber = false;
    const int displayNumber = number.toInt(&isNumber);
    if (!isNumber || displayNumber < 0) {
        return false;
    }
    if (host.isEmpty() || host == "unix") {
        const QByteArray path = "/tmp/.X11-unix/X" + number;
        return UnixSocketAnswers(path, true) || UnixSocketAnswers(path, false);
    }
    // X's TCP ports start at 6000.
    return TcpAnswers(host, 6000 + displayNumber);
}

bool WaylandDisplayAnswers(const QByteArray& waylandDisplay, const QByteArray& runtimeDir)
{
    // Unset means the compositor's default name, as the Wayland library has it.
    const QByteArray name = waylandDisplay.isEmpty() ? QByteArray("wayland-0") : waylandDisplay;
    if (name.startsWith('/')) {
        return UnixSocketAnswers(name, false);
    }
    return !runtimeDir.isEmpty() && UnixSocketAnswers(runtimeDir + '/' + name, false);
}

QByteArray ChoosePlatforms(const DisplayEnvironment& environment, bool windowWanted)
{
    // Reaching a display costs a start more than all its other work; one
    // that shows nothing has no use for it.
    if (!windowWanted) {
        return kOffscreen;
    }
    QList<QByteArray> wanted;
    if (!environment.platform.trimmed().isEmpty()) {
        wanted = environment.platform.split(';');
    } else {
        // Qt's own preference: X (Xwayland included) first, Wayland alone
        // only when the session has no X server.
        if (!environment.display.isEmpty()) {
            wanted << "xcb";
        }
        if (!environment.waylandDisplay.isEmpty()) {
            wanted << "wayland";
        }
    }
    QList<QByteArray> chosen;
    for (const QByteArray& entry : wanted) {
        const QByteArray name = EntryName(entry);
        if (name.isEmpty()) {
            continue;
        }
        if (name == "xcb" && !XDisplayAnswers(environment.display)) {
            continue;
        }
        if (name.startsWith("wayland") &&
            !WaylandDisplayAnswers(environment.waylandDisplay, environment.runtimeDir)) {
            continue;
        }
        chosen << entry.trimmed();
    }
    // Qt tries the entries in turn; the last one always works.
    bool endsOffscreen = false;
    for (const QByteArray& entry : chosen) {
        endsOffscreen = endsOffscreen || EntryName(entry) == kOffscreen;
    }
    if (!endsOffscreen) {
        chosen << kOffscreen;
    }
    return chosen.join(';');
}

PlatformChoice::PlatformChoice(bool windowWanted)
{
    const DisplayEnvironment environment{qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"),
                                         qgetenv("XDG_RUNTIME_DIR")};
    Set("QT_QPA_PLATFORM", ChoosePlatforms(environment, windowWanted));
    // Plain raster windows: without this every widget window asks for the
    // OpenGL integration, which loads a GL driver the dialog never uses.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    // Without a session bus, the first D-Bus user in the process (the
    // accessibility bridge) would have libdbus start one with dbus-launch,
    // which outlives us. An address of an unknown kind fails at once instead.
    struct stat info;
    const QByteArray busSocket = environment.runtimeDir + "/bus";
    if (!HasEnv("DBUS_SESSION_BUS_ADDRESS") &&
        (environment.runtimeDir.isEmpty() || stat(busSocket.constData(), &info) != 0 || !S_ISSOCK(info.st_mode))) {
        Set("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
}

PlatformChoice::~PlatformChoice()
{
    Restore();
}

void PlatformChoice::Set(const char* name, const QByteArray& value)
{
    m_saved.push_back({name, std::getenv(name) != nullptr, qgetenv(name)});
    qputenv(name, value);
}

void PlatformChoice::Restore()
{
    if (m_saved.empty()) {
        return;
    }
    // The failed session bus is remembered by QtDBus, so nothing in this
    // process tries (and starts) one after the environment is back.
    if (QCoreApplication::instance() != nullptr && qgetenv("DBUS_SESSION_BUS_ADDRESS") == "disabled:") {
        QDBusConnection::sessionBus();
    }
    for (const SavedVariable& variable : m_saved) {
        if (variable.wasSet) {
            qputenv(variable.name, variable.value);
        } else {
            qunsetenv(variable.name);
        }
    }
    m_saved.clear();
}
