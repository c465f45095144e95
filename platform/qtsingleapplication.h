// The application object that also knows whether another instance of the
// program already runs for the same user. Scope: one instance per user
// (effective uid), per runtime folder ($XDG_RUNTIME_DIR, else /tmp) and per
// application name (the executable's file name); the guard is the lock file
// "<runtime folder>/<application name>-<uid>.lock". Instances of other users
// never count, nor do programs the instance starts.
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

    // True when another instance held the guard at construction. The guard is
    // a lock the kernel drops when its holder dies, so a crashed instance never
    // blocks the next start. A lock file that cannot be used safely (owned by
    // someone else, a symbolic link, a missing runtime folder) counts as "not
    // running": a start is never refused because of somebody else's file.
    bool isRunning() const;

private:
    // The lock file's descriptor while this instance holds the guard, else -1.
    int m_lockFd = -1;
    bool m_otherInstance = false;
};
