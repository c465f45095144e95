// Single-instance guard: each start is a forked child with its own home that
// reports what it found on standard error. Two homes and two sessions on one
// home are the whole program's test; here, what only the guard shows.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include <QProcess>
#include <gtest/gtest.h>

#include "child_process.h"
#include "qtsingleapplication.h"

namespace {

// "running=<0|1> guard=<0|1> child=<pid of a detached sleep, or 0>"
std::string Start(const ScratchDir& root, const std::string& home, bool spawn = false)
{
    mkdir((root / home).c_str(), 0700);
    const ChildResult result = RunInChild([&] {
        setenv("HOME", (root / home).c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root / home).c_str(), 1);  // Qt wants a private one
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        int argc = 1;
        char name[] = "launcher";
        char* argv[] = {name, nullptr};
        QtSingleApplication app(argc, argv, true);
        app.takeGuard(qgetenv("HOME"));
        QProcess sleeper;  // its standard error would hold the report's pipe open
        sleeper.setProgram(QStringLiteral("/bin/sleep"));
        sleeper.setArguments({QStringLiteral("60")});
        sleeper.setStandardErrorFile(QProcess::nullDevice());
        qint64 child = 0;
        if (spawn && !sleeper.startDetached(&child)) {
            return 1;
        }
        std::fprintf(stderr, "\nrunning=%d guard=%d child=%lld", app.isRunning(), app.holdsGuard(), static_cast<long long>(child));
        return 0;
    });
    EXPECT_EQ(result.status, 0) << result.stderr_text;
    return result.stderr_text.substr(result.stderr_text.rfind("\nrunning=") + 1);
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
        EXPECT_EQ(Start(root, home).substr(0, 17), "running=0 guard=0") << home;
    }

    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);  // the orphaned child is reaped here
    const std::string spawner = Start(root, "a", true);
    const pid_t child = std::stoi(spawner.substr(spawner.rfind('=') + 1));
    EXPECT_EQ(Start(root, "a").substr(0, 17), "running=0 guard=1");
    if (child > 0 && kill(child, SIGKILL) == 0) {
        waitpid(child, nullptr, 0);
    }
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

}  // namespace
