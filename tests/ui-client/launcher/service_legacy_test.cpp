// Clean-up and migration of the legacy product's folder.
#include <filesystem>
#include <functional>

#include "service_test_support.h"
#include "uipathmanager.h"

namespace fs = std::filesystem;

TEST_F(ServiceTest, RemoveAgedFoldersTakesOnlyTheAppFolder)
{
    TestService service;
    service.RemoveAgedFolders();
    EXPECT_FALSE(Exists(hollowmere_dir));

    WriteFile(hollowmere_dir + "/app/bin/old-ui", "old");
    WriteFile(hollowmere_dir + "/data/db", "user data");
    WriteFile(hollowmere_dir + "/Hollowmere.app/INFO", "info");
    service.RemoveAgedFolders();

    EXPECT_FALSE(Exists(hollowmere_dir + "/app"));
    EXPECT_EQ(ReadFile(hollowmere_dir + "/data/db"), "user data");
    EXPECT_EQ(ReadFile(hollowmere_dir + "/Hollowmere.app/INFO"), "info");
    // Written on every run, whether there was a folder or not.
    EXPECT_EQ(CountLog("INFO", "removing aged app folder " + hollowmere_dir + "/app"), 2);
}

// A legacy folder that is a link leads out of the home: its target's app
// folder is somebody else's and stays.
TEST_F(ServiceTest, RemoveAgedFoldersNeverFollowsALinkedLegacyFolder)
{
    WriteFile(tmp + "/elsewhere/app/file", "not ours");
    fs::create_directories(fs::path(hollowmere_dir).parent_path());
    fs::create_directory_symlink(tmp + "/elsewhere", hollowmere_dir);

    TestService().RemoveAgedFolders();

    EXPECT_EQ(ReadFile(tmp + "/elsewhere/app/file"), "not ours");
    EXPECT_TRUE(fs::is_symlink(hollowmere_dir));
}

TEST_F(ServiceTest, MigrateService)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;  // after the legacy folder got its data
        std::function<void()> check;
        const char* error;  // the one ERROR line expected, if any
    };
    const Case cases[] = {
        {"data_moved", [&] { WriteFile(hollowmere_dir + "/app/x", "x"); },
         [&] {
             EXPECT_EQ(ReadFile(tarnwell_dir + "/data/db"), "user data");
             EXPECT_FALSE(Exists(hollowmere_dir));
         },
         nullptr},
        {"no_legacy_folder", [&] { fs::remove_all(hollowmere_dir); },
         [&] {
             EXPECT_TRUE(fs::is_directory(tarnwell_dir));
             EXPECT_FALSE(Exists(tarnwell_dir + "/data"));
         },
         nullptr},
        {"data_move_fails_keeps_data", [&] { WriteFile(tarnwell_dir + "/data/current", "current data"); },
         [&] {
             EXPECT_EQ(ReadFile(hollowmere_dir + "/data/db"), "user data");
             EXPECT_EQ(ReadFile(tarnwell_dir + "/data/current"), "current data");
         },
         "Failed to move data to Tarnwell folder"},
        {"tarnwell_folder_blocked",
         [&] {
             WriteFile(tmp + "/home/blocker", "a file, not a folder");
             UIPathManager::getInstance()->setPath(QStringLiteral("user_tarnwell_path"),
                                                   QString::fromStdString(tmp + "/home/blocker/.Tarnwell"));
         },
         [&] { EXPECT_EQ(ReadFile(hollowmere_dir + "/data/db"), "user data"); }, "Failed to create Tarnwell folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(tmp + "/home");
        RegisterUserPaths(tmp + "/home");
        WriteFile(hollowmere_dir + "/data/db", "user data");
        c.prepare();
        const std::string before = LogText();

        TestService().MigrateService();

        c.check();
        const std::string added = LogText().substr(before.size());
        EXPECT_EQ(added.find("[ERROR]") == std::string::npos, c.error == nullptr) << added;
        if (c.error) {
            EXPECT_NE(added.find(std::string(c.error) + "\n"), std::string::npos) << added;
        }
    }
}
