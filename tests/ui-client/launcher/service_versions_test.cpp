// Install location and the upgrade decision.
#include <QDir>

#include <cstdlib>

#include "service_test_support.h"

// Only the desktop "Deepin" with a data home set moves the copy there, as is.
TEST_F(ServiceTest, InstallPathFollowsDeepinDataHome)
{
    const char* const cases[][3] = {  // desktop (nullptr: not set), data home, expected (nullptr: home)
        {"Deepin", "/srv//u/", "/srv//u/"}, {"Deepin", "", nullptr}, {"deepin", "/srv/u", nullptr},
        {"Deepin:GNOME", "/srv/u", nullptr}, {nullptr, "/srv/u", nullptr}};
    for (const auto& c : cases) {
        c[0] ? setenv("XDG_CURRENT_DESKTOP", c[0], 1) : unsetenv("XDG_CURRENT_DESKTOP");
        setenv("XDG_DATA_HOME", c[1], 1);
        EXPECT_EQ(Service::GetUserInstallPath(), c[2] ? QString::fromLatin1(c[2]) : QDir::homePath()) << c[0];
    }
    unsetenv("XDG_CURRENT_DESKTOP");  // nothing else here reads them
    unsetenv("XDG_DATA_HOME");
}

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
        if (c.ui_program) {
            WriteFile(ui_program, "");
        }
        TestService service;
        service.PreUpgrade();
        EXPECT_EQ(service.IsNeedUpgrade(), c.upgrade);
        const Service::VersionInfo& v = service.source_version;
        EXPECT_EQ(v.major_version + "|" + v.minor_version + "|" + v.build_version + "|" + v.icon_overlay_version, c.read);
    }
}
