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

#include "launcher_process.h"
#include "log_records.h"
#include "staged_package.h"

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
    LauncherProcess Start(const std::string& name = "run", const LaunchExtras& extras = {},
                          const std::string& runtime = "run") const
    {
        mkdir((folder.path() + "/" + runtime).c_str(), 0700);
        return LauncherProcess(root, home, folder.path() + "/" + runtime, folder.path() + "/" + name, extras);
    }
    std::vector<std::string> Log() const
    {
        return LogRecords(ReadFile(home + "/.Tarnwell/log/launcher.log"));
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
        // Offscreen, nobody sees the dialog: standard error carries the sentence.
        EXPECT_EQ(result.errors.find("Tarnwell Client could not be prepared. Please reinstall it.\n") !=
                      std::string::npos,
                  c.brokenPackage)
            << result.errors;
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

TEST(LaunchTest, any_display_state_ends_with_the_client_started_in_the_given_environment)
{
    struct DisplayCase {
        const char* name;
        std::vector<std::string> environment;
        const char* clientSees;  // QT_QPA_PLATFORM and DBUS_SESSION_BUS_ADDRESS as the client gets them
    };
    // Display 93 is assumed unused; the test skips where something listens there.
    const DisplayCase cases[] = {
        {"dead_local_x_display", {"DISPLAY=:93"}, "unset unset"},
        {"dead_tcp_x_display", {"DISPLAY=127.0.0.1:93"}, "unset unset"},
        {"wayland_only_without_compositor", {"WAYLAND_DISPLAY=wayland-93", "QT_QPA_PLATFORM=wayland"}, "wayland unset"},
        {"wayland_named_only", {"WAYLAND_DISPLAY=wayland-93"}, "unset unset"},
        {"unknown_platform_asked_for", {"QT_QPA_PLATFORM=nosuchplugin"}, "nosuchplugin unset"},
    };
    if (Exists("/tmp/.X11-unix/X93")) {
        GTEST_SKIP() << "an X server listens on display 93";
    }
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LauncherStage stage(1300, false);
        WriteFile(AppDir(stage.home) + "/package/start-stop",
                  "#!/bin/sh\necho \"${QT_QPA_PLATFORM-unset} ${DBUS_SESSION_BUS_ADDRESS-unset}\" >> \"$HOME/start-calls\"\n",
                  0755);

        const LauncherResult result = stage.Start("run", {c.environment, {}}).Wait();

        EXPECT_TRUE(result.exited && result.status == 0) << result.status << result.errors;
        EXPECT_EQ(stage.StartCalls(), std::string(c.clientSees) + "\n");
    }
}

TEST(OptionsTest, help_version_and_unknown_options_exit_zero_and_touch_nothing)
{
    struct OptionCase {
        const char* name;
        std::vector<std::string> arguments;
        std::vector<std::string> outputHas, errorsHave;
    };
    const OptionCase cases[] = {
        {"help", {"--help"}, {"Usage:", "~/.Tarnwell/log/launcher.log", "log/launcher.debug"}, {}},
        {"version", {"--version"}, {"tarnwell-launcher ", " (build "}, {}},
        {"unknown_option", {"--frobnicate"}, {}, {"Usage:"}},
        {"help_with_more", {"--help", "extra"}, {}, {"Usage:"}},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LauncherStage stage(1200, true);

        const LauncherResult result = stage.Start("run", {{}, c.arguments}).Wait();

        EXPECT_TRUE(result.exited && result.status == 0) << result.status;
        for (const std::string& text : c.outputHas) {
            EXPECT_THAT(result.output, HasSubstr(text));
        }
        for (const std::string& text : c.errorsHave) {
            EXPECT_THAT(result.errors, HasSubstr(text));
        }
        EXPECT_EQ(result.output.empty(), c.outputHas.empty()) << result.output;
        EXPECT_EQ(result.errors.empty(), c.errorsHave.empty()) << result.errors;
        EXPECT_FALSE(Exists(stage.home + "/.Tarnwell/log")) << "a log was written";
        EXPECT_EQ(stage.CopyBuild(), "1200");
        EXPECT_EQ(stage.StartCalls(), "");
    }
}

// Waits up to 5 s for a path to appear.
bool AppearsSoon(const std::string& path)
{
    for (int i = 0; i < 500 && !Exists(path); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    return Exists(path);
}

TEST(NotificationTest, failure_reaches_the_notification_service_of_the_session_bus)
{
    if (!Exists("/usr/bin/dbus-daemon")) {
        GTEST_SKIP() << "dbus-daemon is not installed: no session bus to test with";
    }
    struct BusCase {
        const char* name;
        bool addressInEnvironment;  // else the bus is the runtime folder's "bus" socket
    };
    const BusCase cases[] = {{"bus_named_by_address", true}, {"bus_in_runtime_folder", false}};
    for (const BusCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LauncherStage stage(1200, false);
        fs::create_symlink("/nonexistent/target", stage.root + "/package/hollowmere/bin/broken");
        const std::string socket = c.addressInEnvironment ? stage.folder.path() + "/bus" : stage.folder.path() + "/run/bus";
        const std::string address = "DBUS_SESSION_BUS_ADDRESS=unix:path=" + socket;
        const HelperProcess bus({"/usr/bin/dbus-daemon", "--session", "--nofork", "--nopidfile",
                                 "--address=unix:path=" + socket},
                                {"PATH=/usr/bin:/bin"});
        ASSERT_TRUE(AppearsSoon(socket));
        const std::string notes = stage.folder.path() + "/notifications";
        const HelperProcess service({FAKE_NOTIFICATION_SERVER, notes}, {"PATH=/usr/bin:/bin", address});
        ASSERT_TRUE(AppearsSoon(notes + ".ready"));

        const LauncherResult result =
            stage.Start("run", {c.addressInEnvironment ? std::vector<std::string>{address} : std::vector<std::string>{}, {}})
                .Wait();

        EXPECT_TRUE(result.exited && result.status == 0) << result.status;
        EXPECT_EQ(ReadFile(notes),
                  "Tarnwell Client|Tarnwell Client could not be prepared. Please reinstall it.|30000\n");
        EXPECT_EQ(stage.StartCalls(), "start by copy 1200\n");
    }
}

TEST(FailureNoticeTest, on_a_display_waits_for_the_user_while_the_client_runs)
{
#ifdef __SANITIZE_ADDRESS__
    // Its leak checks unwind every allocation slowly: an X start then takes minutes.
    GTEST_SKIP() << "not under AddressSanitizer: the launcher's X start is too slow there";
#endif
    if (!Exists("/usr/bin/Xvfb")) {
        GTEST_SKIP() << "Xvfb is not installed: no display to show the dialog on";
    }
    std::string display;
    for (int number = 60; number < 100 && display.empty(); ++number) {
        if (!Exists("/tmp/.X11-unix/X" + std::to_string(number)) && !Exists("/tmp/.X" + std::to_string(number) + "-lock")) {
            display = ":" + std::to_string(number);
        }
    }
    ASSERT_FALSE(display.empty());
    const HelperProcess xServer({"/usr/bin/Xvfb", display, "-nolisten", "tcp"}, {"PATH=/usr/bin:/bin"});
    ASSERT_TRUE(AppearsSoon("/tmp/.X11-unix/X" + display.substr(1)));
    const LauncherStage stage(1200, false);
    fs::create_symlink("/nonexistent/target", stage.root + "/package/hollowmere/bin/broken");
    const LaunchExtras onDisplay{{"DISPLAY=" + display}, {}};

    LauncherProcess first = stage.Start("first", onDisplay);
    ASSERT_TRUE(AppearsSoon(stage.home + "/start-calls")) << "the failure held the client back";
    const auto started = std::chrono::steady_clock::now();
    const LauncherResult second = stage.Start("second", onDisplay).Wait();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    const LauncherResult firstResult = first.Wait(2s);

    EXPECT_TRUE(second.exited && second.status == 0) << second.status;
    EXPECT_FALSE(firstResult.exited) << "the failure notice did not wait to be read";
    EXPECT_THAT(firstResult.errors, HasSubstr("Tarnwell Client could not be prepared. Please reinstall it."));
    EXPECT_EQ(stage.StartCalls(), "start by copy 1200\n");
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

    LauncherProcess desktop = stage.Start("desktop", {}, "run-desktop");
    const auto stopping = [&stage] {
        const std::vector<std::string> log = stage.Log();
        return std::find(log.begin(), log.end(), "DEBUG local appdata exist") != log.end();
    };
    for (int i = 0; i < 1000 && !stopping(); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    const LauncherResult ssh = stage.Start("ssh", {}, "run-ssh").Wait();
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
