// Helpers shared by the lib tests: a private scratch folder, whole-file reads
// and writes, a forked child (optionally dropped to nobody) with its standard
// error captured, whole-text regular expressions and a log capture. It also
// brings in the headers the tests have in common.
#pragma once

#include <grp.h>
#include <regex.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "log.h"

#ifndef SCRATCH_BASE
#define SCRATCH_BASE "/tmp"
#endif

// A fresh folder below base, removed with all it holds (links not followed).
class TempDir {
public:
    explicit TempDir(const std::string& base = SCRATCH_BASE) : path_(base + "/lib-test-XXXXXX")
    {
        EXPECT_NE(mkdtemp(path_.data()), nullptr) << base;
        chmod(path_.c_str(), 0755);  // reachable for children that drop to nobody
    }
    ~TempDir()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
        EXPECT_FALSE(error) << path_ << ": " << error.message();
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string ReadFile(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& content, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary) << content;
    chmod(path.c_str(), mode);
}

inline off_t FileSize(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

// status: body's result as a signed byte; -1000: body did not run to its end.
struct ChildResult { int status = -1000; std::string stderr_text; };

// Runs body in a forked child, as uid/gid 65534 when asNobody, with its standard error captured.
inline ChildResult RunInChild(const std::function<int()>& body, bool asNobody = false)
{
    constexpr int kDropFailed = 100;
    ChildResult result;
    int fds[2] = {-1, -1};
    const pid_t pid = pipe(fds) == 0 ? fork() : -1;
    if (pid == 0) {
        dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (asNobody && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(kDropFailed);
        }
        _exit(body() & 0xFF);
    }
    EXPECT_GT(pid, 0) << "pipe or fork failed";
    close(fds[1]);
    char buf[4096];
    for (ssize_t n; pid > 0 && (n = read(fds[0], buf, sizeof buf)) > 0;) {
        result.stderr_text.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) != kDropFailed) {
        result.status = static_cast<signed char>(WEXITSTATUS(status));
    }
    return result;
}

// "YYYY-MM-DDTHH:MM:SS " and "(pid:thread) " in front of every file or stream record.
constexpr size_t kStampLength = 20;
constexpr const char* kStampPattern = "[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2} ";
constexpr const char* kPrefixPattern = "\\( *[0-9]+: *[0-9]+\\) ";

// A POSIX extended expression matched against a whole text. (std::regex trips
// GCC 12's maybe-uninitialized warning under the sanitizers.)
class Pattern {
public:
    explicit Pattern(const std::string& ere)
        : compiled_(regcomp(&regex_, ("^(" + ere + ")$").c_str(), REG_EXTENDED) == 0)
    {
        EXPECT_TRUE(compiled_) << ere;
    }
    ~Pattern() { if (compiled_) { regfree(&regex_); } }
    bool Match(const std::string& text) const { return compiled_ && regexec(&regex_, text.c_str(), 0, nullptr, 0) == 0; }

private:
    regex_t regex_{};
    bool compiled_;
};

// The text with every record's timestamp cut out.
inline std::string WithoutStamps(std::string text)
{
    const Pattern stamp(kStampPattern);
    for (size_t i = 0; i < text.size(); ++i) {
        text.erase(i, stamp.Match(text.substr(i, kStampLength)) ? kStampLength : 0);
    }
    return text;
}

// While this lives the logger writes to dir/test.log, with file_op_debug at DEBUG.
class LogCapture {
public:
    explicit LogCapture(const TempDir& dir) : logPath_(dir / "test.log")
    {
        WriteFile(dir / "test.debug", "file_op_debug=7\n");
        EXPECT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, logPath_, dir / "test.debug", 50, Logger::ThreadSafe));
    }
    ~LogCapture() { Logger::Destroy(); }

    // Records tagged tag ("ERROR", "DEBUG", ...) whose text after the tag contains text.
    int Count(const std::string& tag, const std::string& text) const
    {
        int count = 0;
        std::istringstream in(ReadFile(logPath_));
        for (std::string line; std::getline(in, line);) {
            const size_t at = line.find("[" + tag + "] ");
            count += at != std::string::npos && line.find(text, at) != std::string::npos;
        }
        return count;
    }

private:
    std::string logPath_;
};

struct UmaskGuard {
    explicit UmaskGuard(mode_t mask) : previous(umask(mask)) {}
    ~UmaskGuard() { umask(previous); }
    mode_t previous;
};
