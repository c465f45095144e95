#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QString>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "adapter.h"
#include "extractor-budget.h"
#include "extractor-source.h"
#include "log.h"
#include "strtab.h"
#include "unique-handle.h"

namespace {

using extractor_detail::Budget;
using extractor_detail::OpenSource;
using extractor_detail::SourceFile;

// Paths reach the writer relative to the target, which is the working folder
// while it writes, so its checks hold below the target only: no absolute
// path, no '..' element, and no symbolic link on the way (one the archive
// planted is removed, as anything else in the way of an entry is unlinked).
// Hard-link names get the same checks. Keep Mac metadata. Times, permissions
// and owners are deliberately not restored: the private copy belongs to the
// running user and carries the time it was unpacked.
constexpr int kDiskOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                             ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS |
                             ARCHIVE_EXTRACT_MAC_METADATA;
static_assert(kDiskOptions == 0x12310, "the writer gets exactly these five flags");

using ArchiveReader = UniqueHandle<archive*, archive_read_free, nullptr>;
using ArchiveWriter = UniqueHandle<archive*, archive_write_free, nullptr>;

// libarchive leaves the text unset for some failures, and %s must not see NULL.
const char* ErrorText(archive* handle)
{
    const char* text = archive_error_string(handle);
    return text != nullptr ? text : "";
}

// A reader with every filter and format enabled; null only when allocation
// failed.
ArchiveReader NewReader()
{
    ArchiveReader a(archive_read_new());
    if (a.valid()) {
        archive_read_support_filter_all(a.get());
        archive_read_support_format_all(a.get());
    }
    return a;
}

// The reader for Count and List, source open. Null after logging why not.
ArchiveReader OpenForScan(SourceFile& file)
{
    ArchiveReader a = NewReader();
    if (!a.valid()) {
        LOG_MSG(L_ERR, extractor_debug, "Allocate archive failed\n");
        return ArchiveReader();
    }
    if (OpenSource(a.get(), file) != ARCHIVE_OK) {
        LOG_MSG(L_ERR, extractor_debug, "archive_read_open_filename failed: '%s'\n", ErrorText(a.get()));
        return ArchiveReader();
    }
    return a;
}

std::uint64_t FileBytes(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
}

// The space the user may still fill on the file system of folder, or of its
// nearest existing parent; unbounded when none can be asked.
std::uint64_t FreeBytes(const std::string& folder)
{
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(folder, error);
    if (error) {
        path = folder;
    }
    for (;;) {
        struct statvfs vfs {};
        if (statvfs(path.c_str(), &vfs) == 0) {
            return static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
        }
        if (!path.has_relative_path() || path == path.parent_path()) {
            return UINT64_MAX;
        }
        path = path.parent_path();
    }
}

// Where skipping an entry's data costs no decompression: the data lies in the
// file as it is (tar, cpio, ar with no filter) or its place is known (zip,
// read from its central directory). Elsewhere the counting pass reads the data
// block by block, which costs the same as skipping would and keeps the limits.
bool SkipIsCheap(archive* a)
{
    if (archive_filter_count(a) != 1) {
        return false;
    }
    switch (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_TAR:
    case ARCHIVE_FORMAT_CPIO:
    case ARCHIVE_FORMAT_AR:
    case ARCHIVE_FORMAT_ZIP:
        return true;
    default:
        return false;
    }
}

// What an extraction would write for an entry whose data is not read: its
// stated size, or for a sparse file the sum of its data regions.
std::uint64_t StatedDataBytes(archive_entry* entry)
{
    if (!archive_entry_size_is_set(entry) || archive_entry_size(entry) <= 0) {
        return 0;
    }
    if (archive_entry_sparse_reset(entry) == 0) {
        return static_cast<std::uint64_t>(archive_entry_size(entry));
    }
    std::uint64_t bytes = 0;
    la_int64_t offset = 0;
    la_int64_t length = 0;
    while (archive_entry_sparse_next(entry, &offset, &length) == ARCHIVE_OK) {
        bytes += length > 0 ? static_cast<std::uint64_t>(length) : 0;
    }
    return bytes;
}

// Passes over the current entry's data in a counting pass, adding the bytes
// an extraction would write to bytes, so that a bomb is refused before
// anything is written. false once the budget is exceeded; an unreadable entry
// is skipped, as the count always did.
bool PassOverData(archive* a, archive_entry* entry, Budget& budget, std::uint64_t& bytes)
{
    if (SkipIsCheap(a)) {
        bytes += StatedDataBytes(entry);
        if (!budget.BytesAllowed(bytes)) {
            return false;
        }
        archive_read_data_skip(a);
        return budget.InTime();
    }
    for (;;) {
        if (!budget.InTime()) {
            return false;
        }
        const void* buff = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(a, &buff, &size, &offset);
        if (r == ARCHIVE_EOF) {
            return true;
        }
        if (r != ARCHIVE_OK) {
            archive_read_data_skip(a);
            return !budget.Exceeded();
        }
        bytes += size;
        if (!budget.BytesAllowed(bytes)) {
            return false;
        }
    }
}

// The entry's name below the target: leading '/' dropped, as bsdtar does.
const char* BelowTarget(const char* name)
{
    while (*name == '/') {
        ++name;
    }
    return name;
}

// True when a relative name has no element but "." (or none at all): it
// names the target itself.
bool NamesTarget(const char* relative)
{
    for (const char* p = relative; *p != '\0';) {
        const char* end = std::strchr(p, '/');
        const size_t length = end != nullptr ? static_cast<size_t>(end - p) : std::strlen(p);
        if (length != 0 && !(length == 1 && p[0] == '.')) {
            return false;
        }
        p += length;
        while (*p == '/') {
            ++p;
        }
    }
    return true;
}

// Why an entry is not written, or null when it is. Empty for a folder entry
// for the target itself ("./"), which has nothing to add and is common;
// anything else naming the target would replace it.
const char* WhyNotWritten(archive_entry* entry)
{
    const unsigned type = archive_entry_filetype(entry);
    const char* below_target = BelowTarget(archive_entry_pathname(entry));
    if (NamesTarget(below_target)) {
        return *below_target == '\0' || type != AE_IFDIR ? "it names no file below the target" : "";
    }
    if (type == AE_IFCHR || type == AE_IFBLK || type == AE_IFIFO || type == AE_IFSOCK) {
        return "device, FIFO and socket entries are never created";
    }
    return nullptr;
}

// The process's working folder, changed for the writing pass and restored
// when this goes out of scope.
class WorkingFolder {
public:
    WorkingFolder() = default;
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder()
    {
        if (saved_ < 0) {
            return;
        }
        if (fchdir(saved_) != 0) {
            LOG_MSG(L_ERR, extractor_debug, "Cannot return to the previous working folder: %s\n",
                    std::strerror(errno));
        }
        close(saved_);
    }

    // false, with errno set, when folder cannot be entered.
    bool Enter(const std::string& folder)
    {
        // O_PATH: a working folder that cannot be read is still one to return to.
        saved_ = open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (saved_ < 0) {
            return false;
        }
        if (chdir(folder.c_str()) != 0) {
            const int error = errno;
            close(saved_);
            saved_ = -1;
            errno = error;
            return false;
        }
        return true;
    }

private:
    int saved_ = -1;
};

}  // namespace

void Extractor::SetTarget(const std::string& target_path)
{
    target = target_path;
}

void Extractor::SetSource(const std::string& source_path)
{
    source = source_path;
}

void Extractor::SetLimits(const Limits& new_limits)
{
    limits = new_limits;
}

const Extractor::Limits& Extractor::GetLimits() const
{
    return limits;
}

int Extractor::Extract()
{
    if (source.empty() || target.empty()) {
        LOG_MSG(L_ERR, extractor_debug, "Invalid Argument\n");
        return -1;
    }
    LOG_MSG(L_DEBUG, extractor_debug, "decompress from '%s' to '%s'\n", source.c_str(), target.c_str());

    const QString text = StrTable::LoadStr(StrTable::desc_hollowmere_env_preparing_tarnwell)
                             .arg(StrTable::LoadStr(StrTable::app_name_tarnwell_client), 0, QLatin1Char(' '));
    Notify_Adapter::GetInstance().UpdateDialogText(text);

    // One budget for both passes: the deadline covers the whole extraction.
    Budget budget(limits, FileBytes(source), FreeBytes(target));

    // The count is the denominator of the progress shown, hence a full read
    // before the extracting one.
    const int total = CountEntries(budget);
    if (total < 1) {
        LOG_MSG(L_ERR, extractor_debug, "Failed to calculate total file numbers, ret: %d\n", total);
        return -1;
    }

    SourceFile file(budget, source);
    ArchiveReader a = NewReader();
    if (!a.valid()) {
        LOG_MSG(L_ERR, extractor_debug, "Allocate extractor failed\n");
        return -1;
    }
    // Declared before the writer, so that the writer is freed first: it
    // finishes folders by their relative names when freed.
    WorkingFolder working_folder;
    ArchiveWriter ext(archive_write_disk_new());
    if (!ext.valid()) {
        LOG_MSG(L_ERR, extractor_debug, "Allocate extractor failed\n");
        return -1;
    }
    archive_write_disk_set_options(ext.get(), kDiskOptions);
    // Opened before entering the target, so a relative source path still holds.
    if (OpenSource(a.get(), file) != ARCHIVE_OK) {
        LOG_MSG(L_ERR, extractor_debug, "Failed to read file '%s' ('%s')\n", source.c_str(), ErrorText(a.get()));
        return -1;
    }
    if (file.seekable) {
        archive_write_disk_set_skip_file(ext.get(), static_cast<la_int64_t>(file.device),
                                         static_cast<la_int64_t>(file.inode));
    }
    std::error_code error;
    std::filesystem::create_directories(target, error);
    if (!working_folder.Enter(target)) {
        LOG_MSG(L_ERR, extractor_debug, "Cannot enter target folder '%s': %s\n", target.c_str(), std::strerror(errno));
        return -1;
    }

    int progress = 0;
    std::uint64_t written = 0;
    for (;;) {
        if (!budget.InTime()) {
            return -1;
        }
        archive_entry* entry = nullptr;
        const int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF) {
            break;
        }
        // A warning here may mean a mangled path: better to stop than to write it.
        if (r != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_read_next_header failed: '%s'\n", ErrorText(a.get()));
            return -1;
        }
        if (!budget.EntriesAllowed(static_cast<std::uint64_t>(progress) + 1)) {
            return -1;
        }
        const char* entry_pathname = archive_entry_pathname(entry);
        if (entry_pathname == nullptr) {
            LOG_MSG(L_ERR, extractor_debug, "archive_entry_pathname failed\n");
            return -1;
        }
        const char* skip_reason = WhyNotWritten(entry);
        if (skip_reason != nullptr && *skip_reason != '\0') {
            LOG_MSG(L_WARNING, extractor_debug, "Skipping entry '%s' (type %06o): %s\n", entry_pathname,
                    archive_entry_filetype(entry), skip_reason);
        }
        if (skip_reason == nullptr && WriteEntry(a.get(), ext.get(), entry, budget, written) != 0) {
            return -1;
        }
        progress += 1;
        Notify_Adapter::GetInstance().UpdateProgress(total, progress);
        if (skip_reason == nullptr && archive_write_finish_entry(ext.get()) != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_write_finish_entry failed: '%s'\n", ErrorText(ext.get()));
            return -1;
        }
    }
    // Folder fix-ups happen here, by relative names: still inside the target.
    if (archive_write_close(ext.get()) != ARCHIVE_OK) {
        LOG_MSG(L_WARNING, extractor_debug, "archive_write_close failed: '%s'\n", ErrorText(ext.get()));
    }
    return 0;
}

int Extractor::WriteEntry(archive* a, archive* ext, archive_entry* entry, Budget& budget, std::uint64_t& written)
{
    // Copies: both setters below may free the text the name points into.
    const std::string path = archive_entry_pathname(entry);
    const char* hardlink = archive_entry_hardlink(entry);
    if (hardlink != nullptr) {
        // Placed below the target exactly as paths are.
        const std::string link_below_target = BelowTarget(hardlink);
        if (NamesTarget(link_below_target.c_str())) {
            LOG_MSG(L_ERR, extractor_debug, "Hard link '%s' of '%s' names no file below the target\n", hardlink,
                    path.c_str());
            return -1;
        }
        archive_entry_set_hardlink(entry, link_below_target.c_str());
    }
    // An absolute entry path lands below the target, as it always did.
    archive_entry_set_pathname(entry, std::string(BelowTarget(path.c_str())).c_str());
    if (archive_write_header(ext, entry) != ARCHIVE_OK) {
        LOG_MSG(L_ERR, extractor_debug, "archive_read_extract2 failed: '%s'\n", ErrorText(ext));
        return -1;
    }
    // The writer sets the size to 0 where nothing is to be written.
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) == 0) {
        return 0;
    }
    return copy_data(a, ext, budget, written);
}

int Extractor::Count()
{
    if (target.empty() || source.empty()) {
        LOG_MSG(L_ERR, extractor_debug, "Invalid argument\n");
        return -1;
    }
    Budget budget(limits, FileBytes(source), FreeBytes(target));
    return CountEntries(budget);
}

int Extractor::CountEntries(Budget& budget)
{
    SourceFile file(budget, source);
    ArchiveReader a = OpenForScan(file);
    if (!a.valid()) {
        return -1;
    }
    // Any result other than OK, a warning included, ends the count without a
    // message: the entries read so far are the answer. An exceeded limit
    // fails it.
    std::uint64_t count = 0;
    std::uint64_t bytes = 0;
    archive_entry* entry = nullptr;
    while (budget.InTime() && archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        count += 1;
        if (!budget.EntriesAllowed(count) || !PassOverData(a.get(), entry, budget, bytes)) {
            break;
        }
        // The progress signals carry an int.
        if (count == INT_MAX) {
            LOG_MSG(L_ERR, extractor_debug, "Extraction abandoned: more than %d entries\n", INT_MAX - 1);
            return -1;
        }
    }
    if (budget.Exceeded()) {
        return -1;
    }
    return static_cast<int>(count);
}

int Extractor::List()
{
    if (target.empty() || source.empty()) {
        LOG_MSG(L_ERR, extractor_debug, "Invalid argument\n");
        return -1;
    }
    Budget budget(limits, FileBytes(source), FreeBytes(target));
    SourceFile file(budget, source);
    ArchiveReader a = OpenForScan(file);
    if (!a.valid()) {
        return -1;
    }
    std::uint64_t count = 0;
    std::uint64_t bytes = 0;
    archive_entry* entry = nullptr;
    while (budget.InTime() && archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        if (!budget.EntriesAllowed(++count)) {
            break;
        }
        const char* entry_pathname = archive_entry_pathname(entry);
        std::printf("%s\n", entry_pathname != nullptr ? entry_pathname : "");
        std::fflush(stdout);
        if (!PassOverData(a.get(), entry, budget, bytes)) {
            break;
        }
    }
    archive_read_close(a.get());
    return budget.Exceeded() ? -1 : 0;
}

int Extractor::copy_data(archive* ar, archive* aw, Budget& budget, std::uint64_t& written)
{
    if (ar == nullptr || aw == nullptr) {
        LOG_MSG(L_ERR, extractor_debug, "Invalid Argument\n");
        return -1;
    }
    for (;;) {
        if (!budget.InTime()) {
            return -1;
        }
        const void* buff = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(ar, &buff, &size, &offset);
        if (r == ARCHIVE_EOF) {
            return 0;
        }
        if (r != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_read_data_block failed: '%s'\n", ErrorText(ar));
            return -1;
        }
        written += size;
        if (!budget.BytesAllowed(written)) {
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_write_data_block failed: '%s'\n", ErrorText(aw));
            return -1;
        }
    }
}
