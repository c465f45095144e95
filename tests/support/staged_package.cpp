#include "staged_package.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace launcher_test {
namespace {

void StageClient(const std::string& dir, int build, const std::string& who)
{
    WriteFile(dir + "/INFO", "[Version]\nmajor_version=1\nminor_version=4\nbuild_version=" +
                                 std::to_string(build) + "\nicon_overlay_version=2\n");
    WriteFile(dir + "/bin/tarnwell-ui", "#!/bin/sh\nexit 0\n", 0755);
    // The home is found from the script's own place in the private copy.
    WriteFile(dir + "/package/start-stop",
              "#!/bin/sh\nhome=$(cd \"$(dirname \"$0\")/../../..\" && pwd)\necho \"$1 by " + who +
                  "${QT_QPA_PLATFORM+ on $QT_QPA_PLATFORM}\" >> \"$home/start-calls\"\nif [ -p \"$home/hold\" ]; then read -r line < \"$home/hold\"; fi\n",
              0755);
}

}  // namespace

std::string AppDir(const std::string& home)
{
    return home + "/.Tarnwell/Tarnwell.app";
}

Stage::Stage(int copyBuild, const std::string& homeName) : home(folder.path() + "/" + homeName)
{
    WriteFile(root + "/INFO", "[Version]\nbuild_version=1300\n");
    StageClient(root + "/package/hollowmere", 1300, "package 1300");
    fs::create_directory(home);
    fs::permissions(home, fs::perms::owner_all);
    if (copyBuild != 0) {
        StageClient(AppDir(home), copyBuild, "copy " + std::to_string(copyBuild));
        WriteFile(AppDir(home) + "/old-only", "kept until the next deployment\n");
    }
}

std::string Stage::CopyBuild() const
{
    const std::string info = ReadFile(AppDir(home) + "/INFO");
    const size_t at = info.find("build_version=");
    return at == std::string::npos ? "" : info.substr(at + 14, info.find('\n', at) - at - 14);
}

Tree ReadTree(const std::string& root)
{
    Tree tree;
    std::error_code missing;
    for (auto it = fs::recursive_directory_iterator(root, missing); !missing && it != fs::end(it); ++it) {
        tree[it->path().lexically_relative(root).string()] = it->is_directory() ? "/" : ReadFile(it->path());
    }
    return tree;
}

void MakeSyntheticPackage(const std::string& dir, double scale, int seed, int build)
{
    const std::string command = std::string("python3 '") + SYNTHETIC_GENERATOR + "' '" + dir + "' --scale " +
                                std::to_string(scale) + " --seed " + std::to_string(seed) + " --build " +
                                std::to_string(build);
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("generator failed: " + command);
    }
}

}  // namespace launcher_test
