// Size-based rotation of the log file and failed initialisation. Files are
// pre-sized with truncate (sparse), so reaching 5 MiB costs nothing.

#include "test_support.h"

namespace fs = std::filesystem;
constexpr off_t kLimit = 5242880;


static std::string Tail(const std::string& path, size_t length)
{
    std::ifstream in(path, std::ios::binary);
    in.seekg(-static_cast<std::streamoff>(length), std::ios::end);
    std::string text(length, '\0');
    return in.read(text.data(), static_cast<std::streamsize>(length)) ? text : "";
}

// Initialize on a log file pre-sized to size (-1: left alone).
static int Init(const std::string& log_path, off_t size = -1, int rotate_cnt = 50)
{
    if (size >= 0) {
        WriteFile(log_path, "");
        EXPECT_EQ(0, truncate(log_path.c_str(), size)) << log_path;
    }
    return Logger::Initialize(Logger::FILE_LOGGER, log_path, "", rotate_cnt, Logger::ThreadSafe);
}

class LogRotationTest : public ::testing::Test {
protected:
    void TearDown() override { Logger::Destroy(); }

    ScratchDir dir;
    const std::string log_path = dir / "launcher.log";
    const std::string first_numbered = dir / "launcher.log_0";
};

// Every record here is the 20-byte timestamp alone.
TEST_F(LogRotationTest, RotatesAfterTheRecordThatPassesTheLimit)
{
    struct Case { const char* name; off_t initial_size; int records; off_t numbered_size, live_size; };
    const Case cases[] = {
        {"from_5242870_to_5242890", kLimit - 10, 1, kLimit + 10, 0},
        {"exactly_5242880_stays", kLimit - 20, 1, -1, kLimit},
        {"one_past_exactly_5242880", kLimit - 20, 2, kLimit + 20, 0},
        {"six_mb_file_after_first_record", 6 * 1024 * 1024, 1, 6 * 1024 * 1024 + 20, 0},
        {"six_mb_file_second_record_in_new_file", 6 * 1024 * 1024, 2, 6 * 1024 * 1024 + 20, 20},
        {"past_2_gib_after_first_record", (off_t{1} << 31) + 100, 1, (off_t{1} << 31) + 120, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unlink(first_numbered.c_str());
        ASSERT_EQ(0, Init(log_path, c.initial_size));
        for (int i = 0; i < c.records; ++i) {
            Logger::LogMsg(Logger::L_ERR, "rotate_debug", "%s", "");
        }
        EXPECT_EQ(c.numbered_size, FileSize(first_numbered));
        EXPECT_EQ(c.live_size, FileSize(log_path));
    }
}

// rotate_cnt decides which numbered files survive; number 0 is the newest.
TEST_F(LogRotationTest, RotateCountKeepsItsFileSet)
{
    struct Case { const char* name; int rotate_cnt, rotations, kept; };  // kept: numbered files 0 .. kept-1
    const Case cases[] = {{"one_replaces_number_zero", 1, 3, 1}, {"three_keeps_two_numbers", 3, 5, 2},
                          {"fifty_keeps_0_to_48", 50, 55, 49}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir folder;
        const std::string live = folder / "launcher.log";
        for (int i = 0; i < c.rotations; ++i) {
            ASSERT_EQ(0, Init(live, kLimit, c.rotate_cnt));
            Logger::LogMsg(Logger::L_ERR, "rotate_debug", "rotation %d\n", i);
        }
        Logger::Destroy();
        for (int k = 0; k < c.kept; ++k) {
            const std::string marker = "rotation " + std::to_string(c.rotations - 1 - k) + "\n";
            EXPECT_EQ(marker, Tail(live + "_" + std::to_string(k), marker.size())) << k;
        }
        EXPECT_EQ(c.kept + 1, std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
        EXPECT_EQ(0, FileSize(live));
    }
}

// A rotation that cannot rename the live file leaves the logger without a
// stream: later records are dropped until the next Initialize.
TEST_F(LogRotationTest, FailedRotationSilencesUntilNextInitialize)
{
    ASSERT_EQ(0, mkdir(first_numbered.c_str(), 0755));
    WriteFile(first_numbered + "/keep", "x");
    ASSERT_EQ(0, Init(log_path, kLimit, 1));

    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "first\n");
    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "second\n");
    EXPECT_EQ("first\n", Tail(log_path, 6));
    EXPECT_EQ(kLimit + 20 + 6, FileSize(log_path));

    fs::remove_all(first_numbered);
    ASSERT_EQ(0, Init(log_path, -1, 1));
    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "third\n");
    EXPECT_EQ("third\n", Tail(first_numbered, 6));
    EXPECT_EQ(0, FileSize(log_path));
}

// Initialize fails, nothing reaches standard error, and every later
// statement is silent, also for the most severe levels.
TEST(LogInitializeFailure, LoggerStaysSilent)
{
    struct Case { const char* name; const char* relative_log_path; bool as_nobody; };  // path "": none at all
    // The unprivileged case comes last: without root it skips, and the rest has run.
    const Case cases[] = {{"missing_folder", "missing/launcher.log", false}, {"empty_path", "", false},
                          {"folder_not_writable", "launcher.log", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.as_nobody) {
            SKIP_UNLESS_ROOT();
        }
        ScratchDir folder;
        const std::string path = *c.relative_log_path == '\0' ? "" : folder / c.relative_log_path;
        const ChildResult child = RunInChild([&path] {
            int evaluations = 0;
            const int result = Init(path);
            LOG_MSG(L_ERR, launcher_debug, "after failure %d\n", ++evaluations);
            Logger::LogMsg(Logger::L_EMERG, "launcher_debug", "emergency\n");
            const bool silent = evaluations == 0 && !Logger::IsNeedToLog(Logger::L_EMERG, "launcher_debug");
            return result != -1 ? 11 : (silent ? 0 : 12);
        }, c.as_nobody);
        EXPECT_EQ(0, child.status);
        EXPECT_EQ("", child.stderr_text);
        EXPECT_TRUE(fs::is_empty(folder.path()));
    }
}

// What sits at the log's name decides nothing but the result: a FIFO or a link
// is refused at once (the child's alarm bounds a hang) and nothing is written
// through it.
TEST(LogInitializeFailure, RefusesWhatIsNoPlainFileOfItsOwn)
{
    struct Case { const char* name; bool fifo; };
    // The link case only means something for root, who must not follow it.
    const Case cases[] = {{"fifo_at_log_path", true}, {"link_at_log_path_as_root", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.fifo) {
            SKIP_UNLESS_ROOT();
        }
        ScratchDir folder;
        const std::string path = folder / "launcher.log";
        const std::string target = folder / "elsewhere";
        if (c.fifo) {
            ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
        } else {
            WriteFile(target, "");
            ASSERT_EQ(0, symlink(target.c_str(), path.c_str()));
        }
        const ChildResult child = RunInChild([&path] {
            alarm(5);
            return Init(path) == -1 ? 0 : 11;
        });
        EXPECT_EQ(0, child.status);
        EXPECT_EQ(c.fifo ? -1 : 0, FileSize(target));
    }
}
