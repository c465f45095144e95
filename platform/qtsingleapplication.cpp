#include "qtsingleapplication.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include <QByteArray>

namespace {

const char kPlatformVariable[] = "QT_QPA_PLATFORM";

// What the environment held before the constructor put its own choice of
// platform there, to be put back once the platform is up.
struct SavedPlatform {
    bool forced = false;
    bool wasSet = false;
    QByteArray value;
};
SavedPlatform savedPlatform;

bool hasEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Runs before the QApplication base is built, which aborts when it cannot
// reach a display.
int& choosePlatform(int& argc, bool guiEnabled)
{
    const bool displayKnown =
        hasEnv("DISPLAY") || hasEnv("WAYLAND_DISPLAY") || hasEnv(kPlatformVariable);
    if (guiEnabled && displayKnown) {
        return argc;
    }
    savedPlatform.forced = true;
    savedPlatform.wasSet = std::getenv(kPlatformVariable) != nullptr;
    savedPlatform.value = qgetenv(kPlatformVariable);
    setenv(kPlatformVariable, "offscreen", 1);
    return argc;
}

void restorePlatform()
{
    if (!savedPlatform.forced) {
        return;
    }
    if (savedPlatform.wasSet) {
        setenv(kPlatformVariable, savedPlatform.value.constData(), 1);
    } else {
        unsetenv(kPlatformVariable);
    }
    savedPlatform = SavedPlatform();
}

// A descriptor for the lock file, or -1 when it cannot be used safely.
int openLockFile(const QByteArray& path)
{
    // O_CLOEXEC: the started client must not carry the guard on after we exit.
    // O_NOFOLLOW and O_NONBLOCK: a link or a FIFO at the name must not
    // redirect or stall us; the type is checked once it is open.
    const int fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (fd < 0) {
        return -1;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool guiEnabled)
    : QApplication(choosePlatform(argc, guiEnabled), argv)
{
    restorePlatform();
}

void QtSingleApplication::takeGuard(const QByteArray& folder)
{
    m_guardFilePath = folder + "/launcher.lock";
    const int fd = openLockFile(m_guardFilePath);
    if (fd < 0) {
        return;
    }
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        m_lockFd = fd;
        return;
    }
    m_otherInstance = (errno == EWOULDBLOCK);
    close(fd);
}

QByteArray QtSingleApplication::guardFilePath() const
{
    return m_guardFilePath;
}

QtSingleApplication::~QtSingleApplication()
{
    // The file stays: removing it would race with an instance that just
    // opened it and then locks a name nobody else can find.
    if (m_lockFd >= 0) {
        close(m_lockFd);
    }
}

bool QtSingleApplication::isRunning() const
{
    return m_otherInstance;
}

bool QtSingleApplication::holdsGuard() const
{
    return m_lockFd >= 0;
}
