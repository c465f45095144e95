// The application object that also knows whether another instance of the
// program already works on the same folder. The guard is the lock file
// "launcher.lock" in the folder the caller names (the user's product folder),
// so it protects that folder from every session of the user, also from other
// machines sharing the home over NFS, where flock works as on a local disk.
// Programs the instance starts never inherit it.
#pragma once

#include <QApplication>

class QtSingleApplication : public QApplication {
    Q_OBJECT

public:
    // guiEnabled: true uses the user's display; without any (no DISPLAY, no
    // WAYLAND_DISPLAY and no QT_QPA_PLATFORM) it falls back to the offscreen
    // platform instead of aborting. false always runs offscreen, for runs
    // that must not touch the display. The environment seen by programs the
    // instance starts is left as it was given.
    QtSingleApplication(int& argc, char** argv, bool guiEnabled);
    ~QtSingleApplication() override;

    // Tries once, without waiting, to take the guard in folder, which must
    // exist. Call before isRunning() and holdsGuard().
    void takeGuard(const QByteArray& folder);
    // The lock file's path; empty before takeGuard().
    QByteArray guardFilePath() const;

    // True when another instance holds the guard. The guard is a lock the
    // kernel drops when its holder dies, so a crashed instance never blocks
    // the next start.
    bool isRunning() const;
    // True when this instance holds the guard: only then may it change what the
    // guard protects. A lock file that cannot be used (a link, not a plain
    // file, not the user's own, a file system without locks) leaves both this
    // and isRunning() false: the start goes on but must not change anything.
    bool holdsGuard() const;

private:
    QByteArray m_guardFilePath;
    // The lock file's descriptor while this instance holds the guard, else -1.
    int m_lockFd = -1;
    bool m_otherInstance = false;
};
