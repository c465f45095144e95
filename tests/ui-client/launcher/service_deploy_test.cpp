// Deployment of the package into the private copy: backup names, copy, rollback.
#include <QProcess>

#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <filesystem>
#include <functional>
#include <map>

#include "adapter.h"
#include "service_test_support.h"

namespace fs = std::filesystem;

namespace {

// Every entry below root with its kind, permission bits and content.
std::map<std::string, std::string> Snapshot(const std::string& root)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat st;
        lstat(entry.path().c_str(), &st);
        entries[fs::relative(entry.path(), root)] =
            std::to_string(st.st_mode) + ":" + (S_ISREG(st.st_mode) ? ReadFile(entry.path()) : "");
    }
    return entries;
}

mode_t Umask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

class DeployTest : public ServiceTest {
protected:
    void SetUp() override
    {
        ServiceTest::SetUp();
        MakePackage();
    }

    void MakePackage()
    {
        fs::remove_all(package_dir);
        WriteFile(package_dir + "/INFO", "[Version]\nbuild_version=1300\n");
        WriteFile(package_dir + "/bin/tarnwell-ui", "new ui", 0750);
        WriteFile(package_dir + "/lib/plugins/sync.so", "plugin");
    }

    void MakeOldCopy()
    {
        WriteFile(app_dir + "/INFO", "[Version]\nbuild_version=1200\n");
        WriteFile(app_dir + "/bin/tarnwell-ui", "old ui", 0700);
        WriteFile(app_dir + "/data/settings", "user settings");
    }

    std::string Backup(int number) const { return app_dir + "_tmp" + (number ? std::to_string(number) : ""); }

    std::string BackupLine(int number) const
    {
        return "failed to backup app from '" + app_dir + "' -> '" + Backup(number) + "'";
    }

    std::string CopyLine() const { return "copy package:'" + package_dir + "' -> '" + app_dir + "' "; }

    std::string Staging() const { return app_dir + ".deploying"; }

    // Hands the home to nobody, so that permissions bind as they do for a user.
    void GiveHomeToNobody()
    {
        fs::create_directories(tarnwell_dir);
        lchown(tarnwell_dir.c_str(), 65534, 65534);
        for (const auto& entry : fs::recursive_directory_iterator(tarnwell_dir)) {
            lchown(entry.path().c_str(), 65534, 65534);
        }
    }
};

TEST_F(DeployTest, FirstInstallCopiesTheTreeAndClearsAStaleBackup)
{
    fs::create_symlink("INFO", package_dir + "/INFO.link");
    WriteFile(Backup(0) + "/left-over", "x");

    ASSERT_EQ(TestService().PrepareUserEnv(), 0);

    EXPECT_EQ(ReadFile(app_dir + "/INFO"), ReadFile(package_dir + "/INFO"));
    EXPECT_EQ(ReadFile(app_dir + "/lib/plugins/sync.so"), "plugin");
    struct stat st;
    ASSERT_EQ(stat((app_dir + "/bin/tarnwell-ui").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0750 & ~Umask());
    // A link to a file arrives as a regular file with the target's content.
    ASSERT_EQ(lstat((app_dir + "/INFO.link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(app_dir + "/INFO.link"), ReadFile(package_dir + "/INFO"));
    EXPECT_FALSE(Exists(Backup(0)));
    EXPECT_EQ(CountLog("INFO", CopyLine()), 1);
    EXPECT_EQ(CountLog("INFO", "user installation is ready, removing backup app"), 1);
}

// Backups and an unfinished copy left by interrupted runs, some with a
// read-only folder inside, all go: otherwise each strands a backup name.
TEST_F(DeployTest, StaleBackupsAndUnfinishedCopyAreClearedEvenWhenReadOnly)
{
    SKIP_UNLESS_ROOT();  // as root a read-only folder is no obstacle
    MakeOldCopy();
    for (const int number : {0, 2, 9}) {
        WriteFile(Backup(number) + "/locked/left-over", "x");
    }
    WriteFile(Staging() + "/locked/partial", "x");
    chmod((package_dir + "/bin/tarnwell-ui").c_str(), 0755);  // readable by nobody
    GiveHomeToNobody();
    for (const std::string& locked : {Backup(0), Backup(2), Backup(9), Staging()}) {
        chmod((locked + "/locked").c_str(), 0555);
    }

    EXPECT_EQ(RunAsNobody([] { return TestService().PrepareUserEnv(); }), 0);

    EXPECT_EQ(ReadFile(app_dir + "/bin/tarnwell-ui"), "new ui");
    EXPECT_FALSE(Exists(app_dir + "/data"));
    EXPECT_EQ(CountLog("ERROR", BackupLine(0)), 1);
    for (int number = 0; number < 10; ++number) {
        EXPECT_FALSE(Exists(Backup(number))) << number;
    }
    EXPECT_FALSE(Exists(Staging()));
}

// A run killed after the new copy took its place leaves its backup; a start
// that finds nothing to upgrade clears it and keeps the copy.
TEST_F(DeployTest, LeftoversGoOnAStartWithNothingToUpgrade)
{
    WriteFile(app_dir + "/INFO", "[Version]\nbuild_version=1300\n");
    WriteFile(ui_program, "ui");
    WriteFile(root_dir + "/INFO", "[Version]\nbuild_version=1300\n");
    WriteFile(Backup(0) + "/bin/tarnwell-ui", "old ui");
    WriteFile(Staging() + "/INFO", "partial");
    TestService service;
    service.PreUpgrade();

    ASSERT_FALSE(service.IsNeedUpgrade());
    service.RemoveDeploymentLeftovers();

    EXPECT_FALSE(Exists(Backup(0)));
    EXPECT_FALSE(Exists(Staging()));
    EXPECT_EQ(ReadFile(ui_program), "ui");
}

TEST_F(DeployTest, AllTenBackupNamesBlockedLeavesTheOldCopy)
{
    MakeOldCopy();
    for (int number = 0; number < 10; ++number) {
        WriteFile(Backup(number) + "/left-over", "x");
    }
    const auto before = Snapshot(app_dir);

    EXPECT_EQ(TestService().PrepareUserEnv(), -1);

    for (int number = 0; number < 10; ++number) {
        EXPECT_EQ(CountLog("ERROR", BackupLine(number)), 1) << number;
    }
    EXPECT_EQ(CountLog("ERROR", BackupLine(9) + " at max retries, exiting"), 1);
    EXPECT_EQ(CountLog("ERROR", "Please check if '" + app_dir +
                                    "' is writable. It may be locked by another process (e.g., CLI's working "
                                    "directory is set to the target)."),
              1);
    EXPECT_EQ(Snapshot(app_dir), before);
    EXPECT_FALSE(Exists(Staging()));
    EXPECT_TRUE(Exists(Backup(9) + "/left-over"));
}

// Whatever part of the package cannot be copied, the copy in place stays as
// it was (or stays absent on a first install) and nothing half-done is left.
TEST_F(DeployTest, FailedCopyLeavesTheCopyInPlaceAlone)
{
    struct Case {
        const char* name;
        std::function<void()> break_package;
        std::string reason;
    };
    const Case cases[] = {
        {"package_missing", [&] { fs::remove_all(package_dir); },
         "FSCopyPath: source path '" + package_dir + "' does not exist"},
        {"link_to_folder",
         [&] {
             WriteFile(tmp + "/elsewhere/f", "f");
             fs::create_directory_symlink(tmp + "/elsewhere", package_dir + "/linked");
         },
         "FSCopyPath: failed to copy from '" + package_dir + "/linked' to '" + Staging() + "/linked'"},
        // Opened without blocking and refused: before, the copy waited for a writer for ever.
        {"fifo_in_package", [&] { mkfifo((package_dir + "/lib/pipe").c_str(), 0644); },
         "FSCopyPath: '" + package_dir + "/lib/pipe' is neither file, folder nor link"},
    };
    for (const bool with_old_copy : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (with_old_copy ? " onto an old copy" : " as first install"));
            fs::remove_all(tarnwell_dir);
            if (with_old_copy) {
                MakeOldCopy();
            }
            MakePackage();
            c.break_package();
            const auto before = with_old_copy ? Snapshot(app_dir) : decltype(Snapshot(app_dir))();
            TestService service;

            EXPECT_EQ(service.PrepareUserEnv(), -1);

            EXPECT_EQ(service.LastFailure().reason, Service::FailureReason::PackageUnreadable);
            EXPECT_EQ(Exists(app_dir), with_old_copy);
            if (with_old_copy) {
                EXPECT_EQ(Snapshot(app_dir), before);
            }
            EXPECT_FALSE(Exists(Backup(0)));
            EXPECT_FALSE(Exists(Staging()));
            EXPECT_EQ(CountLog("ERROR", c.reason), with_old_copy ? 1 : 2);
        }
    }
    EXPECT_EQ(CountLog("ERROR", "Failed to extract package, rollback to old installation"), 3);
    EXPECT_EQ(CountLog("ERROR", "Failed to extract package, and no old installation to rollback"), 3);
}

// As root every file is readable: the service runs as nobody, on a tree
// nobody owns. A folder that cannot be listed used to arrive empty and count
// as copied.
TEST_F(DeployTest, UnreadablePackagePartsFailAsUnprivilegedUser)
{
    SKIP_UNLESS_ROOT();
    struct Case {
        const char* name;
        std::string path;
        mode_t mode;
        std::string reason;
    };
    const Case cases[] = {
        {"unreadable_file", package_dir + "/secret", 0000,
         "CopyFile: open(" + package_dir + "/secret): Permission denied (13)"},
        {"unlistable_folder", package_dir + "/lib", 0311,
         "FSCopyPath: failed to list '" + package_dir + "/lib': Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(tarnwell_dir);
        MakeOldCopy();
        MakePackage();
        WriteFile(package_dir + "/secret", "s");
        chmod(c.path.c_str(), c.mode);
        GiveHomeToNobody();
        const auto before = Snapshot(tarnwell_dir);

        const int status = RunAsNobody([] {
            TestService service;
            const bool failed = service.PrepareUserEnv() == -1;
            return failed && service.LastFailure().reason == Service::FailureReason::PackageUnreadable ? 0 : 1;
        });
        EXPECT_EQ(status, 0);

        chmod(c.path.c_str(), 0755);
        EXPECT_EQ(CountLog("ERROR", c.reason), 1);
        EXPECT_EQ(Snapshot(tarnwell_dir), before);  // byte for byte, nothing left beside it
    }
}

// Each level's listing is closed before the next opens: with a descriptor per
// level a tree deeper than the limit was cut off and still reported copied.
// A low limit shows that as well as a 1500-level tree under the usual 1024,
// at a fraction of the time (every call resolves the whole path).
TEST_F(DeployTest, TreeDeeperThanTheDescriptorLimitIsCopiedWhole)
{
    std::string deepest = package_dir;
    for (int level = 0; level < 300; ++level) {
        deepest += "/d";
        ASSERT_EQ(mkdir(deepest.c_str(), 0755), 0) << level;
    }
    WriteFile(deepest + "/bottom", "reached");

    const ChildResult child = RunInChild([] {
        const rlimit few = {64, 64};
        return setrlimit(RLIMIT_NOFILE, &few) == 0 ? TestService().PrepareUserEnv() : 2;
    });
    EXPECT_EQ(child.status, 0);

    EXPECT_EQ(ReadFile(app_dir + deepest.substr(package_dir.size()) + "/bottom"), "reached");
}

// The bar follows the bytes: thousandths from 0 to 1000 that never go back.
TEST_F(DeployTest, ProgressRisesWithTheBytesToTheEnd)
{
    for (int file = 0; file < 8; ++file) {
        WriteFile(package_dir + "/data/part" + std::to_string(file), std::string(200000, 'p'));
    }
    std::vector<std::pair<int, int>> reports;
    const QMetaObject::Connection connection = QObject::connect(
        &Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
        [&reports](int total, int step) { reports.emplace_back(total, step); });

    EXPECT_EQ(TestService().PrepareUserEnv(), 0);
    QObject::disconnect(connection);

    ASSERT_GE(reports.size(), 8u);
    EXPECT_EQ(reports.front().second, 0);
    EXPECT_EQ(reports.back().second, reports.back().first);
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].first, 1000) << i;
        if (i > 0) {
            EXPECT_GT(reports[i].second, reports[i - 1].second) << i;
        }
    }
}

// A package that does not fit beside the copy is refused before the client is
// stopped: copy and client stay as they were, and the log gives both figures.
// The home is a small tmpfs in a private mount namespace of a child.
TEST_F(DeployTest, PackageThatDoesNotFitLeavesCopyAndClientAlone)
{
    SKIP_UNLESS_ROOT();
    WriteFile(package_dir + "/data/blob", std::string(1 << 20, 'b'));
    MakeOldCopy();
    const auto before = Snapshot(app_dir);
    const pid_t client = fork();
    if (client == 0) {
        pause();
        _exit(0);
    }
    ASSERT_GT(client, 0);
    WriteFile(tarnwell_dir + "/ui.pid", "pid=" + std::to_string(client) + "\n");

    fs::copy(tmp + "/home", tmp + "/saved-home", fs::copy_options::recursive);
    struct Case {
        const char* name;
        const char* size;
        int result;
    };
    // 8 MiB leaves less than the 16 MiB reserve; 64 MiB is plenty.
    for (const Case& c : {Case{"does_not_fit", "8m", -1}, Case{"fits", "64m", 0}}) {
        SCOPED_TRACE(c.name);
        const std::string home = tmp + "/home";
        const ChildResult child = RunInChild([&] {
            if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                mount("tmpfs", home.c_str(), "tmpfs", 0, (std::string("size=") + c.size).c_str()) != 0) {
                return 77;
            }
            fs::copy(tmp + "/saved-home", home, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
            if (c.result == 0) {
                fs::remove(tarnwell_dir + "/ui.pid");  // the stop is not what this case is about
            }
            TestService service;
            service.PreUpgrade();
            if (service.HandlePackageUpgrade() != c.result) {
                return 1;
            }
            const Service::Failure& failure = service.LastFailure();
            if (c.result == 0) {
                return failure.reason == Service::FailureReason::None ? 0 : 2;
            }
            const bool told = failure.reason == Service::FailureReason::OutOfSpace && failure.folder == tarnwell_dir &&
                              failure.needed_bytes > failure.free_bytes && failure.free_bytes > 0;
            return !told ? 3 : Snapshot(app_dir) == before ? 0 : 4;
        });
        if (child.status == 77) {
            kill(client, SIGKILL);
            waitpid(client, nullptr, 0);
            GTEST_SKIP() << "cannot mount a small tmpfs as the home in a private mount namespace";
        }
        EXPECT_EQ(child.status, 0) << child.stderr_text;
        if (std::string(c.name) == "does_not_fit") {
            EXPECT_EQ(waitpid(client, nullptr, WNOHANG), 0) << "the client was stopped";
        }
    }
    const std::string logged = LogText();
    EXPECT_NE(logged.find("[ERROR]"), std::string::npos);
    EXPECT_NE(logged.find("not enough space in '" + tarnwell_dir + "' for the new version: "), std::string::npos)
        << logged;
    kill(client, SIGKILL);
    waitpid(client, nullptr, 0);
}

TEST_F(DeployTest, SingleFilePackageBecomesTheAppPath)
{
    fs::remove_all(package_dir);
    WriteFile(package_dir, "payload", 0755);
    fs::create_directories(tarnwell_dir);  // start-up has made it (for its log) by now

    ASSERT_EQ(TestService().PrepareUserEnv(), 0);

    struct stat st;
    ASSERT_EQ(lstat(app_dir.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_FALSE(Exists(Staging()));
    EXPECT_EQ(st.st_mode & 0777, 0644 & ~Umask());
    EXPECT_EQ(ReadFile(app_dir), "payload");
}

TEST_F(DeployTest, ExtractPackageUnpacksIntoTheAppFolderItCreates)
{
    const std::string archive = root_dir + "/package/hollowmere.kpg";
    ASSERT_EQ(QProcess::execute(QStringLiteral("bsdtar"),
                                {QStringLiteral("-czf"), QString::fromStdString(archive), QStringLiteral("-C"),
                                 QString::fromStdString(package_dir), QStringLiteral(".")}),
              0);
    WriteFile(tarnwell_dir, "a file where the folder belongs");
    EXPECT_EQ(TestService().ExtractPackage(), -1);
    EXPECT_EQ(CountLog("ERROR", "failed to create folder: '" + app_dir + "'"), 1);
    EXPECT_EQ(ReadFile(tarnwell_dir), "a file where the folder belongs");

    fs::remove(tarnwell_dir);
    ASSERT_EQ(TestService().ExtractPackage(), 0);
    EXPECT_EQ(ReadFile(app_dir + "/bin/tarnwell-ui"), "new ui");
    EXPECT_EQ(ReadFile(app_dir + "/lib/plugins/sync.so"), "plugin");
    EXPECT_EQ(CountLog("INFO", "extract package: '" + archive + "' -> '" + app_dir + "'"), 1);
}
