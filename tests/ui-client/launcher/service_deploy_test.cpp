// Deployment of the package into the private copy: staging, backups, rollback.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "service_test_support.h"

namespace fs = std::filesystem;

class DeployTest : public ServiceTest {
protected:
    DeployTest()
    {
        MakePackage();
        WriteFile(ui_program, "old ui");
        WriteFile(app_dir + "/data/settings", "user settings");
    }

    void MakePackage()
    {
        fs::remove_all(package_dir);
        WriteFile(package_dir + "/INFO", "[Version]\nbuild_version=1300\n");
        WriteFile(package_dir + "/bin/tarnwell-ui", "new ui", 0705);
    }

    std::string Backup(int number) const { return app_dir + "_tmp" + (number ? std::to_string(number) : ""); }

    // Every path below the user's folder with its mode and content.
    std::string Tree() const
    {
        std::string tree;
        for (const auto& entry : fs::recursive_directory_iterator(tarnwell_dir)) {
            struct stat st {};
            lstat(entry.path().c_str(), &st);
            tree += entry.path().string() + " " + std::to_string(st.st_mode) + " " + (S_ISREG(st.st_mode) ? ReadFile(entry.path()) : "") + "\n";
        }
        return tree;
    }

    // PrepareUserEnv under umask 022, as nobody on a folder handed to nobody
    // when the suite runs as root (whom no permission binds), else as this
    // user. 0 when the result and the failure reason are those expected.
    int Prepare(int expected, Service::FailureReason reason, const std::function<void()>& in_child = [] {})
    {
        if (CanDropPrivileges()) {
            lchown(tarnwell_dir.c_str(), kUnprivilegedId, kUnprivilegedId);
            for (const auto& entry : fs::recursive_directory_iterator(tarnwell_dir)) {
                lchown(entry.path().c_str(), kUnprivilegedId, kUnprivilegedId);
            }
        }
        return RunInChild([&] {
            umask(022);
            in_child();
            TestService service;
            return service.PrepareUserEnv() == expected && service.LastFailure().reason == reason ? 0 : 1;
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
    fs::create_symlink("INFO", package_dir + "/INFO.link");
    const std::string deepest = [] {
        std::string path;
        for (int level = 0; level < 300; ++level) {
            path += "/d";
        }
        return path + "/bottom";
    }();
    WriteFile(package_dir + deepest, "reached");

    const rlimit few = {64, 64};
    EXPECT_EQ(Prepare(0, Service::FailureReason::None, [&] { setrlimit(RLIMIT_NOFILE, &few); }), 0);

    EXPECT_EQ(ReadFile(app_dir + deepest), "reached");
    struct stat st {};
    EXPECT_TRUE(stat(ui_program.c_str(), &st) == 0 && (st.st_mode & 07777) == 0705);
    EXPECT_TRUE(lstat((app_dir + "/INFO.link").c_str(), &st) == 0 && S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(app_dir + "/INFO.link"), ReadFile(package_dir + "/INFO"));
    EXPECT_EQ(log.Count("ERROR", "failed to backup app from '" + app_dir + "' -> '" + Backup(0) + "'"), 1);
    EXPECT_EQ(Tree().find("user settings"), std::string::npos);
    for (const std::string& gone : {Backup(0), Backup(1), Backup(2), Backup(9), app_dir + ".deploying"}) {
        EXPECT_FALSE(Exists(gone)) << gone;
    }
}

TEST_F(DeployTest, AllTenBackupNamesTakenLeavesTheCopyAlone)
{
    std::vector<std::string> errors;
    for (int number = 0; number < 10; ++number) {
        WriteFile(Backup(number) + "/left-over", "x");
        errors.push_back("failed to backup app from '" + app_dir + "' -> '" + Backup(number) + "'");
    }
    errors.push_back(errors.back() + " at max retries, exiting");
    errors.push_back("Please check if '" + app_dir + "' is writable. It may be locked by another process (e.g., "
                     "CLI's working directory is set to the target).");
    const std::string before = Tree();

    EXPECT_EQ(TestService().PrepareUserEnv(), -1);

    EXPECT_EQ(log.Messages("ERROR"), errors);
    EXPECT_EQ(Tree(), before);
}

// Whatever part of the package cannot be copied, the copy in place stays as
// it was (or absent on a first install) and nothing half-done is left.
TEST_F(DeployTest, FailedCopyLeavesTheCopyInPlaceAlone)
{
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { fs::remove_all(package_dir); }, "FSCopyPath: source path '" + package_dir + "' does not exist"},
        {[&] { fs::create_directory_symlink(scratch.path(), package_dir + "/linked"); },
         "FSCopyPath: failed to copy from '" + package_dir + "/linked' to '" + app_dir + ".deploying/linked'"},
        // Opened without blocking and refused: the copy used to wait for a writer for ever.
        {[&] { mkfifo((package_dir + "/pipe").c_str(), 0644); },
         "FSCopyPath: '" + package_dir + "/pipe' is neither file, folder nor link"},
        {[&] { WriteFile(package_dir + "/secret", "s", 0); },
         "CopyFile: open(" + package_dir + "/secret): Permission denied (13)"},
        // A folder that could not be listed used to arrive empty and count as copied.
        {[&] { chmod((package_dir + "/bin").c_str(), 0311); },
         "FSCopyPath: failed to list '" + package_dir + "/bin': Permission denied"},
    };
    for (const bool first_install : {false, true}) {
        for (const auto& [break_package, reason] : cases) {
            SCOPED_TRACE(reason + (first_install ? " on a first install" : ""));
            if (first_install) {
                fs::remove_all(app_dir);
            }
            chmod((package_dir + "/bin").c_str(), 0755);
            MakePackage();
            break_package();
            const std::string before = Tree();

            EXPECT_EQ(Prepare(-1, Service::FailureReason::PackageUnreadable), 0);

            EXPECT_EQ(Tree(), before);
            EXPECT_EQ(log.Count("ERROR", reason), first_install ? 2 : 1);
        }
    }
    EXPECT_EQ(log.Count("ERROR", "Failed to extract package, rollback to old installation"), 5);
    EXPECT_EQ(log.Count("ERROR", "Failed to extract package, and no old installation to rollback"), 5);
}

// Refused before anything changes, both figures told. The home is a tmpfs of
// 8 MiB, less than the 16 MiB kept free, in a child's own mount namespace.
TEST_F(DeployTest, PackageThatDoesNotFitIsRefused)
{
    SKIP_UNLESS_ROOT();
    const std::string home = scratch / "home";
    const ChildResult child = RunInChild([&] {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", home.c_str(), "tmpfs", 0, "size=8m") != 0) {
            return 77;
        }
        WriteFile(ui_program, "old ui");
        LinuxService service;
        const Service::Failure& failure = service.LastFailure();
        return service.HandlePackageUpgrade() == -1 && failure.reason == Service::FailureReason::OutOfSpace &&
                       failure.folder == tarnwell_dir && failure.needed_bytes > failure.free_bytes &&
                       failure.free_bytes > 0 && ReadFile(ui_program) == "old ui"
                   ? 0
                   : 1;
    });
    if (child.status == 77) {
        GTEST_SKIP() << "cannot mount a tmpfs in a private mount namespace";
    }
    EXPECT_EQ(child.status, 0) << child.stderr_text;
    EXPECT_EQ(log.Count("ERROR", "not enough space in '" + tarnwell_dir + "' for the new version: "), 1);
}

TEST_F(DeployTest, ExtractPackageUnpacksIntoTheAppFolder)
{
    fs::remove_all(app_dir);
    ASSERT_EQ(std::system(("bsdtar -czf " + root_dir + "/package/hollowmere.kpg -C " + package_dir + " .").c_str()), 0);
    ASSERT_EQ(TestService().ExtractPackage(), 0);
    EXPECT_EQ(ReadFile(ui_program), "new ui");
}
