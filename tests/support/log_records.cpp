#include "log_records.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files.h"
#include "log.h"

std::vector<std::string> LogRecords(const std::string& text)
{
    std::vector<std::string> records;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t tag = line.find(") [");
        const size_t tagEnd = tag == std::string::npos ? tag : line.find("] ", tag);
        const size_t message = tagEnd == std::string::npos ? tagEnd : line.find("): ", tagEnd);
        records.push_back(message == std::string::npos
                              ? "UNPARSED " + line
                              : line.substr(tag + 3, tagEnd - tag - 3) + " " + line.substr(message + 3));
    }
    return records;
}

std::vector<std::string> LogMessages(const std::string& text, const std::string& tag)
{
    std::vector<std::string> messages;
    for (const std::string& record : LogRecords(text)) {
        if (record.rfind(tag + " ", 0) == 0) {
            messages.push_back(record.substr(tag.size() + 1));
        }
    }
    return messages;
}

LogCapture::LogCapture(const std::string& folder, const std::string& levels) : path_(folder + "/test.log")
{
    WriteFile(folder + "/test.debug", levels);
    EXPECT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, path_, folder + "/test.debug", 50, Logger::ThreadSafe));
}

LogCapture::~LogCapture()
{
    Logger::Destroy();
}

std::string LogCapture::Text() const
{
    return ReadFile(path_);
}

int LogCapture::Count(const std::string& tag, const std::string& text) const
{
    int count = 0;
    for (const std::string& message : Messages(tag)) {
        count += message.find(text) != std::string::npos;
    }
    return count;
}
