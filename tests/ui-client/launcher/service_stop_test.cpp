// Stopping the per-user client through its pid file, against real processes.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "service_test_support.h"

namespace {

// The fake client as a real child. A waiter thread reaps it at once, so that
// the service's probes find it gone rather than a zombie.
class FakeClient {
public:
    explicit FakeClient(const char* mode)
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
            execl(FAKE_CLIENT, FAKE_CLIENT, mode, static_cast<char*>(nullptr));
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
        FakeClient client(c.mode);
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
    FakeClient client("obey");
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
        FakeClient client("obey");
        ASSERT_TRUE(client.Running());
        WritePidFile("pid=" + std::to_string(client.pid) + "\n");

        EXPECT_EQ(LinuxService().HandlePackageUpgrade(), 0);

        EXPECT_EQ(ReadFile(ui_program), "new ui");
        EXPECT_EQ(client.Finish(), program_exists ? kStoppedBySigterm : kNeverSignalled);
    }
    EXPECT_EQ(CountLog("DEBUG", "local appdata exist"), 1);
}
