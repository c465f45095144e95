// Deploys a package onto a home folder that is a small tmpfs, so that the copy
// runs out of space half way: the old private copy must come back byte for
// byte and the log must name what failed. The tmpfs is mounted in a private
// mount namespace of this test process; where the machine does not allow that
// (no root, no namespaces), the test is skipped.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "e2e_fixture.h"
#include "launcher_test_support.h"
#include "tree_snapshot.h"

namespace fs = std::filesystem;
using namespace launcher_test;
using namespace robustness;

namespace {

// Room for the old copy, the log and about half of the new package.
constexpr long kHomeBytes = 14L << 20;

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
        const std::string options = "size=" + std::to_string(kHomeBytes) + ",mode=0755";
        if (mount("tmpfs", home.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs as the home folder: " << strerror(errno);
        }
        mounted = true;

        MakeSyntheticPackage(root + "/package/hollowmere", 0.07, 1300, 1300);
        WriteFile(root + "/INFO", "[Version]\nbuild_version=1300\n");
        WriteFile(root + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\n");
        InstallLauncher(root);
        MakeSyntheticPackage(tmp.path() + "/old-copy", 0.02, 1200, 1200);
        fs::create_directories(home + "/.Tarnwell");
        fs::copy(tmp.path() + "/old-copy", AppDir(home), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }

    void TearDown() override
    {
        if (mounted) {
            umount2(home.c_str(), MNT_DETACH);
        }
    }

    TempFolder tmp;
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

}  // namespace

TEST_F(FullDiskTest, copy_out_of_space_restores_old_copy_and_logs_paths)
{
    const LauncherResult run = RunLauncher(root, home, tmp.path() + "/run", tmp.path() + "/capture");
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);

    EXPECT_TRUE(SameBytes(tmp.path() + "/old-copy", AppDir(home)))
        << Difference(Snapshot(tmp.path() + "/old-copy"), Snapshot(AppDir(home)));
    EXPECT_FALSE(Exists(AppDir(home) + "_tmp"));

    const std::string log = ReadFile(home + "/.Tarnwell/log/launcher.log").value_or("");
    const std::vector<std::string> errors = Messages(log, "ERROR");
    EXPECT_TRUE(AnyLineHas(errors, "CopyFile: write: No space left on device (28)")) << log;
    EXPECT_TRUE(AnyLineHas(errors, "FSCopyPath: failed to copy from '" + root + "/package/hollowmere/",
                           "' to '" + AppDir(home) + "/"))
        << log;
    EXPECT_TRUE(AnyLineHas(errors, "Failed to extract package, rollback to old installation")) << log;
    EXPECT_TRUE(AnyLineHas(errors, "Failed to upgrade package")) << log;
}
