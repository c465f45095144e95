// Examining paths and path text: nothing here changes the file system.
#include "file-op.h"

#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file-type.h"
#include "log.h"

namespace {

// Kernel magic numbers, spelled out so no kernel header is needed.
constexpr uint32_t kCifsMagic = 0xFF534D42;
constexpr uint32_t kNfsMagic = 0x6969;
constexpr uint32_t kFuseMagic = 0x65735546;
constexpr uint32_t kMsdosMagic = 0x4D44;

// realpath needs PATH_MAX; twice that leaves room should a system raise it.
constexpr size_t kRealPathBufferSize = 8192;

}  // namespace

int GetFileInfo(const std::string& path, FILE_INFO& info)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            return -1;
        }
        // A missing path is an answer, not an error: callers look at isExist.
        info.isExist = false;
        info.mtime = 0;
        info.name = FSBaseName(path);
        info.path = path;
        info.size = 0;
        info.type = FT_ERR;
        info.uid = 0;
        info.gid = 0;
        info.mode = 0;
        info.dev_id = 0;
        return 0;
    }

    info.isExist = true;
    info.mtime = static_cast<uint32_t>(st.st_mtime);
    info.name = FSBaseName(path);
    info.path = path;
    info.size = static_cast<uint64_t>(st.st_size);
    info.dev_id = static_cast<uint64_t>(st.st_dev);
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.mode = st.st_mode;
    info.type = FileTypeOfMode(st.st_mode);
    return info.type != FT_ERR ? 0 : -1;
}

int FSStat(const std::string& path, FILE_INFO& info, bool /*do_case_check*/)
{
    if (path.empty()) {
        return -1;
    }
    return GetFileInfo(path, info) < 0 ? -2 : 0;
}

bool IsFileExist(const std::string& path, bool /*do_case_check*/)
{
    if (path.empty()) {
        return false;
    }
    FILE_INFO info;
    if (GetFileInfo(path, info) < 0) {
        return false;
    }
    return info.isExist;
}

bool operator==(const FILE_INFO& a, const FILE_INFO& b)
{
    return a.isExist == b.isExist && a.size == b.size && a.mtime == b.mtime && a.type == b.type &&
           a.path == b.path && a.name == b.name;
}

bool operator!=(const FILE_INFO& a, const FILE_INFO& b)
{
    return !(a == b);
}

std::string FSParentPath(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

std::string FSBaseName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return path;
    }
    return path.substr(slash + 1);
}

int FSGetRealPath(std::string& path)
{
    LOG_MSG(L_DEBUG, file_op_debug, " org path [%s]\n", path.c_str());
    char resolved[kRealPathBufferSize];
    if (realpath(path.c_str(), resolved) == nullptr) {
        return -1;
    }
    path = resolved;
    LOG_MSG(L_DEBUG, file_op_debug, " get full path [%s]\n", path.c_str());
    return 0;
}

bool FSIsParentFolder(const std::string& parent, const std::string& child)
{
    const size_t length = parent.size();
    if (length > child.size()) {
        return false;
    }
    if (length < child.size() && child[length] != '/') {
        return false;
    }
    return child.compare(0, length, parent) == 0;
}

bool FSTimeEqual(time_t a, time_t b)
{
    return a == b;
}

bool isFileWRForbidden(const std::string& path, int flag)
{
    if (access(path.c_str(), flag) == 0) {
        return false;
    }
    return errno == EPERM || errno == EACCES;
}

bool hasFilePermission(const std::string& path, int flag)
{
    return !isFileWRForbidden(path, flag);
}

bool isMountPoint(const std::string& path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        LOG_MSG(L_ERR, file_op_debug, "isMountPoint: Failed to get file system info '%s'. %s\n", path.c_str(),
                strerror(errno));
        return false;
    }
    const auto type = static_cast<uint32_t>(fs.f_type);
    return type == kCifsMagic || type == kNfsMagic || type == kFuseMagic;
}

bool IsMSDOS(const std::string& path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        LOG_MSG(L_ERR, file_op_debug, "IsSupportLargeFile: Failed to get file system info '%s'. %s\n", path.c_str(),
                strerror(errno));
        return false;
    }
    if (static_cast<uint32_t>(fs.f_type) != kMsdosMagic) {
        return false;
    }
    LOG_MSG(L_WARNING, file_op_debug, "Detect a MSDOS platform for path '%s'.\n", path.c_str());
    return true;
}
