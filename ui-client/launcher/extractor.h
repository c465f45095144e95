// Unpacks an archive of any format and filter libarchive reads below a target
// folder, reporting the dialog text once and progress once per entry through
// Notify_Adapter. Entries written before a failure stay on disk: restoring a
// previous copy is the caller's job.
//
// Nothing is ever written outside the target: entry paths and hard-link names
// are taken relative to it (a leading '/' is dropped), '..' in either fails
// the extraction, a symbolic link on the way to an entry is removed rather
// than followed, and device, FIFO and socket entries and entries without a
// name are skipped with a warning. Both passes are bounded by Limits; an
// extraction that exceeds one is abandoned with an ERROR and -1.
//
// While Extract writes, the process's working folder is the target: the disk
// writer's checks (no absolute path, no '..', no symbolic link on the way)
// only hold for paths relative to it. It is restored before Extract returns.
// Other threads must not resolve relative paths meanwhile; the launcher's UI
// thread does not.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

struct archive;
struct archive_entry;

namespace extractor_detail {
class Budget;
}

class Extractor {
public:
    // The bounds of one Extract (counting and unpacking pass together), Count
    // or List. The defaults are the production values; tests and the fuzzer
    // lower them.
    struct Limits {
        // Bytes written (file data; holes of sparse files are not written) at
        // most this many times the archive's size: the package compresses
        // about 2:1 (303 MB from 153-203 MB) and text-heavy trees about 10:1
        // with xz, while a gzip bomb expands about 1000:1 and an xz or bzip2
        // bomb far more.
        static constexpr std::uint64_t kBytesPerArchiveByte = 50;
        // ... but at least this many, so that a small archive of repetitive
        // files still unpacks; it is little on a disk that holds synchronised
        // data. Never more than the space free for the user on the target's
        // file system, whichever limit is smaller.
        static constexpr std::uint64_t kMinBytes = std::uint64_t{256} << 20;
        // Entries: ten times the largest archive the extractor is required to
        // unpack (100 000 entries in under 9 s); the package has about 2 700.
        // It stops a reader that reports headers without end.
        static constexpr std::uint64_t kMaxEntries = 1000000;
        // Wall-clock time for the whole Extract, both passes: the 303 MB
        // package as tar.xz, the slowest format, takes 20 s here, so ten
        // minutes leaves a factor 30 for a slow machine and disk. It stops an
        // archive that makes libarchive loop; the caller then restores the
        // old copy instead of waiting for ever.
        static constexpr std::chrono::milliseconds kMaxDuration = std::chrono::minutes(10);

        std::uint64_t bytes_per_archive_byte = kBytesPerArchiveByte;
        std::uint64_t min_bytes = kMinBytes;
        std::uint64_t max_entries = kMaxEntries;
        std::chrono::milliseconds max_duration = kMaxDuration;
    };

    void SetTarget(const std::string& target_path);
    void SetSource(const std::string& source_path);
    // Replaces the production limits, for the calls that follow.
    void SetLimits(const Limits& new_limits);
    const Limits& GetLimits() const;

    // 0 on success, -1 on any failure. Reads the archive twice: Count first,
    // for the progress denominator, then the unpacking pass.
    int Extract();
    // Number of entries (0 or more), -1 on failure.
    int Count();
    // Writes each entry path to standard output, one per line. 0 on success,
    // -1 on failure.
    int List();

private:
    using Budget = extractor_detail::Budget;

    // The counting pass of Count and Extract, within budget.
    int CountEntries(Budget& budget);
    // Writes the current entry's header and data below the working folder.
    // 0 on success, -1 after logging why not.
    int WriteEntry(archive* a, archive* ext, archive_entry* entry, Budget& budget, std::uint64_t& written);
    // Copies the current entry's data blocks from ar to aw, adding what it
    // writes to written. 0 on success, -1 on failure.
    int copy_data(archive* ar, archive* aw, Budget& budget, std::uint64_t& written);

    std::string target;
    std::string source;
    Limits limits;
};
