// Helpers shared by the lib tests: whole-file reads and writes, whole-text
// regular expressions and a log capture, on top of the scratch folders and
// children of child_process.h. It also brings in the headers the tests have in
// common.
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

#include "child_process.h"
#include "log.h"

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
    explicit LogCapture(const ScratchDir& dir) : logPath_(dir / "test.log")
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
