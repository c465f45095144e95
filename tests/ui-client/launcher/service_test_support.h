// The installation service against a scratch home and system package: the
// path registry pointed at them and the service's log captured.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "child_process.h"
#include "files.h"
#include "linux-service.h"
#include "log_records.h"
#include "uipathmanager.h"

// Opens the protected operations to the tests.
class TestService : public LinuxService {
public:
    using Service::ExtractPackage;
    using Service::MigrateService;
    using Service::PrepareUserEnv;
    using Service::source_version;
    using Service::target_version;
};

class ServiceTest : public ::testing::Test {
protected:
    ServiceTest()
    {
        RegisterHome(scratch / "home");
        RegisterRoot(scratch / "root");
    }

    // Every per-user key below home, as start-up registers them.
    void RegisterHome(const std::string& home)
    {
        tarnwell_dir = home + "/.Tarnwell";
        app_dir = tarnwell_dir + "/Tarnwell.app";
        ui_program = app_dir + "/bin/tarnwell-ui";
        hollowmere_dir = home + "/.Hollowmere";
        SetPath("user_tarnwell_path", tarnwell_dir);
        SetPath("user_tarnwell_app_path", app_dir);
        SetPath("user_tarnwell_resource_path", app_dir);
        SetPath("user_tarnwell_ui_path", ui_program);
        SetPath("user_hollowmere_path", hollowmere_dir);
    }

    void RegisterRoot(const std::string& root)
    {
        root_dir = root;
        package_dir = root + "/package/hollowmere";
        SetPath("root_resource_path", root);
    }

    static void SetPath(const char* key, const std::string& value)
    {
        UIPathManager::getInstance()->setPath(QString::fromLatin1(key), QString::fromStdString(value));
    }

    ScratchDir scratch;
    LogCapture log{scratch.path(), "service_debug=7\n"};
    std::string root_dir, package_dir, tarnwell_dir, app_dir, ui_program, hollowmere_dir;
};
