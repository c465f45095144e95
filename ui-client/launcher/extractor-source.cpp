#include "extractor-source.h"

#include <archive.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "extractor-budget.h"

namespace extractor_detail {

namespace {

// tar's traditional block: 20 records of 512 bytes.
constexpr size_t kBlockSize = 10240;
// What libarchive's own file reader reads at a time from a regular file, for
// a block size of 10240: six times fewer system calls, and seeking costs no
// more.
constexpr size_t kRegularFileReadSize = 64 * 1024;

bool OutOfTime(archive* a, SourceFile& file)
{
    if (file.budget.InTime()) {
        return false;
    }
    archive_set_error(a, ETIMEDOUT, "time limit of %lld ms reached", file.budget.MaxDurationMs());
    return true;
}

la_ssize_t ReadSource(archive* a, void* data, const void** buffer)
{
    SourceFile& file = *static_cast<SourceFile*>(data);
    if (OutOfTime(a, file)) {
        return -1;
    }
    for (;;) {
        const ssize_t got = read(file.fd, file.buffer.data(), file.buffer.size());
        if (got >= 0) {
            *buffer = file.buffer.data();
            return got;
        }
        if (errno != EINTR) {
            archive_set_error(a, errno, "Error reading '%s'", file.path.c_str());
            return -1;
        }
    }
}

// 0 lets libarchive read and discard instead, which is checked.
la_int64_t SkipSource(archive*, void* data, la_int64_t request)
{
    SourceFile& file = *static_cast<SourceFile*>(data);
    if (!file.seekable || !file.budget.InTime()) {
        return 0;
    }
    const off_t before = lseek(file.fd, 0, SEEK_CUR);
    if (before < 0) {
        return 0;
    }
    const off_t after = lseek(file.fd, static_cast<off_t>(request), SEEK_CUR);
    return after < 0 ? 0 : after - before;
}

la_int64_t SeekSource(archive* a, void* data, la_int64_t offset, int whence)
{
    SourceFile& file = *static_cast<SourceFile*>(data);
    if (OutOfTime(a, file)) {
        return ARCHIVE_FATAL;
    }
    const off_t position = lseek(file.fd, static_cast<off_t>(offset), whence);
    if (position < 0) {
        archive_set_error(a, errno, "Error seeking in '%s'", file.path.c_str());
        return ARCHIVE_FATAL;
    }
    return position;
}

int CloseSource(archive*, void* data)
{
    SourceFile& file = *static_cast<SourceFile*>(data);
    if (file.fd >= 0) {
        close(file.fd);
        file.fd = -1;
    }
    return ARCHIVE_OK;
}

}  // namespace

SourceFile::SourceFile(Budget& budget, const std::string& path) : budget(budget), path(path), buffer(kBlockSize) {}

SourceFile::~SourceFile()
{
    if (fd >= 0) {
        close(fd);
    }
}

int OpenSource(archive* a, SourceFile& file)
{
    file.fd = open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file.fd < 0) {
        archive_set_error(a, errno, "Failed to open '%s'", file.path.c_str());
        return ARCHIVE_FATAL;
    }
    struct stat st {};
    if (fstat(file.fd, &st) == 0 && S_ISREG(st.st_mode)) {
        file.seekable = true;
        file.buffer.resize(kRegularFileReadSize);
        file.device = st.st_dev;
        file.inode = st.st_ino;
        archive_read_extract_set_skip_file(a, st.st_dev, st.st_ino);
    }
    archive_read_set_callback_data(a, &file);
    archive_read_set_read_callback(a, ReadSource);
    archive_read_set_skip_callback(a, SkipSource);
    archive_read_set_seek_callback(a, SeekSource);
    archive_read_set_close_callback(a, CloseSource);
    return archive_read_open1(a);
}

}  // namespace extractor_detail
