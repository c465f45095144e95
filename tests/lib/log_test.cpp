// The logger. Logs are pre-sized with truncate (sparse): 5 MiB costs nothing.
#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <thread>

#include "child_process.h"
#include "files.h"
#include "log.h"
#include "log_records.h"

constexpr off_t kLimit = 5242880;

static int Init(const std::string& path, off_t size = 0, int rotateCount = 50, const std::string& levels = "")
{
    WriteFile(path, "");
    EXPECT_EQ(0, truncate(path.c_str(), size));
    return Logger::Initialize(Logger::FILE_LOGGER, path, levels, rotateCount, Logger::ThreadSafe);
}

// Before any Initialize (first here, so none ran) ERROR and WARNING go to standard
// error. An Initialize on no plain file of its own (a FIFO must not block, root never
// follows a link) fails at once, writes nothing and silences every later statement.
TEST(Log, StandardErrorUntilAFailedInitializeThenSilence)
{
    for (const bool link : {false, true}) {  // the root-only case last: it skips
        if (link) {
            SKIP_UNLESS_ROOT();
        }
        ScratchDir dir;
        WriteFile(dir / "elsewhere", "");
        ASSERT_EQ(0, link ? symlink("elsewhere", (dir / "log").c_str()) : mkfifo((dir / "log").c_str(), 0600));
        const ChildResult child = RunInChild([&dir] {
            alarm(5);
            LOG_MSG(L_ERR, service_debug, "error %d\n", 1);
            LOG_MSG(L_WARNING, extractor_debug, "warning %d\n", 2);
            int evaluations = 0;
            const int result = Logger::Initialize(Logger::FILE_LOGGER, dir / "log", "", 50, Logger::ThreadSafe);
            LOG_MSG(L_EMERG, launcher_debug, "after failure %d\n", ++evaluations);
            Logger::LogMsg(Logger::L_EMERG, "launcher_debug", "emergency\n");
            return result == -1 && evaluations == 0 ? 0 : 1;
        });
        EXPECT_TRUE(child.status == 0 && FileSize(dir / "elsewhere") == 0) << link << " " << child.status;
        EXPECT_EQ(LogRecords(child.stderr_text), (std::vector<std::string>{"ERROR error 1", "WARNING warning 2"}));
    }
}

// From a second thread, in a zone far from UTC, so that a stamp made with
// gmtime or a thread number taken from the main thread shows. A stream record
// adds errno when asked, and its text is never a format.
TEST(Log, RecordIsLocalStampPidThreadTagFileLineAndText)
{
    setenv("TZ", "<+0530>-05:30", 1);
    tzset();
    ScratchDir dir;
    ASSERT_EQ(0, Init(dir / "log"));
    const time_t before = time(nullptr);
    char record[128];
    std::thread([&record] {
        const int line = __LINE__ + 1;
        LOG_MSG(L_ERR, file_op_debug, "open '%s'\n", "/x");
        snprintf(record, sizeof record, "(%5d:%5d) [ERROR] log_test.cpp(%d): open '/x'\n", static_cast<int>(getpid()),
                 static_cast<int>(static_cast<uint64_t>(pthread_self()) % 100000), line);
    }).join();
    std::stringstream stream("100% %s", std::ios::in | std::ios::out | std::ios::ate);
    errno = ENOENT;
    Logger::LogMsg3(Logger::L_ERR, "ss_debug", stream, static_cast<Logger::ConfigFlag>(Logger::C_ERRNO | Logger::C_NEWLINE));
    const std::string text = ReadFile(dir / "log");
    struct tm stamp {};
    const char* rest = strptime(text.c_str(), "%Y-%m-%dT%H:%M:%S ", &stamp);
    EXPECT_TRUE(rest != nullptr && *rest == '(' && mktime(&stamp) >= before && mktime(&stamp) <= time(nullptr)) << text;
    EXPECT_EQ(text.substr(20, strlen(record)), record);
    EXPECT_EQ(text.substr(40 + strlen(record)), std::string("100% %s, err=2:") + strerror(ENOENT) + "\n");
}

// Which levels pass for a component's line in the level file, no line being
// WARNING. A component per case: the level table is never cleared.
TEST(Log, ThresholdFromLevelFile)
{
    struct Case { const char* value; int threshold; };  // null: no line
    ScratchDir dir;
    for (const Case& c : {Case{nullptr, Logger::L_WARNING}, Case{"7", 7}, Case{"-1", -1}, Case{"abc", 0},
                          Case{"4294967295", INT_MAX}}) {  // cut to 32 bits it would read -1
        const std::string comp = std::string("thr_") + (c.value ? c.value : "none"), levels = dir / comp;
        WriteFile(levels, c.value == nullptr ? "" : comp + "=" + c.value + "\n");
        ASSERT_EQ(0, Init(dir / "log", 0, 50, levels));
        for (int level = Logger::L_DEBUG; level >= Logger::L_EMERG; --level) {  // the file stays empty until one passes
            EXPECT_EQ(level <= c.threshold, Logger::IsNeedToLog(static_cast<Logger::Level>(level), comp)) << comp;
            Logger::LogMsg(static_cast<Logger::Level>(level), comp, "level %d\n", level);
            EXPECT_EQ(level <= c.threshold, FileSize(dir / "log") > 0) << comp << " " << level;
        }
    }
}

// Every record here is a 20-byte stamp alone. Then of rotate_cnt files the
// newest numbered ones stay, number 0 the newest.
TEST(LogRotation, RotatesAfterTheRecordThatPassesTheLimitKeepingRotateCountFiles)
{
    struct Case { off_t start; int records; off_t numbered, live; };
    ScratchDir dir;
    for (const Case& c : {Case{kLimit - 20, 1, -1, kLimit}, Case{kLimit - 20, 2, kLimit + 20, 0},
                          Case{6 << 20, 2, (6 << 20) + 20, 20}, Case{(off_t{1} << 31) + 100, 1, (off_t{1} << 31) + 120, 0}}) {
        unlink((dir / "log_0").c_str());
        ASSERT_EQ(0, Init(dir / "log", c.start));
        for (int i = 0; i < c.records; ++i) {
            Logger::LogMsg(Logger::L_ERR, "rotate_debug", "%s", "");
        }
        EXPECT_EQ(std::make_pair(FileSize(dir / "log_0"), FileSize(dir / "log")), std::make_pair(c.numbered, c.live))
            << c.start << " " << c.records;
    }
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(0, Init(dir / "log", kLimit, 3));
        LOG_MSG(L_ERR, rotate_debug, "rotation %d\n", i);
    }
    EXPECT_EQ(LogRecords(ReadFile(dir / "log_0").substr(kLimit) + ReadFile(dir / "log_1").substr(kLimit)),
              (std::vector<std::string>{"ERROR rotation 4", "ERROR rotation 3"}));
    EXPECT_EQ(3, std::distance(std::filesystem::directory_iterator(dir.path()), {}));
}

// A failed rotation leaves no stream: records are dropped, each letting the
// lock go (the alarm ends a hang on it), until the next Initialize.
TEST(LogRotation, FailedRotationDropsRecordsUntilNextInitialize)
{
    ScratchDir dir;
    const std::string live = dir / "log";
    WriteFile(live + "_0/keep", "x");  // a folder in the rotation's way
    const ChildResult child = RunInChild([&live] {
        alarm(5);
        int failures = Init(live, kLimit, 1);
        for (const char* text : {"first", "dropped", "dropped too"}) {
            LOG_MSG(L_ERR, rotate_debug, "%s\n", text);
        }
        std::filesystem::remove_all(live + "_0");
        failures += Logger::Initialize(Logger::FILE_LOGGER, live, "", 1, Logger::ThreadSafe);
        LOG_MSG(L_ERR, rotate_debug, "after\n");
        return failures;
    });
    EXPECT_TRUE(child.status == 0 && FileSize(live) == 0) << child.status;
    EXPECT_EQ(LogRecords(ReadFile(live + "_0").substr(kLimit)), (std::vector<std::string>{"ERROR first", "ERROR after"}));
}
