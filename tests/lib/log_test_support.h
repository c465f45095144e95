// Helpers shared by the logger tests: a private temporary folder, whole-file
// reads and running a piece of code in a child process with its standard
// error captured.
#pragma once

#include <regex.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

class TempDir {
public:
    TempDir()
    {
        std::string pattern = "/tmp/log-test-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempDir()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
        EXPECT_FALSE(error) << path_ << ": " << error.message();
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

inline std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

inline bool Exists(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

inline off_t FileSize(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

struct ChildResult {
    int exit_status = -1;
    std::string stderr_text;
};

// Runs body in a forked child whose standard error is a pipe; the child's
// exit status is body's result.
inline ChildResult RunInChild(const std::function<int()>& body)
{
    ChildResult result;
    int fds[2];
    if (pipe(fds) != 0) {
        ADD_FAILURE() << "pipe failed";
        return result;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        ADD_FAILURE() << "fork failed";
        close(fds[0]);
        close(fds[1]);
        return result;
    }
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], STDERR_FILENO);
        close(fds[1]);
        _exit(body());
    }
    close(fds[1]);
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof(buf))) > 0;) {
        result.stderr_text.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exit_status = WEXITSTATUS(status);
    }
    return result;
}

// "YYYY-MM-DDTHH:MM:SS " in front of every stream record.
constexpr size_t kTimestampLength = 20;
constexpr const char* kStampPattern = "[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2} ";
constexpr const char* kPrefixPattern = "\\( *[0-9]+: *[0-9]+\\) ";

// A POSIX extended regular expression matched against a whole text.
// (std::regex trips GCC 12's maybe-uninitialized warning under the sanitizers.)
class Pattern {
public:
    explicit Pattern(const std::string& ere)
    {
        compiled_ = regcomp(&regex_, ("^(" + ere + ")$").c_str(), REG_EXTENDED) == 0;
        EXPECT_TRUE(compiled_) << ere;
    }
    ~Pattern()
    {
        if (compiled_) {
            regfree(&regex_);
        }
    }
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;

    // groups receives the parenthesised groups of the expression, in order.
    bool Match(const std::string& text, std::vector<std::string>* groups = nullptr) const
    {
        if (!compiled_) {
            return false;
        }
        regmatch_t matches[10];
        if (regexec(&regex_, text.c_str(), 10, matches, 0) != 0) {
            return false;
        }
        if (groups != nullptr) {
            groups->clear();
            for (size_t i = 2; i < 10 && matches[i].rm_so >= 0; ++i) {
                groups->push_back(text.substr(static_cast<size_t>(matches[i].rm_so),
                                              static_cast<size_t>(matches[i].rm_eo - matches[i].rm_so)));
            }
        }
        return true;
    }

private:
    regex_t regex_{};
    bool compiled_ = false;
};

// The text with every record's timestamp cut out.
inline std::string WithoutStamps(const std::string& text)
{
    const Pattern stamp(kStampPattern);
    std::string result;
    for (size_t i = 0; i < text.size();) {
        if (i + kTimestampLength <= text.size() && stamp.Match(text.substr(i, kTimestampLength))) {
            i += kTimestampLength;
        } else {
            result += text[i++];
        }
    }
    return result;
}
