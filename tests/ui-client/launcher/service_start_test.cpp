// What a start does around the deployment: the upgrade decision before it,
// and the legacy folder's clean-up after it.
#include <filesystem>

#include "service_test_support.h"

// Only the [Version] group is read and only build numbers count, read as
// atoi reads them; never a downgrade; a missing UI program forces a deployment.
TEST_F(ServiceTest, UpgradeDecision)
{
    struct Case {
        const char* source;  // the copy's INFO, in [Version] unless it starts a group; nullptr: none
        const char* target_build;
        bool ui_program, upgrade;
        const char* read;  // major|minor|build|icon overlay
    };
    const Case cases[] = {
        {"build_version=1200", "1300", true, true, "||1200|"},  {"build_version=1300", "1300", true, false, "||1300|"},
        {"build_version=1400", "1300", true, false, "||1400|"}, {nullptr, "1300", true, true, "|||"},
        {"build_version=12a", "12", true, false, "||12a|"},     {"build_version=abc", "1", true, true, "||abc|"},
        {"build_version=-5", "0", true, true, "||-5|"},         {"build_version=1300", "1300", false, true, "||1300|"},
        {"major_version=3\nbuild_version=50", "60", true, true, "3||50|"},
        {"[General]\nbuild_version=1\n[Version]\nmajor_version=3\nminor_version=1\nbuild_version=1200\n"
         "icon_overlay_version=7\n[Other]\nbuild_version=2", "1300", true, true, "3|1|1200|7"},
        {"[General]\nbuild_version=5\n[Other]\nbuild_version=6", "1", true, true, "|||"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.source ? c.source : "no INFO") + " to " + c.target_build);
        // Fresh paths per row: QSettings may serve a rewritten file from its cache.
        RegisterHome(scratch / std::to_string(&c - cases));
        if (c.source) {
            WriteFile(app_dir + "/INFO", (c.source[0] == '[' ? "" : "[Version]\n") + std::string(c.source) + "\n");
        }
        WriteFile(root_dir + "/INFO", "[Version]\nmajor_version=2\nbuild_version=" + std::string(c.target_build));
        WriteFile(c.ui_program ? ui_program : app_dir + "/bin/other", "");
        TestService service;
        service.PreUpgrade();
        EXPECT_EQ(service.IsNeedUpgrade(), c.upgrade);
        const Service::VersionInfo& v = service.source_version;
        EXPECT_EQ(v.major_version + "|" + v.minor_version + "|" + v.build_version + "|" + v.icon_overlay_version,
                  c.read);
    }
}

// The legacy app folder goes, the user's data beside it stays; a legacy
// folder that is a link leads out of the home and is not followed.
TEST_F(ServiceTest, RemoveAgedFoldersTakesOnlyTheAppFolder)
{
    WriteFile(hollowmere_dir + "/app/bin/old-ui", "old");
    WriteFile(hollowmere_dir + "/data/db", "user data");
    LinuxService().RemoveAgedFolders();
    EXPECT_FALSE(Exists(hollowmere_dir + "/app"));
    EXPECT_EQ(ReadFile(hollowmere_dir + "/data/db"), "user data");
    RegisterHome(scratch.path());
    WriteFile(scratch / "elsewhere/app/file", "not ours");
    std::filesystem::create_directory_symlink(scratch / "elsewhere", hollowmere_dir);
    LinuxService().RemoveAgedFolders();
    EXPECT_EQ(ReadFile(scratch / "elsewhere/app/file"), "not ours");
}
