// Deployment of the package into the private copy: backup names, copy, rollback.
#include <QProcess>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

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
            std::to_string(st.st_mode) + ":" + (S_ISREG(st.st_mode) ? ReadFile(entry.path()).value_or("?") : "");
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

TEST_F(DeployTest, StaleBackupIsSkippedAndRemovedAfterwards)
{
    MakeOldCopy();
    WriteFile(Backup(0) + "/left-over", "x");
    WriteFile(Backup(2) + "/left-over", "x");

    ASSERT_EQ(TestService().PrepareUserEnv(), 0);

    EXPECT_EQ(ReadFile(app_dir + "/bin/tarnwell-ui"), "new ui");
    EXPECT_FALSE(Exists(app_dir + "/data"));
    EXPECT_EQ(CountLog("ERROR", BackupLine(0)), 1);
    EXPECT_EQ(CountLog("ERROR", BackupLine(1)), 0);
    EXPECT_FALSE(Exists(Backup(0)));
    EXPECT_FALSE(Exists(Backup(1)));
    EXPECT_TRUE(Exists(Backup(2) + "/left-over"));  // only names up to the one that worked are cleared
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
    EXPECT_EQ(CountLog("INFO", CopyLine()), 0);
    EXPECT_TRUE(Exists(Backup(9) + "/left-over"));
}

TEST_F(DeployTest, FailedCopyRollsBackToTheOldCopy)
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
         "FSCopyPath: failed to copy from '" + package_dir + "/linked' to '" + app_dir + "/linked'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(app_dir);
        MakeOldCopy();
        MakePackage();
        c.break_package();
        const auto before = Snapshot(app_dir);

        EXPECT_EQ(TestService().PrepareUserEnv(), -1);

        EXPECT_EQ(Snapshot(app_dir), before);
        EXPECT_FALSE(Exists(Backup(0)));
        EXPECT_EQ(CountLog("ERROR", c.reason), 1);
    }
    EXPECT_EQ(CountLog("ERROR", "Failed to extract package, rollback to old installation"), 2);
}

// As root every file is readable: the service runs as nobody, on a tree nobody owns.
TEST_F(DeployTest, UnreadablePackageFileAsUnprivilegedUser)
{
    SKIP_UNLESS_ROOT();
    WriteFile(package_dir + "/secret", "s", 0000);
    const std::string copy_failed =
        "FSCopyPath: failed to copy from '" + package_dir + "/secret' to '" + app_dir + "/secret'";
    for (const bool with_old_copy : {true, false}) {
        SCOPED_TRACE(with_old_copy ? "with_old_copy" : "first_install");
        fs::remove_all(tarnwell_dir);
        if (with_old_copy) {
            MakeOldCopy();
        }
        fs::create_directories(tarnwell_dir);
        lchown(tarnwell_dir.c_str(), 65534, 65534);
        for (const auto& entry : fs::recursive_directory_iterator(tarnwell_dir)) {
            lchown(entry.path().c_str(), 65534, 65534);
        }
        const auto before = Snapshot(tarnwell_dir);
        const int copy_failures_before = CountLog("ERROR", copy_failed);

        const int status = RunAsNobody([] { return TestService().PrepareUserEnv() == -1 ? 0 : 1; });
        EXPECT_EQ(status, 0);

        EXPECT_EQ(CountLog("ERROR", copy_failed), copy_failures_before + 1);
        if (with_old_copy) {
            EXPECT_EQ(Snapshot(tarnwell_dir), before);  // byte for byte
        } else {
            // Nothing to go back to: the partial copy stays.
            EXPECT_TRUE(fs::is_directory(app_dir));
            EXPECT_FALSE(Exists(app_dir + "/secret"));
        }
    }
    EXPECT_EQ(CountLog("ERROR", "Failed to extract package, rollback to old installation"), 1);
    EXPECT_EQ(CountLog("ERROR", "Failed to extract package, and no old installation to rollback"), 1);
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
