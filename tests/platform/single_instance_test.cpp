// Single-instance guard: each start is a forked child with its own home and
// runtime folder that reports what it found on standard error.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include <QProcess>
#include <gtest/gtest.h>

#include "child_process.h"
#include "qtsingleapplication.h"

namespace {

// "running=<0|1> guard=<0|1> platform=<name> env=<QT_QPA_PLATFORM or -> child=<pid or 0>"
std::string Start(const ScratchDir& root, const std::string& home, const std::string& runtime,
                  const char* platform = "offscreen", bool gui = true, bool spawn = false)
{
    for (const std::string& name : {home, runtime}) {
        mkdir((root / name).c_str(), 0700);  // Qt wants a private runtime folder
    }
    const ChildResult result = RunInChild([&] {
        setenv("HOME", (root / home).c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root / runtime).c_str(), 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        platform != nullptr ? setenv("QT_QPA_PLATFORM", platform, 1) : unsetenv("QT_QPA_PLATFORM");
        int argc = 1;
        char name[] = "launcher";
        char* argv[] = {name, nullptr};
        QtSingleApplication app(argc, argv, gui);
        app.takeGuard(qgetenv("HOME"));
        QProcess sleeper;  // its standard error is not the report's
        sleeper.setProgram(QStringLiteral("/bin/sleep"));
        sleeper.setArguments({QStringLiteral("60")});
        sleeper.setStandardErrorFile(QProcess::nullDevice());
        qint64 child = 0;
        if (spawn && !sleeper.startDetached(&child)) {
            return 1;
        }
        const char* given = std::getenv("QT_QPA_PLATFORM");
        std::fprintf(stderr, "\nrunning=%d guard=%d platform=%s env=%s child=%lld", app.isRunning(), app.holdsGuard(),
                     qPrintable(QGuiApplication::platformName()), given ? given : "-", static_cast<long long>(child));
        return 0;
    });
    EXPECT_EQ(result.status, 0) << result.stderr_text;
    return result.stderr_text.substr(result.stderr_text.rfind("\nrunning=") + 1);
}

// The guard belongs to the home, not the session: an instance from another
// runtime folder (ssh, cron, su) holding it is seen, one of another home is
// not. The lock a killed instance leaves behind blocks nobody.
TEST(SingleInstance, SecondStartOnTheSameHomeSeesTheFirstUntilItEnds)
{
    const ScratchDir root;
    EXPECT_EQ(Start(root, "a", "a-desktop").substr(0, 17), "running=0 guard=1");
    const int first = open((root / "a/launcher.lock").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(flock(first, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Start(root, "a", "a-ssh").substr(0, 17), "running=1 guard=0");
    EXPECT_EQ(Start(root, "b", "b").substr(0, 17), "running=0 guard=1");
    close(first);
    EXPECT_EQ(Start(root, "a", "a-ssh").substr(0, 17), "running=0 guard=1");
}

// A lock file that cannot be used is nobody's guard: the start goes on but
// changes nothing, and never waits. A child it left running blocks nobody.
TEST(SingleInstance, UnusableLockFileFailsClosedAndALeftChildBlocksNothing)
{
    const ScratchDir root;
    for (const char* home : {"fifo", "folder", "link"}) {
        mkdir((root / home).c_str(), 0700);
    }
    mkfifo((root / "fifo/launcher.lock").c_str(), 0600);
    mkdir((root / "folder/launcher.lock").c_str(), 0700);
    symlink((root / "link/elsewhere").c_str(), (root / "link/launcher.lock").c_str());
    for (const char* home : {"fifo", "folder", "link"}) {
        EXPECT_EQ(Start(root, home, home).substr(0, 17), "running=0 guard=0") << home;
    }

    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);  // the orphaned child is reaped here
    const std::string spawner = Start(root, "a", "a", "offscreen", true, true);
    const pid_t child = std::stoi(spawner.substr(spawner.rfind('=') + 1));
    EXPECT_EQ(Start(root, "a", "a").substr(0, 9), "running=0");
    if (child > 0 && kill(child, SIGKILL) == 0) {
        waitpid(child, nullptr, 0);
    }
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST(SingleInstance, PlatformFallsBackToOffscreenAndTheEnvironmentIsKept)
{
    const ScratchDir root;
    EXPECT_EQ(Start(root, "a", "a", nullptr), "running=0 guard=1 platform=offscreen env=- child=0");  // no display
    EXPECT_EQ(Start(root, "a", "a", "minimal"), "running=0 guard=1 platform=minimal env=minimal child=0");
    EXPECT_EQ(Start(root, "a", "a", "minimal", false), "running=0 guard=1 platform=offscreen env=minimal child=0");
}

}  // namespace
