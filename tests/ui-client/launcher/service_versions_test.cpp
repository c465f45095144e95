// Install location, version files and the upgrade decision.
#include <QDir>

#include <cstdlib>
#include <string>

#include "service_test_support.h"

namespace {

// Sets or unsets an environment variable for one scope.
class EnvValue {
public:
    EnvValue(const char* name, const char* value) : name(name)
    {
        const char* old = getenv(name);
        if (old != nullptr) {
            saved = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvValue() { saved ? setenv(name, saved->c_str(), 1) : unsetenv(name); }

private:
    const char* name;
    std::optional<std::string> saved;
};

std::string Info(const std::string& major, const std::string& build)
{
    return "[Version]\nmajor_version=" + major + "\nbuild_version=" + build + "\n";
}

}  // namespace

TEST_F(ServiceTest, InstallPathFollowsDesktopAndDataHome)
{
    struct Case {
        const char* name;
        const char* desktop;    // nullptr: not set
        const char* data_home;  // nullptr: not set
        const char* expected;   // nullptr: the home folder
    };
    const Case cases[] = {
        {"desktop_unset", nullptr, "/srv/u", nullptr},
        {"deepin_with_data_home", "Deepin", "/srv/u", "/srv/u"},
        {"deepin_data_home_not_cleaned", "Deepin", "/srv//u/", "/srv//u/"},
        {"deepin_empty_data_home", "Deepin", "", nullptr},
        {"deepin_no_data_home", "Deepin", nullptr, nullptr},
        {"lower_case_deepin", "deepin", "/srv/u", nullptr},
        {"desktop_list", "Deepin:GNOME", "/srv/u", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnvValue desktop("XDG_CURRENT_DESKTOP", c.desktop);
        EnvValue data_home("XDG_DATA_HOME", c.data_home);
        const QString expected = c.expected ? QString::fromLatin1(c.expected) : QDir::homePath();
        EXPECT_EQ(Service::GetUserInstallPath(), expected);
    }
    EXPECT_EQ(CountLog("DEBUG", "Current Desktop is ubuntu:GNOME"), 1);
    EXPECT_EQ(CountLog("DEBUG", "Current Desktop is Deepin:GNOME"), 1);
    EXPECT_EQ(CountLog("DEBUG", "user install path is /srv/u"), 1);
    // Set but empty, and not set, both log the empty value.
    EXPECT_EQ(CountLog("DEBUG", "user install path is "), 2);
}

TEST_F(ServiceTest, SourceVersionReadsOnlyTheVersionGroup)
{
    struct Case {
        const char* name;
        const char* info;  // nullptr: no INFO in the private copy
        Service::VersionInfo expected;
        const char* log_line;
    };
    const Case cases[] = {
        {"all_fields",
         "[General]\nbuild_version=1\n[Version]\nmajor_version=3\nminor_version=1\nbuild_version=1200\n"
         "icon_overlay_version=7\n[Other]\nbuild_version=2\n",
         {"3", "1", "1200", "7"},
         "source_version = (3, 1, 1200, 7)"},
        {"only_build_version", "[Version]\nbuild_version=42\n", {"", "", "42", ""}, "source_version = (, , 42, )"},
        {"keys_outside_group", "major_version=3\nbuild_version=5\n[Other]\nbuild_version=6\n", {}, nullptr},
        {"values_kept_as_text", "[Version]\nbuild_version=12a\n", {"", "", "12a", ""}, "source_version = (, , 12a, )"},
        {"missing_file", nullptr, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A fresh path per row: QSettings may serve a rewritten file from its cache.
        RegisterUserPaths(tmp + "/" + c.name);
        if (c.info) {
            WriteFile(app_dir + "/INFO", c.info);
        }
        TestService service;
        service.LoadSourceVersion();
        EXPECT_EQ(service.source_version.major_version, c.expected.major_version);
        EXPECT_EQ(service.source_version.minor_version, c.expected.minor_version);
        EXPECT_EQ(service.source_version.build_version, c.expected.build_version);
        EXPECT_EQ(service.source_version.icon_overlay_version, c.expected.icon_overlay_version);
        if (c.log_line) {
            EXPECT_EQ(CountLog("INFO", c.log_line), 1);
        }
    }
    EXPECT_EQ(CountLog("INFO", "source does not exist"), 1);
    EXPECT_EQ(CountLog("INFO", "source_version = (, , , )"), 1);  // keys_outside_group only
}

TEST_F(ServiceTest, TargetVersionWithoutFileStillLogs)
{
    TestService service;
    service.LoadTargetVersion();
    EXPECT_TRUE(service.target_version.build_version.empty());
    EXPECT_EQ(CountLog("INFO", "target_version = (, , , )"), 1);

    WriteFile(root_dir + "/INFO", Info("2", "1300"));
    service.LoadTargetVersion();
    EXPECT_EQ(service.target_version.major_version, "2");
    EXPECT_EQ(service.target_version.build_version, "1300");
    EXPECT_EQ(CountLog("INFO", "target_version = (2, , 1300, )"), 1);
}

TEST_F(ServiceTest, UpgradeDecision)
{
    struct Case {
        const char* name;
        std::optional<std::string> source_info;  // none: no INFO in the private copy
        std::string target_info;
        bool ui_program;
        bool expected;
        const char* numbers_line;
    };
    const Case cases[] = {
        {"older_source", Info("2", "1200"), Info("2", "1300"), true, true,
         "source version = 1200, target version = 1300"},
        {"same_build", Info("2", "1300"), Info("2", "1300"), true, false,
         "source version = 1300, target version = 1300"},
        {"no_downgrade", Info("2", "1400"), Info("2", "1300"), true, false,
         "source version = 1400, target version = 1300"},
        {"missing_source_info", std::nullopt, Info("2", "1300"), true, true,
         "source version = 0, target version = 1300"},
        {"digits_then_text", Info("2", "12a"), Info("2", "12"), true, false,
         "source version = 12, target version = 12"},
        {"text_without_digits", Info("2", "abc"), Info("2", "1"), true, true,
         "source version = 0, target version = 1"},
        {"major_ignored", Info("3", "50"), Info("2", "60"), true, true,
         "source version = 50, target version = 60"},
        {"signed_comparison", Info("2", "-5"), Info("2", "0"), true, true,
         "source version = -5, target version = 0"},
        {"ui_program_missing", Info("2", "1300"), Info("2", "1300"), false, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A fresh path per row: QSettings may serve a rewritten file from its cache.
        RegisterUserPaths(tmp + "/" + c.name + "/home");
        RegisterRoot(tmp + "/" + c.name + "/root");
        if (c.source_info) {
            WriteFile(app_dir + "/INFO", *c.source_info);
        }
        WriteFile(root_dir + "/INFO", c.target_info);
        if (c.ui_program) {
            WriteFile(ui_program, "", 0755);
        }
        LinuxService service;
        service.PreUpgrade();
        EXPECT_EQ(service.IsNeedUpgrade(), c.expected);
        if (c.numbers_line) {
            EXPECT_GE(CountLog("DEBUG", c.numbers_line), 1);
        }
    }
    EXPECT_EQ(CountLog("DEBUG", "Source version: ('1200', '')"), 1);
    EXPECT_EQ(CountLog("DEBUG", "Target version: ('1300', '')"), 5);
}
