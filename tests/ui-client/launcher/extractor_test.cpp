#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QObject>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "adapter.h"
#include "archive_builder.h"
#include "log.h"
#include "strtab.h"

namespace fs = std::filesystem;
using testing::ElementsAreArray;
using testing::Matcher;
using testing::StartsWith;

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& data)
{
    std::ofstream(path, std::ios::binary) << data;
}

// Every byte value, long enough to span several 10240-byte blocks.
std::string BinaryContent()
{
    std::string data;
    for (int i = 0; i < 30000; ++i) {
        data.push_back(static_cast<char>((i * 7 + i / 256) & 0xff));
    }
    return data;
}

// "absent", "dir", "link <target>" or "file <content>".
std::string Describe(const fs::path& path)
{
    const fs::file_status status = fs::symlink_status(path);
    if (!fs::exists(status)) {
        return "absent";
    }
    if (fs::is_directory(status)) {
        return "dir";
    }
    if (fs::is_symlink(status)) {
        return "link " + fs::read_symlink(path).string();
    }
    return "file " + ReadAll(path);
}

// Relative paths of everything below folder but its subfolders.
std::set<std::string> NonFoldersBelow(const fs::path& folder)
{
    std::set<std::string> found;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        if (!e.is_directory() || e.is_symlink()) {
            found.insert(e.path().lexically_relative(folder).string());
        }
    }
    return found;
}

const std::string kDialogText = "text Tarnwell Client is initializing...";

// What the dialog receives when `done` of `total` entries get written.
std::vector<std::string> Reports(int total, int done)
{
    std::vector<std::string> reports{kDialogText};
    for (int step = 1; step <= done; ++step) {
        reports.push_back("progress " + std::to_string(total) + " " + std::to_string(step));
    }
    return reports;
}

class ExtractorTest : public testing::Test {
protected:
    static void SetUpTestSuite() { StrTable::InitStrTable(); }

    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "extractor-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        target = root + "/target";
        ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
        WriteAll(root + "/launcher.debug", "extractor_debug=7\n");
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, root + "/launcher.log", root + "/launcher.debug", 2,
                                     Logger::ThreadSafe),
                  0);
        Notify_Adapter* adapter = &Notify_Adapter::GetInstance();
        connections = {
            QObject::connect(adapter, &Notify_Adapter::sigUpdateDialogText,
                             [this](QString text) { events.push_back("text " + text.toStdString()); }),
            QObject::connect(adapter, &Notify_Adapter::sigUpdateProgress, [this](int total, int current) {
                events.push_back("progress " + std::to_string(total) + " " + std::to_string(current));
            }),
        };
    }

    void TearDown() override
    {
        for (const QMetaObject::Connection& c : connections) {
            QObject::disconnect(c);
        }
        Logger::Destroy();
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    // "TAG message" of each extractor record, in order.
    std::vector<std::string> LogLines() const
    {
        std::ifstream in(root + "/launcher.log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            const size_t tag = line.find(") [");
            const size_t source = line.find("] extractor.cpp(");
            const size_t message = line.find("): ", source);
            if (tag != std::string::npos && source != std::string::npos && message != std::string::npos) {
                lines.push_back(line.substr(tag + 3, source - tag - 3) + " " + line.substr(message + 3));
            }
        }
        return lines;
    }

    std::string DebugLine(const std::string& source) const
    {
        return "DEBUG decompress from '" + source + "' to '" + target + "'";
    }

    std::string root;
    std::string target;
    std::vector<std::string> events;
    std::vector<QMetaObject::Connection> connections;
};

const std::vector<TestEntry> kPackage = {
    {"pkg/", AE_IFDIR, "", 0755},
    {"pkg/bin/", AE_IFDIR, "", 0755},
    {"pkg/bin/tool", AE_IFREG, BinaryContent(), 0755},
    {"pkg/readme.txt", AE_IFREG, "read me\n"},
    {"pkg/current", AE_IFLNK, "bin/tool", 0777},
};

TEST_F(ExtractorTest, ExtractReportsProgressAndLeavesExactlyTheArchiveContent)
{
    const std::vector<std::pair<std::string, std::string>> package_on_disk = {
        {"pkg", "dir"},
        {"pkg/bin", "dir"},
        {"pkg/bin/tool", "file " + BinaryContent()},
        {"pkg/readme.txt", "file read me\n"},
        {"pkg/current", "link bin/tool"},
    };
    struct Case {
        const char* name;
        int format;  // 0: the source file holds `raw` and is no archive libarchive wrote
        int filter;
        std::vector<TestEntry> entries;
        std::string raw;
        int result;
        std::vector<std::string> events;
        std::vector<Matcher<std::string>> log_after_debug;
        std::vector<std::pair<std::string, std::string>> on_disk;  // path below target, Describe()
    };
    const Case cases[] = {
        {"tar_gz_tree", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP, kPackage, "", 0, Reports(5, 5), {},
         package_on_disk},
        {"zip_tree", ARCHIVE_FORMAT_ZIP, ARCHIVE_FILTER_NONE, kPackage, "", 0, Reports(5, 5), {}, package_on_disk},
        {"empty_tar", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE, {}, "", -1, {kDialogText},
         {"ERROR Failed to calculate total file numbers, ret: 0"}, {}},
        {"empty_zip", ARCHIVE_FORMAT_ZIP, ARCHIVE_FILTER_NONE, {}, "", -1, {kDialogText},
         {"ERROR Failed to calculate total file numbers, ret: 0"}, {}},
        {"zero_byte_file", 0, 0, {}, "", -1, {kDialogText},
         {"ERROR Failed to calculate total file numbers, ret: 0"}, {}},
        {"not_an_archive", 0, 0, {}, "plain words, no archive at all\n", -1, {kDialogText},
         {StartsWith("ERROR archive_read_open_filename failed: '"),
          "ERROR Failed to calculate total file numbers, ret: -1"},
         {}},
        {"archive_entry_dotdot", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE,
         {{"pkg/first.txt", AE_IFREG, "1"}, {"pkg/../escape.txt", AE_IFREG, "2"}, {"pkg/last.txt", AE_IFREG, "3"}}, "",
         -1, Reports(3, 1), {StartsWith("ERROR archive_read_extract2 failed: '")}, {{"pkg/first.txt", "file 1"}}},
        {"absolute_entry_path", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE,
         {{root + "/outside/x", AE_IFREG, "abs"}}, "", 0, Reports(1, 1), {},
         {{root.substr(1) + "/outside/x", "file abs"}, {"../outside", "absent"}}},
        // In the C locale a UTF-8 path cannot be converted: the header comes back
        // with a warning, which ends Count silently but fails Extract.
        {"header_warning", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE,
         {{"pkg/a.txt", AE_IFREG, "a"}, {"pkg/\xc3\xa9.txt", AE_IFREG, "e"}}, "", -1, Reports(1, 1),
         {StartsWith("ERROR archive_read_next_header failed: '")}, {{"pkg/a.txt", "file a"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = root + "/" + c.name;
        if (c.format == 0) {
            WriteAll(source, c.raw);
        } else {
            ASSERT_TRUE(WriteTestArchive(source, c.format, c.filter, c.entries));
        }
        fs::remove_all(target);
        fs::create_directory(target);
        fs::resize_file(root + "/launcher.log", 0);
        events.clear();

        Extractor extractor;
        extractor.SetSource(source);
        extractor.SetTarget(target);
        EXPECT_EQ(extractor.Extract(), c.result);

        EXPECT_EQ(events, c.events);
        std::vector<Matcher<std::string>> log{DebugLine(source)};
        log.insert(log.end(), c.log_after_debug.begin(), c.log_after_debug.end());
        EXPECT_THAT(LogLines(), ElementsAreArray(log));
        std::set<std::string> expected_below;
        for (const auto& [path, description] : c.on_disk) {
            EXPECT_EQ(Describe(target + "/" + path), description) << path;
            if (description != "dir" && description != "absent") {
                expected_below.insert(path);
            }
        }
        EXPECT_EQ(NonFoldersBelow(target), expected_below);
    }
}

TEST_F(ExtractorTest, ExistingFilesAreReplacedNotWrittenThrough)
{
    const std::string source = root + "/package.tar";
    ASSERT_TRUE(WriteTestArchive(source, ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE, kPackage));
    WriteAll(root + "/keep.txt", "keep");
    ASSERT_EQ(mkdir((target + "/pkg").c_str(), 0755), 0);
    ASSERT_EQ(link((root + "/keep.txt").c_str(), (target + "/pkg/readme.txt").c_str()), 0);
    ASSERT_EQ(symlink((root + "/keep.txt").c_str(), (target + "/pkg/current").c_str()), 0);

    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);
    ASSERT_EQ(extractor.Extract(), 0);

    EXPECT_EQ(Describe(target + "/pkg/readme.txt"), "file read me\n");
    EXPECT_EQ(Describe(target + "/pkg/current"), "link bin/tool");
    EXPECT_EQ(Describe(root + "/keep.txt"), "file keep");
}

TEST_F(ExtractorTest, ExtractedFilesGetUmaskedModeAndExtractionTime)
{
    const std::string source = root + "/setuid.tar";
    ASSERT_TRUE(WriteTestArchive(source, ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE,
                                 {{"tool", AE_IFREG, "x", 04777}}));
    const mode_t mask = umask(022);

    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);
    const int result = extractor.Extract();
    umask(mask);

    ASSERT_EQ(result, 0);
    struct stat st {};
    ASSERT_EQ(stat((target + "/tool").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0755u);
    EXPECT_NE(st.st_mtime, kStoredTime);
}

TEST_F(ExtractorTest, EmptyPathIsRefusedBeforeAnythingIsOpened)
{
    struct Case {
        const char* name;
        std::string source;
        std::string target;
    };
    const Case cases[] = {
        {"no_source", "", target},
        {"no_target", root + "/launcher.debug", ""},
        {"neither", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::resize_file(root + "/launcher.log", 0);
        Extractor extractor;
        extractor.SetSource(c.source);
        extractor.SetTarget(c.target);
        EXPECT_EQ(extractor.Extract(), -1);
        EXPECT_EQ(extractor.Count(), -1);
        EXPECT_EQ(extractor.List(), -1);
        EXPECT_THAT(LogLines(),
                    ElementsAreArray({"ERROR Invalid Argument", "ERROR Invalid argument", "ERROR Invalid argument"}));
        EXPECT_TRUE(events.empty());
    }
}

TEST_F(ExtractorTest, ListPrintsEveryEntryPathOnItsOwnLine)
{
    const std::string source = root + "/package.tar.gz";
    ASSERT_TRUE(WriteTestArchive(source, ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP, kPackage));
    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);

    const std::string listing = root + "/listing.txt";
    const int saved_stdout = dup(STDOUT_FILENO);
    const int listing_fd = open(listing.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(listing_fd, 0);
    std::fflush(stdout);
    dup2(listing_fd, STDOUT_FILENO);
    const int result = extractor.List();
    dup2(saved_stdout, STDOUT_FILENO);
    close(listing_fd);
    close(saved_stdout);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadAll(listing), "pkg/\npkg/bin/\npkg/bin/tool\npkg/readme.txt\npkg/current\n");
    EXPECT_EQ(extractor.Count(), 5);
    EXPECT_TRUE(LogLines().empty());
}

}  // namespace
