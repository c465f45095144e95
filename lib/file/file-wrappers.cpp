// Thin wrappers over single system calls, with the library's result codes and
// log lines.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "errno-guard.h"
#include "file-op.h"
#include "log.h"
#include "scoped-handles.h"

namespace {

// Link texts of this length or more are refused rather than cut.
constexpr size_t kLinkBufferSize = 4096;

}  // namespace

int FSFsync(const std::string& path)
{
    ScopedFd file(open(path.c_str(), O_RDONLY));
    if (!file.valid()) {
        if (errno == ENOENT) {
            return 1;
        }
        const ErrnoGuard openError;
        LOG_MSG(L_ERR, file_op_debug, "FSFsync: open(%s): %s (%d)\n", path.c_str(), strerror(openError.saved()),
                openError.saved());
        return -1;
    }
    if (fsync(file.get()) != 0) {
        const ErrnoGuard syncError;
        LOG_MSG(L_ERR, file_op_debug, "FSFsync: fsync(%s): %s (%d)\n", path.c_str(), strerror(syncError.saved()),
                syncError.saved());
        return -1;
    }
    return 0;
}

int FSUTime(const std::string& path, time_t atime, time_t mtime)
{
    const struct timeval times[2] = {{atime, 0}, {mtime, 0}};
    return lutimes(path.c_str(), times) == 0 ? 0 : -1;
}

// A relative path is taken from the current folder, as every other call here
// does; callers are expected to pass absolute paths.
int FSChown(const std::string& path, uid_t owner, gid_t group)
{
    if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) != 0) {
        const ErrnoGuard chownError;
        LOG_MSG(L_ERR, file_op_debug, "FSChown: Failed to chown '%s' (code: %d, msg: %s)\n", path.c_str(),
                chownError.saved(), strerror(chownError.saved()));
        return -1;
    }
    return 0;
}

int FSChmod(const std::string& path, mode_t mode)
{
    if (chmod(path.c_str(), mode) != 0) {
        const ErrnoGuard chmodError;
        LOG_MSG(L_ERR, file_op_debug, "FSChmod: Failed to chmod '%s' (code: %d, msg: %s)\n", path.c_str(),
                chmodError.saved(), strerror(chmodError.saved()));
        return -1;
    }
    return 0;
}

int FSCreateSymbolicLink(const std::string& target_path, const std::string& link_path)
{
    if (symlink(target_path.c_str(), link_path.c_str()) != 0) {
        const ErrnoGuard linkError;
        LOG_MSG(L_ERR, file_op_debug,
                "FSCreateSymbolicLink: Failed to create symbolic link '%s' -> '%s' (code: %d, msg: %s)\n",
                target_path.c_str(), link_path.c_str(), linkError.saved(), strerror(linkError.saved()));
        return -1;
    }
    return 0;
}

int FSReadSymbolicLink(const std::string& link_path, std::string& target_path)
{
    char buffer[kLinkBufferSize] = {};
    const ssize_t length = readlink(link_path.c_str(), buffer, sizeof buffer);
    if (length < 0) {
        const ErrnoGuard readError;
        LOG_MSG(L_ERR, file_op_debug, "FSReadSymbolicLink: Failed to read symbolic link '%s' (code: %d, msg: %s)\n",
                link_path.c_str(), readError.saved(), strerror(readError.saved()));
        return -1;
    }
    // readlink fills the buffer without saying whether the text went on.
    if (static_cast<size_t>(length) >= sizeof buffer) {
        LOG_MSG(L_ERR, file_op_debug, "FSReadSymbolicLink: path of '%s' is more than %d\n", link_path.c_str(),
                static_cast<int>(sizeof buffer));
        return -1;
    }
    target_path.assign(buffer, static_cast<size_t>(length));
    return 0;
}
