#include "child_process.h"

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

bool CanDropPrivileges()
{
    return geteuid() == 0;
}

bool EnterPrivateMountNamespace()
{
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

ChildResult RunInChild(const std::function<int()>& body, bool unprivileged)
{
    constexpr int kDropFailed = 100;
    ChildResult result;
    int fds[2] = {-1, -1};
    if (pipe(fds) != 0) {
        ADD_FAILURE() << "pipe failed";
        return result;
    }
    fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (unprivileged && (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedId) != 0 ||
                             setuid(kUnprivilegedId) != 0)) {
            _exit(kDropFailed);
        }
        const int status = body();
        fflush(nullptr);
        _exit(status & 0xFF);
    }
    close(fds[1]);
    if (pid < 0) {
        ADD_FAILURE() << "fork failed";
        close(fds[0]);
        return result;
    }
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) {
        result.stderr_text.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) != kDropFailed) {
        result.status = static_cast<signed char>(WEXITSTATUS(status));
    }
    return result;
}

ScratchDir::ScratchDir(const std::string& base) : path_(base + "/launcher-test-XXXXXX")
{
    if (mkdtemp(path_.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a scratch folder under " << base;
        return;
    }
    chmod(path_.c_str(), 0755);
}

ScratchDir::~ScratchDir()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    EXPECT_FALSE(error) << path_ << ": " << error.message();
}
