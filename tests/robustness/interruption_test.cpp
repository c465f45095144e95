// SIGKILLs the real launcher inside the copy of a deployment, at each rename
// of the swap and after it, then runs it again; and fails the swap's second
// rename, which must put the old copy back. strace's fault injection
// makes the points exact: by time the swap is never hit. At every point one
// copy must be whole, where a start looks or under the backup name, and the
// rerun must leave the complete new copy alone. ROBUSTNESS_PACKAGE names a
// prepared package tree (default: a 12 MB one made here),
// ROBUSTNESS_KILL_POINTS the kills inside the copy (default 3) and
// ROBUSTNESS_REPORT a file that receives the figures as key=value lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "staged_package.h"

namespace fs = std::filesystem;
using namespace launcher_test;

namespace {

// Hard links: the launcher only renames and removes what it replaces.
constexpr auto kLinked = fs::copy_options::recursive | fs::copy_options::copy_symlinks | fs::copy_options::create_hard_links;

std::string Environment(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

TEST(InterruptionTest, kill_during_deployment_keeps_a_whole_copy_and_rerun_repairs)
{
    if (!Exists("/usr/bin/strace")) {
        GTEST_SKIP() << "strace is not installed: no way to stop the launcher at a chosen call";
    }
    ScratchDir tmp;
    const std::string root = tmp / "root", home = tmp / "home", package = root + "/package/hollowmere";
    const std::string prepared = Environment("ROBUSTNESS_PACKAGE", "");
    fs::create_directories(root + "/package");
    prepared.empty() ? MakeSyntheticPackage(package, 0.04, 1300, 1300)
                     : fs::copy(prepared, package, kLinked);
    MakeSyntheticPackage(tmp / "old", 0.02, 1200, 1200);
    WriteFile(root + "/INFO", "[Version]\nbuild_version=1300\n");
    const Tree fresh = ReadTree(package), old = ReadTree(tmp / "old");

    // Start-up opens a few dozen files and the size walk each folder once;
    // then the copy opens each folder and a source and a target per file:
    // points spread over that last stretch land inside the copy.
    const size_t folders = 1 + std::count_if(fresh.begin(), fresh.end(), [](const auto& node) { return node.second == "/"; });
    const size_t copyOpens = folders + 2 * (fresh.size() + 1 - folders);
    enum Whole { kOld, kOldAside, kNew };
    std::vector<std::tuple<std::string, size_t, Whole>> points;
    const int copyPoints = std::stoi(Environment("ROBUSTNESS_KILL_POINTS", "3"));
    for (int i = 1; i <= copyPoints; ++i) {
        points.emplace_back("openat", 40 + folders + copyOpens * i / (copyPoints + 1), kOld);
    }
    points.emplace_back("rename", 1, kOld);       // copy staged, the old one not yet moved aside
    points.emplace_back("rename", 2, kOldAside);  // the old one aside, the new one not yet in place
    points.emplace_back("fsync", 1, kNew);        // the new one in place, the old one not yet removed
    int whole = 0, repaired = 0;
    for (const auto& [call, nth, expected] : points) {
        SCOPED_TRACE(call + " " + std::to_string(nth));
        fs::remove_all(home);
        fs::create_directories(home + "/.Tarnwell");
        fs::copy(tmp / "old", AppDir(home), kLinked);
        const std::string inject = "inject=" + call + ":signal=KILL:when=" + std::to_string(nth);
        const Exit killed = StartLauncher(root, home, tmp / "run", tmp / "killed", {}, {},
                                          {"/usr/bin/strace", "-f", "-qq", "-o", "/dev/null", "-e", inject})
                                .Wait(std::chrono::seconds(120));

        EXPECT_FALSE(killed.exited) << "the launcher ran to its end";
        EXPECT_EQ(Exists(AppDir(home) + ".deploying"), expected != kNew) << "not killed inside the deployment";
        const bool wholeAtKill = ReadTree(AppDir(home)) == (expected == kNew ? fresh : expected == kOld ? old : Tree{}) &&
                                 ReadTree(AppDir(home) + "_tmp") == (expected == kOld ? Tree{} : old);
        EXPECT_TRUE(wholeAtKill);
        const Exit rerun = StartLauncher(root, home, tmp / "run", tmp / "rerun").Wait(std::chrono::seconds(300));
        EXPECT_TRUE(rerun.exited && rerun.status == 0) << rerun.errors;
        const bool complete = ReadTree(AppDir(home)) == fresh;
        EXPECT_TRUE(complete) << "the rerun left an incomplete copy";
        EXPECT_FALSE(Exists(AppDir(home) + "_tmp") || Exists(AppDir(home) + ".deploying")) << "the rerun left a backup";
        whole += wholeAtKill;
        repaired += complete;
    }
    // A swap whose second rename fails puts the old copy back for the client.
    fs::remove_all(home);
    fs::create_directories(home + "/.Tarnwell");
    fs::copy(tmp / "old", AppDir(home), kLinked);
    // LeakSanitizer stops the world with ptrace, which a traced run cannot.
    const std::vector<std::string> untraceable = {"ASAN_OPTIONS=" + Environment("ASAN_OPTIONS", "") + ":detect_leaks=0"};
    const Exit failed = StartLauncher(root, home, tmp / "run", tmp / "failed", untraceable, {},
                                      {"/usr/bin/strace", "-f", "-qq", "-o", "/dev/null", "-e", "inject=rename:error=EIO:when=2"})
                            .Wait(std::chrono::seconds(120));
    EXPECT_TRUE(failed.exited && failed.status == 0) << failed.errors;
    EXPECT_TRUE(ReadTree(AppDir(home)) == old) << "the old copy was not put back";
    EXPECT_FALSE(Exists(AppDir(home) + "_tmp") || Exists(AppDir(home) + ".deploying"));
    if (const std::string report = Environment("ROBUSTNESS_REPORT", ""); !report.empty()) {
        std::ofstream(report) << "kill_points=" << points.size() << "\nwhole_copy_at_kill=" << whole
                              << "\nrerun_left_complete_copy=" << repaired << "\n";
    }
}

}  // namespace
