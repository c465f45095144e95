// Install location, version files and the upgrade decision.
#include <QDir>

#include <cstdlib>
#include <string>

#include "service_test_support.h"

namespace {

// Sets (nullptr: unsets) an environment variable until the end of the scope.
class EnvValue {
public:
    EnvValue(const char* name, const char* value) : name(name)
    {
        if (const char* old = getenv(name)) {
            saved = old;
        }
        Set(value);
    }
    ~EnvValue() { Set(saved ? saved->c_str() : nullptr); }

private:
    void Set(const char* value) { value ? setenv(name, value, 1) : unsetenv(name); }
    const char* name;
    std::optional<std::string> saved;
};

std::string Info(const std::string& major, const std::string& build)
{
    return "[Version]\nmajor_version=" + major + "\nbuild_version=" + build + "\n";
}

std::string Fields(const Service::VersionInfo& v)
{
    return v.major_version + "|" + v.minor_version + "|" + v.build_version + "|" + v.icon_overlay_version;
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
        EXPECT_EQ(Service::GetUserInstallPath(), c.expected ? QString::fromLatin1(c.expected) : QDir::homePath());
    }
    EXPECT_EQ(CountLog("DEBUG", "Current Desktop is ubuntu:GNOME"), 1);
    EXPECT_EQ(CountLog("DEBUG", "Current Desktop is Deepin:GNOME"), 1);
    EXPECT_EQ(CountLog("DEBUG", "user install path is /srv/u"), 1);
    // Set but empty, and not set, both log the empty value.
    EXPECT_EQ(CountLog("DEBUG", "user install path is "), 2);
}

TEST_F(ServiceTest, VersionFilesReadOnlyTheVersionGroup)
{
    struct Case {
        const char* name;
        bool target;       // the system package's INFO, else the private copy's
        const char* info;  // nullptr: no INFO file
        const char* fields;
        const char* log_line;  // must appear exactly once in the whole test
    };
    const Case cases[] = {
        {"all_fields", false,
         "[General]\nbuild_version=1\n[Version]\nmajor_version=3\nminor_version=1\nbuild_version=1200\n"
         "icon_overlay_version=7\n[Other]\nbuild_version=2\n",
         "3|1|1200|7", "source_version = (3, 1, 1200, 7)"},
        {"only_build_version", false, "[Version]\nbuild_version=42\n", "||42|", "source_version = (, , 42, )"},
        {"keys_outside_group", false, "major_version=3\nbuild_version=5\n[Other]\nbuild_version=6\n", "|||",
         "source_version = (, , , )"},
        {"values_kept_as_text", false, "[Version]\nbuild_version=12a\n", "||12a|", "source_version = (, , 12a, )"},
        {"source_missing", false, nullptr, "|||", "source does not exist"},
        {"target_missing_still_logs", true, nullptr, "|||", "target_version = (, , , )"},
        {"target_file", true, "[Version]\nmajor_version=2\nbuild_version=1300\n", "2||1300|",
         "target_version = (2, , 1300, )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Fresh paths per row: QSettings may serve a rewritten file from its cache.
        RegisterUserPaths(tmp + "/" + c.name + "/home");
        RegisterRoot(tmp + "/" + c.name + "/root");
        if (c.info) {
            WriteFile((c.target ? root_dir : app_dir) + "/INFO", c.info);
        }
        TestService service;
        c.target ? service.LoadTargetVersion() : service.LoadSourceVersion();
        EXPECT_EQ(Fields(c.target ? service.target_version : service.source_version), c.fields);
    }
    for (const Case& c : cases) {
        EXPECT_EQ(CountLog("INFO", c.log_line), 1) << c.name;
    }
}

TEST_F(ServiceTest, UpgradeDecision)
{
    struct Case {
        const char* name;
        const char* source_major;
        const char* source_build;  // nullptr: no INFO in the private copy
        const char* target_build;  // the target's major version is 2
        bool ui_program;
        bool expected;
        int compared_source;  // the numbers logged as compared
        int compared_target;
    };
    const Case cases[] = {
        {"older_source", "2", "1200", "1300", true, true, 1200, 1300},
        {"same_build", "2", "1300", "1300", true, false, 1300, 1300},
        {"no_downgrade", "2", "1400", "1300", true, false, 1400, 1300},
        {"missing_source_info", "2", nullptr, "1300", true, true, 0, 1300},
        {"digits_then_text", "2", "12a", "12", true, false, 12, 12},
        {"text_without_digits", "2", "abc", "1", true, true, 0, 1},
        {"major_ignored", "3", "50", "60", true, true, 50, 60},
        {"signed_comparison", "2", "-5", "0", true, true, -5, 0},
        {"ui_program_missing", "2", "1300", "1300", false, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegisterUserPaths(tmp + "/" + c.name + "/home");
        RegisterRoot(tmp + "/" + c.name + "/root");
        if (c.source_build) {
            WriteFile(app_dir + "/INFO", Info(c.source_major, c.source_build));
        }
        WriteFile(root_dir + "/INFO", Info("2", c.target_build));
        if (c.ui_program) {
            WriteFile(ui_program, "", 0755);
        }
        LinuxService service;
        service.PreUpgrade();
        EXPECT_EQ(service.IsNeedUpgrade(), c.expected);
        if (c.ui_program) {
            EXPECT_GE(CountLog("DEBUG", "source version = " + std::to_string(c.compared_source) +
                                            ", target version = " + std::to_string(c.compared_target)),
                      1);
        }
    }
    EXPECT_EQ(CountLog("DEBUG", "Source version: ('1200', '')"), 1);
    EXPECT_EQ(CountLog("DEBUG", "Target version: ('1300', '')"), 5);
}
