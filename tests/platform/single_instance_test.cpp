// Single-instance guard across real processes: each case starts the helper
// program with its own runtime folder and reads its report line.
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

// Environment changes for one helper run; an empty value unsets the variable.
using Environment = std::map<std::string, std::string>;

struct Helper { pid_t pid = -1; std::string report; };

// Ends (unless it has exited by itself) and reaps pid; returns its wait status.
static int reap(pid_t pid, bool kill = false)
{
    int status = -1;
    if (pid > 0 && (!kill || ::kill(pid, SIGKILL) == 0)) {
        waitpid(pid, &status, 0);
    }
    return status;
}

// Starts the helper and reads its report; a helper in any mode but "hold" is also reaped.
static Helper start(const char* mode, const Environment& environment, const char* option = nullptr)
{
    int fds[2] = {-1, -1};
    const pid_t pid = pipe(fds) == 0 ? fork() : -1;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
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
    if (std::string(mode) != "hold") {
        const int status = reap(pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    return helper;
}

static std::string check(const Environment& environment, const char* option = nullptr)
{
    return start("check", environment, option).report;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/single-instance-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }

    // Qt wants a private runtime folder, else it makes its own under /tmp.
    Environment user(const std::string& name) const
    {
        return session(name, name);
    }
    Environment session(const std::string& home, const std::string& runtime) const
    {
        for (const std::string& name : {home, runtime}) {
            fs::create_directory(root / name);
            fs::permissions(root / name, fs::perms::owner_all, fs::perm_options::replace);
        }
        return {{"XDG_RUNTIME_DIR", (root / runtime).string()}, {"HOME", (root / home).string()}};
    }

    fs::path root;
};

// The guard belongs to the home (the helper takes it in $HOME), not to the
// session: a start from another runtime folder (an ssh, cron or su session)
// sees the first; another home never does. SIGKILL leaves no chance to clean
// up: the next start must still go on.
TEST_F(SingleInstanceTest, second_start_on_the_same_home_sees_the_first_until_it_is_killed)
{
    const Helper first = start("hold", session("a", "a-desktop"));
    EXPECT_EQ(first.report.substr(0, 17), "running=0 guard=1");
    EXPECT_EQ(check(session("a", "a-desktop")).substr(0, 17), "running=1 guard=0");
    EXPECT_EQ(check(session("a", "a-ssh")).substr(0, 17), "running=1 guard=0");
    EXPECT_EQ(check(user("b")).substr(0, 17), "running=0 guard=1");
    reap(first.pid, true);
    EXPECT_EQ(check(session("a", "a-ssh")).substr(0, 17), "running=0 guard=1");
}

// A lock file that cannot be used is nobody's guard: the start goes on (not
// "running") but must not change anything (no guard), and never waits.
TEST_F(SingleInstanceTest, unusable_lock_file_fails_closed)
{
    struct Case { const char* name; std::function<void(const fs::path&)> plant; };
    const Case cases[] = {
        {"fifo", [](const fs::path& lock) { mkfifo(lock.c_str(), 0600); }},
        {"folder", [](const fs::path& lock) { fs::create_directory(lock); }},
        {"link", [](const fs::path& lock) { fs::create_symlink(lock.parent_path() / "elsewhere", lock); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Environment environment = user(c.name);
        c.plant(root / c.name / "launcher.lock");
        EXPECT_EQ(check(environment).substr(0, 17), "running=0 guard=0");
    }
}

TEST_F(SingleInstanceTest, child_left_running_does_not_block_the_next_start)
{
    // Become the parent of the orphaned child so that it can be reaped here.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const Helper first = start("spawn", user("a"));
    pid_t child = 0;
    ASSERT_EQ(sscanf(first.report.c_str(), "running=0 guard=1 platform=%*s env=%*s child=%d", &child), 1) << first.report;
    EXPECT_EQ(check(user("a")).substr(0, 9), "running=0");
    reap(child, true);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST_F(SingleInstanceTest, platform_falls_back_to_offscreen_and_environment_is_kept)
{
    struct Case { const char* name; const char* givenPlatform; const char* option; const char* expected; };
    const Case cases[] = {
        {"no_display_at_all", "", nullptr, "platform=offscreen env=-"},
        {"given_platform_is_used", "minimal", nullptr, "platform=minimal env=minimal"},
        {"gui_disabled_runs_offscreen", "minimal", "--no-gui", "platform=offscreen env=minimal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Environment environment = user("a");
        environment.insert({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", c.givenPlatform}});  // "": unset
        EXPECT_EQ(check(environment, c.option), std::string("running=0 guard=1 ") + c.expected);
    }
}
