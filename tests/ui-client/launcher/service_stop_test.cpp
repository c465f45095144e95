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
// stopped, before a deployment only when the copy's UI program is there (as it
// is once deployed). The clients are copies of the shell blocked on a FIFO.
TEST_F(ServiceTest, StopTakesOnlyOurClient)
{
    const std::string elsewhere = scratch / "elsewhere", pid_file = tarnwell_dir + "/ui.pid";
    mkfifo((scratch / "fifo").c_str(), 0600);
    for (const std::string& folder : {app_dir + "/bin", elsewhere, package_dir + "/bin"}) {
        WriteFile(folder + "/client.sh", "read line < " + scratch / "fifo");
        std::filesystem::copy_file("/bin/sh", folder + "/client");
    }
    const std::string usual = "pid = \"PID\"  # written by the client\n", script = app_dir + "/bin/client.sh";
    const std::string no_id = " in pid file '" + pid_file + "' is no process id";
    struct Case {
        std::string pid_file, program, argument;  // PID: the client's
        bool through_upgrade;
        int ended_by;  // 0: left alone; SIGKILL: the client ignores SIGTERM
        std::pair<const char*, std::string> log;  // a record the case adds
    };
    Case cases[] = {
        {usual, app_dir + "/bin/client", elsewhere + "/client.sh", false, SIGTERM, {}},
        {usual, app_dir + "/bin/client", elsewhere + "/client.sh", false, SIGKILL, {}},
        {usual, elsewhere + "/client", elsewhere + "/client.sh", false, 0, {"WARNING", "is not this user's client"}},
        {"pid=PID\nx y\n", "/bin/sh", script, false, 0, {"NOTE", "Failed to read pid file '" + pid_file + "'"}},
        {"pid=abc\n", "/bin/sh", script, false, 0, {"WARNING", "pid 'abc'" + no_id}},
        {"pid=2147483648\n", "/bin/sh", script, false, 0, {"WARNING", "pid '2147483648'" + no_id}},
        {usual, "/bin/sh", script, true, 0, {}},
        {usual, "/bin/sh", script, true, SIGTERM, {}},
    };
    WriteFile(package_dir + "/bin/tarnwell-ui", "new ui");
    for (Case& c : cases) {
        SCOPED_TRACE(c.pid_file + " for " + c.program + " " + c.argument + " ending by " + std::to_string(c.ended_by));
        char* const argv[] = {c.program.data(), c.argument.data(), nullptr};
        // An ignored signal stays ignored across exec, and so in the shell.
        const auto disposition = signal(SIGTERM, c.ended_by == SIGKILL ? SIG_IGN : SIG_DFL);
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
        const size_t at = c.pid_file.find("PID");
        WriteFile(pid_file, at == std::string::npos ? c.pid_file : c.pid_file.replace(at, 3, std::to_string(pid)));
        const int records = c.log.first ? log.Count(c.log.first, c.log.second) : 0;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(c.through_upgrade ? LinuxService().HandlePackageUpgrade() : (LinuxService().StopService(), 0), 0);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ended) {  // not reaped yet, so the pid is still the client's
            kill(pid, SIGUSR1);
        }
        waiter.join();
        EXPECT_EQ(WTERMSIG(status), c.ended_by ? c.ended_by : SIGUSR1);
        EXPECT_TRUE(c.ended_by == SIGKILL ? took >= 4.9 && took < 7 : took < 1.9) << took;
        EXPECT_EQ(c.log.first ? log.Count(c.log.first, c.log.second) : 0, records + (c.log.first ? 1 : 0));
    }
}
