#include "launcher_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "files.h"

namespace fs = std::filesystem;

namespace launcher_test {

void InstallLauncher(const std::string& root)
{
    fs::create_directories(root + "/bin");
    fs::copy_file(LAUNCHER_BINARY, root + "/bin/tarnwell-launcher", fs::copy_options::overwrite_existing);
}

Process::Process(std::vector<std::string> arguments, std::vector<std::string> environment, const std::string& captureDir)
    : m_captureDir(captureDir)
{
    std::vector<char*> argv, envp;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    for (std::string& variable : environment) {
        envp.push_back(variable.data());
    }
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    fs::create_directories(captureDir);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const auto& [fd, name] : {std::pair{1, "/stdout"}, {2, "/stderr"}}) {
        posix_spawn_file_actions_addopen(&actions, fd, (captureDir + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    const int failed = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        m_pid = -1;
        throw std::runtime_error("cannot start " + arguments[0]);
    }
}

Process::~Process()
{
    Wait(std::chrono::seconds(0));
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
    return Process(prefix, {"PATH=/usr/bin:/bin"}, captureDir);
}

}  // namespace launcher_test
