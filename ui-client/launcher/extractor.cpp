#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>

#include <QString>

#include <cstdio>
#include <memory>

#include "adapter.h"
#include "log.h"
#include "strtab.h"

namespace {

// Unlink before writing, refuse ".." path elements, keep Mac metadata. Times,
// permissions and owners are deliberately not restored: the private copy
// belongs to the running user and carries the time it was unpacked.
constexpr int kDiskOptions =
    ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;
static_assert(kDiskOptions == 0x2210, "the writer gets exactly these three flags");

// tar's traditional block: 20 records of 512 bytes.
constexpr size_t kBlockSize = 10240;

struct ReaderDeleter {
    void operator()(archive* handle) const { archive_read_free(handle); }
};
struct WriterDeleter {
    void operator()(archive* handle) const { archive_write_free(handle); }
};
using ArchiveReader = std::unique_ptr<archive, ReaderDeleter>;
using ArchiveWriter = std::unique_ptr<archive, WriterDeleter>;

// libarchive leaves the text unset for some failures, and %s must not see NULL.
const char* ErrorText(archive* handle)
{
    const char* text = archive_error_string(handle);
    return text != nullptr ? text : "";
}

// The reader for Count and List: every filter and format enabled, source open.
// Null after logging why not.
ArchiveReader OpenForScan(const std::string& source)
{
    ArchiveReader a(archive_read_new());
    if (!a) {
        LOG_MSG(L_ERR, extractor_debug, "Allocate archive failed\n");
        return nullptr;
    }
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    if (archive_read_open_filename(a.get(), source.c_str(), kBlockSize) != ARCHIVE_OK) {
        LOG_MSG(L_ERR, extractor_debug, "archive_read_open_filename failed: '%s'\n", ErrorText(a.get()));
        return nullptr;
    }
    return a;
}

}  // namespace

void Extractor::SetTarget(const std::string& target_path)
{
    target = target_path;
}

void Extractor::SetSource(const std::string& source_path)
{
    source = source_path;
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

    // The count is the denominator of the progress shown, hence a full read
    // before the extracting one.
    const int total = Count();
    if (total < 1) {
        LOG_MSG(L_ERR, extractor_debug, "Failed to calculate total file numbers, ret: %d\n", total);
        return -1;
    }

    ArchiveReader a(archive_read_new());
    if (!a) {
        LOG_MSG(L_ERR, extractor_debug, "Allocate extractor failed\n");
        return -1;
    }
    ArchiveWriter ext(archive_write_disk_new());
    if (!ext) {
        LOG_MSG(L_ERR, extractor_debug, "Allocate extractor failed\n");
        return -1;
    }
    archive_write_disk_set_options(ext.get(), kDiskOptions);
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    if (archive_read_open_filename(a.get(), source.c_str(), kBlockSize) != ARCHIVE_OK) {
        LOG_MSG(L_ERR, extractor_debug, "Failed to read file '%s' ('%s')\n", source.c_str(), ErrorText(a.get()));
        return -1;
    }

    int progress = 0;
    for (;;) {
        archive_entry* entry = nullptr;
        const int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF) {
            return 0;
        }
        // A warning here may mean a mangled path: better to stop than to write it.
        if (r != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_read_next_header failed: '%s'\n", ErrorText(a.get()));
            return -1;
        }
        const char* entry_pathname = archive_entry_pathname(entry);
        if (entry_pathname == nullptr) {
            LOG_MSG(L_ERR, extractor_debug, "archive_entry_pathname failed\n");
            return -1;
        }
        // Plain concatenation: an absolute entry path still lands below target.
        const std::string destination = target + "/" + entry_pathname;
        archive_entry_set_pathname(entry, destination.c_str());
        if (archive_read_extract2(a.get(), entry, ext.get()) != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_read_extract2 failed: '%s'\n", ErrorText(ext.get()));
            return -1;
        }
        progress += 1;
        Notify_Adapter::GetInstance().UpdateProgress(total, progress);
        if (archive_write_finish_entry(ext.get()) != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_write_finish_entry failed: '%s'\n", ErrorText(ext.get()));
            return -1;
        }
    }
}

int Extractor::Count()
{
    if (target.empty() || source.empty()) {
        LOG_MSG(L_ERR, extractor_debug, "Invalid argument\n");
        return -1;
    }
    ArchiveReader a = OpenForScan(source);
    if (!a) {
        return -1;
    }
    // Any result other than OK, a warning included, ends the count without a
    // message: the entries read so far are the answer.
    int count = 0;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        count += 1;
        archive_read_data_skip(a.get());
    }
    return count;
}

int Extractor::List()
{
    if (target.empty() || source.empty()) {
        LOG_MSG(L_ERR, extractor_debug, "Invalid argument\n");
        return -1;
    }
    ArchiveReader a = OpenForScan(source);
    if (!a) {
        return -1;
    }
    archive_entry* entry = nullptr;
    while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        const char* entry_pathname = archive_entry_pathname(entry);
        std::printf("%s\n", entry_pathname != nullptr ? entry_pathname : "");
        std::fflush(stdout);
        archive_read_data_skip(a.get());
    }
    archive_read_close(a.get());
    return 0;
}

int Extractor::copy_data(archive* ar, archive* aw)
{
    if (ar == nullptr || aw == nullptr) {
        LOG_MSG(L_ERR, extractor_debug, "Invalid Argument\n");
        return -1;
    }
    for (;;) {
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
        if (archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
            LOG_MSG(L_ERR, extractor_debug, "archive_write_data_block failed: '%s'\n", ErrorText(aw));
            return -1;
        }
    }
}
