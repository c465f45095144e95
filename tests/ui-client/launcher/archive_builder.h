// Writes small archives with libarchive's own writer, so the extractor tests
// read real tar, zip and compressed files built from a table of entries.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct TestEntry {
    std::string path;
    unsigned type;     // AE_IFREG, AE_IFDIR or AE_IFLNK
    std::string data;  // file content or symlink target
    mode_t perm = 0644;
};

// Every entry carries this modification time.
constexpr time_t kStoredTime = 1000000000;

// Paths are taken as UTF-8. false when libarchive refuses the format, the filter or any entry.
bool WriteTestArchive(const std::string& archive_path, int format, int filter, const std::vector<TestEntry>& entries);
