#include "staged_package.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

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

std::string AppDir(const std::string& home) { return home + "/.Tarnwell/Tarnwell.app"; }

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

Process::Process(std::vector<std::string> arguments, const std::string& captureDir) : m_captureDir(captureDir)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    char path[] = "PATH=/usr/bin:/bin";
    char* envp[] = {path, nullptr};
    fs::create_directories(captureDir);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const auto& [fd, name] : {std::pair{1, "/stdout"}, {2, "/stderr"}}) {
        posix_spawn_file_actions_addopen(&actions, fd, (captureDir + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    const int failed = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        m_pid = -1;
        throw std::runtime_error("cannot start " + arguments[0]);
    }
}

Exit Process::Wait(std::chrono::seconds deadline)
{
    const auto giveUp = std::chrono::steady_clock::now() + deadline;
    int status = 0;
    pid_t done = m_pid > 0 ? 0 : -1;
    while (done == 0 && (done = waitpid(m_pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (done == 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    m_pid = -1;
    const bool exited = done > 0 && WIFEXITED(status);
    return {exited, exited ? WEXITSTATUS(status) : -1, ReadFile(m_captureDir + "/stderr"), ReadFile(m_captureDir + "/stdout")};
}

Process StartLauncher(const std::string& root, const std::string& home, const std::string& runtimeDir,
                      const std::string& captureDir, const std::vector<std::string>& environment,
                      const std::vector<std::string>& arguments, std::vector<std::string> prefix)
{
    // env -i, so a prefix keeps the test's environment and the launcher gets only this.
    prefix.insert(prefix.end(), {"/usr/bin/env", "-i", "PATH=/usr/local/bin:/usr/bin:/bin", "HOME=" + home,
                                 "XDG_RUNTIME_DIR=" + runtimeDir, "LANG=C.UTF-8"});
    for (const char* sanitizer : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "TSAN_OPTIONS"}) {
        if (const char* value = std::getenv(sanitizer)) {
            prefix.push_back(std::string(sanitizer) + "=" + value);
        }
    }
    prefix.insert(prefix.end(), environment.begin(), environment.end());
    prefix.push_back(root + "/bin/tarnwell-launcher");
    prefix.insert(prefix.end(), arguments.begin(), arguments.end());
    fs::create_directories(runtimeDir);
    fs::permissions(runtimeDir, fs::perms::owner_all);
    fs::create_directories(root + "/bin");
    fs::copy_file(LAUNCHER_BINARY, root + "/bin/tarnwell-launcher", fs::copy_options::skip_existing);
    return Process(prefix, captureDir);
}

}  // namespace launcher_test
