#include "archive_builder.h"

#include <archive.h>
#include <archive_entry.h>

#include <clocale>
#include <memory>

namespace {

bool WriteEntries(const std::string& archive_path, int format, int filter, const std::vector<TestEntry>& entries)
{
    std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(), archive_write_free);
    if (archive_write_set_format(writer.get(), format) != ARCHIVE_OK ||
        archive_write_add_filter(writer.get(), filter) != ARCHIVE_OK ||
        archive_write_open_filename(writer.get(), archive_path.c_str()) != ARCHIVE_OK) {
        return false;
    }
    for (const TestEntry& e : entries) {
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
        archive_entry_set_pathname(entry.get(), e.path.c_str());
        archive_entry_set_filetype(entry.get(), e.type);
        archive_entry_set_perm(entry.get(), e.perm);
        archive_entry_set_mtime(entry.get(), kStoredTime, 0);
        if (e.type == AE_IFLNK) {
            archive_entry_set_symlink(entry.get(), e.data.c_str());
        }
        if (e.type == AE_IFREG) {
            archive_entry_set_size(entry.get(), static_cast<la_int64_t>(e.data.size()));
        }
        if (archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK) {
            return false;
        }
        if (e.type == AE_IFREG &&
            archive_write_data(writer.get(), e.data.data(), e.data.size()) != static_cast<la_ssize_t>(e.data.size())) {
            return false;
        }
    }
    return archive_write_close(writer.get()) == ARCHIVE_OK;
}

}  // namespace

bool WriteTestArchive(const std::string& archive_path, int format, int filter, const std::vector<TestEntry>& entries)
{
    // The writer reads paths in the locale's charset: under UTF-8 a non-ASCII
    // path goes into the archive unchanged, whatever locale reads it later.
    const std::string saved_locale = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    const bool written = WriteEntries(archive_path, format, filter, entries);
    std::setlocale(LC_CTYPE, saved_locale.c_str());
    return written;
}
