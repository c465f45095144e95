// The launcher program run whole, as a child process on a staged package. The
// home's name is not ASCII, so the path dump must carry UTF-8 through whole.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "e2e_fixture.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace testing;

namespace launcher_test {
namespace {

// A stage with the launcher copied into its package.
struct LauncherStage : Stage {
    LauncherStage(int copyBuild, bool debugSwitch, const std::string& homeName = "h\xc3\xb4me")
        : Stage(copyBuild, debugSwitch, homeName)
    {
        InstallLauncher(root);
        mkdir((folder.path() + "/run").c_str(), 0700);
    }
    // name tells the captures of several runs on one stage apart; runtime is
    // the session's runtime folder below the stage.
    LauncherProcess Start(const std::string& name = "run", const std::string& runtime = "run") const
    {
        mkdir((folder.path() + "/" + runtime).c_str(), 0700);
        return LauncherProcess(root, home, folder.path() + "/" + runtime, folder.path() + "/" + name);
    }
    std::vector<std::string> Log() const
    {
        return LogRecords(ReadFile(home + "/.Tarnwell/log/launcher.log").value_or(""));
    }
};

struct LaunchCase {
    const char* name;
    int copyBuild;
    bool debugSwitch, brokenPackage;       // a dangling link in the package fails the deployment halfway
    const char* startCalls;                // "by package" when the copy was deployed anew
    std::vector<std::string> workerLines;  // DEBUG, so only with the debug switch
};

TEST(LaunchTest, each_path_runs_the_sequence_once_and_exits_zero)
{
    const LaunchCase cases[] = {
        {"current_copy_started_as_is", 1300, true, false, "start by copy 1300\n",
         {"running", "no need to upgrade", "done"}},
        {"older_copy_replaced", 1200, true, false, "start by package 1300\n", {"running", "done"}},
        {"failed_deployment_restores_old_copy", 1200, false, true, "start by copy 1200\n", {}},
    };
    for (const LaunchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LauncherStage stage(c.copyBuild, c.debugSwitch);
        if (c.brokenPackage) {
            fs::create_symlink("/nonexistent/target", stage.root + "/package/hollowmere/bin/broken");
        }
        WriteFile(stage.home + "/.Hollowmere/app/bin/old", "legacy");

        const LauncherResult result = stage.Start().Wait();

        EXPECT_TRUE(result.exited && result.status == 0) << result.status;
        const bool deployed = std::string(c.startCalls).find("package") != std::string::npos;
        EXPECT_EQ(stage.StartCalls(), c.startCalls);
        EXPECT_EQ(stage.CopyBuild(), deployed ? "1300" : std::to_string(c.copyBuild));
        EXPECT_EQ(Exists(AppDir(stage.home) + "/old-only"), !deployed);
        for (const auto& entry : fs::directory_iterator(stage.home + "/.Tarnwell")) {
            EXPECT_THAT(entry.path().filename().string(), Not(StartsWith("Tarnwell.app_"))) << "a backup is left";
        }
        EXPECT_FALSE(Exists(stage.home + "/.Hollowmere/app"));
        const std::vector<std::string> log = stage.Log();
        EXPECT_THAT(log, Contains("ERROR Failed to upgrade package").Times(c.brokenPackage ? 1 : 0));
        if (!c.debugSwitch) {
            EXPECT_THAT(log, Each(AnyOf(StartsWith("ERROR "), StartsWith("WARNING "))));
            continue;
        }
        std::vector<std::string> workerLines, dump;
        for (const std::string& record : log) {
            if (record == "DEBUG running" || record == "DEBUG no need to upgrade" || record == "DEBUG done") {
                workerLines.push_back(record.substr(6));
            } else if (record.rfind("INFO >>> ", 0) == 0) {
                dump.push_back(record.substr(5));
            }
        }
        EXPECT_THAT(workerLines, ElementsAreArray(c.workerLines));
        // Keys nobody registers print as empty values.
        EXPECT_THAT(dump, ElementsAre(">>> user_hollowmere_path = " + stage.home + "/.Hollowmere",
                                      ">>> user_hollowmere_app_path = ",
                                      ">>> user_hollowmere_resource_path = " + stage.home +
                                          "/.Hollowmere/Hollowmere.app",
                                      ">>> user_hollowmere_data_path = ", ">>> user_hollowmere_working_dir_path = ",
                                      ">>> user_hollowmere_tarnwell_ui_path = ",
                                      ">>> root_resource_path = " + fs::canonical(stage.root).string()));
    }
}

TEST(LaunchTest, home_whose_log_folder_cannot_be_made_still_runs_and_reports_on_standard_error)
{
    const LauncherStage stage(0, true);
    WriteFile(stage.home + "/.Tarnwell", "a file where the product folder belongs");

    const LauncherResult result = stage.Start().Wait();

    EXPECT_TRUE(result.exited && result.status == 0) << result.status;
    // Without its folder the guard cannot be taken, so nothing is deployed.
    EXPECT_THAT(result.errors, ContainsRegex("\\[WARNING\\].*single-instance guard not held"));
    EXPECT_EQ(ReadFile(stage.home + "/.Tarnwell"), "a file where the product folder belongs");
}

// A FIFO or a device where the launcher reads or logs once hung it for good
// while it held the single-instance guard; now the start goes on, and so does
// the next one.
TEST(LaunchTest, nothing_at_a_users_file_name_stalls_the_start)
{
    struct Case {
        const char* name;
        const char* path;     // below the home
        const char* linkTo;   // nullptr: a FIFO
    };
    const Case cases[] = {
        {"fifo_at_the_log", "/.Tarnwell/log/launcher.log", nullptr},
        {"fifo_at_the_pid_file", "/.Tarnwell/ui.pid", nullptr},
        {"pid_file_linked_to_dev_zero", "/.Tarnwell/ui.pid", "/dev/zero"},
        {"fifo_at_the_copys_version_file", "/.Tarnwell/Tarnwell.app/INFO", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LauncherStage stage(1200, false);
        const std::string path = stage.home + c.path;
        fs::create_directories(fs::path(path).parent_path());
        fs::remove(path);
        ASSERT_EQ(c.linkTo ? symlink(c.linkTo, path.c_str()) : mkfifo(path.c_str(), 0600), 0);

        const LauncherResult first = stage.Start("first").Wait(15s);
        const LauncherResult next = stage.Start("next").Wait(15s);

        EXPECT_TRUE(first.exited && first.status == 0) << first.status;
        EXPECT_TRUE(next.exited && next.status == 0) << next.status;
        EXPECT_EQ(stage.StartCalls(), "start by package 1300\nstart by package 1300\n");
    }
}

// Paths are bytes: a home whose name is not UTF-8 gets its copy inside
// itself, never in the sibling that a lossy decoding names (u + U+FFFD).
TEST(LaunchTest, home_that_is_not_utf8_gets_its_copy_inside_itself)
{
    const LauncherStage stage(1200, true, "u\xff");

    const LauncherResult result = stage.Start().Wait();
    const LauncherResult next = stage.Start("next").Wait();  // reads the new copy's INFO by its bytes

    EXPECT_TRUE(result.exited && result.status == 0) << result.status;
    EXPECT_TRUE(next.exited && next.status == 0) << next.status;
    EXPECT_EQ(stage.CopyBuild(), "1300");
    EXPECT_EQ(stage.StartCalls(), "start by package 1300\nstart by package 1300\n");
    EXPECT_FALSE(Exists(stage.folder.path() + "/u\xef\xbf\xbd"));
    const std::vector<std::string> log = stage.Log();
    EXPECT_THAT(log, Contains("INFO >>> user_hollowmere_path = " + stage.home + "/.Hollowmere"));
    EXPECT_THAT(log, Contains("DEBUG no need to upgrade").Times(1));
}

// A first start makes the product folder and the log the user's alone.
TEST(LaunchTest, first_start_keeps_the_users_folder_private)
{
    const LauncherStage stage(0, false);
    umask(022);

    EXPECT_TRUE(stage.Start().Wait().exited);

    const auto mode = [](const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0u;
    };
    EXPECT_EQ(mode(stage.home + "/.Tarnwell"), 0700u);
    EXPECT_EQ(mode(stage.home + "/.Tarnwell/log"), 0700u);
    EXPECT_EQ(mode(stage.home + "/.Tarnwell/log/launcher.log"), 0600u);
}

TEST(SingleInstanceTest, second_start_exits_at_once_and_touches_nothing)
{
    const LauncherStage stage(1300, true);
    // The first instance's start script waits on this FIFO until it reads a
    // line or, whatever failed, the test's end closes the only writer.
    const std::string hold = stage.home + "/hold";
    ASSERT_EQ(mkfifo(hold.c_str(), 0600), 0);
    const int holdFd = open(hold.c_str(), O_RDWR | O_CLOEXEC);  // never blocks on Linux
    ASSERT_GE(holdFd, 0);
    const std::unique_ptr<const int, void (*)(const int*)> closeHold(&holdFd, [](const int* fd) { close(*fd); });
    LauncherProcess first = stage.Start("first");
    for (int i = 0; i < 2000 && !Exists(stage.home + "/start-calls"); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(Exists(stage.home + "/start-calls")) << "the first instance never reached its start script";
    WriteFile(stage.home + "/.Hollowmere/app/bin/old", "legacy");  // any run of the service removes it

    const auto started = std::chrono::steady_clock::now();
    const LauncherResult second = stage.Start("second").Wait();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);

    ASSERT_EQ(write(holdFd, "go\n", 3), 3);
    const LauncherResult firstResult = first.Wait();
    EXPECT_TRUE(firstResult.exited && firstResult.status == 0) << firstResult.status;
    EXPECT_TRUE(second.exited && second.status == 0) << second.status;
    EXPECT_TRUE(Exists(stage.home + "/.Hollowmere/app/bin/old"));
    EXPECT_EQ(stage.StartCalls(), "start by copy 1300\n");
    const std::vector<std::string> log = stage.Log();
    EXPECT_THAT(log, Contains("DEBUG app has already launched, return").Times(1));
    EXPECT_THAT(log, Contains("DEBUG running").Times(1));
}

}  // namespace
}  // namespace launcher_test

namespace launcher_test {
namespace {

// Two sessions of one user (a desktop and an ssh login: two runtime folders)
// start the launcher on one home. The first holds the guard while it waits
// for a client that ignores SIGTERM, so the second starts in the middle of an
// upgrade: it must leave, and the copy must be the package's, whole.
TEST(SingleInstanceTest, second_session_on_the_same_home_leaves_the_upgrade_to_the_first)
{
    const LauncherStage stage(1200, true);
    const std::string client = AppDir(stage.home) + "/package/client.sh";
    WriteFile(client, "trap '' TERM\nwhile :; do sleep 0.1; done\n", 0755);
    const pid_t clientPid = fork();
    if (clientPid == 0) {
        execl("/bin/sh", "sh", client.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(clientPid, 0);
    std::thread reaper([clientPid] { waitpid(clientPid, nullptr, 0); });
    WriteFile(stage.home + "/.Tarnwell/ui.pid", "pid=" + std::to_string(clientPid) + "\n");

    LauncherProcess desktop = stage.Start("desktop", "run-desktop");
    const auto stopping = [&stage] {
        const std::vector<std::string> log = stage.Log();
        return std::find(log.begin(), log.end(), "DEBUG local appdata exist") != log.end();
    };
    for (int i = 0; i < 1000 && !stopping(); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    const LauncherResult ssh = stage.Start("ssh", "run-ssh").Wait();
    const LauncherResult first = desktop.Wait();
    if (kill(clientPid, 0) == 0) {
        kill(clientPid, SIGKILL);
    }
    reaper.join();

    EXPECT_TRUE(first.exited && first.status == 0) << first.status;
    EXPECT_TRUE(ssh.exited && ssh.status == 0) << ssh.status;
    EXPECT_EQ(stage.StartCalls(), "start by package 1300\n");
    EXPECT_EQ(stage.CopyBuild(), "1300");
    EXPECT_TRUE(Exists(AppDir(stage.home) + "/bin/tarnwell-ui"));
    EXPECT_FALSE(Exists(AppDir(stage.home) + "/old-only"));
    const std::vector<std::string> log = stage.Log();
    EXPECT_THAT(log, Contains("DEBUG app has already launched, return").Times(1));
    EXPECT_THAT(log, Contains("DEBUG running").Times(1));
}

}  // namespace
}  // namespace launcher_test
