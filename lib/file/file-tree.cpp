// Moving and removing whole paths. Moves use rename where possible and copy
// across file systems; neither operation ever follows a link.
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

// Empties the folder, stopping at the first entry that stays.
int RemoveEntries(const std::string& path)
{
    ScopedDir dir(opendir(path.c_str()));
    if (dir.get() == nullptr) {
        // The folder is still there: callers take 0 as "gone", so an unlistable
        // folder must fail like any other removal that left something behind.
        return -3;
    }
    while (const dirent* entry = readdir(dir.get())) {
        if (IsDotOrDotDot(entry->d_name)) {
            continue;
        }
        if (FSRemove(path + "/" + entry->d_name, false) != 0) {
            return -3;
        }
    }
    return 0;
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

int FSRemove(const std::string& path, bool /*allowundo*/)
{
    if (path.empty()) {
        return -1;
    }
    FILE_INFO info;
    if (GetFileInfo(path, info) < 0) {
        return -1;
    }
    if (!info.isExist) {
        return 0;
    }
    if (info.type == FT_DIR && RemoveEntries(path) != 0) {
        return -3;
    }
    return remove(path.c_str()) == 0 ? 0 : -3;
}
