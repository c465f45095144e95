// Single-instance guard across real processes: each case starts the helper
// with its own home and runtime folder and reads its report line.
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "child_process.h"

namespace {

struct Helper {
    pid_t pid = -1;
    std::string report;
};

// Starts the helper with these variables changed ("" unsets one) and reads its
// report; one in any mode but "hold" is reaped.
Helper Start(const char* mode, const std::map<std::string, std::string>& environment, const char* option = nullptr)
{
    int fds[2] = {-1, -1};
    const pid_t pid = pipe(fds) == 0 ? fork() : -1;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        for (const auto& [name, value] : environment) {
            value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
        }
        execl(SINGLE_INSTANCE_HELPER, SINGLE_INSTANCE_HELPER, mode, option, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    Helper helper{pid, ""};
    char c;
    pollfd ready{fds[0], POLLIN, 0};
    while (pid > 0 && poll(&ready, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') {
        helper.report += c;
    }
    close(fds[0]);
    int status = -1;
    EXPECT_TRUE(std::string(mode) == "hold" || (waitpid(pid, &status, 0) == pid && status == 0)) << status;
    return helper;
}

void Kill(pid_t pid)
{
    if (pid > 0 && kill(pid, SIGKILL) == 0) {
        waitpid(pid, nullptr, 0);
    }
}

class SingleInstanceTest : public testing::Test {
protected:
    // Qt wants a private runtime folder, else it makes its own under /tmp.
    std::map<std::string, std::string> Session(const std::string& home, const std::string& runtime) const
    {
        for (const std::string& name : {home, runtime}) {
            mkdir((root / name).c_str(), 0700);
        }
        return {{"XDG_RUNTIME_DIR", root / runtime}, {"HOME", root / home}};
    }
    std::string Check(const std::string& home, const std::string& runtime) { return Start("check", Session(home, runtime)).report.substr(0, 17); }

    ScratchDir root;
};

// The guard belongs to the home, not the session: a start from another
// runtime folder (ssh, cron, su) sees the first, another home never does.
// SIGKILL leaves no chance to clean up, and the next start still goes on.
TEST_F(SingleInstanceTest, SecondStartOnTheSameHomeSeesTheFirstUntilItIsKilled)
{
    const Helper first = Start("hold", Session("a", "a-desktop"));
    EXPECT_EQ(first.report.substr(0, 17), "running=0 guard=1");
    EXPECT_EQ(Check("a", "a-desktop"), "running=1 guard=0");
    EXPECT_EQ(Check("a", "a-ssh"), "running=1 guard=0");
    EXPECT_EQ(Check("b", "b"), "running=0 guard=1");
    Kill(first.pid);
    EXPECT_EQ(Check("a", "a-ssh"), "running=0 guard=1");
}

// A lock file that cannot be used is nobody's guard: the start goes on but
// changes nothing, and never waits. A child it left running blocks nobody.
TEST_F(SingleInstanceTest, UnusableLockFileFailsClosedAndALeftChildBlocksNothing)
{
    Session("fifo", "fifo");
    mkfifo((root / "fifo/launcher.lock").c_str(), 0600);
    Session("folder", "folder");
    mkdir((root / "folder/launcher.lock").c_str(), 0700);
    Session("link", "link");
    symlink((root / "link/elsewhere").c_str(), (root / "link/launcher.lock").c_str());
    for (const char* home : {"fifo", "folder", "link"}) {
        EXPECT_EQ(Check(home, home), "running=0 guard=0") << home;
    }

    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);  // the orphaned child is reaped here
    const Helper spawner = Start("spawn", Session("a", "a"));
    pid_t child = 0;
    ASSERT_EQ(sscanf(spawner.report.c_str(), "running=0 guard=1 platform=%*s env=%*s child=%d", &child), 1) << spawner.report;
    EXPECT_EQ(Check("a", "a").substr(0, 9), "running=0");
    Kill(child);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST_F(SingleInstanceTest, PlatformFallsBackToOffscreenAndTheEnvironmentIsKept)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", nullptr, "platform=offscreen env=-"},  // no display at all
        {"minimal", nullptr, "platform=minimal env=minimal"},
        {"minimal", "--no-gui", "platform=offscreen env=minimal"},
    };
    for (const auto& [platform, option, expected] : cases) {
        auto environment = Session("a", "a");
        environment.insert({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", platform}});
        EXPECT_EQ(Start("check", environment, option).report, std::string("running=0 guard=1 ") + expected);
    }
}

}  // namespace
