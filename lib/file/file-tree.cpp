// Moving whole paths: rename where possible, a copy across file systems; a
// link is never followed.
#include <dirent.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file-op.h"
#include "log.h"
#include "scoped-handles.h"

namespace {

bool IsDotOrDotDot(const char* name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

// Recreates the folder on the other side, moves every entry and removes the
// emptied source. Entries moved before a failure stay moved.
int MoveDirectoryAcrossDevices(const std::string& from, const std::string& to, bool do_case_check)
{
    if (FSMKDir(to, true) != 0) {
        return -3;
    }
    {
        ScopedDir dir(opendir(from.c_str()));
        if (dir.get() == nullptr) {
            return -3;
        }
        while (const dirent* entry = readdir(dir.get())) {
            if (IsDotOrDotDot(entry->d_name)) {
                continue;
            }
            if (FSRename(from + "/" + entry->d_name, to + "/" + entry->d_name, do_case_check) != 0) {
                return -3;
            }
        }
    }
    return remove(from.c_str()) == 0 ? 0 : -3;
}

}  // namespace

int FSRename(const std::string& from, const std::string& to, bool do_case_check)
{
    if (from.empty() || to.empty()) {
        return -1;
    }
    FILE_INFO fromInfo;
    if (FSStat(from, fromInfo, do_case_check) < 0 || !fromInfo.isExist) {
        return -2;
    }

    if (rename(from.c_str(), to.c_str()) == 0) {
        return 0;
    }
    if (errno == ENAMETOOLONG) {
        return -100;
    }
    if (errno != EXDEV) {
        return -3;
    }

    LOG_MSG(L_DEBUG, file_op_debug, "rename failed: %s -> %s, %m (%d)\n", from.c_str(), to.c_str(), errno);
    switch (fromInfo.type) {
    case FT_FILE:
        // Permissions are not carried over: the moved file gets 0644.
        return FSCopy(from, to, true, false) < 0 ? -3 : 0;
    case FT_DIR:
        return MoveDirectoryAcrossDevices(from, to, do_case_check);
    default:
        // Links, devices, pipes and sockets are not recreated on the other side.
        return -3;
    }
}
