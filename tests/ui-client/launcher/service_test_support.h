// The installation service against a scratch home and system package: the
// path registry pointed at them, the service's log captured.
#pragma once

#include <gtest/gtest.h>

#include "child_process.h"
#include "files.h"
#include "linux-service.h"
#include "log_records.h"
#include "uipathmanager.h"

class TestService : public LinuxService {
public:
    using Service::ExtractPackage;
    using Service::PrepareUserEnv;
    using Service::source_version;
};

class ServiceTest : public ::testing::Test {
protected:
    ServiceTest() { RegisterHome(scratch / "home"); }

    // Every per-user key below home, as start-up registers them; the package beside it.
    void RegisterHome(const std::string& home)
    {
        tarnwell_dir = home + "/.Tarnwell";
        app_dir = tarnwell_dir + "/Tarnwell.app";
        ui_program = app_dir + "/bin/tarnwell-ui";
        hollowmere_dir = home + "/.Hollowmere";
        root_dir = home + "-root";
        package_dir = root_dir + "/package/hollowmere";
        const auto SetPath = [](const char* key, const std::string& value) {
            UIPathManager::getInstance()->setPath(QString::fromLatin1(key), QString::fromStdString(value));
        };
        SetPath("user_tarnwell_path", tarnwell_dir);
        SetPath("user_tarnwell_app_path", app_dir);
        SetPath("user_tarnwell_resource_path", app_dir);
        SetPath("user_tarnwell_ui_path", ui_program);
        SetPath("user_hollowmere_path", hollowmere_dir);
        SetPath("root_resource_path", root_dir);
    }

    ScratchDir scratch;
    LogCapture log{scratch.path(), "service_debug=7\n"};
    std::string tarnwell_dir, app_dir, ui_program, hollowmere_dir, root_dir, package_dir;
};
