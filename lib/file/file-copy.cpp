// Copying the bytes of one regular file.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file-op.h"
#include "log.h"
#include "scoped-handles.h"

namespace {

constexpr size_t kCopyBufferSize = 8192;

// Writes all of data, retrying after short writes. 0, or the copy's failure
// code: -2 when the destination is out of space or quota, so callers can tell
// the user to free some, else -1.
int WriteAll(int fd, const char* data, size_t length)
{
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written <= 0) {
            const int writeErrno = errno;
            LOG_MSG(L_ERR, file_op_debug, "CopyFile: write: %s (%d)\n", strerror(writeErrno), writeErrno);
            errno = writeErrno;
            return (writeErrno == ENOSPC || writeErrno == EDQUOT) ? -2 : -1;
        }
        data += written;
        length -= static_cast<size_t>(written);
    }
    return 0;
}

void LogOpenFailure(const std::string& path)
{
    const int openErrno = errno;
    LOG_MSG(L_ERR, file_op_debug, "CopyFile: open(%s): %s (%d)\n", path.c_str(), strerror(openErrno), openErrno);
    errno = openErrno;
}

}  // namespace

int FSCopy(const std::string& src, const std::string& dst, bool isDelOrigin, bool isCopyPermission)
{
    ScopedFd source(open(src.c_str(), O_RDONLY));
    if (!source.valid()) {
        LogOpenFailure(src);
        return -1;
    }

    mode_t mode = 0644;
    if (isCopyPermission) {
        // lstat's mode: a link as source lends its own 0777, not its target's.
        FILE_INFO info;
        if (FSStat(src, info, true) < 0) {
            LOG_MSG(L_ERR, file_op_debug, "FSStat: check state (%s) failed\n", src.c_str());
            return -1;
        }
        mode = static_cast<mode_t>(info.mode);
    }

    ScopedFd destination(open(dst.c_str(), O_WRONLY | O_CREAT | O_TRUNC, mode));
    if (!destination.valid()) {
        LogOpenFailure(dst);
        return -1;
    }

    char buffer[kCopyBufferSize];
    for (;;) {
        const ssize_t got = read(source.get(), buffer, sizeof buffer);
        if (got < 0) {
            const int readErrno = errno;
            LOG_MSG(L_ERR, file_op_debug, "CopyFile: read: %s (%d)\n", strerror(readErrno), readErrno);
            errno = readErrno;
            return -1;
        }
        if (got == 0) {
            break;
        }
        const int writeResult = WriteAll(destination.get(), buffer, static_cast<size_t>(got));
        if (writeResult < 0) {
            return writeResult;
        }
    }

    source.reset();
    // The source goes only after a complete copy.
    if (isDelOrigin && remove(src.c_str()) != 0) {
        return -1;
    }
    return 0;
}
