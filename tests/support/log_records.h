// The one reader of the logger's records, "<stamp> (<pid>:<thread>) [TAG]
// <file>(<line>): <message>", and a capture that points the logger at a
// scratch file for as long as it lives.
#pragma once

#include <string>
#include <vector>

// Each record as "TAG message"; a line in no known shape as "UNPARSED <line>".
std::vector<std::string> LogRecords(const std::string& text);
// The messages of the records tagged tag ("ERROR", "DEBUG", ...), in order.
std::vector<std::string> LogMessages(const std::string& text, const std::string& tag);

class LogCapture {
public:
    // Logs to folder/test.log, the level file holding levels.
    explicit LogCapture(const std::string& folder, const std::string& levels = "file_op_debug=7\n");
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string Text() const;
    std::vector<std::string> Messages(const std::string& tag) const { return LogMessages(Text(), tag); }
    // Records tagged tag whose message contains text.
    int Count(const std::string& tag, const std::string& text) const;

private:
    std::string path_;
};
