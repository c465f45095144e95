// Chooses the Qt platform before the application object exists, so that a
// missing or dead display ends on the offscreen platform instead of an
// abort: only displays that answer a connection are offered to Qt, in a
// fall-back list that always ends with "offscreen". Also keeps a plain
// widgets dialog lean (no OpenGL integration, no session bus started on
// demand). Everything it changes in the environment is put back by
// Restore(), so programs the launcher starts see the environment it was given.
#pragma once

#include <QByteArray>
#include <vector>

struct DisplayEnvironment {
    QByteArray platform;        // QT_QPA_PLATFORM
    QByteArray display;         // DISPLAY
    QByteArray waylandDisplay;  // WAYLAND_DISPLAY
    QByteArray runtimeDir;      // XDG_RUNTIME_DIR
};

// The fall-back list for QT_QPA_PLATFORM ("xcb;offscreen", "offscreen" ...);
// just "offscreen" when no window is wanted.
QByteArray ChoosePlatforms(const DisplayEnvironment& environment, bool windowWanted);

// True when something accepts a connection on the X display named by
// display (":0", "unix:1.0", "host:0"); a TCP display gets a short time-out.
bool XDisplayAnswers(const QByteArray& display);
// True when the Wayland compositor's socket accepts a connection.
bool WaylandDisplayAnswers(const QByteArray& waylandDisplay, const QByteArray& runtimeDir);

class PlatformChoice {
public:
    // Sets the chosen platforms, and the switches below, for this process.
    explicit PlatformChoice(bool windowWanted);
    // Puts the environment back, if Restore() was not called.
    ~PlatformChoice();
    PlatformChoice(const PlatformChoice&) = delete;
    PlatformChoice& operator=(const PlatformChoice&) = delete;

    // Call once the application object is built: the platform is up, and the
    // environment goes back to what it was for the programs started later.
    void Restore();

private:
    struct SavedVariable {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    void Set(const char* name, const QByteArray& value);

    std::vector<SavedVariable> m_saved;
};
