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

using Clock = std::chrono::steady_clock;

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
        char ready = 0;
        if (pid > 0 && read(output, &ready, 1) == 1 && ready == 'R') {
            waiter = std::thread([this] {
                waitpid(pid, &status, 0);
                reaped = true;
            });
        }
    }

    ~FakeClient()
    {
        Finish();
        if (output >= 0) {
            close(output);
        }
    }

    bool Running() const { return waiter.joinable() && !reaped; }

    // Ends the client by closing its input (no signal) and returns its wait status.
    int Finish()
    {
        if (input >= 0) {
            close(input);
            input = -1;
        }
        if (waiter.joinable()) {
            waiter.join();
        }
        return status;
    }

    // The SIGTERM marks written so far; call after Finish.
    std::string Marks()
    {
        std::string marks;
        char byte;
        while (read(output, &byte, 1) == 1) {
            marks += byte;
        }
        return marks;
    }

    pid_t pid = -1;

private:
    int input = -1;
    int output = -1;
    int status = -1;
    std::thread waiter;
    std::atomic<bool> reaped{false};
};

double SecondsToStop()
{
    const auto start = Clock::now();
    LinuxService().StopService();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

class StopTest : public ServiceTest {
protected:
    void WritePidFile(const std::string& content) { WriteFile(tarnwell_dir + "/ui.pid", content); }
};

TEST_F(StopTest, ClientThatObeysSigtermIsNotKilled)
{
    FakeClient client("obey");
    ASSERT_TRUE(client.Running());
    WritePidFile("pid = \"" + std::to_string(client.pid) + "\"  # written by the client\n");

    // Two probes at most: the client is gone by the second.
    EXPECT_LT(SecondsToStop(), 1.9);

    const int status = client.Finish();
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_EQ(client.Marks(), "T");
}

TEST_F(StopTest, ClientThatIgnoresSigtermIsKilledAfterFiveProbes)
{
    FakeClient client("ignore");
    ASSERT_TRUE(client.Running());
    WritePidFile("pid=" + std::to_string(client.pid) + "\n");

    const double seconds = SecondsToStop();
    EXPECT_GE(seconds, 4.9);
    EXPECT_LT(seconds, 7.0);

    const int status = client.Finish();
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(client.Marks(), "T");
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
    const int status = client.Finish();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(client.Marks(), "");
}

// 0 and negative ids address process groups or every process. Each case runs
// as an unprivileged user in a process group of its own, so a value that got
// through could reach only that user's processes, the canary among them.
TEST_F(StopTest, PidThatIsNoProcessIdNeverReachesKill)
{
    struct Case {
        const char* name;
        const char* value;  // nullptr: minus the child's own process group
    };
    const Case cases[] = {
        {"zero", "0"},
        {"text", "abc"},
        {"minus_one", "-1"},
        {"own_group", nullptr},
        {"beyond_int32", "2147483648"},
        {"wraps_to_minus_one", "4294967295"},
        {"wraps_to_zero", "4294967296"},
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int refusals_before = refusals();
        const int status = RunAsNobody([&] {
            setpgid(0, 0);
            const pid_t canary = fork();
            if (canary == 0) {
                for (;;) {
                    pause();
                }
            }
            const std::string value = c.value ? c.value : "-" + std::to_string(getpid());
            WriteFile(pid_file, "pid=" + value + "\n");
            LinuxService().StopService();
            const bool canary_alive = waitpid(canary, nullptr, WNOHANG) == 0;
            if (canary_alive) {
                kill(canary, SIGKILL);
                waitpid(canary, nullptr, 0);
            }
            return canary_alive ? 0 : 1;
        });
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(refusals(), refusals_before + 1);
        if (c.value) {
            EXPECT_EQ(CountLog("WARNING", std::string("pid '") + c.value + "' in pid file '" + pid_file +
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
        const int status = client.Finish();
        EXPECT_EQ(WIFSIGNALED(status), program_exists);
        EXPECT_EQ(client.Marks(), program_exists ? "T" : "");
    }
    EXPECT_EQ(CountLog("DEBUG", "local appdata exist"), 1);
}
