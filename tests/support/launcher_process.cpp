#include "launcher_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

#include "files.h"

namespace fs = std::filesystem;

namespace launcher_test {

void InstallLauncher(const std::string& root)
{
    fs::create_directories(root + "/bin");
    fs::copy_file(LAUNCHER_BINARY, root + "/bin/tarnwell-launcher", fs::copy_options::overwrite_existing);
}

LauncherProcess::LauncherProcess(const std::string& root, const std::string& home, const std::string& runtimeDir,
                                 const std::string& captureDir, const LaunchExtras& extras)
    : m_errorPath(captureDir + "/stderr"), m_outputPath(captureDir + "/stdout")
{
    // env -i replaces the whole environment, then runs the launcher under its own pid.
    std::vector<std::string> args = {"/usr/bin/env", "-i", "PATH=/usr/local/bin:/usr/bin:/bin", "HOME=" + home,
                                     "XDG_RUNTIME_DIR=" + runtimeDir, "LANG=C.UTF-8"};
    for (const char* sanitizer : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "TSAN_OPTIONS"}) {
        if (const char* value = std::getenv(sanitizer)) {
            args.push_back(std::string(sanitizer) + "=" + value);
        }
    }
    args.insert(args.end(), extras.environment.begin(), extras.environment.end());
    args.push_back(root + "/bin/tarnwell-launcher");
    args.insert(args.end(), extras.arguments.begin(), extras.arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    fs::create_directories(captureDir);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, m_outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int failed = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        m_pid = -1;
        throw std::runtime_error("cannot start the launcher in " + root);
    }
}

LauncherProcess::~LauncherProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

LauncherResult LauncherProcess::Wait(std::chrono::seconds deadline)
{
    LauncherResult result;
    const auto giveUp = std::chrono::steady_clock::now() + deadline;
    int status = 0;
    pid_t done = m_pid > 0 ? 0 : -1;
    while (done == 0 && (done = waitpid(m_pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (done == 0) {  // the deadline passed
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    m_pid = -1;
    result.exited = done > 0 && WIFEXITED(status);
    result.status = result.exited ? WEXITSTATUS(status) : -1;
    result.errors = ReadFile(m_errorPath);
    result.output = ReadFile(m_outputPath);
    return result;
}

HelperProcess::HelperProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
    std::vector<std::string> argumentCopies = arguments, environmentCopies = environment;
    std::vector<char*> argv, envp;
    for (std::string& argument : argumentCopies) {
        argv.push_back(argument.data());
    }
    for (std::string& variable : environmentCopies) {
        envp.push_back(variable.data());
    }
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        m_pid = -1;
        throw std::runtime_error("cannot start " + arguments[0]);
    }
}

HelperProcess::~HelperProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

LauncherResult RunLauncher(const std::string& root, const std::string& home, const std::string& runtimeDir,
                           const std::string& captureDir)
{
    return LauncherProcess(root, home, runtimeDir, captureDir).Wait();
}

}  // namespace launcher_test
