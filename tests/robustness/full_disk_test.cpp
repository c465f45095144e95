// Deploys a package onto a home folder that is a small tmpfs. When the package
// does not fit, nothing may change and the client is not stopped; when the
// space runs out anyway half way (here: the tmpfs has too few inodes, which no
// free-space figure shows), the old private copy must come back byte for byte
// and the log must name what failed. The tmpfs is mounted in a private mount
// namespace of this test process; where the machine does not allow that (no
// root, no namespaces), the test is skipped.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "launcher_process.h"
#include "log_records.h"
#include "staged_package.h"
#include "child_process.h"
#include "staged_package.h"
#include "tree_snapshot.h"

namespace fs = std::filesystem;
using namespace launcher_test;


namespace {

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = tmp.path() + "/root";
        home = tmp.path() + "/home";
        fs::create_directories(home);
        fs::create_directories(tmp.path() + "/run");
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            GTEST_SKIP() << "no private mount namespace here: " << strerror(errno);
        }
        MakeSyntheticPackage(root + "/package/hollowmere", 0.07, 1300, 1300);
        WriteFile(root + "/INFO", "[Version]\nbuild_version=1300\n");
        WriteFile(root + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\n");
        InstallLauncher(root);
        MakeSyntheticPackage(tmp.path() + "/old-copy", 0.02, 1200, 1200);
    }

    // False (and the test skipped) when the tmpfs cannot be mounted.
    bool MountHome(const std::string& options)
    {
        if (mount("tmpfs", home.c_str(), "tmpfs", 0, (options + ",mode=0755").c_str()) != 0) {
            return false;
        }
        mounted = true;
        fs::create_directories(home + "/.Tarnwell");
        fs::copy(tmp.path() + "/old-copy", AppDir(home), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        return true;
    }

    void TearDown() override
    {
        if (mounted) {
            umount2(home.c_str(), MNT_DETACH);
        }
    }

    // Runs the launcher; the old copy must be in place, alone. Returns the ERROR messages.
    std::vector<std::string> RunAndKeepOldCopy()
    {
        const LauncherResult run = RunLauncher(root, home, tmp.path() + "/run", tmp.path() + "/capture");
        EXPECT_TRUE(run.exited);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(SameBytes(tmp.path() + "/old-copy", AppDir(home)))
            << Difference(Snapshot(tmp.path() + "/old-copy"), Snapshot(AppDir(home)));
        EXPECT_FALSE(Exists(AppDir(home) + "_tmp"));
        EXPECT_FALSE(Exists(AppDir(home) + ".deploying"));
        return LogMessages(ReadFile(home + "/.Tarnwell/log/launcher.log"), "ERROR");
    }

    ScratchDir tmp;
    std::string root;
    std::string home;
    bool mounted = false;
};

bool AnyLineHas(const std::vector<std::string>& lines, const std::string& a, const std::string& b = "")
{
    for (const std::string& line : lines) {
        if (line.find(a) != std::string::npos && line.find(b) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

}  // namespace

// 14 MiB: room for the old copy and the log, not for the 24 MB package.
TEST_F(FullDiskTest, package_that_does_not_fit_is_refused_before_anything_changes)
{
    if (!MountHome("size=14m")) {
        GTEST_SKIP() << "cannot mount a tmpfs as the home folder: " << strerror(errno);
    }
    const std::vector<std::string> errors = RunAndKeepOldCopy();

    EXPECT_TRUE(AnyLineHas(errors, "not enough space in '" + home + "/.Tarnwell' for the new version: ", "bytes free"))
        << Joined(errors);
    EXPECT_TRUE(AnyLineHas(errors, "Failed to upgrade package")) << Joined(errors);
    EXPECT_FALSE(AnyLineHas(errors, "CopyFile:")) << "the copy began";
}

// Bytes to spare but only 600 inodes: the copy fails part way through.
TEST_F(FullDiskTest, copy_out_of_space_restores_old_copy_and_logs_the_cause)
{
    if (!MountHome("size=128m,nr_inodes=600")) {
        GTEST_SKIP() << "cannot mount a tmpfs as the home folder: " << strerror(errno);
    }
    const std::vector<std::string> errors = RunAndKeepOldCopy();

    EXPECT_TRUE(AnyLineHas(errors, "No space left on device (28)")) << Joined(errors);
    EXPECT_TRUE(AnyLineHas(errors, "FSCopyPath: failed to copy from '" + root + "/package/hollowmere/",
                           "' to '" + AppDir(home) + ".deploying/"))
        << Joined(errors);
    EXPECT_TRUE(AnyLineHas(errors, "Failed to extract package, rollback to old installation")) << Joined(errors);
    EXPECT_TRUE(AnyLineHas(errors, "Failed to upgrade package")) << Joined(errors);
}
