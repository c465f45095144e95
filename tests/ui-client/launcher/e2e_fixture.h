// A test folder holding a system package with the launcher copied in, an
// empty home and a private runtime folder, and readers for what a run leaves.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include "launcher_process.h"
#include "launcher_test_support.h"

namespace launcher_test {

struct LogRecord {
    std::string tag;      // "ERROR", "DEBUG" ...
    std::string message;  // the text after the source position, without the line break
};

// The records of a log text, one per line.
inline std::vector<LogRecord> ParseLog(const std::string& text)
{
    std::vector<LogRecord> records;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t open = line.find(") [");
        const size_t close = line.find("] ", open);
        const size_t message = line.find("): ", close);
        if (open == std::string::npos || close == std::string::npos || message == std::string::npos) {
            records.push_back({"", line});
            continue;
        }
        records.push_back({line.substr(open + 3, close - open - 3), line.substr(message + 3)});
    }
    return records;
}

// The messages of the records with this tag, in log order.
inline std::vector<std::string> Messages(const std::string& logText, const std::string& tag)
{
    std::vector<std::string> messages;
    for (const LogRecord& record : ParseLog(logText)) {
        if (record.tag == tag) {
            messages.push_back(record.message);
        }
    }
    return messages;
}

class E2eTest : public ::testing::Test {
protected:
    // homeName lets a case give the home a name of its choice.
    explicit E2eTest(const std::string& homeName = "home")
        : root(tmp.path() + "/root"), home(tmp.path() + "/" + homeName), runtime(tmp.path() + "/run")
    {
    }

    void SetUp() override
    {
        InstallLauncher(root);
        ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
        ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
    }

    LauncherResult Run() { return RunLauncher(root, home, runtime, tmp.path() + "/capture"); }
    std::string Log() const { return ReadFile(home + "/.Tarnwell/log/launcher.log").value_or(""); }
    std::string StartCalls() const { return ReadFile(home + "/start-calls").value_or(""); }

    TempFolder tmp;
    const std::string root;
    const std::string home;
    const std::string runtime;
};

}  // namespace launcher_test
