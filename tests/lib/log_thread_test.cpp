// Two threads log through several rotations: every record arrives exactly
// once, whole, on a line of its own.

#include "log.h"

#include <atomic>
#include <thread>
#include <vector>

#include "log_test_support.h"

namespace {

constexpr int kThreads = 2;
// Many short records give many chances to interleave; 12 MB in all is at
// least two rotations after the first.
constexpr int kRecordsPerThread = 20000;
constexpr size_t kPaddingLength = 250;

void WriteRecords(int thread_index, const std::atomic<bool>* start)
{
    const std::string padding(kPaddingLength, static_cast<char>('a' + thread_index));
    while (!start->load()) {
        std::this_thread::yield();
    }
    for (int i = 0; i < kRecordsPerThread; ++i) {
        LOG_MSG(L_ERR, thread_debug, "T%d N%d %s\n", thread_index, i, padding.c_str());
    }
}

class LogThreadTest : public ::testing::TestWithParam<Logger::SafetyScope> {
protected:
    void TearDown() override { Logger::Destroy(); }

    TempDir dir;
    const std::string log_path = dir / "launcher.log";
};

TEST_P(LogThreadTest, NoRecordLostOrInterleavedAcrossRotations)
{
    // Start just below the limit so the first rotation comes at once.
    WriteFile(log_path, "");
    ASSERT_EQ(0, truncate(log_path.c_str(), 5242880 - 1000));
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log_path, "", 50, GetParam()));

    std::atomic<bool> start{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(WriteRecords, t, &start);
    }
    start = true;
    for (std::thread& thread : threads) {
        thread.join();
    }
    Logger::Destroy();

    std::vector<std::string> files;
    for (int k = 0; Exists(log_path + "_" + std::to_string(k)); ++k) {
        files.push_back(log_path + "_" + std::to_string(k));
    }
    EXPECT_GE(files.size(), 3u) << "expected several rotations";
    files.push_back(log_path);

    const Pattern record(std::string(kStampPattern) + kPrefixPattern +
                         R"(\[ERROR\] log_thread_test\.cpp\([0-9]+\): T([0-9]) N([0-9]+))");
    std::vector<std::vector<int>> seen(kThreads, std::vector<int>(kRecordsPerThread, 0));
    size_t lines = 0;
    size_t bad_lines = 0;
    for (const std::string& file : files) {
        std::string text = ReadFile(file);
        // The pre-sized start of the oldest file is a run of NUL bytes.
        text.erase(0, text.find_first_not_of('\0'));
        for (const std::string& line : SplitLines(text)) {
            ++lines;
            // The padding is compared directly rather than through the pattern.
            const size_t padding_start = line.rfind(' ');
            const std::string head = line.substr(0, padding_start);
            std::vector<std::string> match;
            if (padding_start == std::string::npos || !record.Match(head, &match)) {
                ++bad_lines;
                continue;
            }
            const int thread_index = std::stoi(match[0]);
            const int number = std::stoi(match[1]);
            const std::string expected_padding(kPaddingLength, static_cast<char>('a' + thread_index));
            if (thread_index >= kThreads || number >= kRecordsPerThread || line.compare(padding_start + 1, std::string::npos, expected_padding) != 0) {
                ++bad_lines;
                continue;
            }
            ++seen[thread_index][number];
        }
    }
    EXPECT_EQ(0u, bad_lines);
    EXPECT_EQ(static_cast<size_t>(kThreads * kRecordsPerThread), lines);
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kRecordsPerThread; ++i) {
            ASSERT_EQ(1, seen[t][i]) << "thread " << t << " record " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scopes, LogThreadTest, ::testing::Values(Logger::ThreadSafe, Logger::ProcessSafe),
                         [](const ::testing::TestParamInfo<Logger::SafetyScope>& info) {
                             return info.param == Logger::ThreadSafe ? "ThreadSafe" : "ProcessSafe";
                         });

} // namespace
