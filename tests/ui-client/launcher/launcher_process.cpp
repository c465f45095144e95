#include "launcher_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

#include "launcher_test_support.h"

namespace fs = std::filesystem;

namespace launcher_test {

namespace {

std::vector<std::string> ChildEnvironment(const std::string& home, const std::string& runtimeDir)
{
    std::vector<std::string> environment = {
        "PATH=/usr/local/bin:/usr/bin:/bin", "HOME=" + home, "XDG_RUNTIME_DIR=" + runtimeDir, "LANG=C.UTF-8",
    };
    // Sanitizer builds keep their settings in the child.
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "TSAN_OPTIONS"}) {
        if (const char* value = std::getenv(name)) {
            environment.push_back(std::string(name) + "=" + value);
        }
    }
    return environment;
}

}  // namespace

void InstallLauncher(const std::string& root)
{
    fs::create_directories(root + "/bin");
    fs::copy_file(LAUNCHER_BINARY, root + "/bin/tarnwell-launcher", fs::copy_options::overwrite_existing);
}

LauncherProcess::LauncherProcess(const std::string& root, const std::string& home, const std::string& runtimeDir,
                                 const std::string& captureDir)
    : m_outputPath(captureDir + "/stdout"), m_errorPath(captureDir + "/stderr")
{
    const std::string program = root + "/bin/tarnwell-launcher";
    const std::vector<std::string> environment = ChildEnvironment(home, runtimeDir);
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    fs::create_directories(captureDir);
    const int outputFd = open(m_outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int errorFd = open(m_errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (outputFd < 0 || errorFd < 0) {
        throw std::runtime_error("cannot create the capture files");
    }
    m_pid = fork();
    if (m_pid == 0) {
        dup2(outputFd, STDOUT_FILENO);
        dup2(errorFd, STDERR_FILENO);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(outputFd);
    close(errorFd);
    if (m_pid < 0) {
        throw std::runtime_error("fork failed");
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
    while (m_pid > 0) {
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done < 0 && errno != EINTR) {
            m_pid = -1;
            break;
        }
        if (done == m_pid) {
            m_pid = -1;
            result.exited = WIFEXITED(status);
            result.status = result.exited ? WEXITSTATUS(status) : -1;
            break;
        }
        if (std::chrono::steady_clock::now() > giveUp) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            m_pid = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    result.output = ReadFile(m_outputPath).value_or("");
    result.errors = ReadFile(m_errorPath).value_or("");
    return result;
}

LauncherResult RunLauncher(const std::string& root, const std::string& home, const std::string& runtimeDir,
                           const std::string& captureDir)
{
    return LauncherProcess(root, home, runtimeDir, captureDir).Wait();
}

}  // namespace launcher_test
