// Deployment of the package into the private copy: staging, backups, rollback.
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "adapter.h"
#include "service_test_support.h"

namespace fs = std::filesystem;
using Reason = Service::FailureReason;

class DeployTest : public ServiceTest {
protected:
    DeployTest()
    {
        WriteFile(package_dir + "/bin/tarnwell-ui", "new ui");
        WriteFile(ui_program, "old ui");
    }

    std::string Backup(int number) const { return app_dir + "_tmp" + (number ? std::to_string(number) : ""); }

    // PrepareUserEnv or the whole upgrade, with few descriptors, as nobody on a folder handed to nobody
    // when the suite runs as root, whom no permission binds, else as this user. 0 when all is as expected.
    int Prepare(int expected, Reason reason, bool through_upgrade = false)
    {
        if (CanDropPrivileges() && std::system(("chown -hR 65534:65534 " + tarnwell_dir).c_str()) != 0) {
            return -1;
        }
        return RunInChild([&] {
            const rlimit few = {64, 64};
            setrlimit(RLIMIT_NOFILE, &few);
            TestService service;
            const int result = through_upgrade ? service.HandlePackageUpgrade() : service.PrepareUserEnv();
            return result == expected && service.LastFailure().reason == reason ? 0 : 1;
        }, CanDropPrivileges()).status;
    }
};

// Backups and an unfinished copy left by interrupted runs go, a read-only
// folder inside them too: else each strands a backup name. No listing stays
// open while the copy descends, so a tree deeper than the descriptor limit
// arrives whole; a link arrives as the file it names.
TEST_F(DeployTest, UpgradeReplacesTheCopyAndClearsEveryLeftover)
{
    for (const std::string& stale : {Backup(0), Backup(2), Backup(9), app_dir + ".deploying"}) {
        WriteFile(stale + "/locked/left-over", "x");
        chmod((stale + "/locked").c_str(), 0555);
    }
    fs::create_symlink("tarnwell-ui", package_dir + "/bin/link");
    std::string deepest = "/bottom";
    for (int level = 0; level < 300; ++level) {
        deepest = "/d" + deepest;
    }
    WriteFile(package_dir + deepest, "reached");
    EXPECT_EQ(Prepare(0, Reason::None), 0);

    EXPECT_EQ(ReadFile(app_dir + deepest), "reached");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(app_dir + "/bin/link")));
    EXPECT_EQ(log.Count("ERROR", "failed to backup app from '" + app_dir + "' -> '" + Backup(0) + "'"), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(tarnwell_dir), {}), 1) << "a backup or the staging copy is left";
}

// Whatever stops the deployment, the copy in place stays as it was, or stays
// absent on a first install, and nothing half-done is left beside it.
TEST_F(DeployTest, FailedDeploymentLeavesTheCopyInPlaceAlone)
{
    struct Case {
        bool first_install;
        std::function<void()> prepare;
        Reason reason;
        std::string error;
    };
    const Case cases[] = {
        {false, [&] { fs::remove_all(package_dir); }, Reason::PackageUnreadable,
         "FSCopyPath: source path '" + package_dir + "' does not exist"},
        {true, [&] { fs::create_directory_symlink(scratch.path(), package_dir + "/linked"); },
         Reason::PackageUnreadable,
         "FSCopyPath: failed to copy from '" + package_dir + "/linked' to '" + app_dir + ".deploying/linked'"},
        // Opened without blocking and refused: the copy used to wait for a writer for ever.
        {false, [&] { mkfifo((package_dir + "/pipe").c_str(), 0644); }, Reason::PackageUnreadable,
         "FSCopyPath: '" + package_dir + "/pipe' is neither file, folder nor link"},
        {true, [&] { WriteFile(package_dir + "/secret", "s", 0); }, Reason::PackageUnreadable,
         "CopyFile: open(" + package_dir + "/secret): Permission denied (13)"},
        // A folder that could not be listed used to arrive empty and count as copied.
        {false, [&] { chmod((package_dir + "/bin").c_str(), 0311); }, Reason::PackageUnreadable,
         "FSCopyPath: failed to list '" + package_dir + "/bin': Permission denied"},
        {false, [&] { chmod(tarnwell_dir.c_str(), 0555); }, Reason::Permission,
         "FSCopyPath: failed to create dest folder '" + app_dir + ".deploying'"},
        {false, [&] { for (int n = 0; n < 10; ++n) { WriteFile(Backup(n) + "/left-over", "x"); } }, Reason::Other,
         "Please check if '" + app_dir + "' is writable. It may be locked by another process (e.g., CLI's working "
         "directory is set to the target)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        fs::remove_all(tarnwell_dir);
        WriteFile(c.first_install ? tarnwell_dir + "/log" : ui_program, "old");
        chmod((package_dir + "/bin").c_str(), 0755);
        fs::remove_all(package_dir);
        WriteFile(package_dir + "/bin/tarnwell-ui", "new ui");
        c.prepare();
        const Tree before = ReadTree(tarnwell_dir);
        EXPECT_EQ(Prepare(-1, c.reason), 0);

        EXPECT_EQ(ReadTree(tarnwell_dir), before);
        EXPECT_EQ(log.Count("ERROR", c.error), 1);
    }
    EXPECT_EQ(log.Count("ERROR", "-> '" + Backup(9) + "' at max retries, exiting"), 1);
    EXPECT_EQ(log.Count("ERROR", "Failed to extract package, rollback to old installation"), 4);
    EXPECT_EQ(log.Count("ERROR", "Failed to extract package, and no old installation to rollback"), 2);
}

// A home mounted read-only is a permission failure, which the user can act
// on, not an unexplained one.
TEST_F(DeployTest, ReadOnlyHomeIsAPermissionFailure)
{
    SKIP_UNLESS_ROOT();
    const ChildResult child = RunInChild([&] {
        const char* folder = tarnwell_dir.c_str();
        if (!EnterPrivateMountNamespace() ||
            mount(folder, folder, nullptr, MS_BIND, nullptr) != 0 ||
            mount(nullptr, folder, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            return kNoPrivateMounts;
        }
        TestService service;
        return service.PrepareUserEnv() == -1 && service.LastFailure().reason == Reason::Permission ? 0 : 1;
    });
    if (child.status == kNoPrivateMounts) {
        GTEST_SKIP() << "no private mount namespace here";
    }
    EXPECT_EQ(child.status, 0);
}

// The bar follows the bytes: thousandths that never go back, ending full.
TEST_F(DeployTest, ProgressRisesWithTheBytesToTheEnd)
{
    for (int file = 0; file < 8; ++file) {
        WriteFile(package_dir + "/data/part" + std::to_string(file), std::string(200000, 'p'));
    }
    std::vector<int> steps;
    const QMetaObject::Connection connection = QObject::connect(
        &Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
        [&steps](int total, int step) { steps.push_back(total == 1000 ? step : -1); });
    EXPECT_EQ(TestService().PrepareUserEnv(), 0);
    QObject::disconnect(connection);

    ASSERT_GE(steps.size(), 8u);
    EXPECT_EQ(steps.front(), 0);
    EXPECT_EQ(steps.back(), 1000);
    EXPECT_TRUE(std::adjacent_find(steps.begin(), steps.end(), std::greater_equal<int>()) == steps.end());
}

TEST_F(DeployTest, ExtractPackageUnpacksIntoTheAppFolder)
{
    ASSERT_EQ(std::system(("bsdtar -czf " + root_dir + "/package/hollowmere.kpg -C " + package_dir + " .").c_str()), 0);
    ASSERT_EQ(TestService().ExtractPackage(), 0);
    EXPECT_EQ(ReadFile(ui_program), "new ui");
}
