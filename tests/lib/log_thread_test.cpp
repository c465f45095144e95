// Two threads log through several rotations: every record arrives exactly
// once, whole, on a line of its own.
#include <set>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "files.h"
#include "log.h"

// Many short records give many chances to interleave; about 13 MB in all
// means three rotations.
constexpr int kThreads = 2, kRecordsPerThread = 20000;

class LogThreadTest : public ::testing::TestWithParam<Logger::SafetyScope> {};

TEST_P(LogThreadTest, NoRecordLostOrInterleavedAcrossRotations)
{
    ScratchDir dir;
    const std::string log = dir / "log";
    WriteFile(log, "");
    ASSERT_EQ(0, truncate(log.c_str(), 5242880 - 1000));  // the first rotation comes at once
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log, "", 50, GetParam()));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            const std::string padding(250, static_cast<char>('a' + t));
            for (int i = 0; i < kRecordsPerThread; ++i) {
                LOG_MSG(L_ERR, thread_debug, "T%d N%d %s\n", t, i, padding.c_str());
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    Logger::Destroy();

    // All files, oldest first; the pre-sized start of the oldest is NUL bytes.
    std::string text = ReadFile(log);
    int rotations = 0;
    for (std::string name; FileSize(name = log + "_" + std::to_string(rotations)) >= 0; ++rotations) {
        text = ReadFile(name) + text;
    }
    EXPECT_GE(rotations, 3);
    std::set<std::string> missing;  // every record, less its stamp and prefix
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kRecordsPerThread; ++i) {
            missing.insert("): T" + std::to_string(t) + " N" + std::to_string(i) + " " + std::string(250, 'a' + t));
        }
    }
    // Each line one stamp (20 bytes), one prefix and one record never seen before.
    int bad = 0;
    std::istringstream in(text.substr(text.find_first_not_of('\0')));
    for (std::string line; std::getline(in, line);) {
        bad += line.size() < 21 || line[20] != '(' || missing.erase(line.substr(std::min(line.find("): T"), line.size()))) != 1;
    }
    EXPECT_EQ(0, bad);
    EXPECT_EQ(0u, missing.size());
}

INSTANTIATE_TEST_SUITE_P(Scopes, LogThreadTest, ::testing::Values(Logger::ThreadSafe, Logger::ProcessSafe),
                         [](const auto& info) { return info.param == Logger::ThreadSafe ? "ThreadSafe" : "ProcessSafe"; });
