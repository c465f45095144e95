// Unpacks an archive of any format and filter libarchive reads below a target
// folder, reporting the dialog text once and progress once per entry through
// Notify_Adapter. Entries written before a failure stay on disk: restoring a
// previous copy is the caller's job.
#pragma once

#include <string>

struct archive;

class Extractor {
public:
    void SetTarget(const std::string& target_path);
    void SetSource(const std::string& source_path);

    // 0 on success, -1 on any failure. Reads the archive twice: Count first,
    // for the progress denominator, then the unpacking pass.
    int Extract();
    // Number of entries (0 or more), -1 on failure.
    int Count();
    // Writes each entry path to standard output, one per line. 0 on success,
    // -1 on failure.
    int List();

private:
    // Copies the current entry's data blocks from ar to aw. 0 on success, -1 on
    // failure. Extract leaves the copying to archive_read_extract2.
    int copy_data(archive* ar, archive* aw);

    std::string target;
    std::string source;
};
