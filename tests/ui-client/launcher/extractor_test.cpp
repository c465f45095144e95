// The extractor against archives written here with libarchive's own writer,
// hostile ones included, next to a canary tree that must come out unchanged.
#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <gmock/gmock.h>
#include <sys/stat.h>

#include <clocale>
#include <filesystem>
#include <functional>
#include <map>

#include "adapter.h"
#include "child_process.h"
#include "files.h"
#include "log_records.h"
#include "strtab.h"

namespace fs = std::filesystem;
using testing::StartsWith;

namespace {

struct Entry {
    std::string path;
    unsigned type;     // AE_IFREG, AE_IFDIR, AE_IFLNK, a device, FIFO or socket
    std::string data;  // content or link target
    mode_t perm = 0644;
    std::string hardlink = {};  // tar: a hard link to this name
    la_int64_t inode = 0;       // cpio: entries of one inode are hard links, the data on the last
    la_int64_t size = -1;       // stated size, when not the data's
};
constexpr time_t kStoredTime = 1000000000;
constexpr int kTar = ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, kCpio = ARCHIVE_FORMAT_CPIO_SVR4_NOCRC;
constexpr int kZip = ARCHIVE_FORMAT_ZIP, kGz = ARCHIVE_FILTER_GZIP, kNone = ARCHIVE_FILTER_NONE;

struct Sink { std::string bytes; size_t keep; };
la_ssize_t Keep(archive*, void* data, const void* buffer, size_t size)
{
    Sink& sink = *static_cast<Sink*>(data);
    sink.bytes.append(static_cast<const char*>(buffer), std::min(size, sink.keep - sink.bytes.size()));
    return static_cast<la_ssize_t>(size);
}

// The archive's first `keep` bytes, "" when libarchive refuses any part. Paths
// go in as UTF-8 whatever locale reads them later.
std::string Pack(int format, int filter, const std::vector<Entry>& entries, size_t keep = SIZE_MAX)
{
    const std::string locale = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    Sink sink{"", keep};
    std::unique_ptr<archive, decltype(&archive_write_free)> w(archive_write_new(), archive_write_free);
    bool ok = archive_write_set_format(w.get(), format) == ARCHIVE_OK &&
              archive_write_add_filter(w.get(), filter) == ARCHIVE_OK &&
              archive_write_set_bytes_in_last_block(w.get(), 1) == ARCHIVE_OK &&
              archive_write_open2(w.get(), &sink, nullptr, Keep, nullptr, nullptr) == ARCHIVE_OK;
    for (const Entry& e : entries) {
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> a(archive_entry_new(), archive_entry_free);
        archive_entry_set_pathname(a.get(), e.path.c_str());
        archive_entry_set_filetype(a.get(), e.type);
        archive_entry_set_perm(a.get(), e.perm);
        archive_entry_set_mtime(a.get(), kStoredTime, 0);
        archive_entry_set_symlink(a.get(), e.type == AE_IFLNK ? e.data.c_str() : nullptr);
        archive_entry_set_hardlink(a.get(), e.hardlink.empty() ? nullptr : e.hardlink.c_str());
        archive_entry_set_ino(a.get(), e.inode);
        archive_entry_set_nlink(a.get(), e.inode != 0 ? 2 : 1);
        const size_t size = e.type == AE_IFREG ? e.data.size() : 0;
        archive_entry_set_size(a.get(), e.size >= 0 ? e.size : static_cast<la_int64_t>(size));
        ok = ok && archive_write_header(w.get(), a.get()) == ARCHIVE_OK &&
             archive_write_data(w.get(), e.data.data(), size) == static_cast<la_ssize_t>(size);
    }
    ok = ok && archive_write_close(w.get()) == ARCHIVE_OK;
    std::setlocale(LC_CTYPE, locale.c_str());
    return ok ? sink.bytes : "";
}

// A tar.gz of `size` zeros, written in no time and slow to read: gzip members
// in a row read as one stream, so one 16 MiB member of zeros repeats.
std::string ZerosTarGz(la_int64_t size)
{
    const int raw = ARCHIVE_FORMAT_RAW;
    const std::string header = Pack(kTar, kNone, {{"zeros", AE_IFREG, "", 0644, "", 0, size}}, 512);
    std::string out = Pack(raw, kGz, {{"header", AE_IFREG, header}});
    const std::string zeros = Pack(raw, kGz, {{"zeros", AE_IFREG, std::string(16 << 20, '\0')}});
    for (la_int64_t done = 0; done <= size; done += 16 << 20) out += zeros;
    return out;
}

// "dir", "link <target>", "file <mode> <links> <content>" or "special <st_mode>" (0: absent).
std::string Describe(const std::string& path)
{
    struct stat st {};
    lstat(path.c_str(), &st);
    char mode[32];
    std::snprintf(mode, sizeof mode, "%04o %d ", st.st_mode & 07777, static_cast<int>(st.st_nlink));
    return S_ISDIR(st.st_mode)   ? "dir"
           : S_ISLNK(st.st_mode) ? "link " + fs::read_symlink(path).string()
           : S_ISREG(st.st_mode) ? "file " + std::string(mode) + ReadFile(path)
                                 : "special " + std::to_string(st.st_mode);
}

// Every path below folder but skip's content, links not followed. A new hard
// link to a file shows in its link count.
std::map<std::string, std::string> Snapshot(const std::string& folder, const std::string& skip)
{
    std::map<std::string, std::string> found;
    for (fs::recursive_directory_iterator it(folder), end; it != end; ++it) {
        found[it->path()] = Describe(it->path());
        if (it->path() == skip) it.disable_recursion_pending();
    }
    return found;
}

// What the dialog gets when `done` of `total` entries are written.
std::vector<std::string> Reports(int total, int done)
{
    std::vector<std::string> reports{"text Tarnwell Client is initializing..."};
    for (int step = 1; step <= done; ++step) {
        reports.push_back("progress " + std::to_string(total) + " " + std::to_string(step));
    }
    return reports;
}

std::vector<std::string> events;  // what the dialog got

const std::string kBinary = [] {
    std::string data(30000, '\0');  // every byte value, across several blocks
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + i / 256);
    return data;
}();
const std::vector<Entry> kPackage = {{"pkg/", AE_IFDIR, "", 0755}, {"pkg/bin/", AE_IFDIR, "", 0755},
    {"pkg/bin/tool", AE_IFREG, kBinary, 0755}, {"pkg/readme.txt", AE_IFREG, "read me\n"}, {"pkg/current", AE_IFLNK, "bin/tool"}};
const std::map<std::string, std::string> kPackageOnDisk = {{"pkg/bin", "dir"}, {"pkg/bin/tool", "file 0755 1 " + kBinary},
    {"pkg/readme.txt", "file 0644 1 read me\n"}, {"pkg/current", "link bin/tool"}};

class ExtractorTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        StrTable::InitStrTable();
        umask(022);
        Notify_Adapter* adapter = &Notify_Adapter::GetInstance();
        QObject::connect(adapter, &Notify_Adapter::sigUpdateDialogText, [](QString text) { events.push_back("text " + text.toStdString()); });
        QObject::connect(adapter, &Notify_Adapter::sigUpdateProgress, [](int total, int step) {
            events.push_back("progress " + std::to_string(total) + " " + std::to_string(step));
        });
    }
    void SetUp() override { events.clear(); }
};

// One named row per shape an archive can take, hostile ones included. Each
// runs from the folder that holds the target and a canary tree: everything
// there but the target's content must be unchanged afterwards, and the
// working folder back where it was.
TEST_F(ExtractorTest, EveryArchiveShapeWritesOnlyBelowTheTarget)
{
    const ScratchDir box;
    const std::string target = box / "target", canary = box / "canary", lands = canary.substr(1);
    WriteFile(canary + "/file.txt", "canary\n");
    WriteFile(canary + "/sub/deep.txt", "deep\n");
    const std::string saved_folder = fs::current_path();
    fs::current_path(box.path());

    const auto tar = [](const std::vector<Entry>& entries) { return Pack(kTar, kNone, entries); };
    const auto cpio = [](const std::vector<Entry>& entries) { return Pack(kCpio, kNone, entries); };
    const auto count_failed = [](int ret) { return "ERROR Failed to calculate total file numbers, ret: " + std::to_string(ret); };
    const auto failed = [](const std::string& why) { return "ERROR archive_read_extract2 failed: '" + why + "'"; };
    const auto skipped = [](const std::string& name, const char* type, bool named) {
        return "WARNING Skipping entry '" + name + "' (type " + type + "): " +
               (named ? "device, FIFO and socket entries are never created" : "it names no file below the target");
    };
    const testing::Matcher<std::string> too_many_bytes =
        testing::AllOf(StartsWith("ERROR Extraction abandoned: more than "), testing::EndsWith(" bytes to write"));
    const std::vector<Entry> bomb = {{"bomb", AE_IFREG, std::string(std::size_t{64} << 20, '\0')}};  // about 64 KiB packed
    Extractor::Limits bomb_limits, slow_limits, ten_entries;
    bomb_limits.min_bytes = std::uint64_t{1} << 20;
    slow_limits.max_duration = std::chrono::milliseconds(200);
    ten_entries.max_entries = 10;

    struct Row {
        const char* name;
        std::string archive;
        int result, total, done;  // progress reports `done` of `total` entries
        std::vector<testing::Matcher<std::string>> log;  // after the DEBUG record
        std::map<std::string, std::string> below;         // every non-folder below the target, and folders named
        Extractor::Limits limits = {};
        std::function<void()> plant = nullptr;  // into the target, after the snapshot
    };
    const Row rows[] = {
        {"tar_gz", Pack(kTar, kGz, kPackage), 0, 5, 5, {}, kPackageOnDisk},
        {"zip", Pack(kZip, kNone, kPackage), 0, 5, 5, {}, kPackageOnDisk},
        {"zero_bytes", "", -1, 0, 0, {count_failed(0)}, {}},
        {"not_an_archive", "plain words\n", -1, 0, 0, {StartsWith("ERROR archive_read_open_filename failed: '"), count_failed(-1)}, {}},
        {"dotdot_entry_ends_it", tar({{"1", AE_IFREG, "1"}, {"../canary/file.txt", AE_IFREG, "EVIL"}, {"3", AE_IFREG, "3"}}), -1, 3, 1,
         {failed("Path contains '..'")}, {{"1", "file 0644 1 1"}}},
        {"absolute_entry", tar({{canary + "/file.txt", AE_IFREG, "EVIL"}}), 0, 1, 1, {}, {{lands + "/file.txt", "file 0644 1 EVIL"}}},
        // bsdtar -C dir . writes the folder itself first: nothing to warn about.
        {"dot_slash_folder", tar({{"./", AE_IFDIR, "", 0755}, {"./a", AE_IFREG, "a"}}), 0, 2, 2, {}, {{"a", "file 0644 1 a"}}},
        {"files_named_like_the_target", cpio({{"//", AE_IFREG, "x"}, {".", AE_IFREG, "x"}, {"a", AE_IFREG, "a"}}), 0, 3, 3,
         {skipped("//", "100000", false), skipped(".", "100000", false)}, {{"a", "file 0644 1 a"}}},
        {"setuid_dropped_umask_applied", tar({{"tool", AE_IFREG, "x", 04777}}), 0, 1, 1, {}, {{"tool", "file 0755 1 x"}}},
        // In the C locale a UTF-8 path comes back with a warning, which ends
        // the count silently but fails the extraction.
        {"header_warning", tar({{"a", AE_IFREG, "a"}, {"\xc3\xa9", AE_IFREG, "e"}}), -1, 1, 1,
         {StartsWith("ERROR archive_read_next_header failed: '")}, {{"a", "file 0644 1 a"}}},
        {"devices_fifo_socket", cpio({{"c", AE_IFCHR, ""}, {"b", AE_IFBLK, ""}, {"f", AE_IFIFO, ""}, {"s", AE_IFSOCK, ""}}), 0, 4, 4,
         {skipped("c", "020000", true), skipped("b", "060000", true), skipped("f", "010000", true), skipped("s", "140000", true)}, {}},
        // A link the archive planted is in the way and removed, as anything else is.
        {"symlink_then_entry_through_it", tar({{"evil", AE_IFLNK, canary}, {"evil/sub/deep.txt", AE_IFREG, "EVIL"}}), 0, 2, 2, {},
         {{"evil", "dir"}, {"evil/sub/deep.txt", "file 0644 1 EVIL"}}},
        {"symlink_then_hard_link_through_it", tar({{"evil", AE_IFLNK, "../canary"}, {"h", AE_IFREG, "", 0644, "evil/file.txt"}}), -1,
         2, 1, {failed("Hard-link target 'evil/file.txt' does not exist.")}, {}},
        {"relative_hard_link_with_data", cpio({{"canary/file.txt", AE_IFREG, "", 0644, "", 42}, {"h", AE_IFREG, "EVIL", 0644, "", 42}}),
         0, 2, 2, {}, {{"canary/file.txt", "file 0644 2 EVIL"}, {"h", "file 0644 2 EVIL"}}},
        {"absolute_hard_link_outside", tar({{"h", AE_IFREG, "", 0644, canary + "/file.txt"}}), -1, 1, 0,
         {failed("Hard-link target '" + lands + "/file.txt' does not exist.")}, {}},
        {"dotdot_hard_link", tar({{"h", AE_IFREG, "", 0644, "../canary/file.txt"}}), -1, 1, 0, {failed("Path contains '..'")}, {}},
        {"hard_links_tar", tar({{"a", AE_IFREG, "shared"}, {"b", AE_IFREG, "", 0644, "a"}, {"/c", AE_IFREG, "", 0644, "/a"}}), 0, 3, 3,
         {}, {{"a", "file 0644 3 shared"}, {"b", "file 0644 3 shared"}, {"c", "file 0644 3 shared"}}},
        {"links_in_the_target_replaced_not_written_through", tar(kPackage), 0, 5, 5, {}, kPackageOnDisk, {}, [&] {
             fs::create_directory(target + "/pkg");
             fs::create_hard_link(canary + "/file.txt", target + "/pkg/readme.txt");
             fs::create_symlink(canary + "/file.txt", target + "/pkg/current");
         }},
        // Refused while counting, before anything is written: the tar.gz by
        // the data read, the zip by the sizes its directory states.
        {"gzip_bomb", Pack(kTar, kGz, bomb), -1, 0, 0, {too_many_bytes, count_failed(-1)}, {}, bomb_limits},
        {"zip_bomb", Pack(kZip, kNone, bomb), -1, 0, 0, {too_many_bytes, count_failed(-1)}, {}, bomb_limits},
        {"slow", ZerosTarGz(la_int64_t{2} << 30), -1, 0, 0, {"ERROR Extraction abandoned: not done within 200 ms", count_failed(-1)},
         {}, slow_limits},
        {"too_many_entries", tar(std::vector<Entry>(11, {"f", AE_IFREG, "x"})), -1, 0, 0,
         {"ERROR Extraction abandoned: more than 10 entries", count_failed(-1)}, {}, ten_entries},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScratchDir logs;
        const LogCapture log(logs.path(), "extractor_debug=7\n");
        ASSERT_FALSE(row.archive.empty() && row.result == 0);
        WriteFile(logs / "archive", row.archive);
        fs::remove_all(target);
        fs::create_directory(target);
        const auto before = Snapshot(box.path(), target);
        if (row.plant) {
            row.plant();
        }
        events.clear();
        Extractor extractor;
        extractor.SetSource(logs / "archive");
        extractor.SetTarget(target);
        extractor.SetLimits(row.limits);
        EXPECT_EQ(extractor.Extract(), row.result);

        EXPECT_EQ(Snapshot(box.path(), target), before);
        EXPECT_EQ(fs::current_path(), box.path());
        EXPECT_EQ(events, Reports(row.total, row.done));
        std::vector<testing::Matcher<std::string>> records{"DEBUG decompress from '" + logs / "archive" + "' to '" + target + "'"};
        records.insert(records.end(), row.log.begin(), row.log.end());
        EXPECT_THAT(LogRecords(log.Text()), testing::ElementsAreArray(records));
        std::map<std::string, std::string> below;
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(target)) {
            const std::string name = e.path().lexically_relative(target), found = Describe(e.path());
            if (found != "dir" || row.below.count(name) != 0) {
                below[name] = found;
            }
            struct stat st {};
            EXPECT_TRUE(found == "dir" || (lstat(e.path().c_str(), &st) == 0 && st.st_mtime != kStoredTime)) << name;
        }
        EXPECT_EQ(below, row.below);
    }
    fs::current_path(saved_folder);
}

// Relative names are the caller's although the writing pass works from inside
// the target; a link on the way to the target is followed and kept.
TEST_F(ExtractorTest, RelativeNamesListCountAndEmptyNames)
{
    const ScratchDir dir;
    const LogCapture log(dir.path(), "extractor_debug=7\n");
    const std::string saved_folder = fs::current_path();
    fs::current_path(dir.path());
    WriteFile(dir / "package.tar.gz", Pack(kTar, kGz, kPackage));
    fs::create_directory(dir / "real");
    fs::create_directory_symlink("real", dir / "link");
    Extractor extractor;
    extractor.SetSource("package.tar.gz");
    extractor.SetTarget("link/new/target");
    EXPECT_EQ(extractor.Extract(), 0);
    EXPECT_EQ(fs::current_path(), dir.path());
    fs::current_path(saved_folder);
    EXPECT_EQ(Describe(dir / "link"), "link real");
    EXPECT_EQ(ReadFile(dir / "real/new/target/pkg/readme.txt"), "read me\n");

    extractor.SetSource(dir / "package.tar.gz");
    testing::internal::CaptureStdout();  // at descriptor level: catches printf too
    EXPECT_EQ(extractor.List(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "pkg/\npkg/bin/\npkg/bin/tool\npkg/readme.txt\npkg/current\n");
    EXPECT_EQ(extractor.Count(), 5);
    for (const auto& [source, target] : {std::pair<std::string, std::string>{"", dir.path()}, {dir / "package.tar.gz", ""}}) {
        extractor.SetSource(source);
        extractor.SetTarget(target);
        EXPECT_EQ(extractor.Extract(), -1);
        EXPECT_EQ(extractor.Count(), -1);
        EXPECT_EQ(extractor.List(), -1);
    }
    EXPECT_EQ(log.Count("ERROR", "Invalid"), 6);
    EXPECT_EQ(events, Reports(5, 5));
}

}  // namespace
