// Size-based rotation of the log file and failed initialisation.
// Files are pre-sized with truncate (sparse), so reaching 5 MiB costs nothing.

#include "log.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>

#include <set>

#include "log_test_support.h"

namespace {

constexpr off_t kLimit = 5242880;

// A record that is only the timestamp: exactly kTimestampLength bytes.
void StampOnlyRecord()
{
    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "%s", "");
}

void PreSize(const std::string& path, off_t size)
{
    ASSERT_EQ(0, truncate(path.c_str(), size)) << path;
}

std::set<std::string> FolderEntries(const std::string& path)
{
    std::set<std::string> names;
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.insert(name);
        }
    }
    closedir(dir);
    return names;
}

std::string Tail(const std::string& path, size_t length)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        return "";
    }
    const std::streamoff start = size > static_cast<std::streamoff>(length) ? size - length : 0;
    in.seekg(start);
    std::string text(static_cast<size_t>(size - start), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    return text;
}

class LogRotationTest : public ::testing::Test {
protected:
    void TearDown() override { Logger::Destroy(); }

    int Init(int rotate_cnt = 50)
    {
        return Logger::Initialize(Logger::FILE_LOGGER, log_path, "", rotate_cnt, Logger::ThreadSafe);
    }

    TempDir dir;
    const std::string log_path = dir / "launcher.log";
    const std::string first_numbered = dir / "launcher.log_0";
};

TEST_F(LogRotationTest, RotatesAfterTheRecordThatPassesTheLimit)
{
    struct Case {
        const char* name;
        off_t initial_size;
        int records;
        off_t numbered_size; // -1: no rotation
        off_t live_size;
    };
    const Case cases[] = {
        {"from_5242870_to_5242890", kLimit - 10, 1, kLimit + 10, 0},
        {"exactly_5242880_stays", kLimit - 20, 1, -1, kLimit},
        {"one_past_exactly_5242880", kLimit - 20, 2, kLimit + 20, 0},
        {"six_mb_file_after_first_record", 6 * 1024 * 1024, 1, 6 * 1024 * 1024 + 20, 0},
        {"six_mb_file_second_record_in_new_file", 6 * 1024 * 1024, 2, 6 * 1024 * 1024 + 20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unlink(first_numbered.c_str());
        WriteFile(log_path, "");
        PreSize(log_path, c.initial_size);
        ASSERT_EQ(0, Init());
        for (int i = 0; i < c.records; ++i) {
            StampOnlyRecord();
        }
        EXPECT_EQ(c.numbered_size, FileSize(first_numbered));
        EXPECT_EQ(c.live_size, FileSize(log_path));
    }
}

// rotate_cnt decides which numbered files survive; number 0 is the newest.
TEST_F(LogRotationTest, RotateCountKeepsItsFileSet)
{
    struct Case {
        const char* name;
        int rotate_cnt;
        int rotations;
        int kept; // numbered files 0 .. kept-1
    };
    const Case cases[] = {
        {"one_replaces_number_zero", 1, 3, 1},
        {"three_keeps_two_numbers", 3, 5, 2},
        {"fifty_keeps_0_to_48", 50, 55, 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        const std::string live = folder / "launcher.log";
        for (int i = 0; i < c.rotations; ++i) {
            WriteFile(live, "");
            PreSize(live, kLimit);
            ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, live, "", c.rotate_cnt, Logger::ThreadSafe));
            Logger::LogMsg(Logger::L_ERR, "rotate_debug", "rotation %d\n", i);
        }
        Logger::Destroy();

        std::set<std::string> expected = {"launcher.log"};
        for (int k = 0; k < c.kept; ++k) {
            expected.insert("launcher.log_" + std::to_string(k));
        }
        EXPECT_EQ(expected, FolderEntries(folder.path()));
        EXPECT_EQ(0, FileSize(live));
        for (int k = 0; k < c.kept; ++k) {
            const std::string numbered = live + "_" + std::to_string(k);
            const std::string marker = "rotation " + std::to_string(c.rotations - 1 - k) + "\n";
            EXPECT_EQ(marker, Tail(numbered, marker.size())) << numbered;
        }
    }
}

// A rotation that cannot rename the live file leaves the logger without a
// stream: later records are dropped until the next Initialize.
TEST_F(LogRotationTest, FailedRotationSilencesUntilNextInitialize)
{
    ASSERT_EQ(0, mkdir(first_numbered.c_str(), 0755));
    WriteFile(first_numbered + "/keep", "x");
    WriteFile(log_path, "");
    PreSize(log_path, kLimit);
    ASSERT_EQ(0, Init(1));

    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "first\n");
    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "second\n");
    EXPECT_EQ("first\n", Tail(log_path, 6));
    EXPECT_EQ(kLimit + static_cast<off_t>(kTimestampLength) + 6, FileSize(log_path));

    std::filesystem::remove_all(first_numbered);
    ASSERT_EQ(0, Init(1));
    Logger::LogMsg(Logger::L_ERR, "rotate_debug", "third\n");
    EXPECT_EQ("third\n", Tail(first_numbered, 6));
    EXPECT_EQ(0, FileSize(log_path));
}

// Initialize fails, nothing reaches standard error, and every later
// statement is silent, also for the most severe levels.
TEST(LogInitializeFailure, LoggerStaysSilent)
{
    struct Case {
        const char* name;
        const char* relative_log_path; // empty: no path at all
        bool as_nobody;
    };
    const Case cases[] = {
        {"missing_folder", "missing/launcher.log", false},
        {"folder_not_writable", "launcher.log", true},
        {"empty_path", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        const std::string path = *c.relative_log_path == '\0' ? "" : folder / c.relative_log_path;
        const ChildResult child = RunInChild([&c, &path] {
            if (c.as_nobody && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
                return 10;
            }
            int evaluations = 0;
            const int result = Logger::Initialize(Logger::FILE_LOGGER, path, "", 50, Logger::ThreadSafe);
            LOG_MSG(L_ERR, launcher_debug, "after failure %d\n", ++evaluations);
            Logger::LogMsg(Logger::L_EMERG, "launcher_debug", "emergency\n");
            if (result != -1) {
                return 11;
            }
            if (evaluations != 0 || Logger::IsNeedToLog(Logger::L_EMERG, "launcher_debug")) {
                return 12;
            }
            return 0;
        });
        EXPECT_EQ(0, child.exit_status);
        EXPECT_EQ("", child.stderr_text);
        EXPECT_EQ(std::set<std::string>{}, FolderEntries(folder.path()));
    }
}

} // namespace
