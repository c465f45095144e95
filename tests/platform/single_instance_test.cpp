// Single-instance guard across real processes: each case starts the helper
// program with its own runtime folder and reads its report line.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The helper's file name names its lock: "<name>-<uid>.lock".
const std::string kLockName = "single-instance-helper-" + std::to_string(geteuid()) + ".lock";

// Environment changes for one helper run; an empty value unsets the variable.
using Environment = std::map<std::string, std::string>;

struct Helper {
    pid_t pid = -1;
    std::string report;
};

std::string readLine(int fd)
{
    std::string line;
    char c;
    pollfd ready{fd, POLLIN, 0};
    while (poll(&ready, 1, 20000) > 0 && read(fd, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

Helper startHelper(const std::string& mode, const Environment& environment,
                   const char* option = nullptr)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        for (const auto& [name, value] : environment) {
            if (value.empty()) {
                unsetenv(name.c_str());
            } else {
                setenv(name.c_str(), value.c_str(), 1);
            }
        }
        execl(SINGLE_INSTANCE_HELPER, SINGLE_INSTANCE_HELPER, mode.c_str(), option,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    Helper helper{pid, readLine(pipeFds[0])};
    close(pipeFds[0]);
    return helper;
}

int waitFor(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

void killAndReap(pid_t pid)
{
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitFor(pid);
    }
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/single-instance-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        makeRuntimeFolder(root / "user-a");
        makeRuntimeFolder(root / "user-b");
    }
    void TearDown() override { fs::remove_all(root); }

    Environment userEnvironment(const char* user) const
    {
        const std::string folder = (root / user).string();
        return {{"XDG_RUNTIME_DIR", folder}, {"HOME", folder}};
    }

    // Qt wants a private runtime folder, else it makes its own under /tmp.
    static void makeRuntimeFolder(const fs::path& folder)
    {
        fs::create_directory(folder);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
    }

    fs::path root;
};

TEST_F(SingleInstanceTest, second_start_sees_the_first_until_it_is_killed)
{
    const Environment user = userEnvironment("user-a");
    Helper first = startHelper("hold", user);
    EXPECT_EQ(first.report.rfind("running=0", 0), 0u) << first.report;

    Helper second = startHelper("check", user);
    waitFor(second.pid);
    EXPECT_EQ(second.report.rfind("running=1", 0), 0u) << second.report;

    // SIGKILL leaves no chance to clean up: the next start must still go on.
    killAndReap(first.pid);
    Helper next = startHelper("check", user);
    waitFor(next.pid);
    EXPECT_EQ(next.report.rfind("running=0", 0), 0u) << next.report;
}

TEST_F(SingleInstanceTest, child_left_running_does_not_block_the_next_start)
{
    // Become the parent of the orphaned child so that it can be reaped here.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const Environment user = userEnvironment("user-a");
    Helper first = startHelper("spawn", user);
    waitFor(first.pid);
    const std::string::size_type childField = first.report.find("child=");
    ASSERT_NE(childField, std::string::npos) << first.report;
    const pid_t child = static_cast<pid_t>(std::stol(first.report.substr(childField + 6)));
    ASSERT_GT(child, 0);

    Helper next = startHelper("check", user);
    waitFor(next.pid);
    EXPECT_EQ(next.report.rfind("running=0", 0), 0u) << next.report;
    killAndReap(child);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST_F(SingleInstanceTest, other_user_environment_is_not_blocked)
{
    Helper first = startHelper("hold", userEnvironment("user-a"));
    Helper other = startHelper("check", userEnvironment("user-b"));
    waitFor(other.pid);
    killAndReap(first.pid);
    EXPECT_EQ(other.report.rfind("running=0", 0), 0u) << other.report;
}

// A lock file somebody else controls must not make the user's start give up.
TEST_F(SingleInstanceTest, foreign_lock_file_is_not_an_instance)
{
    struct Case {
        const char* name;
        bool symbolicLink;
    };
    const Case cases[] = {
        {"owned_by_another_user", false},
        {"symbolic_link_to_a_locked_file", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = root / c.name;
        makeRuntimeFolder(folder);
        const fs::path target = c.symbolicLink ? folder / "elsewhere" : folder / kLockName;
        const int fd = open(target.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        if (c.symbolicLink) {
            fs::create_symlink(target, folder / kLockName);
        } else {
            ASSERT_EQ(fchown(fd, 65534, 65534), 0);
        }
        ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);

        Helper start = startHelper("check", {{"XDG_RUNTIME_DIR", folder.string()}});
        waitFor(start.pid);
        close(fd);
        EXPECT_EQ(start.report.rfind("running=0", 0), 0u) << start.report;
    }
}

TEST_F(SingleInstanceTest, platform_falls_back_to_offscreen_and_environment_is_kept)
{
    struct Case {
        const char* name;
        const char* givenPlatform;  // "" unsets QT_QPA_PLATFORM
        const char* option;
        const char* expected;
    };
    const Case cases[] = {
        {"no_display_at_all", "", nullptr, "platform=offscreen env=-"},
        {"given_platform_is_used", "minimal", nullptr, "platform=minimal env=minimal"},
        {"gui_disabled_runs_offscreen", "minimal", "--no-gui", "platform=offscreen env=minimal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Environment environment = userEnvironment("user-a");
        environment["DISPLAY"] = "";
        environment["WAYLAND_DISPLAY"] = "";
        environment["QT_QPA_PLATFORM"] = c.givenPlatform;
        Helper start = startHelper("check", environment, c.option);
        const int status = waitFor(start.pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_EQ(start.report, std::string("running=0 ") + c.expected);
    }
}

}  // namespace
