// Readers for the launcher's log, with the helpers to stage and run it, for
// the end-to-end and robustness tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "launcher_process.h"
#include "launcher_test_support.h"

namespace launcher_test {

// The records of a log text, each as "<TAG> <message>" (the text after the
// source position, without the line break); a line in no known shape comes
// back as "UNPARSED <line>".
inline std::vector<std::string> LogRecords(const std::string& text)
{
    std::vector<std::string> records;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t tag = line.find(") [");
        const size_t tagEnd = line.find("] ", tag);
        const size_t message = line.find("): ", tagEnd);
        records.push_back(message == std::string::npos
                              ? "UNPARSED " + line
                              : line.substr(tag + 3, tagEnd - tag - 3) + " " + line.substr(message + 3));
    }
    return records;
}

// The messages of the records with this tag ("ERROR", "DEBUG" ...), in log order.
inline std::vector<std::string> Messages(const std::string& logText, const std::string& tag)
{
    std::vector<std::string> messages;
    for (const std::string& record : LogRecords(logText)) {
        if (record.rfind(tag + " ", 0) == 0) {
            messages.push_back(record.substr(tag.size() + 1));
        }
    }
    return messages;
}

}  // namespace launcher_test
