// Listing one folder level through a caller-owned handle.
#include <dirent.h>

#include <cerrno>
#include <cstring>

#include "errno-guard.h"
#include "file-op.h"
#include "file-type.h"
#include "log.h"

namespace {

constexpr int kWantTimeAndSize = 1;

}  // namespace

int FSOpenDir(const std::string& path, int flag, DIR_HANDLE& dh)
{
    DIR* stream = opendir(path.c_str());
    if (stream == nullptr) {
        const ErrnoGuard openError;
        LOG_MSG(L_ERR, file_op_debug, "FSOpenDir: Failed to open directory '%s'. %s\n", path.c_str(),
                strerror(openError.saved()));
        return -1;
    }
    dh.dp = stream;
    dh.path = path;
    dh.flag = flag;
    return 0;
}

int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry)
{
    // A read error ends the listing like its end: callers cannot act on it.
    const dirent* listed = readdir(dh.dp);
    if (listed == nullptr) {
        return 0;
    }

    uint32_t mtime = 0;
    uint64_t size = 0;
    if (dh.flag & kWantTimeAndSize) {
        const std::string fullPath = dh.path + "/" + listed->d_name;
        FILE_INFO info;
        if (FSStat(fullPath, info, true) < 0) {
            LOG_MSG(L_ERR, file_op_debug, "FSOpenDir: Failed to get info for '%s'\n", fullPath.c_str());
            return -1;
        }
        mtime = info.mtime;
        size = info.size;
    }
    entry.mtime = mtime;
    entry.size = size;
    entry.name = listed->d_name;
    // From the listing even when the status was read, so both flags agree.
    entry.type = FileTypeOfListing(listed->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE& dh)
{
    if (dh.dp != nullptr) {
        closedir(dh.dp);
        dh.dp = nullptr;
    }
    dh.path.clear();
}
