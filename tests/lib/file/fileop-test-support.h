// Scratch folders, log capture and an unprivileged child for the file
// operation tests. Tests run as root, so refusals are seen only from a child
// that has dropped to nobody.
#pragma once

#include <ftw.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "log.h"

namespace fileop_test {

// A fresh folder below base, removed with all it holds (links not followed).
class ScratchDir {
public:
    explicit ScratchDir(const std::string& base = FILEOP_SCRATCH_BASE) : path_(base + "/fileop-XXXXXX")
    {
        if (mkdtemp(&path_[0]) == nullptr) {
            throw std::runtime_error("mkdtemp failed below " + base);
        }
        chmod(path_.c_str(), 0755);  // reachable for the children that drop to nobody
    }
    ~ScratchDir()
    {
        nftw(path_.c_str(), [](const char* p, const struct stat*, int, FTW*) { return remove(p); }, 16,
             FTW_DEPTH | FTW_PHYS);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& content, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary) << content;
    chmod(path.c_str(), mode);
}

inline std::string ReadFile(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The logger writes to dir/test.log with file_op_debug at DEBUG while this lives.
class LogCapture {
public:
    explicit LogCapture(const ScratchDir& dir) : logPath_(dir / "test.log")
    {
        WriteFile(dir / "test.debug", "file_op_debug=7\n");
        if (Logger::Initialize(Logger::FILE_LOGGER, logPath_, dir / "test.debug", 50, Logger::ThreadSafe) != 0) {
            throw std::runtime_error("logger set-up failed for " + logPath_);
        }
    }
    ~LogCapture() { Logger::Destroy(); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Records tagged tag ("ERROR", "DEBUG", ...) whose text after the tag contains text.
    int Count(const std::string& tag, const std::string& text) const
    {
        int count = 0;
        std::ifstream in(logPath_);
        for (std::string line; std::getline(in, line);) {
            const size_t tagAt = line.find("[" + tag + "] ");
            count += tagAt != std::string::npos && line.find(text, tagAt) != std::string::npos;
        }
        return count;
    }

private:
    std::string logPath_;
};

// Runs action in a forked child as uid/gid 65534; its result (-3 to 1) comes
// back through the exit status. -1000 when the child could not drop its rights.
inline int RunAsNobody(const std::function<int()>& action)
{
    constexpr int kDropFailed = 100;
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) {
            _exit(kDropFailed);
        }
        _exit(action() & 0xFF);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == kDropFailed) {
        return -1000;
    }
    return static_cast<signed char>(WEXITSTATUS(status));
}

struct UmaskGuard {
    explicit UmaskGuard(mode_t mask) : previous(umask(mask)) {}
    ~UmaskGuard() { umask(previous); }
    mode_t previous;
};

}  // namespace fileop_test
