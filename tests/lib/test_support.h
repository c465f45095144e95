// What the lib tests add to the shared support: the record stamp's shape,
// whole-text regular expressions and a umask guard. It also brings in the
// headers the tests have in common.
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
#include "files.h"
#include "log_records.h"
#include "log.h"

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

struct UmaskGuard {
    explicit UmaskGuard(mode_t mask) : previous(umask(mask)) {}
    ~UmaskGuard() { umask(previous); }
    mode_t previous;
};
