// The archive extractor against real tar, zip, cpio and compressed files
// written here with libarchive's own writer from a table of entries, hostile
// ones included.
#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QObject>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "adapter.h"
#include "log.h"
#include "strtab.h"

namespace fs = std::filesystem;
using testing::AllOf;
using testing::ElementsAreArray;
using testing::EndsWith;
using testing::Matcher;
using testing::StartsWith;

namespace {

struct TestEntry {
    std::string path;
    unsigned type;     // AE_IFREG, AE_IFDIR, AE_IFLNK, or a device, FIFO or socket
    std::string data;  // file content or link target
    mode_t perm = 0644;
    std::string hardlink = {};  // tar: the entry is a hard link to this name
    // cpio: entries with the same inode number are hard links; the reader
    // names the first as the link of the later ones, which carry the data.
    la_int64_t inode = 0;
    unsigned links = 1;
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
        if (!e->hardlink.empty()) {
            archive_entry_set_hardlink(entry.get(), e->hardlink.c_str());
        }
        if (e->inode != 0) {
            archive_entry_set_ino(entry.get(), e->inode);
            archive_entry_set_nlink(entry.get(), e->links);
        }
        if (e->type == AE_IFCHR || e->type == AE_IFBLK) {
            archive_entry_set_rdev(entry.get(), makedev(1, 7));  // /dev/full
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

// "absent", "dir", "link <target>", "file <octal mode> <content>" or, for a
// device, FIFO or socket, "special <octal st_mode>".
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
    if (!S_ISREG(st.st_mode)) {
        std::snprintf(mode, sizeof mode, "%06o", static_cast<unsigned>(st.st_mode));
        return "special " + std::string(mode);
    }
    std::snprintf(mode, sizeof mode, "%04o", st.st_mode & 07777);
    return "file " + std::string(mode) + " " + ReadAll(path);
}

// Everything below folder, links not followed: path -> Describe() and, but
// for the folder `opaque` whose content is left out, the link count (a new
// hard link to a file shows there). Compared before and after, it is the
// byte-for-byte check that nothing changed.
std::map<std::string, std::string> Snapshot(const fs::path& folder, const fs::path& opaque,
                                            const std::set<std::string>& ignored_names)
{
    std::map<std::string, std::string> found;
    for (fs::recursive_directory_iterator it(folder), end; it != end; ++it) {
        const fs::path path = it->path();
        if (ignored_names.count(path.filename().string()) != 0) {
            continue;
        }
        std::string description = Describe(path);
        if (path == opaque) {
            it.disable_recursion_pending();
        } else {
            struct stat st {};
            lstat(path.c_str(), &st);
            description += " links " + std::to_string(st.st_nlink);
        }
        found[path.lexically_relative(folder).string()] = description;
    }
    return found;
}

la_ssize_t AppendToString(archive*, void* data, const void* buffer, size_t size)
{
    static_cast<std::string*>(data)->append(static_cast<const char*>(buffer), size);
    return static_cast<la_ssize_t>(size);
}

// One gzip member holding data, unpadded, by libarchive's raw format.
std::string Gzip(const std::string& data)
{
    std::string out;
    std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(), archive_write_free);
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
    archive_entry_set_pathname(entry.get(), "data");
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_size(entry.get(), static_cast<la_int64_t>(data.size()));
    const bool ok = archive_write_set_format_raw(writer.get()) == ARCHIVE_OK &&
                    archive_write_add_filter_gzip(writer.get()) == ARCHIVE_OK &&
                    archive_write_set_bytes_in_last_block(writer.get(), 1) == ARCHIVE_OK &&
                    archive_write_open2(writer.get(), &out, nullptr, AppendToString, nullptr, nullptr) == ARCHIVE_OK &&
                    archive_write_header(writer.get(), entry.get()) == ARCHIVE_OK &&
                    archive_write_data(writer.get(), data.data(), data.size()) == static_cast<la_ssize_t>(data.size()) &&
                    archive_write_close(writer.get()) == ARCHIVE_OK;
    return ok ? out : std::string();
}

// The first 512 bytes written, and how many in all.
struct FirstBlock {
    std::string bytes;
    std::uint64_t total = 0;
};

la_ssize_t KeepFirstBlock(archive*, void* data, const void* buffer, size_t size)
{
    FirstBlock& first = *static_cast<FirstBlock*>(data);
    const size_t wanted = std::min(size, 512 - first.bytes.size());
    first.bytes.append(static_cast<const char*>(buffer), wanted);
    first.total += size;
    return static_cast<la_ssize_t>(size);
}

// A tar.gz of one entry holding `size` zero bytes (a multiple of 16 MiB) that
// is written in no time and takes long to read: gzip members one after the
// other read as one stream, so the tar header is followed by the same member
// of 16 MiB of zeros over and over (the last one ends the tar archive). The
// header is the first block of the same archive written uncompressed (a
// plain ustar header at this size), its padding with zeros thrown away.
bool WriteZerosTarGz(const std::string& path, std::uint64_t size)
{
    FirstBlock header;
    std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(), archive_write_free);
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
    archive_entry_set_pathname(entry.get(), "zeros");
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), static_cast<la_int64_t>(size));
    if (archive_write_set_format_pax_restricted(writer.get()) != ARCHIVE_OK ||
        archive_write_open2(writer.get(), &header, nullptr, KeepFirstBlock, nullptr, nullptr) != ARCHIVE_OK ||
        archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK ||
        archive_write_close(writer.get()) != ARCHIVE_OK || header.total < 512 + size) {
        return false;
    }
    const std::string zeros = Gzip(std::string(std::size_t{16} << 20, '\0'));
    std::string stream = Gzip(header.bytes);
    if (zeros.empty() || stream.empty()) {
        return false;
    }
    for (std::uint64_t done = 0; done <= size; done += std::uint64_t{16} << 20) {
        stream += zeros;
    }
    std::ofstream out(path, std::ios::binary);
    out << stream;
    return out.good();
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

    // "TAG message" of each record from the extractor's sources, in order.
    std::vector<std::string> LogLines() const
    {
        std::ifstream in(root + "/launcher.log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            const size_t tag = line.find(") [");
            const size_t source = line.find("] extractor");
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
        // bsdtar -C dir . writes the folder itself first: nothing to add, no warning.
        {"dot_slash_folder_first", tar, ARCHIVE_FILTER_NONE,
         {{"./", AE_IFDIR, "", 0755}, {"./readme.txt", AE_IFREG, "read me\n"}}, "", 0, Reports(2, 2), {},
         {{"readme.txt", "file 0644 read me\n"}}},
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

// The working folder for a scope: the hostile rows run from beside the target,
// where a hard-link name taken from the working folder would find the canary.
class InFolder {
public:
    explicit InFolder(const fs::path& folder) : saved_(fs::current_path()) { fs::current_path(folder); }
    ~InFolder() { fs::current_path(saved_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    fs::path saved_;
};

// The path and every folder above it, relative.
std::set<std::string> WithParents(std::set<std::string> paths)
{
    for (std::string path : std::set<std::string>(paths)) {
        for (fs::path p = fs::path(path).parent_path(); !p.empty(); p = p.parent_path()) {
            paths.insert(p.string());
        }
    }
    return paths;
}

// Every path below folder, relative; what folder has become if it is no
// longer one.
std::set<std::string> AllBelow(const fs::path& folder)
{
    if (Describe(folder) != "dir") {
        return {"(not a folder: " + Describe(folder) + ")"};
    }
    std::set<std::string> found;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        found.insert(e.path().lexically_relative(folder).string());
    }
    return found;
}

// One named row per way an archive could write outside its target, and the
// hard-link and bounding cases. The target sits in box/ beside a canary tree;
// everything under the test's folder but the target's content must be the
// same byte for byte afterwards (new hard links to a canary file show in its
// link count), and the working folder must be back where it was.
TEST_F(ExtractorTest, HostileArchivesChangeNothingOutsideTheTarget)
{
    const std::string box = root + "/box";
    const std::string canary = box + "/canary";
    const std::string canary_below_target = canary.substr(1);  // where an absolute name lands
    ASSERT_TRUE(fs::create_directories(canary + "/sub"));
    std::ofstream(canary + "/file.txt") << "canary data\n";
    std::ofstream(canary + "/sub/deep.txt") << "deep\n";
    const std::string box_target = box + "/target";
    const InFolder in_box(box);

    const std::string count_failed = "ERROR Failed to calculate total file numbers, ret: -1";
    const Matcher<std::string> too_many_bytes =
        AllOf(StartsWith("ERROR Extraction abandoned: more than "), EndsWith(" bytes to write"));
    const std::string bomb(std::size_t{64} << 20, '\0');  // gzip and deflate make about 64 KiB of it
    Extractor::Limits bomb_limits;  // production, but for a floor the 64 MiB exceed
    bomb_limits.min_bytes = std::uint64_t{1} << 20;
    Extractor::Limits slow_limits;
    slow_limits.max_duration = std::chrono::milliseconds(200);
    Extractor::Limits ten_entries;
    ten_entries.max_entries = 10;
    std::vector<TestEntry> eleven_entries;
    for (int i = 0; i < 11; ++i) {
        eleven_entries.push_back({"f" + std::to_string(i), AE_IFREG, "x"});
    }

    const int tar = ARCHIVE_FORMAT_TAR_PAX_RESTRICTED;
    const int cpio = ARCHIVE_FORMAT_CPIO_SVR4_NOCRC;  // "newc"
    const int none = ARCHIVE_FILTER_NONE;
    struct Case {
        const char* name;
        int format;
        int filter;
        std::vector<TestEntry> entries;
        int result;
        std::vector<std::string> events;
        std::vector<Matcher<std::string>> log_after_debug;
        std::set<std::string> below;                                    // every path below the target afterwards
        std::vector<std::pair<std::string, std::string>> on_disk = {};  // path below target, Describe()
        std::vector<std::pair<std::string, std::string>> same_inode = {};
        Extractor::Limits limits = {};
        std::function<bool(const std::string&)> make = nullptr;  // writes the archive instead of entries
    };
    const Case cases[] = {
        // The link the archive planted is in the way and removed, as any
        // other object in the way of an entry is.
        {"absolute_symlink_then_entry_through_it", tar, none,
         {{"evil", AE_IFLNK, canary, 0777}, {"evil/file.txt", AE_IFREG, "EVIL"}}, 0, Reports(2, 2), {},
         {"evil", "evil/file.txt"}, {{"evil", "dir"}, {"evil/file.txt", "file 0644 EVIL"}}},
        {"dotdot_symlink_then_entry_through_it", tar, none,
         {{"evil", AE_IFLNK, "../canary", 0777}, {"evil/sub/deep.txt", AE_IFREG, "EVIL"}}, 0, Reports(2, 2), {},
         {"evil", "evil/sub", "evil/sub/deep.txt"}, {{"evil/sub/deep.txt", "file 0644 EVIL"}}},
        {"symlink_then_hard_link_through_it", tar, none,
         {{"evil", AE_IFLNK, "../canary", 0777}, {"h", AE_IFREG, "", 0644, "evil/file.txt"}}, -1, Reports(2, 1),
         {"ERROR archive_read_extract2 failed: 'Hard-link target 'evil/file.txt' does not exist.'"}, {}},
        {"relative_hard_link_with_data", cpio, none,
         {{"canary/file.txt", AE_IFREG, "", 0644, "", 42, 2}, {"h", AE_IFREG, "EVIL", 0644, "", 42, 2}}, 0,
         Reports(2, 2), {}, {"canary", "canary/file.txt", "h"},
         {{"canary/file.txt", "file 0644 EVIL"}, {"h", "file 0644 EVIL"}}, {{"canary/file.txt", "h"}}},
        {"absolute_hard_link_with_data", cpio, none,
         {{canary + "/file.txt", AE_IFREG, "", 0644, "", 42, 2}, {"h", AE_IFREG, "EVIL", 0644, "", 42, 2}}, 0,
         Reports(2, 2), {}, WithParents({canary_below_target + "/file.txt", "h"}),
         {{canary_below_target + "/file.txt", "file 0644 EVIL"}, {"h", "file 0644 EVIL"}},
         {{canary_below_target + "/file.txt", "h"}}},
        {"absolute_hard_link_to_a_file_outside", tar, none, {{"h", AE_IFREG, "", 0644, canary + "/file.txt"}}, -1,
         Reports(1, 0),
         {"ERROR archive_read_extract2 failed: 'Hard-link target '" + canary_below_target +
          "/file.txt' does not exist.'"},
         {}, {}},
        {"dotdot_hard_link", tar, none, {{"h", AE_IFREG, "", 0644, "../canary/file.txt"}}, -1, Reports(1, 0),
         {"ERROR archive_read_extract2 failed: 'Path contains '..''"}, {}, {}},
        {"empty_name", tar, none, {{"", AE_IFREG, "x"}, {"ok.txt", AE_IFREG, "ok"}}, 0, Reports(2, 2),
         {"WARNING Skipping entry '' (type 100000): it names no file below the target"}, {"ok.txt"},
         {{"ok.txt", "file 0644 ok"}}},
        {"double_slash_name", cpio, none, {{"//", AE_IFREG, "x"}, {"ok.txt", AE_IFREG, "ok"}}, 0, Reports(2, 2),
         {"WARNING Skipping entry '//' (type 100000): it names no file below the target"}, {"ok.txt"},
         {{"ok.txt", "file 0644 ok"}}},
        {"dot_name_file", cpio, none, {{".", AE_IFREG, "x"}, {"ok.txt", AE_IFREG, "ok"}}, 0, Reports(2, 2),
         {"WARNING Skipping entry '.' (type 100000): it names no file below the target"}, {"ok.txt"},
         {{"ok.txt", "file 0644 ok"}}},
        {"device_fifo_and_socket_entries", cpio, none,
         {{"dev/full", AE_IFCHR, ""},
          {"dev/block", AE_IFBLK, ""},
          {"dev/fifo", AE_IFIFO, ""},
          {"dev/socket", AE_IFSOCK, ""},
          {"ok.txt", AE_IFREG, "ok"}},
         0, Reports(5, 5),
         {"WARNING Skipping entry 'dev/full' (type 020000): device, FIFO and socket entries are never created",
          "WARNING Skipping entry 'dev/block' (type 060000): device, FIFO and socket entries are never created",
          "WARNING Skipping entry 'dev/fifo' (type 010000): device, FIFO and socket entries are never created",
          "WARNING Skipping entry 'dev/socket' (type 140000): device, FIFO and socket entries are never created"},
         {"ok.txt"}, {{"ok.txt", "file 0644 ok"}}},
        {"dotdot_entry", tar, none, {{"../canary/file.txt", AE_IFREG, "EVIL"}}, -1, Reports(1, 0),
         {"ERROR archive_read_extract2 failed: 'Path contains '..''"}, {}, {}},
        {"absolute_entry", tar, none, {{canary + "/file.txt", AE_IFREG, "EVIL"}}, 0, Reports(1, 1), {},
         WithParents({canary_below_target + "/file.txt"}), {{canary_below_target + "/file.txt", "file 0644 EVIL"}}},
        // Refused while counting, before anything is written: the tar.gz
        // by the data read, the zip by the sizes its directory states.
        {"gzip_bomb", tar, ARCHIVE_FILTER_GZIP, {{"bomb", AE_IFREG, bomb}}, -1, {kDialogText},
         {too_many_bytes, count_failed}, {}, {}, {}, bomb_limits},
        {"zip_bomb", ARCHIVE_FORMAT_ZIP, none, {{"bomb", AE_IFREG, bomb}}, -1, {kDialogText},
         {too_many_bytes, count_failed}, {}, {}, {}, bomb_limits},
        {"slow_archive", 0, 0, {}, -1, {kDialogText},
         {"ERROR Extraction abandoned: not done within 200 ms", count_failed}, {}, {}, {}, slow_limits,
         [](const std::string& path) { return WriteZerosTarGz(path, std::uint64_t{2} << 30); }},
        {"too_many_entries", tar, none, eleven_entries, -1, {kDialogText},
         {"ERROR Extraction abandoned: more than 10 entries", count_failed}, {}, {}, {}, ten_entries},
        // Not hostile: hard links, data on the first name (tar), on the last
        // (cpio), absolute names, all below the target as paths are.
        {"hard_links_tar", tar, none,
         {{"pkg/", AE_IFDIR, "", 0755},
          {"pkg/a", AE_IFREG, "shared"},
          {"pkg/b", AE_IFREG, "", 0644, "pkg/a"},
          {"/pkg/c", AE_IFREG, "", 0644, "/pkg/a"}},
         0, Reports(4, 4), {}, {"pkg", "pkg/a", "pkg/b", "pkg/c"},
         {{"pkg/a", "file 0644 shared"}, {"pkg/b", "file 0644 shared"}, {"pkg/c", "file 0644 shared"}},
         {{"pkg/a", "pkg/b"}, {"pkg/a", "pkg/c"}}},
        {"hard_links_cpio", cpio, none,
         {{"pkg/a", AE_IFREG, "", 0644, "", 7, 2}, {"pkg/b", AE_IFREG, "shared", 0644, "", 7, 2}}, 0, Reports(2, 2),
         {}, {"pkg", "pkg/a", "pkg/b"}, {{"pkg/a", "file 0644 shared"}, {"pkg/b", "file 0644 shared"}},
         {{"pkg/a", "pkg/b"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = root + "/" + c.name;
        if (c.make) {
            ASSERT_TRUE(c.make(source));
        } else {
            ASSERT_TRUE(WriteArchive(source, c.format, c.filter, c.entries));
        }
        fs::remove_all(box_target);
        fs::create_directory(box_target);
        fs::resize_file(root + "/launcher.log", 0);
        events.clear();
        const std::set<std::string> log_files = {"launcher.log"};
        const auto before = Snapshot(root, box_target, log_files);

        Extractor extractor;
        extractor.SetSource(source);
        extractor.SetTarget(box_target);
        extractor.SetLimits(c.limits);
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(extractor.Extract(), c.result);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));

        EXPECT_EQ(Snapshot(root, box_target, log_files), before);
        EXPECT_EQ(fs::current_path(), fs::path(box));
        EXPECT_EQ(events, c.events);
        std::vector<Matcher<std::string>> log{"DEBUG decompress from '" + source + "' to '" + box_target + "'"};
        log.insert(log.end(), c.log_after_debug.begin(), c.log_after_debug.end());
        EXPECT_THAT(LogLines(), ElementsAreArray(log));
        EXPECT_EQ(AllBelow(box_target), c.below);
        for (const auto& [path, description] : c.on_disk) {
            EXPECT_EQ(Describe(box_target + "/" + path), description) << path;
        }
        for (const auto& [first, second] : c.same_inode) {
            struct stat a {};
            struct stat b {};
            const bool both = lstat((box_target + "/" + first).c_str(), &a) == 0 &&
                              lstat((box_target + "/" + second).c_str(), &b) == 0;
            EXPECT_TRUE(both) << first << " and " << second;
            EXPECT_TRUE(both && a.st_ino == b.st_ino && a.st_dev == b.st_dev) << first << " and " << second;
        }
        fs::remove(source);
    }
}

// The writer's symbolic-link check walks every element of the paths it is
// given; it is given paths relative to the target, so a link on the way to
// the target is followed and kept, not refused or removed.
TEST_F(ExtractorTest, TargetReachedThroughASymbolicLinkKeepsTheLink)
{
    const std::string source = root + "/package.tar";
    ASSERT_TRUE(WriteArchive(source, ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE, kPackage));
    ASSERT_TRUE(fs::create_directory(root + "/real"));
    fs::create_directory_symlink("real", root + "/link");

    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(root + "/link/target");
    ASSERT_EQ(extractor.Extract(), 0);

    EXPECT_EQ(Describe(root + "/link"), "link real");
    EXPECT_EQ(Describe(root + "/real/target/pkg/readme.txt"), "file 0644 read me\n");
}

// A relative source and target are taken from the working folder the caller
// had, although the writing pass works from inside the target.
TEST_F(ExtractorTest, RelativeSourceAndTargetAndAMissingTarget)
{
    ASSERT_TRUE(WriteArchive(root + "/package.tar", ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_NONE, kPackage));
    const InFolder in_root(root);

    Extractor extractor;
    extractor.SetSource("package.tar");
    extractor.SetTarget("new/target");
    ASSERT_EQ(extractor.Extract(), 0);

    EXPECT_EQ(fs::current_path(), fs::path(root));
    EXPECT_EQ(Describe(root + "/new/target/pkg/readme.txt"), "file 0644 read me\n");
}

// A sparse file's holes are not written: its blocks hold little more than its
// data.
TEST_F(ExtractorTest, SparseEntriesStaySparse)
{
    constexpr la_int64_t kSize = la_int64_t{32} << 20;
    constexpr la_int64_t kRegion = 64 * 1024;
    const std::string source = root + "/sparse.tar";
    std::string content(static_cast<std::size_t>(kSize), '\0');
    std::fill_n(content.begin(), kRegion, 'a');
    std::fill_n(content.begin() + (kSize / 2), kRegion, 'b');
    {
        std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(), archive_write_free);
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                            archive_entry_free);
        archive_entry_set_pathname(entry.get(), "sparse");
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), kSize);
        archive_entry_sparse_add_entry(entry.get(), 0, kRegion);
        archive_entry_sparse_add_entry(entry.get(), kSize / 2, kRegion);
        ASSERT_EQ(archive_write_set_format_pax(writer.get()), ARCHIVE_OK);
        ASSERT_EQ(archive_write_open_filename(writer.get(), source.c_str()), ARCHIVE_OK);
        ASSERT_EQ(archive_write_header(writer.get(), entry.get()), ARCHIVE_OK);
        ASSERT_EQ(archive_write_data(writer.get(), content.data(), content.size()), kSize);
        ASSERT_EQ(archive_write_close(writer.get()), ARCHIVE_OK);
    }
    ASSERT_LT(fs::file_size(source), 1u << 20);

    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);
    ASSERT_EQ(extractor.Extract(), 0);

    struct stat st {};
    ASSERT_EQ(stat((target + "/sparse").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, kSize);
    EXPECT_LT(static_cast<la_int64_t>(st.st_blocks) * 512, kSize / 4);
    EXPECT_TRUE(ReadAll(target + "/sparse") == content);
}

}  // namespace
