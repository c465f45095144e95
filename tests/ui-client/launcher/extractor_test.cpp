// The archive extractor against real tar, zip and compressed files written
// here with libarchive's own writer from a table of entries.
#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QObject>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "adapter.h"
#include "log.h"
#include "strtab.h"

namespace fs = std::filesystem;
using testing::ElementsAreArray;
using testing::Matcher;
using testing::StartsWith;

namespace {

struct TestEntry {
    std::string path;
    unsigned type;     // AE_IFREG, AE_IFDIR or AE_IFLNK
    std::string data;  // file content or link target
    mode_t perm = 0644;
};
constexpr time_t kStoredTime = 1000000000;  // every entry's modification time

// false when libarchive refuses the format, the filter or any entry.
bool WriteArchive(const std::string& path, int format, int filter, const std::vector<TestEntry>& entries)
{
    // The writer reads paths in the locale's charset: under UTF-8 a non-ASCII
    // path goes into the archive unchanged, whatever locale reads it later.
    const std::string saved_locale = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(), archive_write_free);
    bool ok = archive_write_set_format(writer.get(), format) == ARCHIVE_OK &&
              archive_write_add_filter(writer.get(), filter) == ARCHIVE_OK &&
              archive_write_open_filename(writer.get(), path.c_str()) == ARCHIVE_OK;
    for (auto e = entries.begin(); ok && e != entries.end(); ++e) {
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
        archive_entry_set_pathname(entry.get(), e->path.c_str());
        archive_entry_set_filetype(entry.get(), e->type);
        archive_entry_set_perm(entry.get(), e->perm);
        archive_entry_set_mtime(entry.get(), kStoredTime, 0);
        if (e->type == AE_IFLNK) {
            archive_entry_set_symlink(entry.get(), e->data.c_str());
        }
        const size_t size = e->type == AE_IFREG ? e->data.size() : 0;
        archive_entry_set_size(entry.get(), static_cast<la_int64_t>(size));
        ok = archive_write_header(writer.get(), entry.get()) == ARCHIVE_OK &&
             archive_write_data(writer.get(), e->data.data(), size) == static_cast<la_ssize_t>(size);
    }
    ok = ok && archive_write_close(writer.get()) == ARCHIVE_OK;
    std::setlocale(LC_CTYPE, saved_locale.c_str());
    return ok;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
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

// "absent", "dir", "link <target>" or "file <octal mode> <content>".
std::string Describe(const fs::path& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        return "absent";
    }
    if (S_ISDIR(st.st_mode)) {
        return "dir";
    }
    if (S_ISLNK(st.st_mode)) {
        return "link " + fs::read_symlink(path).string();
    }
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", st.st_mode & 07777);
    return "file " + std::string(mode) + " " + ReadAll(path);
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

const std::vector<TestEntry> kPackage = {
    {"pkg/", AE_IFDIR, "", 0755},
    {"pkg/bin/", AE_IFDIR, "", 0755},
    {"pkg/bin/tool", AE_IFREG, BinaryContent(), 0755},
    {"pkg/readme.txt", AE_IFREG, "read me\n"},
    {"pkg/current", AE_IFLNK, "bin/tool", 0777},
};

class ExtractorTest : public testing::Test {
protected:
    static void SetUpTestSuite() { StrTable::InitStrTable(); }

    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "extractor-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        target = root + "/target";
        ASSERT_TRUE(fs::create_directory(target));
        std::ofstream(root + "/launcher.debug") << "extractor_debug=7\n";
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, root + "/launcher.log", root + "/launcher.debug", 2,
                                     Logger::ThreadSafe),
                  0);
        saved_umask = umask(022);
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
        umask(saved_umask);
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

    std::string root;
    std::string target;
    mode_t saved_umask = 0;
    std::vector<std::string> events;
    std::vector<QMetaObject::Connection> connections;
};

TEST_F(ExtractorTest, ExtractReportsProgressAndLeavesExactlyTheArchiveContent)
{
    const std::vector<std::pair<std::string, std::string>> package_on_disk = {
        {"pkg", "dir"},
        {"pkg/bin", "dir"},
        {"pkg/bin/tool", "file 0755 " + BinaryContent()},
        {"pkg/readme.txt", "file 0644 read me\n"},
        {"pkg/current", "link bin/tool"},
    };
    const std::string count_failed = "ERROR Failed to calculate total file numbers, ret: ";
    struct Case {
        const char* name;
        int format;  // 0: the source file holds `raw`, no archive
        int filter;
        std::vector<TestEntry> entries;
        std::string raw;
        int result;
        std::vector<std::string> events;
        std::vector<Matcher<std::string>> log_after_debug;
        std::vector<std::pair<std::string, std::string>> on_disk;  // path below target, Describe()
    };
    const int tar = ARCHIVE_FORMAT_TAR_PAX_RESTRICTED;
    const Case cases[] = {
        {"tar_gz_tree", tar, ARCHIVE_FILTER_GZIP, kPackage, "", 0, Reports(5, 5), {}, package_on_disk},
        {"zip_tree", ARCHIVE_FORMAT_ZIP, ARCHIVE_FILTER_NONE, kPackage, "", 0, Reports(5, 5), {}, package_on_disk},
        {"empty_tar", tar, ARCHIVE_FILTER_NONE, {}, "", -1, {kDialogText}, {count_failed + "0"}, {}},
        {"empty_zip", ARCHIVE_FORMAT_ZIP, ARCHIVE_FILTER_NONE, {}, "", -1, {kDialogText}, {count_failed + "0"}, {}},
        {"zero_byte_file", 0, 0, {}, "", -1, {kDialogText}, {count_failed + "0"}, {}},
        {"not_an_archive", 0, 0, {}, "plain words, no archive at all\n", -1, {kDialogText},
         {StartsWith("ERROR archive_read_open_filename failed: '"), count_failed + "-1"}, {}},
        {"archive_entry_dotdot", tar, ARCHIVE_FILTER_NONE,
         {{"pkg/first.txt", AE_IFREG, "1"}, {"pkg/../escape.txt", AE_IFREG, "2"}, {"pkg/last.txt", AE_IFREG, "3"}}, "",
         -1, Reports(3, 1), {StartsWith("ERROR archive_read_extract2 failed: '")}, {{"pkg/first.txt", "file 0644 1"}}},
        {"absolute_entry_path", tar, ARCHIVE_FILTER_NONE, {{root + "/outside/x", AE_IFREG, "abs"}}, "", 0,
         Reports(1, 1), {}, {{root.substr(1) + "/outside/x", "file 0644 abs"}, {"../outside", "absent"}}},
        {"setuid_bit_dropped_and_umask_applied", tar, ARCHIVE_FILTER_NONE, {{"tool", AE_IFREG, "x", 04777}}, "", 0,
         Reports(1, 1), {}, {{"tool", "file 0755 x"}}},
        // In the C locale a UTF-8 path cannot be converted: the header comes back
        // with a warning, which ends Count silently but fails Extract.
        {"header_warning", tar, ARCHIVE_FILTER_NONE,
         {{"pkg/a.txt", AE_IFREG, "a"}, {"pkg/\xc3\xa9.txt", AE_IFREG, "e"}}, "", -1, Reports(1, 1),
         {StartsWith("ERROR archive_read_next_header failed: '")}, {{"pkg/a.txt", "file 0644 a"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = root + "/" + c.name;
        if (c.format == 0) {
            std::ofstream(source, std::ios::binary) << c.raw;
        } else {
            ASSERT_TRUE(WriteArchive(source, c.format, c.filter, c.entries));
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
        std::vector<Matcher<std::string>> log{"DEBUG decompress from '" + source + "' to '" + target + "'"};
        log.insert(log.end(), c.log_after_debug.begin(), c.log_after_debug.end());
        EXPECT_THAT(LogLines(), ElementsAreArray(log));
        // Exactly the listed non-folders exist below target.
        std::set<std::string> expected_below;
        for (const auto& [path, description] : c.on_disk) {
            EXPECT_EQ(Describe(target + "/" + path), description) << path;
            if (description != "dir" && description != "absent") {
                expected_below.insert(path);
            }
        }
        std::set<std::string> found_below;
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(target)) {
            if (!e.is_directory() || e.is_symlink()) {
                found_below.insert(e.path().lexically_relative(target).string());
            }
        }
        EXPECT_EQ(found_below, expected_below);
    }
}

TEST_F(ExtractorTest, ExistingFilesAreReplacedNotWrittenThrough)
{
    const std::string source = root + "/package.tar";
    ASSERT_TRUE(WriteArchive(source, ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE, kPackage));
    std::ofstream(root + "/keep.txt") << "keep";
    ASSERT_TRUE(fs::create_directory(target + "/pkg"));
    ASSERT_EQ(link((root + "/keep.txt").c_str(), (target + "/pkg/readme.txt").c_str()), 0);
    ASSERT_EQ(symlink((root + "/keep.txt").c_str(), (target + "/pkg/current").c_str()), 0);

    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);
    ASSERT_EQ(extractor.Extract(), 0);

    EXPECT_EQ(Describe(target + "/pkg/readme.txt"), "file 0644 read me\n");
    EXPECT_EQ(Describe(target + "/pkg/current"), "link bin/tool");
    EXPECT_EQ(Describe(root + "/keep.txt"), "file 0644 keep");
    struct stat st {};
    ASSERT_EQ(stat((target + "/pkg/readme.txt").c_str(), &st), 0);
    EXPECT_NE(st.st_mtime, kStoredTime);  // extraction time, not the stored one
}

TEST_F(ExtractorTest, EmptyPathIsRefusedBeforeAnythingIsOpened)
{
    const std::pair<std::string, std::string> cases[] = {{"", target}, {root + "/launcher.debug", ""}};
    for (const auto& [source, to] : cases) {
        SCOPED_TRACE("source '" + source + "', target '" + to + "'");
        fs::resize_file(root + "/launcher.log", 0);
        Extractor extractor;
        extractor.SetSource(source);
        extractor.SetTarget(to);
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
    ASSERT_TRUE(WriteArchive(source, ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP, kPackage));
    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);

    testing::internal::CaptureStdout();  // at descriptor level: catches printf too
    const int result = extractor.List();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "pkg/\npkg/bin/\npkg/bin/tool\npkg/readme.txt\npkg/current\n");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(extractor.Count(), 5);
    EXPECT_TRUE(LogLines().empty());
}

}  // namespace
