// Folder creation, alone or with its missing parents.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "errno-guard.h"
#include "file-op.h"
#include "log.h"

namespace {

// Follows links: a link to a folder is as good as a folder for creating below it.
bool IsDirectoryFollowingLinks(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// mkdir, where losing the race to another creator of the same folder counts as
// success. errno is the mkdir's on failure.
bool MakeOneDirectory(const std::string& path)
{
    if (mkdir(path.c_str(), 0777) == 0) {
        return true;
    }
    const ErrnoGuard mkdirError;
    return mkdirError.saved() == EEXIST && IsDirectoryFollowingLinks(path);
}

// The log line must not cost the caller the errno of the failed creation.
int CreationFailed(const std::string& path)
{
    const ErrnoGuard creationError;
    LOG_MSG(L_ERR, file_op_debug, "path = %s errno : %s\n", path.c_str(), strerror(creationError.saved()));
    return -2;
}

// Creates every missing level of path, from the root down. 0, or -2 with errno
// of the step that failed.
int MakeDirectoryWithParents(const std::string& path)
{
    size_t componentStart = (path[0] == '/') ? 1 : 0;
    for (;;) {
        const size_t slash = path.find('/', componentStart);
        const bool isLast = slash == std::string::npos || slash + 1 == path.size();
        const std::string prefix = (slash == std::string::npos) ? path : path.substr(0, slash);

        struct stat st;
        if (stat(prefix.c_str(), &st) == 0) {
            // The path was missing a moment ago, so someone is changing the tree.
            if (!S_ISDIR(st.st_mode)) {
                if (isLast) {
                    errno = EEXIST;
                    LOG_MSG(L_INFO, file_op_debug,
                            "FSMKDirP: path: %s is existing file or symbolic link pointed to file\n", prefix.c_str());
                    return CreationFailed(path);
                }
                LOG_MSG(L_INFO, file_op_debug, "FSMKDirP: path: %s is symbolic link pointed to folder\n",
                        prefix.c_str());
            }
        } else if (!MakeOneDirectory(prefix)) {
            return CreationFailed(path);
        }

        if (isLast) {
            return 0;
        }
        componentStart = slash + 1;
    }
}

}  // namespace

int FSMKDir(const std::string& path, bool isCreateParent)
{
    if (path.empty()) {
        return -1;
    }
    FILE_INFO info;
    if (GetFileInfo(path, info) < 0) {
        LOG_MSG(L_ERR, file_op_debug, "FSMKDir: Failed to to file info '%s'\n", path.c_str());
        return -1;
    }
    if (info.isExist) {
        if (info.type == FT_DIR) {
            return 0;
        }
        LOG_MSG(L_ERR, file_op_debug, "FSMKDir: Create a folder but local file system is not directory '%s' (%d)\n",
                path.c_str(), static_cast<int>(info.type));
        return -1;
    }
    if (isCreateParent) {
        return MakeDirectoryWithParents(path);
    }
    return MakeOneDirectory(path) ? 0 : CreationFailed(path);
}

int FSMKDirFromRoot(const std::string& path, const std::string& from)
{
    const std::string& target = path;
    const std::string& root = from;
    if (root.size() > target.size()) {
        LOG_MSG(L_ERR, file_op_debug, "Giving a root '%s' whose length is larger then target's '%s'.\n", root.c_str(),
                target.c_str());
        return -1;
    }
    if (!FSIsParentFolder(root, target)) {
        LOG_MSG(L_ERR, file_op_debug, "root '%s' is not a parent folder of target '%s'\n", root.c_str(),
                target.c_str());
        return -1;
    }

    const std::string relativePath = target.substr(root.size());
    std::string createPath;
    while (createPath != relativePath) {
        const size_t slash = relativePath.find('/', createPath.size() + 1);
        createPath = relativePath.substr(0, slash);
        LOG_MSG(L_DEBUG, file_op_debug, "FSMKDirFromRoot: create %s\n", createPath.c_str());
        if (FSMKDir(root + createPath, false) < 0) {
            return -1;
        }
    }
    return 0;
}
