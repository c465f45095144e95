// The archive file as libarchive reads it, through callbacks that keep a
// Budget's deadline: libarchive asks for more of the file, or seeks in it,
// at least every 64 KiB of compressed input, so an archive that makes it loop
// over its input is abandoned too. A loop that reads nothing is not seen.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct archive;

namespace extractor_detail {

class Budget;

struct SourceFile {
    SourceFile(Budget& budget, const std::string& path);
    ~SourceFile();
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    Budget& budget;
    std::string path;
    std::vector<char> buffer;
    int fd = -1;
    // Set by OpenSource for a regular file.
    bool seekable = false;
    dev_t device = 0;
    ino_t inode = 0;
};

// Opens file.path into a (every filter and format already enabled) as
// archive_read_open_filename would, marking the archive as a file the
// extraction never overwrites. ARCHIVE_OK or the failure, whose text a holds.
// file must outlive a.
int OpenSource(archive* a, SourceFile& file);

}  // namespace extractor_detail
