// Shared ground for the installation service tests: a private temporary
// folder laid out like a user's home and a system package, the path registry
// pointed at it, and the service's log captured in a file there.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sys/types.h>

#include <functional>
#include <string>

#include "child_process.h"
#include "files.h"
#include "linux-service.h"

// Opens the protected operations of the service to the tests.
class TestService : public LinuxService {
public:
    using Service::ExtractPackage;
    using Service::LoadSourceVersion;
    using Service::LoadTargetVersion;
    using Service::MigrateService;
    using Service::PrepareUserEnv;
    using Service::source_version;
    using Service::target_version;
};

class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Registers every per-user key below base, as start-up does with its base folder.
    void RegisterUserPaths(const std::string& base);
    // Points root_resource_path, and so the system package, at root.
    void RegisterRoot(const std::string& root);
    // Number of log records with this level tag whose message is exactly text.
    int CountLog(const std::string& tag, const std::string& text) const;
    std::string LogText() const;

    std::string tmp;           // the test's own folder
    std::string root_dir;      // root_resource_path
    std::string package_dir;   // the unpacked package that is copied
    std::string tarnwell_dir;  // user_tarnwell_path
    std::string app_dir;       // user_tarnwell_app_path
    std::string ui_program;    // user_tarnwell_ui_path
    std::string hollowmere_dir;

private:
    QTemporaryDir dir;
};


// Runs body in a forked child as uid/gid 65534 and returns its result
// (-1000 when it did not run to its end).
int RunAsNobody(const std::function<int()>& body);
