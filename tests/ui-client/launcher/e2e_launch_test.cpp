// The launcher program run whole, as a child process on a staged package,
// for what only the whole program shows. Homes are named in bytes that are
// not UTF-8, with a blank: the copy must still land inside them, and the
// client's start script be found.
#include <fcntl.h>
#include <signal.h>
#include <gmock/gmock.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "log_records.h"
#include "loopback_listener.h"
#include "staged_package.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace testing;

namespace launcher_test {
namespace {

const char kFailed[] = "Tarnwell Client could not be prepared. Please reinstall it.";

struct LauncherStage : Stage {
    explicit LauncherStage(int copyBuild) : Stage(copyBuild, "u \xff") {}
    Process Start(const std::string& name, const std::vector<std::string>& environment = {},
                  const std::vector<std::string>& arguments = {}) const
    {
        return StartLauncher(root, home, folder / "run", folder / name, environment, arguments);
    }
    void BreakPackage() const { fs::create_symlink("/nowhere", root + "/package/hollowmere/bin/broken"); }
};

// Waits up to 5 s for a file to hold text.
bool Soon(const std::string& path, const std::string& text = "")
{
    for (int i = 0; i < 500 && !(Exists(path) && ReadFile(path).find(text) != std::string::npos); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    return Exists(path) && ReadFile(path).find(text) != std::string::npos;
}

// Under any display state the client gets the user's environment. Display 93
// is taken as unused; the live display never answers what is asked of it, so
// a start that reaches it hangs: one that deploys nothing must not try.
TEST(LaunchTest, client_is_stopped_then_the_copy_deployed_then_started_and_the_launcher_exits_zero)
{
    struct Case {
        const char* name;
        int copyBuild;
        bool broken;  // a dangling link fails the deployment halfway
        std::vector<std::string> environment;
        const char* calls;
    };
    const LoopbackListener liveDisplay(6050);
    ASSERT_GT(liveDisplay.Port(), 0);
    const Case cases[] = {
        {"current_copy_never_reaches_the_display", 1300, false, {"DISPLAY=127.0.0.1:" + std::to_string(liveDisplay.Port() - 6000)},
         "start by copy 1300\n"},
        {"current_copy_kept_running", 1300, false, {"QT_QPA_PLATFORM=nosuchplugin"}, "start by copy 1300 on nosuchplugin\n"},
        {"older_copy_replaced", 1200, false, {"DISPLAY=:93"}, "stopped at 1200\nstart by package 1300\n"},
        {"failed_deployment_restores_old_copy", 1200, true, {"WAYLAND_DISPLAY=wayland-93", "QT_QPA_PLATFORM=wayland"},
         "stopped at 1200\nstart by copy 1200 on wayland\n"},
    };
    if (Exists("/tmp/.X11-unix/X93")) {
        GTEST_SKIP() << "an X server listens on display 93";
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LauncherStage stage(c.copyBuild);
        if (c.broken) {
            stage.BreakPackage();
        }
        // A running client of the copy: on SIGTERM it notes the build it sees.
        WriteFile(AppDir(stage.home) + "/bin/client.sh",
                  "cd \"$(dirname \"$0\")/..\"\ntrap 'echo \"stopped at $(sed -n s/^build_version=//p INFO)\" >> ../../start-calls;"
                  " exit' TERM\ntouch ../client-ready\nwhile [ -e ../client-ready ]; do sleep 0.1; done\n");
        Process client({"/bin/sh", AppDir(stage.home) + "/bin/client.sh"}, stage.folder / "client");
        WriteFile(stage.home + "/.Tarnwell/ui.pid", "pid=" + std::to_string(client.Pid()) + "\n");
        std::thread reaper([&client] { client.Wait(); });  // at once, or the launcher waits on a zombie
        EXPECT_TRUE(Soon(stage.home + "/.Tarnwell/client-ready"));

        const Exit result = stage.Start("run", c.environment).Wait();
        fs::remove(stage.home + "/.Tarnwell/client-ready");  // ends a client that was not stopped
        reaper.join();

        EXPECT_TRUE(result.exited && result.status == 0) << result.status;
        EXPECT_EQ(liveDisplay.Connections(), 0);
        EXPECT_EQ(stage.StartCalls(), c.calls);
        const bool deployed = std::string(c.calls).find("package") != std::string::npos;
        EXPECT_EQ(stage.CopyBuild(), deployed ? "1300" : std::to_string(c.copyBuild));
        EXPECT_EQ(Exists(AppDir(stage.home) + "/old-only"), !deployed);
        EXPECT_FALSE(Exists(stage.folder / "u \xef\xbf\xbd")) << "the copy went to a lossily decoded home";
        EXPECT_THAT(LogRecords(ReadFile(stage.home + "/.Tarnwell/log/launcher.log")),
                    Contains("ERROR Failed to upgrade package").Times(c.broken ? 1 : 0));
        // Offscreen nobody sees the dialog: standard error carries the sentence.
        EXPECT_EQ(result.errors.find(kFailed) != std::string::npos, c.broken) << result.errors;
    }
}

// HOME names the home through a link, as where /home itself is one.
TEST(LaunchTest, first_start_deploys_into_a_product_folder_and_log_the_user_alone_can_read)
{
    const LauncherStage stage(0);
    umask(022);
    fs::create_directory_symlink(stage.home, stage.folder / "linked-home");
    EXPECT_TRUE(StartLauncher(stage.root, stage.folder / "linked-home", stage.folder / "run", stage.folder / "out").Wait().exited);
    EXPECT_EQ(stage.StartCalls(), "start by package 1300\n");
    for (const auto& [path, mode] : {std::pair{"/.Tarnwell", 0700u}, {"/.Tarnwell/log", 0700u}, {"/.Tarnwell/log/launcher.log", 0600u}}) {
        struct stat info {};
        EXPECT_EQ(stat((stage.home + path).c_str(), &info) == 0 ? info.st_mode & 07777 : 0u, mode) << path;
    }
}

TEST(OptionsTest, help_version_and_unknown_options_exit_zero_and_touch_nothing)
{
    const std::pair<std::vector<std::string>, std::vector<const char*>> cases[] = {
        {{"--help"}, {"Usage:", "~/.Tarnwell/log/launcher.log", "log/launcher.debug"}},
        {{"--version"}, {"tarnwell-launcher ", " (build "}},
        {{"--frobnicate"}, {}},
        {{"--help", "extra"}, {}},
    };
    for (const auto& [arguments, outputHas] : cases) {
        SCOPED_TRACE(arguments.back());
        const LauncherStage stage(1200);
        const Exit result = stage.Start("run", {}, arguments).Wait();
        EXPECT_TRUE(result.exited && result.status == 0) << result.status;
        for (const char* text : outputHas) {
            EXPECT_THAT(result.output, HasSubstr(text));
        }
        EXPECT_EQ(result.output.empty(), outputHas.empty()) << result.output;
        // Misuse gets the usage on standard error; an answered option leaves it empty.
        EXPECT_THAT(result.errors, outputHas.empty() ? Matcher<std::string>(HasSubstr("Usage:")) : IsEmpty());
        EXPECT_FALSE(Exists(stage.home + "/.Tarnwell/log")) << "a log was written";
        EXPECT_EQ(stage.CopyBuild() + stage.StartCalls(), "1200");
    }
}

// No notification service runs: a monitor of the bus sees the call.
TEST(NotificationTest, failure_reaches_the_notification_service_of_the_session_bus)
{
    if (!Exists("/usr/bin/dbus-daemon") || !Exists("/usr/bin/dbus-monitor")) {
        GTEST_SKIP() << "dbus-daemon or dbus-monitor is not installed: no session bus to test with";
    }
    for (const bool addressInEnvironment : {true, false}) {  // else the runtime folder's "bus"
        SCOPED_TRACE(addressInEnvironment);
        const LauncherStage stage(1200);
        stage.BreakPackage();
        const std::string address = "unix:path=" + stage.folder / (addressInEnvironment ? "bus" : "run/bus");
        fs::create_directories(stage.folder / "run");
        const Process bus({"/usr/bin/dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + address},
                          stage.folder / "bus-daemon");
        ASSERT_TRUE(Soon(address.substr(10)));
        const Process monitor({"/usr/bin/dbus-monitor", "--address", address, "interface=org.freedesktop.Notifications"},
                              stage.folder / "monitor");
        ASSERT_TRUE(Soon(stage.folder / "monitor/stdout", "NameLost"));

        const Exit result =
            stage.Start("run", addressInEnvironment ? std::vector{"DBUS_SESSION_BUS_ADDRESS=" + address} : std::vector<std::string>{})
                .Wait();

        EXPECT_TRUE(result.exited && result.status == 0) << result.status;
        EXPECT_TRUE(Soon(stage.folder / "monitor/stdout", "int32 30000"));
        EXPECT_THAT(ReadFile(stage.folder / "monitor/stdout"),
                    HasSubstr(std::string("string \"Tarnwell Client\"\n   string \"") + kFailed + "\"\n"));
    }
}

// On a real display a failure stays up until it is read, while the client
// already runs; a second start meanwhile is not held up by it.
TEST(FailureNoticeTest, on_a_display_waits_for_the_user_while_the_client_runs)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "not under AddressSanitizer: the launcher's X start takes minutes there";
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
    const LauncherStage stage(1200);
    stage.BreakPackage();
    Process xServer({"/usr/bin/Xvfb", display, "-nolisten", "tcp"}, stage.folder / "x");
    ASSERT_TRUE(Soon("/tmp/.X11-unix/X" + display.substr(1)));

    Process first = stage.Start("first", {"DISPLAY=" + display});
    EXPECT_TRUE(Soon(stage.home + "/start-calls")) << "the failure held the client back";
    const Exit second = stage.Start("second", {"DISPLAY=" + display}).Wait(5s);
    const Exit firstResult = first.Wait(2s);
    kill(xServer.Pid(), SIGTERM);  // so that it removes its lock and socket
    xServer.Wait(5s);

    EXPECT_TRUE(second.exited && second.status == 0) << second.status;
    EXPECT_FALSE(firstResult.exited) << "the failure notice did not wait to be read";
    EXPECT_THAT(firstResult.errors, HasSubstr(kFailed));
    EXPECT_EQ(stage.StartCalls(), "start by copy 1200\n");
}

// The guard lives in the home, not the session: a launcher from another
// session (its own runtime folder) leaves while the first still runs.
TEST(SingleInstanceTest, second_start_from_another_session_exits_at_once_and_touches_nothing)
{
    const LauncherStage stage(1200);
    // The first's start script waits on this FIFO until it reads a line or,
    // whatever failed, the test's end closes the only writer.
    ASSERT_EQ(mkfifo((stage.home + "/hold").c_str(), 0600), 0);
    const int holdFd = open((stage.home + "/hold").c_str(), O_RDWR | O_CLOEXEC);  // never blocks on Linux
    Process first = stage.Start("first");
    ASSERT_TRUE(Soon(stage.home + "/start-calls")) << "the first never reached its start script";
    WriteFile(stage.home + "/.Hollowmere/app/bin/old", "legacy");  // any run of the service removes it

    const Exit second =
        StartLauncher(stage.root, stage.home, stage.folder / "run-ssh", stage.folder / "second").Wait(5s);
    ASSERT_EQ(write(holdFd, "go\n", 3), 3);
    const Exit firstResult = first.Wait();

    EXPECT_TRUE(second.exited && second.status == 0) << second.status;
    EXPECT_TRUE(firstResult.exited && firstResult.status == 0) << firstResult.status;
    EXPECT_TRUE(Exists(stage.home + "/.Hollowmere/app/bin/old"));
    EXPECT_EQ(stage.StartCalls(), "start by package 1300\n");
    close(holdFd);
}

}  // namespace
}  // namespace launcher_test
