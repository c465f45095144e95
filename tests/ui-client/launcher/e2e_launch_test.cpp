// The launcher program run whole, as a child process on a staged package.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "e2e_fixture.h"

namespace fs = std::filesystem;
using testing::Contains;
using testing::ElementsAre;
using testing::Not;

namespace launcher_test {
namespace {

// Backups that a finished run must not leave: the app folder + "_tmp" and "_tmp1".."_tmp9".
std::vector<std::string> LeftoverBackups(const std::string& home)
{
    std::vector<std::string> found;
    for (const char* suffix : {"_tmp", "_tmp1", "_tmp2", "_tmp3", "_tmp4", "_tmp5", "_tmp6", "_tmp7", "_tmp8", "_tmp9"}) {
        if (Exists(AppDir(home) + suffix)) {
            found.push_back(suffix);
        }
    }
    return found;
}

// The worker's own DEBUG lines, in log order.
std::vector<std::string> WorkerLines(const std::string& logText)
{
    std::vector<std::string> lines;
    for (const std::string& message : Messages(logText, "DEBUG")) {
        if (message == "running" || message == "no need to upgrade" || message == "done") {
            lines.push_back(message);
        }
    }
    return lines;
}

// Without the debug switch nothing below WARNING may reach the log.
void ExpectOnlyWarningsAndErrors(const std::string& logText)
{
    for (const LogRecord& record : ParseLog(logText)) {
        EXPECT_TRUE(record.tag == "ERROR" || record.tag == "WARNING") << record.tag << ": " << record.message;
    }
}

// A stand-in for the running client: a child of the test, reaped by a thread
// of its own so that it vanishes the moment it dies.
class RunningClient {
public:
    RunningClient()
    {
        m_pid = fork();
        if (m_pid == 0) {
            execl("/bin/sleep", "sleep", "60", static_cast<char*>(nullptr));
            _exit(127);
        }
        m_reaper = std::thread([this] { waitpid(m_pid, &m_status, 0); });
    }
    ~RunningClient()
    {
        if (m_reaper.joinable()) {
            kill(m_pid, SIGKILL);
            m_reaper.join();
        }
    }
    pid_t pid() const { return m_pid; }
    // The wait status once the client is gone.
    int WaitGone()
    {
        m_reaper.join();
        return m_status;
    }

private:
    pid_t m_pid = -1;
    int m_status = 0;
    std::thread m_reaper;
};

using LaunchTest = E2eTest;

TEST_F(LaunchTest, current_copy_is_started_as_is_and_legacy_app_folder_removed)
{
    StagePackage(root, 1300, true);
    StagePrivateCopy(home, 1300);
    WriteFile(home + "/.Hollowmere/app/bin/old", "legacy");
    WriteFile(home + "/.Hollowmere/data/keep", "user data");

    const LauncherResult result = Run();

    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(StartCalls(), "start by copy 1300\n");
    EXPECT_TRUE(Exists(AppDir(home) + "/old-only")) << "the copy was deployed again";
    EXPECT_FALSE(Exists(home + "/.Hollowmere/app"));
    EXPECT_TRUE(Exists(home + "/.Hollowmere/data/keep"));
    EXPECT_THAT(WorkerLines(Log()), ElementsAre("running", "no need to upgrade", "done"));
    EXPECT_THAT(Messages(Log(), "ERROR"), Not(Contains("Failed to upgrade package")));
}

TEST_F(LaunchTest, older_copy_is_replaced_after_the_running_client_is_stopped)
{
    StagePackage(root, 1300, true);
    StagePrivateCopy(home, 1200);
    RunningClient client;
    WriteFile(home + "/.Tarnwell/ui.pid", "pid=" + std::to_string(client.pid()) + "\n");

    const LauncherResult result = Run();

    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    const int clientStatus = client.WaitGone();
    EXPECT_TRUE(WIFSIGNALED(clientStatus) && WTERMSIG(clientStatus) == SIGTERM);
    EXPECT_EQ(BuildOf(AppDir(home) + "/INFO"), "1300");
    EXPECT_FALSE(Exists(AppDir(home) + "/old-only"));
    EXPECT_EQ(access((AppDir(home) + "/package/start-stop").c_str(), X_OK), 0);
    EXPECT_THAT(LeftoverBackups(home), ElementsAre());
    EXPECT_EQ(StartCalls(), "start by package 1300\n");
    EXPECT_THAT(WorkerLines(Log()), ElementsAre("running", "done"));
    EXPECT_THAT(Messages(Log(), "ERROR"), Not(Contains("Failed to upgrade package")));
}

TEST_F(LaunchTest, failed_deployment_restores_the_old_copy_and_still_starts_it)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& package)> spoil;
    };
    const Case cases[] = {
        {"package_folder_missing", [](const std::string& package) { fs::remove_all(package); }},
        {"dangling_link_in_package",
         [](const std::string& package) { fs::create_symlink("/nonexistent/target", package + "/bin/broken"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root + "/package");
        fs::remove_all(home);
        fs::create_directory(home);
        StagePackage(root, 1300, false);
        c.spoil(root + "/package/hollowmere");
        StagePrivateCopy(home, 1200);

        const LauncherResult result = Run();

        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(BuildOf(AppDir(home) + "/INFO"), "1200");
        EXPECT_TRUE(Exists(AppDir(home) + "/old-only"));
        EXPECT_THAT(LeftoverBackups(home), ElementsAre());
        EXPECT_EQ(StartCalls(), "start by copy 1200\n");
        EXPECT_THAT(Messages(Log(), "ERROR"), Contains("Failed to upgrade package"));
        ExpectOnlyWarningsAndErrors(Log());
    }
}

TEST_F(LaunchTest, without_debug_switch_log_folder_is_made_but_gets_no_routine_records)
{
    StagePackage(root, 1300, false);
    StagePrivateCopy(home, 1300);

    const LauncherResult result = Run();

    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(Exists(home + "/.Tarnwell/log"));
    EXPECT_EQ(StartCalls(), "start by copy 1300\n");
    ExpectOnlyWarningsAndErrors(Log());
}

TEST_F(LaunchTest, home_without_log_folder_still_runs_and_reports_on_standard_error)
{
    StagePackage(root, 1300, true);
    WriteFile(home + "/.Tarnwell", "a file where the product folder belongs");

    const LauncherResult result = Run();

    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.errors.find("[ERROR]"), std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find("Failed to upgrade package"), std::string::npos) << result.errors;
    EXPECT_EQ(ReadFile(home + "/.Tarnwell").value_or(""), "a file where the product folder belongs");
}

// The home's name is not ASCII, so the dump must carry UTF-8 through whole.
class PathDumpTest : public E2eTest {
protected:
    PathDumpTest()
        : E2eTest("h\xc3\xb4me")
    {
    }
};

TEST_F(PathDumpTest, seven_paths_follow_the_log_set_up_in_order)
{
    StagePackage(root, 1300, true);
    StagePrivateCopy(home, 1300);

    const LauncherResult result = Run();

    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    std::vector<std::string> dump;
    for (const std::string& message : Messages(Log(), "INFO")) {
        if (message.rfind(">>> ", 0) == 0) {
            dump.push_back(message);
        }
    }
    // Keys nobody registers print as empty values.
    EXPECT_THAT(dump, ElementsAre(">>> user_hollowmere_path = " + home + "/.Hollowmere",
                                  ">>> user_hollowmere_app_path = ",
                                  ">>> user_hollowmere_resource_path = " + home + "/.Hollowmere/Hollowmere.app",
                                  ">>> user_hollowmere_data_path = ",
                                  ">>> user_hollowmere_working_dir_path = ",
                                  ">>> user_hollowmere_tarnwell_ui_path = ",
                                  ">>> root_resource_path = " + fs::canonical(root).string()));
}

}  // namespace
}  // namespace launcher_test
