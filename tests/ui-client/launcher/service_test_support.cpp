#include "service_test_support.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "log.h"
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
    return ReadFile(tmp + "/launcher.log").value_or("");
}

int ServiceTest::CountLog(const std::string& tag, const std::string& text) const
{
    // A record holds "[TAG] <source>(<line>): <message>".
    std::istringstream lines(LogText());
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.find("[" + tag + "] ");
        const size_t message = at == std::string::npos ? at : line.find("): ", at);
        count += message != std::string::npos && line.compare(message + 3, std::string::npos, text) == 0;
    }
    return count;
}

void WriteFile(const std::string& path, const std::string& content, mode_t mode)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    chmod(path.c_str(), mode);
}

std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return in ? std::optional<std::string>(content.str()) : std::nullopt;
}

bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

int RunAsNobody(const std::function<int()>& body)
{
    return RunInChild([&body] {
        const int result = body();
        Logger::Destroy();  // flushes this process's records
        return result;
    }, true).status;
}
