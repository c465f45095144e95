// SIGKILLs the real launcher at points spread over the deployment of a
// synthetic package onto an older private copy, then runs it again normally.
// After every kill the old copy must still be whole (in place or under a
// backup name) unless the new copy was already complete, and the rerun must
// leave the complete new copy: no kill may leave a copy that a start accepts
// while it is incomplete.
//
// ROBUSTNESS_PACKAGE names a prepared package tree (default: a 12 MB one made
// here, small enough for the sanitizer legs), ROBUSTNESS_KILL_POINTS the
// number of kills that must land inside a deployment (default 40) and
// ROBUSTNESS_REPORT a file that receives the figures as key=value lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "launcher_process.h"
#include "child_process.h"
#include "staged_package.h"
#include "tree_snapshot.h"

namespace fs = std::filesystem;
using namespace launcher_test;


namespace {

constexpr int kOldBuild = 1200;
constexpr int kNewBuild = 1300;

std::string Environment(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

struct Figures {
    int killPoints = 0;
    int killedWhileRunning = 0;
    int killedInsideDeployment = 0;
    int oldCopyLost = 0;
    int oldCopyInPlace = 0;
    int oldCopyUnderBackup = 0;
    int newCopyComplete = 0;
    int upgradeTestAcceptedAtKill = 0;
    int rerunCompleted = 0;
    int incompleteAccepted = 0;
    int backupLeftAfterRerun = 0;
};

class InterruptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = tmp.path() + "/root";
        home = tmp.path() + "/home";
        const std::string package = root + "/package/hollowmere";
        const std::string prepared = Environment("ROBUSTNESS_PACKAGE", "");
        if (prepared.empty()) {
            MakeSyntheticPackage(package, 0.04, 1300, kNewBuild);
        } else {
            fs::create_directories(fs::path(package).parent_path());
            LinkTree(prepared, package);
        }
        WriteFile(root + "/INFO", "[Version]\nbuild_version=" + std::to_string(kNewBuild) + "\n");
        InstallLauncher(root);
        MakeSyntheticPackage(tmp.path() + "/old-copy", 0.02, 1200, kOldBuild);
        packageSnapshot = Snapshot(package);
        oldSnapshot = Snapshot(tmp.path() + "/old-copy");
    }

    // The home as the user had it: only the old private copy, hard-linked from
    // the pristine tree (the launcher only renames and removes it).
    void ResetHome()
    {
        fs::remove_all(home);
        fs::create_directories(home + "/.Tarnwell");
        LinkTree(tmp.path() + "/old-copy", AppDir(home));
        fs::remove_all(tmp.path() + "/run");
        fs::create_directories(tmp.path() + "/run");
    }

    LauncherProcess Start() { return LauncherProcess(root, home, tmp.path() + "/run", tmp.path() + "/capture"); }

    bool OldCopyUnderBackup() const
    {
        for (const fs::directory_entry& entry : fs::directory_iterator(home + "/.Tarnwell")) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("Tarnwell.app_tmp", 0) == 0 && Snapshot(entry.path().string()) == oldSnapshot) {
                return true;
            }
        }
        return false;
    }

    bool BackupLeft() const
    {
        for (const fs::directory_entry& entry : fs::directory_iterator(home + "/.Tarnwell")) {
            if (entry.path().filename().string().rfind("Tarnwell.app_tmp", 0) == 0) {
                return true;
            }
        }
        return false;
    }

    ScratchDir tmp;
    std::string root;
    std::string home;
    TreeSnapshot packageSnapshot;
    TreeSnapshot oldSnapshot;
};

void WriteReport(const Figures& figures, std::chrono::milliseconds normalRun, std::chrono::milliseconds copyStarted)
{
    const std::string path = Environment("ROBUSTNESS_REPORT", "");
    if (path.empty()) {
        return;
    }
    std::ofstream report(path);
    report << "normal_run_ms=" << normalRun.count() << "\n"
           << "copy_started_ms=" << copyStarted.count() << "\n"
           << "kill_points=" << figures.killPoints << "\n"
           << "killed_while_running=" << figures.killedWhileRunning << "\n"
           << "killed_inside_deployment=" << figures.killedInsideDeployment << "\n"
           << "old_copy_lost=" << figures.oldCopyLost << "\n"
           << "old_copy_in_place=" << figures.oldCopyInPlace << "\n"
           << "old_copy_under_backup=" << figures.oldCopyUnderBackup << "\n"
           << "new_copy_complete_at_kill=" << figures.newCopyComplete << "\n"
           << "copy_taken_as_current_at_kill=" << figures.upgradeTestAcceptedAtKill << "\n"
           << "rerun_left_complete_copy=" << figures.rerunCompleted << "\n"
           << "incomplete_copy_accepted=" << figures.incompleteAccepted << "\n"
           << "backup_left_after_rerun=" << figures.backupLeftAfterRerun << "\n";
}

}  // namespace

TEST_F(InterruptionTest, kill_during_deployment_keeps_old_copy_and_rerun_repairs)
{
    // Normal deployments first: they must succeed, and the fastest of them
    // times the kill points, spread from the moment its staging folder
    // appeared to its end: most land inside the copy, the last ones in the
    // swap and the clean-up.
    using Milliseconds = std::chrono::milliseconds;
    Milliseconds copyStarted = std::chrono::hours(1);
    Milliseconds normalRun = std::chrono::hours(1);
    for (int run = 0; run < 3; ++run) {
        ResetHome();
        const auto started = std::chrono::steady_clock::now();
        const auto elapsed = [&started] {
            return std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - started);
        };
        LauncherProcess launcher = Start();
        while (!Exists(AppDir(home) + ".deploying") && !Exists(AppDir(home) + "_tmp") &&
               elapsed() < std::chrono::seconds(10)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        copyStarted = std::min(copyStarted, elapsed());
        const LauncherResult normal = launcher.Wait(std::chrono::seconds(300));
        normalRun = std::min(normalRun, elapsed());
        ASSERT_TRUE(normal.exited && normal.status == 0) << normal.errors;
        ASSERT_TRUE(Snapshot(AppDir(home)) == packageSnapshot) << Difference(packageSnapshot, Snapshot(AppDir(home)));
    }
    copyStarted = std::min(copyStarted, normalRun);

    // Runs on this machine vary by a factor of three or more, so the window
    // adapts: it shrinks after a kill that came too late and grows after one
    // inside. Points spread over it by the golden ratio, and more are made
    // until enough kills have landed inside a deployment (or a cap is hit).
    Figures figures;
    const int wanted = std::stoi(Environment("ROBUSTNESS_KILL_POINTS", "40"));
    const int cap = wanted * 4;
    double window = static_cast<double>((normalRun - copyStarted).count());
    double fraction = 0;
    for (int point = 1; point <= cap && figures.killedInsideDeployment < wanted; ++point) {
        ++figures.killPoints;
        fraction = std::fmod(fraction + 0.6180339887, 1.0);
        const Milliseconds killAfter = copyStarted + Milliseconds(static_cast<long>(window * fraction));
        SCOPED_TRACE("kill point " + std::to_string(point) + " at " + std::to_string(killAfter.count()) + " ms");
        ResetHome();

        LauncherProcess launcher = Start();
        std::this_thread::sleep_for(killAfter);
        const LauncherResult killed = launcher.Wait(std::chrono::seconds(0));
        figures.killedWhileRunning += killed.exited ? 0 : 1;
        // Inside: the launcher was still at work and its copy or backup was on disk.
        const bool deploying = Exists(AppDir(home) + ".deploying") || BackupLeft();
        figures.killedInsideDeployment += !killed.exited && deploying ? 1 : 0;
        window = killed.exited ? std::max(10.0, window * 0.9) : window * 1.03;

        const TreeSnapshot atKill = Snapshot(AppDir(home));
        const bool oldInPlace = atKill == oldSnapshot;
        const bool oldUnderBackup = !oldInPlace && OldCopyUnderBackup();
        const bool newComplete = atKill == packageSnapshot;
        figures.oldCopyInPlace += oldInPlace ? 1 : 0;
        figures.oldCopyUnderBackup += oldUnderBackup ? 1 : 0;
        figures.newCopyComplete += newComplete ? 1 : 0;
        figures.oldCopyLost += oldInPlace || oldUnderBackup || newComplete ? 0 : 1;
        EXPECT_TRUE(oldInPlace || oldUnderBackup || newComplete)
            << "neither the old copy nor a complete new one survived the kill:\n"
            << Difference(packageSnapshot, atKill);
        // The launcher's upgrade test: build number and UI program, nothing else.
        const bool upgradeTestAccepts = BuildOf(AppDir(home) + "/INFO") == std::to_string(kNewBuild) &&
                                   Exists(AppDir(home) + "/bin/tarnwell-ui");
        figures.upgradeTestAcceptedAtKill += upgradeTestAccepts ? 1 : 0;
        EXPECT_TRUE(!upgradeTestAccepts || newComplete) << "a start would take an incomplete copy as current";

        const LauncherResult rerun = Start().Wait(std::chrono::seconds(300));
        EXPECT_TRUE(rerun.exited && rerun.status == 0) << rerun.errors;
        const TreeSnapshot afterRerun = Snapshot(AppDir(home));
        if (afterRerun == packageSnapshot) {
            ++figures.rerunCompleted;
        } else {
            ++figures.incompleteAccepted;
            ADD_FAILURE() << "the rerun left an incomplete copy:\n" << Difference(packageSnapshot, afterRerun);
        }
        figures.backupLeftAfterRerun += BackupLeft() ? 1 : 0;
        EXPECT_FALSE(BackupLeft() || Exists(AppDir(home) + ".deploying")) << "the rerun left a backup or staging folder";
    }
    WriteReport(figures, normalRun, copyStarted);
    RecordProperty("incomplete_copy_accepted", figures.incompleteAccepted);
    RecordProperty("killed_inside_deployment", figures.killedInsideDeployment);
    // A test whose kills all came after the copy ended would prove nothing.
    EXPECT_GE(figures.killedInsideDeployment, wanted);
}
