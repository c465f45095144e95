// Two threads log through several rotations: every record arrives exactly
// once, whole, on a line of its own.

#include "test_support.h"

// Many short records give many chances to interleave; about 13 MB in all
// means three rotations.
constexpr int kThreads = 2, kRecordsPerThread = 20000;

class LogThreadTest : public ::testing::TestWithParam<Logger::SafetyScope> {
protected:
    void TearDown() override { Logger::Destroy(); }

    ScratchDir dir;
    const std::string log_path = dir / "launcher.log";
};

TEST_P(LogThreadTest, NoRecordLostOrInterleavedAcrossRotations)
{
    // Start just below the limit so the first rotation comes at once.
    WriteFile(log_path, "");
    ASSERT_EQ(0, truncate(log_path.c_str(), 5242880 - 1000));
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log_path, "", 50, GetParam()));
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

    // All files, oldest first; the pre-sized start of the oldest is a run of NUL bytes.
    std::string text = ReadFile(log_path);
    int rotations = 0;
    for (std::string name; FileSize(name = log_path + "_" + std::to_string(rotations)) >= 0; ++rotations) {
        text = ReadFile(name) + text;
    }
    EXPECT_GE(rotations, 3);

    // Every line one whole record, and every record seen once. The padding is
    // compared directly: the pattern engine is slow on long runs.
    const Pattern head(std::string(kStampPattern) + kPrefixPattern +
                       R"(\[ERROR\] log_thread_test\.cpp\([0-9]+\): T[0-9] N[0-9]+)");
    std::set<std::pair<int, int>> seen;
    int lines = 0;
    std::istringstream in(text.substr(text.find_first_not_of('\0')));
    for (std::string line; std::getline(in, line); ++lines) {
        const size_t end = line.size() > 251 ? line.size() - 251 : 0;
        int t = kThreads, n = kRecordsPerThread;
        if (head.Match(line.substr(0, end))) {
            sscanf(line.c_str() + line.find("): T") + 3, "T%d N%d", &t, &n);
        }
        if (t < kThreads && n < kRecordsPerThread && line.compare(end, 251, " " + std::string(250, 'a' + t)) == 0) {
            seen.insert({t, n});
        }
    }
    EXPECT_EQ(kThreads * kRecordsPerThread, lines);
    EXPECT_EQ(static_cast<size_t>(kThreads * kRecordsPerThread), seen.size());
}

INSTANTIATE_TEST_SUITE_P(Scopes, LogThreadTest, ::testing::Values(Logger::ThreadSafe, Logger::ProcessSafe),
                         [](const auto& info) { return info.param == Logger::ThreadSafe ? "ThreadSafe" : "ProcessSafe"; });
