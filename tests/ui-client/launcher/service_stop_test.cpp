// Stopping the per-user client named in the pid file, against real processes.
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "service_test_support.h"

// One SIGTERM, SIGKILL only after five probes a second apart. A stale pid file
// may name any process: only a program or a script of the user's copy is
// stopped. The clients are copies of the shell blocked on a FIFO, in the copy
// and elsewhere; the deployment's package holds the script as well.
TEST_F(ServiceTest, StopTakesOnlyOurClient)
{
    const std::string elsewhere = scratch / "elsewhere", pid_file = tarnwell_dir + "/ui.pid";
    const std::string script = "read line < " + scratch / "fifo";
    mkfifo((scratch / "fifo").c_str(), 0600);
    for (const std::string& folder : {app_dir + "/bin", elsewhere, package_dir + "/bin"}) {
        WriteFile(folder + "/client.sh", script);
        std::filesystem::copy_file("/bin/sh", folder + "/client");
    }
    const std::string usual = "pid = \"PID\"  # written by the client\n";
    const std::string no_id = " in pid file '" + pid_file + "' is no process id";
    const std::string not_ours = "named in pid file '" + pid_file + "' is not this user's client";
    struct Case {
        std::string pid_file;  // PID: the client's; empty: none
        std::string program, argument;
        bool ignores_sigterm, through_upgrade;
        int ended_by;                              // 0: left alone
        std::pair<const char*, std::string> log;  // a record the case adds
    };
    const Case cases[] = {
        {usual, app_dir + "/bin/client", elsewhere + "/client.sh", false, false, SIGTERM, {}},
        {usual, "/bin/sh", app_dir + "/bin/client.sh", false, false, SIGTERM, {}},
        {usual, app_dir + "/bin/client", elsewhere + "/client.sh", true, false, SIGKILL, {}},
        {usual, elsewhere + "/client", elsewhere + "/client.sh", false, false, 0, {"WARNING", not_ours}},
        {"", "/bin/sh", app_dir + "/bin/client.sh", false, false, 0, {"DEBUG", "pid file '" + pid_file + "' does not exist"}},
        {"pid=PID\nx y\n", "/bin/sh", app_dir + "/bin/client.sh", false, false, 0, {"NOTE", "Failed to read pid file"}},
        {"pid=abc\n", "/bin/sh", app_dir + "/bin/client.sh", false, false, 0, {"WARNING", "pid 'abc'" + no_id}},
        {"pid=2147483648\n", "/bin/sh", app_dir + "/bin/client.sh", false, false, 0, {"WARNING", "pid '2147483648'" + no_id}},
        // The client is stopped for a deployment only when its UI program is there,
        {usual, "/bin/sh", app_dir + "/bin/client.sh", false, true, 0, {}},
        // as it is once the deployment before brought it.
        {usual, "/bin/sh", app_dir + "/bin/client.sh", false, true, SIGTERM, {}},
    };
    WriteFile(package_dir + "/bin/tarnwell-ui", "new ui");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pid_file + " for " + c.program + " " + c.argument + (c.ignores_sigterm ? " ignoring SIGTERM" : ""));
        std::string program = c.program, argument = c.argument;
        char* const argv[] = {program.data(), argument.data(), nullptr};
        // An ignored signal stays ignored across exec, and so in the shell.
        const auto disposition = signal(SIGTERM, c.ignores_sigterm ? SIG_IGN : SIG_DFL);
        pid_t pid = -1;
        const int spawned = posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ);
        signal(SIGTERM, disposition);
        ASSERT_EQ(spawned, 0);
        // Reaped at once, so that the service's probes find it gone rather than a zombie.
        int status = 0;
        std::atomic<bool> ended{false};
        std::thread waiter([&] {
            waitpid(pid, &status, 0);
            ended = true;
        });
        std::filesystem::remove(pid_file);
        if (!c.pid_file.empty()) {
            std::string text = c.pid_file;
            const size_t at = text.find("PID");
            WriteFile(pid_file, at == std::string::npos ? text : text.replace(at, 3, std::to_string(pid)));
        }
        const int records = c.log.first ? log.Count(c.log.first, c.log.second) : 0;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(c.through_upgrade ? LinuxService().HandlePackageUpgrade() : (LinuxService().StopService(), 0), 0);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ended) {  // not reaped yet, so the pid is still the client's
            kill(pid, SIGUSR1);
        }
        waiter.join();
        EXPECT_EQ(WTERMSIG(status), c.ended_by ? c.ended_by : SIGUSR1);
        EXPECT_GE(seconds, c.ignores_sigterm ? 4.9 : 0);
        EXPECT_LT(seconds, c.ignores_sigterm ? 7 : 1.9);
        if (c.log.first) {
            EXPECT_EQ(log.Count(c.log.first, c.log.second), records + 1);
        }
    }
}
