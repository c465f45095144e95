// Stopping the per-user client through its pid file, against real processes.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "service_test_support.h"

namespace {

// The fake client as a real child. A waiter thread reaps it at once, so that
// the service's probes find it gone rather than a zombie.
class FakeClient {
public:
    // program: a copy of the fake client, inside the user's copy when it is to
    // pass for the client.
    FakeClient(const std::string& program, const char* mode)
    {
        int to_child[2];
        int from_child[2];
        if (pipe2(to_child, O_CLOEXEC) != 0 || pipe2(from_child, O_CLOEXEC) != 0) {
            return;
        }
        pid = fork();
        if (pid == 0) {
            dup2(to_child[0], STDIN_FILENO);
            dup2(from_child[1], STDOUT_FILENO);
            execl(program.c_str(), program.c_str(), mode, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(to_child[0]);
        close(from_child[1]);
        input = to_child[1];
        output = from_child[0];
        if (pid > 0) {
            char mark = 0;
            ready = read(output, &mark, 1) == 1 && mark == 'R';
            waiter = std::thread([this] {
                waitpid(pid, &status, 0);
                reaped = true;
            });
        }
    }

    ~FakeClient() { Finish(); }

    bool Running() const { return ready && !reaped; }

    // Ends the client by closing its input (no signal), then describes its end:
    // "signal N" or "exit N", and the SIGTERM marks it wrote.
    std::string Finish()
    {
        close(input);
        input = -1;
        if (waiter.joinable()) {
            waiter.join();
        }
        std::string end = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                              : "exit " + std::to_string(WEXITSTATUS(status));
        end += ", marks ";
        for (char mark; read(output, &mark, 1) == 1;) {
            end += mark;
        }
        close(output);
        output = -1;
        return end;
    }

    pid_t pid = -1;

private:
    int input = -1;
    int output = -1;
    bool ready = false;
    int status = -1;
    std::thread waiter;
    std::atomic<bool> reaped{false};
};

// How FakeClient::Finish describes a client that died of its one SIGTERM, and one left alone.
const std::string kStoppedBySigterm = "signal " + std::to_string(SIGTERM) + ", marks T";
const std::string kNeverSignalled = "exit 0, marks ";

double SecondsToStop()
{
    const auto start = std::chrono::steady_clock::now();
    LinuxService().StopService();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

class StopTest : public ServiceTest {
protected:
    void WritePidFile(const std::string& content) { WriteFile(tarnwell_dir + "/ui.pid", content); }
    // The fake client placed inside the user's copy, where the client runs from.
    std::string ClientProgram()
    {
        const std::string program = app_dir + "/bin/fake-client";
        std::filesystem::create_directories(app_dir + "/bin");
        std::filesystem::copy_file(FAKE_CLIENT, program, std::filesystem::copy_options::overwrite_existing);
        return program;
    }
};

TEST_F(StopTest, ClientGetsOneSigtermAndSigkillOnlyAfterFiveProbes)
{
    struct Case {
        const char* mode;
        double min_seconds;
        double max_seconds;
        int killed_by;
    };
    const Case cases[] = {
        {"obey", 0.0, 1.9, SIGTERM},    // two probes at most: gone by the second
        {"ignore", 4.9, 7.0, SIGKILL},  // still there after five probes a second apart
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        FakeClient client(ClientProgram(), c.mode);
        ASSERT_TRUE(client.Running());
        WritePidFile("pid = \"" + std::to_string(client.pid) + "\"  # written by the client\n");

        const double seconds = SecondsToStop();
        EXPECT_GE(seconds, c.min_seconds);
        EXPECT_LT(seconds, c.max_seconds);
        EXPECT_EQ(client.Finish(), "signal " + std::to_string(c.killed_by) + ", marks T");
    }
}

TEST_F(StopTest, PidFileWithoutUsablePidSignalsNothing)
{
    FakeClient client(ClientProgram(), "obey");
    ASSERT_TRUE(client.Running());
    const std::string pid = std::to_string(client.pid);
    const std::string pid_file = tarnwell_dir + "/ui.pid";
    struct Case {
        const char* name;
        std::optional<std::string> content;  // none: no pid file
        const char* tag;                     // the line expected, if any
        std::string line;
    };
    const Case cases[] = {
        {"missing", std::nullopt, "DEBUG", "pid file '" + pid_file + "' does not exist, no need to terminate"},
        {"comment_only", "# pid=" + pid + "\n", nullptr, ""},
        {"malformed_line", "pid=" + pid + "\nx y\n", "NOTE", "Failed to read pid file '" + pid_file + "', not exist ?"},
        {"no_pid_entry", "ppid=" + pid + "\n", nullptr, ""},
        {"empty_pid", "pid=''\n", nullptr, ""},
        {"no_such_process", "pid=2147483647\n", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(pid_file);
        if (c.content) {
            WritePidFile(*c.content);
        }
        EXPECT_LT(SecondsToStop(), 0.5);
        if (c.tag) {
            EXPECT_EQ(CountLog(c.tag, c.line), 1);
        }
    }
    EXPECT_EQ(client.Finish(), kNeverSignalled);
}

// 0 and negative ids address process groups or every process. Each case runs
// as an unprivileged user in a process group of its own, so a value that got
// through could reach only that user's processes, the canary among them.
TEST_F(StopTest, PidThatIsNoProcessIdNeverReachesKill)
{
    SKIP_UNLESS_ROOT();
    const char* const values[] = {
        "0", "abc", "-1",
        nullptr,  // minus the child's own process group
        "2147483648", "4294967295" /* wraps to -1 */, "4294967296" /* wraps to 0 */,
    };
    std::filesystem::create_directories(tarnwell_dir);
    std::filesystem::permissions(tarnwell_dir, std::filesystem::perms::all);
    const std::string pid_file = tarnwell_dir + "/ui.pid";
    const auto refusals = [this] {
        const std::string log = LogText();
        const std::string refusal = "is no process id";
        int count = 0;
        for (size_t at = log.find(refusal); at != std::string::npos; at = log.find(refusal, at + 1)) {
            ++count;
        }
        return count;
    };
    for (const char* value : values) {
        SCOPED_TRACE(value ? value : "own_group");
        const int refusals_before = refusals();
        const int status = RunAsNobody([&] {
            setpgid(0, 0);
            const pid_t canary = fork();
            if (canary == 0) {
                for (;;) {
                    pause();
                }
            }
            WriteFile(pid_file, "pid=" + (value ? value : "-" + std::to_string(getpid())) + "\n");
            LinuxService().StopService();
            const bool canary_alive = waitpid(canary, nullptr, WNOHANG) == 0;
            if (canary_alive) {
                kill(canary, SIGKILL);
                waitpid(canary, nullptr, 0);
            }
            return canary_alive ? 0 : 1;
        });
        EXPECT_EQ(status, 0) << "canary killed or child failed";
        EXPECT_EQ(refusals(), refusals_before + 1);
        if (value) {
            EXPECT_EQ(CountLog("WARNING", std::string("pid '") + value + "' in pid file '" + pid_file +
                                              "' is no process id, client taken as not running"),
                      1);
        }
    }
}

TEST_F(StopTest, UpgradeStopsTheClientOnlyWhenItsProgramExists)
{
    WriteFile(package_dir + "/bin/tarnwell-ui", "new ui", 0755);
    for (const bool program_exists : {true, false}) {
        SCOPED_TRACE(program_exists ? "program_exists" : "program_missing");
        std::filesystem::remove_all(app_dir);
        if (program_exists) {
            WriteFile(ui_program, "old ui", 0755);
        }
        FakeClient client(ClientProgram(), "obey");
        ASSERT_TRUE(client.Running());
        WritePidFile("pid=" + std::to_string(client.pid) + "\n");

        EXPECT_EQ(LinuxService().HandlePackageUpgrade(), 0);

        EXPECT_EQ(ReadFile(ui_program), "new ui");
        EXPECT_EQ(client.Finish(), program_exists ? kStoppedBySigterm : kNeverSignalled);
    }
    EXPECT_EQ(CountLog("DEBUG", "local appdata exist"), 1);
}

// A stale pid file may name any process. Only the client running from the
// user's copy (here a script run by /bin/sh) is signalled; anything else is
// refused with a WARNING and left running.
TEST_F(StopTest, OnlyTheClientOfTheUsersCopyIsSignalled)
{
    const std::string script = "while :; do sleep 0.1; done\n";
    WriteFile(app_dir + "/package/client.sh", script, 0755);
    WriteFile(tmp + "/elsewhere/client.sh", script, 0755);
    struct Case {
        const char* name;
        std::vector<std::string> command;
        bool signalled;
    };
    const Case cases[] = {
        {"unrelated_sleep_of_the_same_user", {"/bin/sleep", "30"}, false},
        {"script_outside_the_copy", {"/bin/sh", tmp + "/elsewhere/client.sh"}, false},
        {"script_client_inside_the_copy", {"/bin/sh", app_dir + "/package/client.sh"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const pid_t pid = fork();
        if (pid == 0) {
            execl(c.command[0].c_str(), c.command[0].c_str(), c.command[1].c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_GT(pid, 0);
        int status = 0;
        std::atomic<bool> reaped{false};
        std::thread waiter([&] {
            waitpid(pid, &status, 0);
            reaped = true;
        });
        // Until the shell has replaced the forked copy of this test.
        for (int i = 0; i < 200 && std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/exe") ==
                                       std::filesystem::read_symlink("/proc/self/exe");
             ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        WritePidFile("pid=" + std::to_string(pid) + "\n");
        const std::string refusal = "process " + std::to_string(pid) + " named in pid file '" + tarnwell_dir +
                                    "/ui.pid' is not this user's client, client taken as not running";
        const int warnings_before = CountLog("WARNING", refusal);

        SecondsToStop();

        const bool survived = !reaped;
        if (survived) {
            kill(pid, SIGKILL);
        }
        waiter.join();
        EXPECT_EQ(survived, !c.signalled);
        EXPECT_EQ(WIFSIGNALED(status) ? WTERMSIG(status) : 0, c.signalled ? SIGTERM : SIGKILL);
        EXPECT_EQ(CountLog("WARNING", refusal), warnings_before + (c.signalled ? 0 : 1));
    }
}

// The launcher itself named in the pid file: it must not end itself.
TEST_F(StopTest, LauncherNamedInThePidFileSurvives)
{
    const ChildResult child = RunInChild([this] {
        WritePidFile("pid=" + std::to_string(getpid()) + "\n");
        LinuxService().StopService();
        return 0;
    });
    EXPECT_EQ(child.status, 0);
}
