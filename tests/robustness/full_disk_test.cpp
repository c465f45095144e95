// Deploys a package onto a home folder that is a small tmpfs, mounted in a
// private mount namespace of this test process (skipped where the machine
// does not allow that). When the package does not fit, nothing may change;
// when the space runs out anyway halfway (too few inodes, which no free-space
// figure shows), the old copy must come back byte for byte. Either way the
// user is told why and the log names what failed.
#include <gmock/gmock.h>
#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "launcher_process.h"
#include "log_records.h"
#include "staged_package.h"

namespace fs = std::filesystem;
using namespace launcher_test;
using namespace testing;

namespace {

class FullDiskTest : public ::testing::Test {
protected:
    // Runs the launcher on a home of the given tmpfs options; the old copy
    // must be in place, alone. Returns the ERROR records, one text.
    std::string RunAndKeepOldCopy(const std::string& options)
    {
        fs::create_directories(home);
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", home.c_str(), "tmpfs", 0, (options + ",mode=0755").c_str()) != 0) {
            skipped = strerror(errno);
            return "";
        }
        MakeSyntheticPackage(root + "/package/hollowmere", 0.07, 1300, 1300);
        WriteFile(root + "/INFO", "[Version]\nbuild_version=1300\n");
        InstallLauncher(root);
        MakeSyntheticPackage(AppDir(home), 0.02, 1200, 1200);
        const Tree old = ReadTree(AppDir(home));
        run = StartLauncher(root, home, tmp / "run", tmp / "capture").Wait();
        EXPECT_TRUE(run.exited && run.status == 0) << run.status;
        EXPECT_TRUE(ReadTree(AppDir(home)) == old) << "the old copy was not restored whole";
        EXPECT_FALSE(Exists(AppDir(home) + "_tmp") || Exists(AppDir(home) + ".deploying"));
        std::string errors;
        for (const std::string& message : LogMessages(ReadFile(home + "/.Tarnwell/log/launcher.log"), "ERROR")) {
            errors += message + "\n";
        }
        return errors;
    }

    void TearDown() override { umount2(home.c_str(), MNT_DETACH); }

    ScratchDir tmp;
    const std::string root = tmp / "root";
    const std::string home = tmp / "home";
    std::string skipped;  // why the tmpfs could not be mounted
    Exit run;
};

// 14 MiB: room for the old copy and the log, not for the 24 MB package.
TEST_F(FullDiskTest, package_that_does_not_fit_is_refused_before_anything_changes)
{
    const std::string errors = RunAndKeepOldCopy("size=14m");
    if (!skipped.empty()) {
        GTEST_SKIP() << "no tmpfs home in a private mount namespace here: " << skipped;
    }
    EXPECT_THAT(errors, ContainsRegex("not enough space in '" + home + "/.Tarnwell' for the new version: .*bytes free"));
    EXPECT_THAT(errors, HasSubstr("Failed to upgrade package"));
    EXPECT_THAT(errors, Not(HasSubstr("CopyFile:"))) << "the copy began";
    EXPECT_THAT(run.errors, ContainsRegex("There is not enough free space on " + home + "/.Tarnwell \\(.* needed, .* available\\)\\."));
}

// Bytes to spare but only 600 inodes: the copy fails partway through.
TEST_F(FullDiskTest, copy_out_of_space_restores_old_copy_and_logs_the_cause)
{
    const std::string errors = RunAndKeepOldCopy("size=128m,nr_inodes=600");
    if (!skipped.empty()) {
        GTEST_SKIP() << "no tmpfs home in a private mount namespace here: " << skipped;
    }
    EXPECT_THAT(errors, HasSubstr("No space left on device (28)"));
    EXPECT_THAT(errors, ContainsRegex("FSCopyPath: failed to copy from '" + root + "/package/hollowmere/.*' to '" +
                                      AppDir(home) + ".deploying/"));
    EXPECT_THAT(errors, HasSubstr("Failed to extract package, rollback to old installation"));
    EXPECT_THAT(errors, HasSubstr("Failed to upgrade package"));
    EXPECT_THAT(run.errors, ContainsRegex("There is not enough space on the disk that holds " + home + "/"));
}

}  // namespace
