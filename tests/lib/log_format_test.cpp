// Record format, level filter and level file of a file logger.

#include "log.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <thread>

#include "log_test_support.h"

namespace {

std::string LocalStamp(time_t when)
{
    struct tm local {};
    localtime_r(&when, &local);
    char text[32];
    strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%S ", &local);
    return text;
}

std::string Prefix(const char* tag, int line)
{
    char text[128];
    snprintf(text, sizeof(text), "(%5d:%5d) [%s] log_format_test.cpp(%d): ", static_cast<int>(getpid()),
             static_cast<int>(static_cast<uint64_t>(pthread_self()) % 100000), tag, line);
    return text;
}

class LogFileTest : public ::testing::Test {
protected:
    void TearDown() override { Logger::Destroy(); }

    int InitWithLevels(const std::string& levels)
    {
        WriteFile(level_path, levels);
        return Logger::Initialize(Logger::FILE_LOGGER, log_path, level_path, 50, Logger::ThreadSafe);
    }

    TempDir dir;
    const std::string log_path = dir / "launcher.log";
    const std::string level_path = dir / "launcher.debug";
};

// Stamps in a zone far from UTC, so a stamp made with gmtime shows.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        const char* old = getenv("TZ");
        had_old_ = old != nullptr;
        if (had_old_) {
            old_ = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (had_old_) {
            setenv("TZ", old_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    bool had_old_ = false;
    std::string old_;
};

TEST_F(LogFileTest, RecordMatchesTheDocumentedLine)
{
    ScopedTimeZone zone("<+0530>-05:30");
    ASSERT_EQ(0, InitWithLevels(""));

    const time_t before = time(nullptr);
    const int line = __LINE__ + 1;
    LOG_MSG(L_ERR, file_op_debug, "FSOpenDir: Failed to open directory '%s'. %s\n", "/tmp/x", strerror(ENOENT));
    const time_t after = time(nullptr);

    const std::string text = ReadFile(log_path);
    const Pattern shape(std::string(kStampPattern) + kPrefixPattern +
                        R"(\[ERROR\] log_format_test\.cpp\([0-9]+\): )"
                        "FSOpenDir: Failed to open directory '/tmp/x'\\. No such file or directory\n");
    EXPECT_TRUE(shape.Match(text)) << text;
    ASSERT_GT(text.size(), kTimestampLength);
    const std::string stamp = text.substr(0, kTimestampLength);
    EXPECT_TRUE(stamp == LocalStamp(before) || stamp == LocalStamp(after)) << stamp;
    EXPECT_EQ(Prefix("ERROR", line), text.substr(kTimestampLength, Prefix("ERROR", line).size()));
}

TEST_F(LogFileTest, ThreadNumberIsTheCallingThreads)
{
    ASSERT_EQ(0, InitWithLevels(""));
    std::string expected;
    std::thread writer([&expected] {
        const int line = __LINE__ + 1;
        LOG_MSG(L_WARNING, launcher_debug, "from a thread\n");
        expected = Prefix("WARNING", line) + "from a thread\n";
    });
    writer.join();

    const std::string text = ReadFile(log_path);
    ASSERT_GT(text.size(), kTimestampLength);
    EXPECT_EQ(expected, text.substr(kTimestampLength));
}

TEST_F(LogFileTest, FilteredStatementEvaluatesNoArgument)
{
    int evaluations = 0;
    auto costly = [&evaluations] { return ++evaluations; };

    ASSERT_EQ(0, InitWithLevels(""));
    LOG_MSG(L_DEBUG, lazy_debug, "%d\n", costly());
    EXPECT_EQ(0, evaluations);
    EXPECT_EQ("", ReadFile(log_path));

    ASSERT_EQ(0, InitWithLevels("lazy_debug=7\n"));
    LOG_MSG(L_DEBUG, lazy_debug, "%d\n", costly());
    EXPECT_EQ(1, evaluations);
    EXPECT_NE(std::string::npos, ReadFile(log_path).find("[DEBUG]"));
}

// Which levels of one component reach the file for a given level file line.
TEST_F(LogFileTest, ThresholdFromLevelFile)
{
    struct Case {
        const char* name;
        const char* value; // null: no line for the component
        int threshold;
    };
    const Case cases[] = {
        {"no_entry_is_warning", nullptr, Logger::L_WARNING},
        {"seven_passes_debug", "7", 7},
        {"zero_passes_only_emerg", "0", 0},
        {"negative_passes_nothing", "-1", -1},
        {"not_a_number_is_zero", "abc", 0},
        {"double_quoted_seven", "\"7\"", 7},
        {"single_quoted_with_blank", "' 5'", 5},
        {"digits_then_text", "3x", 3},
        {"plus_sign", "+6", 6},
        // Cut to 32 bits these would read -1 and 1.
        {"overflow_is_int_max", "4294967295", INT_MAX},
        {"underflow_is_int_min", "-4294967295", INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The level table is never cleared, so every case needs its own component.
        const std::string comp = std::string("thr_") + c.name;
        const std::string line = c.value == nullptr ? "" : comp + "=" + c.value + "\n";
        unlink(log_path.c_str());
        ASSERT_EQ(0, InitWithLevels(line));

        std::string expected;
        for (int level = Logger::L_EMERG; level <= Logger::L_DEBUG; ++level) {
            const auto typed = static_cast<Logger::Level>(level);
            EXPECT_EQ(level <= c.threshold, Logger::IsNeedToLog(typed, comp)) << "level " << level;
            Logger::LogMsg(typed, comp, "level %d\n", level);
            if (level <= c.threshold) {
                expected += "level " + std::to_string(level) + "\n";
            }
        }
        EXPECT_EQ(expected, WithoutStamps(ReadFile(log_path)));
    }
}

TEST_F(LogFileTest, LineWithoutEqualsDiscardsTheWholeLevelFile)
{
    ASSERT_EQ(0, InitWithLevels("rule_debug=7\nbroken\n"));
    EXPECT_FALSE(Logger::IsNeedToLog(Logger::L_DEBUG, "rule_debug"));
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_WARNING, "rule_debug"));
}

TEST_F(LogFileTest, SecondInitializeKeepsEntriesTheNewFileLacks)
{
    ASSERT_EQ(0, InitWithLevels("keep_a_debug=7\nkeep_b_debug=7\n"));
    ASSERT_EQ(0, InitWithLevels("keep_a_debug=3\n"));
    EXPECT_FALSE(Logger::IsNeedToLog(Logger::L_WARNING, "keep_a_debug"));
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_DEBUG, "keep_b_debug"));

    unlink(level_path.c_str());
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log_path, level_path, 50, Logger::ThreadSafe));
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_DEBUG, "keep_b_debug"));
}

TEST_F(LogFileTest, StringStreamRecords)
{
    const auto both = static_cast<Logger::ConfigFlag>(Logger::C_ERRNO | Logger::C_NEWLINE);
    struct Case {
        const char* name;
        int error;
        Logger::ConfigFlag flags;
        const char* text;
        std::string expected;
    };
    const Case cases[] = {
        {"errno_and_newline", ENOENT, both, "open a", std::string("open a, err=2:") + strerror(ENOENT) + "\n"},
        {"errno_zero_adds_nothing", 0, both, "open b", "open b\n"},
        {"errno_ignored_without_flag", ENOENT, Logger::C_NEWLINE, "open c", "open c\n"},
        {"percent_is_literal", 0, Logger::C_NEWLINE, "100% %s %n", "100% %s %n\n"},
        {"no_newline_joins_next_record", 0, Logger::C_NONE, "first", "first"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unlink(log_path.c_str());
        ASSERT_EQ(0, InitWithLevels(""));
        std::stringstream ss;
        ss << c.text;
        errno = c.error;
        Logger::LogMsg3(Logger::L_ERR, "ss_debug", ss, c.flags);
        EXPECT_EQ(c.error, errno) << "logging changed errno";
        Logger::LogMsg(Logger::L_ERR, "ss_debug", "next\n");
        EXPECT_EQ(c.expected + "next\n", WithoutStamps(ReadFile(log_path)));
    }
}

} // namespace
