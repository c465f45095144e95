// Record format, level filter and level file of a file logger.

#include "test_support.h"

class LogFileTest : public ::testing::Test {
protected:
    void TearDown() override { Logger::Destroy(); }

    int InitWithLevels(const std::string& levels)
    {
        WriteFile(level_path, levels);
        return Logger::Initialize(Logger::FILE_LOGGER, log_path, level_path, 50, Logger::ThreadSafe);
    }

    ScratchDir dir;
    const std::string log_path = dir / "launcher.log";
    const std::string level_path = dir / "launcher.debug";
};

// One record written from a second thread, in a zone far from UTC so that a
// stamp made with gmtime or a thread number taken from the main thread shows.
TEST_F(LogFileTest, RecordIsLocalStampPidThreadTagFileLineAndText)
{
    setenv("TZ", "<+0530>-05:30", 1);  // nothing else in this program reads the clock's zone
    tzset();
    ASSERT_EQ(0, InitWithLevels(""));
    char expected_prefix[128];
    time_t before = time(nullptr), after = 0;
    std::thread([&] {
        const int line = __LINE__ + 1;
        LOG_MSG(L_ERR, file_op_debug, "FSOpenDir: Failed to open directory '%s'. %s\n", "/tmp/x", strerror(ENOENT));
        after = time(nullptr);
        snprintf(expected_prefix, sizeof(expected_prefix), "(%5d:%5d) [ERROR] log_format_test.cpp(%d): ",
                 static_cast<int>(getpid()), static_cast<int>(static_cast<uint64_t>(pthread_self()) % 100000), line);
    }).join();

    const std::string text = ReadFile(log_path);
    EXPECT_TRUE(Pattern(std::string(kStampPattern) + kPrefixPattern + R"(\[ERROR\] log_format_test\.cpp\([0-9]+\): )"
                        "FSOpenDir: Failed to open directory '/tmp/x'\\. No such file or directory\n").Match(text)) << text;
    char stamps[2][32];
    strftime(stamps[0], sizeof(stamps[0]), "%Y-%m-%dT%H:%M:%S ", localtime(&before));
    strftime(stamps[1], sizeof(stamps[1]), "%Y-%m-%dT%H:%M:%S ", localtime(&after));
    EXPECT_TRUE(text.rfind(stamps[0], 0) == 0 || text.rfind(stamps[1], 0) == 0) << text;
    EXPECT_EQ(expected_prefix, text.substr(kStampLength, strlen(expected_prefix)));
}

TEST_F(LogFileTest, FilteredStatementEvaluatesNoArgument)
{
    int evaluations = 0;
    ASSERT_EQ(0, InitWithLevels(""));
    LOG_MSG(L_DEBUG, lazy_debug, "%d\n", ++evaluations);
    EXPECT_EQ(0, evaluations);
    EXPECT_EQ("", ReadFile(log_path));

    ASSERT_EQ(0, InitWithLevels("lazy_debug=7\n"));
    LOG_MSG(L_DEBUG, lazy_debug, "%d\n", ++evaluations);
    EXPECT_EQ(1, evaluations);
    EXPECT_NE(std::string::npos, ReadFile(log_path).find("[DEBUG]"));
}

// Which levels of one component reach the file for a given level file line.
TEST_F(LogFileTest, ThresholdFromLevelFile)
{
    struct Case { const char* name; const char* value; int threshold; };  // value null: no line
    const Case cases[] = {
        {"no_entry_is_warning", nullptr, Logger::L_WARNING}, {"seven_passes_debug", "7", 7},
        {"zero_passes_only_emerg", "0", 0}, {"negative_passes_nothing", "-1", -1},
        {"not_a_number_is_zero", "abc", 0}, {"double_quoted_seven", "\"7\"", 7},
        {"single_quoted_with_blank", "' 5'", 5}, {"digits_then_text", "3x", 3}, {"plus_sign", "+6", 6},
        // Cut to 32 bits these would read -1 and 1.
        {"overflow_is_int_max", "4294967295", INT_MAX}, {"underflow_is_int_min", "-4294967295", INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The level table is never cleared, so every case needs its own component.
        const std::string comp = std::string("thr_") + c.name;
        unlink(log_path.c_str());
        ASSERT_EQ(0, InitWithLevels(c.value == nullptr ? "" : comp + "=" + c.value + "\n"));
        std::string expected;
        for (int level = Logger::L_EMERG; level <= Logger::L_DEBUG; ++level) {
            const auto typed = static_cast<Logger::Level>(level);
            EXPECT_EQ(level <= c.threshold, Logger::IsNeedToLog(typed, comp)) << "level " << level;
            Logger::LogMsg(typed, comp, "level %d\n", level);
            expected += level <= c.threshold ? "level " + std::to_string(level) + "\n" : "";
        }
        EXPECT_EQ(expected, WithoutStamps(ReadFile(log_path)));
    }
}

// A second Initialize keeps the entries its level file lacks, also when the file
// is missing or discarded for a line without '='.
TEST_F(LogFileTest, LaterLevelFilesKeepEarlierEntries)
{
    ASSERT_EQ(0, InitWithLevels("keep_a_debug=7\nkeep_b_debug=7\n"));
    ASSERT_EQ(0, InitWithLevels("keep_a_debug=3\n"));
    EXPECT_FALSE(Logger::IsNeedToLog(Logger::L_WARNING, "keep_a_debug"));
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_DEBUG, "keep_b_debug"));
    ASSERT_EQ(0, InitWithLevels("keep_b_debug=0\nrule_debug=7\nbroken\n"));
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_DEBUG, "keep_b_debug"));
    EXPECT_FALSE(Logger::IsNeedToLog(Logger::L_NOTICE, "rule_debug"));
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_WARNING, "rule_debug"));
    unlink(level_path.c_str());
    ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log_path, level_path, 50, Logger::ThreadSafe));
    EXPECT_TRUE(Logger::IsNeedToLog(Logger::L_DEBUG, "keep_b_debug"));
}

TEST_F(LogFileTest, StringStreamRecords)
{
    const auto both = static_cast<Logger::ConfigFlag>(Logger::C_ERRNO | Logger::C_NEWLINE);
    struct Case { const char* name; int error; Logger::ConfigFlag flags; const char* text; std::string expected; };
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
        Logger::LogMsg(Logger::L_ERR, "ss_debug", "next\n");
        EXPECT_EQ(c.expected + "next\n", WithoutStamps(ReadFile(log_path)));
    }
}
