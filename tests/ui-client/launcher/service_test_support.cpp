#include "service_test_support.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "log.h"
#include "log_records.h"
#include "uipathmanager.h"

namespace {

void SetPath(const char* key, const std::string& value)
{
    UIPathManager::getInstance()->setPath(QString::fromLatin1(key), QString::fromStdString(value));
}

}  // namespace

void ServiceTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    tmp = dir.path().toStdString();
    ASSERT_EQ(chmod(tmp.c_str(), 0755), 0);  // children that drop to nobody must reach it
    RegisterUserPaths(tmp + "/home");
    RegisterRoot(tmp + "/root");
    WriteFile(tmp + "/launcher.debug", "service_debug=7\n");
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, tmp + "/launcher.log", tmp + "/launcher.debug", 50,
                                 Logger::ThreadSafe),
              0);
}

void ServiceTest::TearDown()
{
    Logger::Destroy();
}

void ServiceTest::RegisterUserPaths(const std::string& base)
{
    tarnwell_dir = base + "/.Tarnwell";
    app_dir = tarnwell_dir + "/Tarnwell.app";
    ui_program = app_dir + "/bin/tarnwell-ui";
    hollowmere_dir = base + "/.Hollowmere";
    SetPath("user_tarnwell_path", tarnwell_dir);
    SetPath("user_tarnwell_app_path", app_dir);
    SetPath("user_tarnwell_resource_path", app_dir);
    SetPath("user_tarnwell_data_path", tarnwell_dir + "/data");
    SetPath("user_tarnwell_working_dir_path", app_dir + "/bin");
    SetPath("user_tarnwell_ui_path", ui_program);
    SetPath("user_hollowmere_path", hollowmere_dir);
    SetPath("user_hollowmere_resource_path", hollowmere_dir + "/Hollowmere.app");
}

void ServiceTest::RegisterRoot(const std::string& root)
{
    root_dir = root;
    package_dir = root_dir + "/package/hollowmere";
    SetPath("root_resource_path", root_dir);
}

std::string ServiceTest::LogText() const
{
    return ReadFile(tmp + "/launcher.log");
}

int ServiceTest::CountLog(const std::string& tag, const std::string& text) const
{
    const std::vector<std::string> messages = LogMessages(LogText(), tag);
    return static_cast<int>(std::count(messages.begin(), messages.end(), text));
}

int RunAsNobody(const std::function<int()>& body)
{
    return RunInChild([&body] {
        const int result = body();
        Logger::Destroy();  // flushes this process's records
        return result;
    }, true).status;
}
