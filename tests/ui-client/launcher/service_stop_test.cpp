// Stopping the per-user client named in the pid file, against real processes.
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "service_test_support.h"

class StopTest : public ServiceTest {
protected:
    // A client runs from the copy, as a program of it or as a script in it;
    // the ones elsewhere are no client of this user's copy. All block on a FIFO.
    StopTest()
    {
        mkfifo((scratch / "never").c_str(), 0600);
        for (const std::string& folder : {app_dir + "/bin", elsewhere}) {
            std::filesystem::create_directories(folder);
            std::filesystem::copy_file("/bin/sh", folder + "/client");
            WriteFile(folder + "/client.sh", kScript);
        }
    }

    struct Outcome {
        std::string end;  // "signal N", or "running" when left alone (then ended here by SIGUSR1)
        double seconds;   // taken by the stop
    };

    // Starts command, writes pid_file_text with PID replaced by its pid
    // (nullptr: no pid file) and stops. A waiter thread reaps the command at
    // once, so the service's probes find it gone rather than a zombie.
    Outcome Stop(const char* pid_file_text, std::vector<std::string> command, bool ignore_sigterm = false,
                 const std::function<void()>& stop = [] { LinuxService().StopService(); })
    {
        std::vector<char*> argv;
        for (std::string& argument : command) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        // An ignored signal stays ignored across exec, and so in the shell.
        const auto disposition = signal(SIGTERM, ignore_sigterm ? SIG_IGN : SIG_DFL);
        pid_t pid = -1;
        const int spawned = posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
        signal(SIGTERM, disposition);
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << command[0];
            return {};
        }
        int status = 0;
        std::atomic<bool> ended{false};
        std::thread waiter([&] {
            waitpid(pid, &status, 0);
            ended = true;
        });
        if (pid_file_text) {
            std::string text = pid_file_text;
            WriteFile(pid_file, text.replace(text.find("PID"), 3, std::to_string(pid)));
        }
        const auto start = std::chrono::steady_clock::now();
        stop();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ended) {  // not reaped yet, so the pid is still the command's
            kill(pid, SIGUSR1);
        }
        waiter.join();
        std::filesystem::remove(pid_file);
        return {WTERMSIG(status) == SIGUSR1 ? "running" : "signal " + std::to_string(WTERMSIG(status)), seconds};
    }

    const std::string elsewhere = scratch / "elsewhere";
    const std::string kScript = "read line < " + scratch / "never";
    const std::string pid_file = tarnwell_dir + "/ui.pid";
};

// One SIGTERM, SIGKILL only after five probes a second apart; a stale pid
// file may name any process, and a pid file without a usable id none.
TEST_F(StopTest, OnlyOurClientIsStopped)
{
    const std::vector<std::string> client = {app_dir + "/bin/client", "-c", kScript};
    const char* const usual = "pid = \"PID\"  # written by the client\n";
    const std::string not_ours = "named in pid file '" + pid_file + "' is not this user's client";
    const std::string no_id = "in pid file '" + pid_file + "' is no process id, client taken as not running";
    struct Case {
        const char* pid_file_text;
        std::vector<std::string> command;
        bool ignore_sigterm;
        const char* end;
        std::pair<const char*, std::string> log;  // a record this case adds
    };
    const Case cases[] = {
        {usual, client, false, "signal 15", {}},
        {usual, {"/bin/sh", app_dir + "/bin/client.sh"}, false, "signal 15", {}},
        {usual, client, true, "signal 9", {}},
        {usual, {elsewhere + "/client", "-c", kScript}, false, "running", {"WARNING", not_ours}},
        {usual, {"/bin/sh", elsewhere + "/client.sh"}, false, "running", {"WARNING", not_ours}},
        {nullptr, client, false, "running", {"DEBUG", "pid file '" + pid_file + "' does not exist, no need to terminate"}},
        {"pid=PID\nx y\n", client, false, "running", {"NOTE", "Failed to read pid file '" + pid_file + "', not exist ?"}},
        {"# pid=PID\n", client, false, "running", {}},
        {"ppid=PID\n", client, false, "running", {}},
        {"pid=''\n# PID\n", client, false, "running", {}},
        {"pid=abc\n# PID\n", client, false, "running", {"WARNING", "pid 'abc' " + no_id}},
        {"pid=2147483648\n# PID\n", client, false, "running", {"WARNING", "pid '2147483648' " + no_id}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pid_file_text ? c.pid_file_text : "no pid file") + " for " + c.command[0] +
                     (c.ignore_sigterm ? " ignoring SIGTERM" : ""));
        const int records = c.log.first ? log.Count(c.log.first, c.log.second) : 0;
        const Outcome outcome = Stop(c.pid_file_text, c.command, c.ignore_sigterm);
        EXPECT_EQ(outcome.end, c.end);
        EXPECT_GE(outcome.seconds, c.ignore_sigterm ? 4.9 : 0);
        EXPECT_LT(outcome.seconds, c.ignore_sigterm ? 7 : 1.9);
        if (c.log.first) {
            EXPECT_EQ(log.Count(c.log.first, c.log.second), records + 1);
        }
    }
}

// Ids kill() takes as a group or as every process are refused before it. Run
// as nobody in a group of its own, so that a miss could reach nothing else.
TEST_F(StopTest, PidThatNamesAGroupIsRefused)
{
    SKIP_UNLESS_ROOT();
    const char* const values[] = {"0", "-1", "4294967295", "4294967296"};  // the last two wrap to -1 and 0
    std::filesystem::permissions(tarnwell_dir, std::filesystem::perms::all);
    EXPECT_EQ(RunInChild([&] {
                  setpgid(0, 0);
                  for (const char* value : values) {
                      WriteFile(pid_file, "pid=" + std::string(value) + "\n");
                      LinuxService().StopService();
                  }
                  return 0;
              }, true).status, 0);
    for (const char* value : values) {
        EXPECT_EQ(log.Count("WARNING", "pid '" + std::string(value) + "' in pid file '" + pid_file +
                                           "' is no process id"), 1) << value;
    }
}

// The client is stopped for the deployment only when its program is there.
TEST_F(StopTest, UpgradeStopsTheClientWhenItsProgramExists)
{
    WriteFile(package_dir + "/bin/tarnwell-ui", "new ui", 0755);
    for (const bool program : {true, false}) {
        WriteFile(app_dir + "/bin/tarnwell-ui", "old ui");
        if (!program) {
            std::filesystem::remove(ui_program);
        }
        const Outcome outcome = Stop("pid=PID\n", {"/bin/sh", app_dir + "/bin/client.sh"}, false,
                                     [] { EXPECT_EQ(LinuxService().HandlePackageUpgrade(), 0); });
        EXPECT_EQ(outcome.end, program ? "signal 15" : "running");
        EXPECT_EQ(ReadFile(ui_program), "new ui");
        WriteFile(app_dir + "/bin/client.sh", kScript);
    }
}
