// Two threads log through six rotations (33 MB of short records): each
// record arrives exactly once, whole, on a line of its own. Fewer rotations
// let a logger without its lock pass now and then.
#include <set>
#include <thread>

#include "child_process.h"
#include "files.h"
#include "log.h"

class LogThreadTest : public ::testing::TestWithParam<Logger::SafetyScope> {};

TEST_P(LogThreadTest, NoRecordLostOrInterleavedAcrossRotations)
{
    ScratchDir dir;
    const std::string log = dir / "log";
    WriteFile(log, "");
    ASSERT_EQ(0, truncate(log.c_str(), 5242880 - 1000));  // the first rotation comes at once
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log, "", 50, GetParam()));
    std::set<std::string> missing;  // every record, less its stamp and prefix
    std::thread threads[2];
    for (int t = 0; t < 2; ++t) {
        const std::string padding(250, static_cast<char>('a' + t));
        for (int i = 0; i < 50000; ++i) {
            missing.insert("): T" + std::to_string(t) + " N" + std::to_string(i) + " " + padding);
        }
        threads[t] = std::thread([t, padding] {
            for (int i = 0; i < 50000; ++i) {
                LOG_MSG(L_ERR, thread_debug, "T%d N%d %s\n", t, i, padding.c_str());
            }
        });
    }
    threads[0].join();
    threads[1].join();
    Logger::Destroy();
    // All files, oldest first; the pre-sized start of the oldest is NUL bytes.
    std::string text = ReadFile(log);
    int rotations = 0;
    for (std::string name; FileSize(name = log + "_" + std::to_string(rotations)) >= 0; ++rotations) {
        text = ReadFile(name) + text;
    }
    EXPECT_GE(rotations, 6);
    // Each line one 20-byte stamp, a prefix and a record not seen before.
    int bad = 0;
    std::istringstream in(text.substr(text.find_first_not_of('\0')));
    for (std::string line; std::getline(in, line);) {
        bad += line.size() < 21 || line[20] != '(' || missing.erase(line.substr(std::min(line.find("): T"), line.size()))) != 1;
    }
    EXPECT_TRUE(bad == 0 && missing.empty()) << bad << " bad lines, " << missing.size() << " records missing";
}

INSTANTIATE_TEST_SUITE_P(Scopes, LogThreadTest, ::testing::Values(Logger::ThreadSafe, Logger::ProcessSafe),
                         [](const auto& info) { return info.param == Logger::ThreadSafe ? "ThreadSafe" : "ProcessSafe"; });
