// Deploys a package onto a home folder that is a small tmpfs, mounted in a
// private mount namespace of this test process (skipped where the machine
// does not allow that). When the package does not fit, nothing may change;
// when the space runs out anyway halfway (too few inodes, which no free-space
// figure shows), the old copy must come back byte for byte. Either way the
// user is told why and the log's ERROR records name what failed.
#include <gmock/gmock.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "log_records.h"
#include "staged_package.h"

using namespace launcher_test;
using namespace testing;

namespace {

TEST(FullDiskTest, package_that_does_not_fit_is_refused_and_one_that_runs_out_is_rolled_back)
{
    if (!EnterPrivateMountNamespace()) {
        GTEST_SKIP() << "no private mount namespace here: " << strerror(errno);
    }
    ScratchDir tmp;
    const std::string root = tmp / "root", home = tmp / "home";
    MakeSyntheticPackage(root + "/package/hollowmere", 0.07, 1300, 1300);  // 24 MB
    WriteFile(root + "/INFO", "[Version]\nbuild_version=1300\n");
    std::filesystem::create_directories(home);
    struct Case {
        const char* options;
        std::vector<std::string> records;  // patterns each matched by one of the ERROR records
        const char* told;                  // what standard error tells the user
        bool refused;                      // before the copy began
    };
    const Case cases[] = {
        {"size=14m",  // room for the old copy and the log only
         {"not enough space in '" + home + "/.Tarnwell' for the new version: .* bytes free", "Failed to upgrade package"},
         "There is not enough free space on .*/home/.Tarnwell \\(.* needed, .* available\\)\\.", true},
        {"size=128m,nr_inodes=600",
         {"No space left on device \\(28\\)", "FSCopyPath: failed to copy from '" + root + "/package/hollowmere/.*' to '" +
          AppDir(home) + ".deploying/", "Failed to extract package, rollback to old installation", "Failed to upgrade package"},
         "There is not enough space on the disk that holds .*/home/", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        if (mount("tmpfs", home.c_str(), "tmpfs", 0, (std::string(c.options) + ",mode=0755").c_str()) != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs as the home folder: " << strerror(errno);
        }
        MakeSyntheticPackage(AppDir(home), 0.02, 1200, 1200);
        const Tree old = ReadTree(AppDir(home));

        const Exit run = StartLauncher(root, home, tmp / "run", tmp / "capture").Wait();

        EXPECT_TRUE(run.exited && run.status == 0) << run.status;
        EXPECT_TRUE(ReadTree(AppDir(home)) == old) << "the old copy was not kept whole";
        EXPECT_FALSE(Exists(AppDir(home) + "_tmp") || Exists(AppDir(home) + ".deploying"));
        std::vector<Matcher<std::string>> records;
        for (const std::string& pattern : c.records) {
            records.push_back(ContainsRegex(pattern));
        }
        const std::vector<std::string> errors = LogMessages(ReadFile(home + "/.Tarnwell/log/launcher.log"), "ERROR");
        EXPECT_THAT(errors, IsSupersetOf(records));
        if (c.refused) {
            EXPECT_THAT(errors, Each(Not(HasSubstr("CopyFile:")))) << "the copy began";
        }
        EXPECT_THAT(run.errors, ContainsRegex(c.told));
        umount2(home.c_str(), MNT_DETACH);
    }
}

}  // namespace
