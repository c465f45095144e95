#include "launcher_test_support.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace launcher_test {

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "launcher-test.XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = buffer.data();
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void WriteFile(const std::string& path, const std::string& content, mode_t mode)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    chmod(path.c_str(), mode);
}

std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

void StageClient(const std::string& dir, int build, const std::string& who)
{
    WriteFile(dir + "/INFO", "[Version]\nmajor_version=1\nminor_version=4\nbuild_version=" +
                                 std::to_string(build) + "\nicon_overlay_version=2\n");
    WriteFile(dir + "/bin/tarnwell-ui", "#!/bin/sh\nexit 0\n", 0755);
    // The script finds the home from its own place in the private copy, so it
    // works whatever HOME the process that runs it has.
    WriteFile(dir + "/package/start-stop",
              "#!/bin/sh\n"
              "home=$(cd \"$(dirname \"$0\")/../../..\" && pwd)\n"
              "echo \"$1 by " + who + "\" >> \"$home/start-calls\"\n"
              "if [ -p \"$home/hold\" ]; then read -r line < \"$home/hold\"; fi\n",
              0755);
}

void StagePackage(const std::string& root, int build, bool debugSwitch)
{
    WriteFile(root + "/INFO", "[Version]\nbuild_version=" + std::to_string(build) + "\n");
    StageClient(root + "/package/hollowmere", build, "package " + std::to_string(build));
    if (debugSwitch) {
        WriteFile(root + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\n");
    }
}

void StagePrivateCopy(const std::string& home, int build)
{
    StageClient(AppDir(home), build, "copy " + std::to_string(build));
    WriteFile(AppDir(home) + "/old-only", "kept until the next deployment\n");
}

std::string AppDir(const std::string& home)
{
    return home + "/.Tarnwell/Tarnwell.app";
}

std::string BuildOf(const std::string& infoPath)
{
    static const std::regex build("build_version=(\\d+)");
    const std::string info = ReadFile(infoPath).value_or("");
    std::smatch match;
    return std::regex_search(info, match, build) ? match[1].str() : "";
}

}  // namespace launcher_test
