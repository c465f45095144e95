// What follows a deployment: the legacy folder's clean-up and the start.
#include <filesystem>

#include "service_test_support.h"

namespace fs = std::filesystem;

// The legacy app folder goes, the user's data beside it stays; a legacy
// folder that is a link leads out of the home and is not followed.
TEST_F(ServiceTest, RemoveAgedFoldersTakesOnlyTheAppFolder)
{
    WriteFile(hollowmere_dir + "/app/bin/old-ui", "old");
    WriteFile(hollowmere_dir + "/data/db", "user data");
    WriteFile(scratch / "elsewhere/app/file", "not ours");
    fs::create_directory_symlink(scratch / "elsewhere", scratch / ".Hollowmere");
    LinuxService().RemoveAgedFolders();
    SetPath("user_hollowmere_path", scratch / ".Hollowmere");
    LinuxService().RemoveAgedFolders();

    EXPECT_FALSE(Exists(hollowmere_dir + "/app"));
    EXPECT_EQ(ReadFile(hollowmere_dir + "/data/db"), "user data");
    EXPECT_EQ(ReadFile(scratch / "elsewhere/app/file"), "not ours");
}

// Not called by the launcher today: it moves the legacy data, or leaves it.
TEST_F(ServiceTest, MigrateServiceNeverLosesTheData)
{
    WriteFile(hollowmere_dir + "/data/db", "user data");
    WriteFile(tarnwell_dir + "/data/db", "current data");
    TestService().MigrateService();
    EXPECT_EQ(log.Count("ERROR", "Failed to move data to Tarnwell folder"), 1);
    fs::remove_all(tarnwell_dir);
    TestService().MigrateService();
    EXPECT_EQ(ReadFile(tarnwell_dir + "/data/db"), "user data");
}

// Waited for, from a path with a blank; its status does not matter.
TEST_F(ServiceTest, PostUpgradeRunsTheStartScript)
{
    RegisterHome(scratch / "my home");
    WriteFile(app_dir + "/package/start-stop", "#!/bin/sh\nsleep 0.2\necho \"$@\" > \"${0%/*}/marker\"\nexit 3\n", 0755);
    LinuxService().PostUpgrade();
    EXPECT_EQ(ReadFile(app_dir + "/package/marker"), "start\n");
}
