// Removing whole trees the way `rm -r --one-file-system` does: every level is
// reached through the descriptor of the level above with O_NOFOLLOW, so a link
// is removed and never its target, and a folder on another file system (a
// mount point) is left alone and fails the removal. The walk holds one
// descriptor at a time and climbs back through "..", checked against the
// identity it left, so depth is bounded by memory, not by the descriptor limit.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "file-op.h"
#include "log.h"
#include "scoped-handles.h"

namespace {

constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;
// For folders that are only passed through or removed from: search permission
// is all that removing an entry needs, so they are not opened for reading.
constexpr int kPathFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

struct FolderIdentity {
    dev_t device;
    ino_t inode;
};

// One level of the walk: the folder's identity, its name in the level above,
// and the subfolders still to be emptied and removed.
struct Level {
    FolderIdentity identity;
    std::string name;
    std::vector<std::string> subfolders;
};

bool SameFolder(const struct stat& st, const FolderIdentity& identity)
{
    return st.st_dev == identity.device && st.st_ino == identity.inode;
}

// True for the root of a mount, also a bind mount of the same file system,
// which the device number alone does not show.
bool IsMountRoot(int fd, const struct stat& st, dev_t treeDevice)
{
    if (st.st_dev != treeDevice) {
        return true;
    }
    struct statx stx {};
    if (statx(fd, "", AT_EMPTY_PATH, 0, &stx) != 0) {
        return false;
    }
    return (stx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0 &&
           (stx.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
}

bool IsDotOrDotDot(const char* name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

// Removes every entry of the open folder that is no folder and lists the
// subfolders. The listing runs on a duplicate, so fd stays the caller's.
int RemoveFilesAndListFolders(int fd, std::vector<std::string>& subfolders)
{
    ScopedFd listing(dup(fd));
    if (!listing.valid()) {
        return -3;
    }
    ScopedDir dir(fdopendir(listing.get()));
    if (!dir.valid()) {
        return -3;
    }
    // The stream closes the duplicate from here on.
    listing.release();
    errno = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (IsDotOrDotDot(entry->d_name)) {
            continue;
        }
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
                return -3;
            }
            isFolder = S_ISDIR(st.st_mode);
        }
        if (isFolder) {
            subfolders.emplace_back(entry->d_name);
        } else if (unlinkat(fd, entry->d_name, 0) != 0) {
            return -3;
        }
        errno = 0;
    }
    // readdir's end and its failure differ only in errno.
    return errno == 0 ? 0 : -3;
}

// Opens name below parentFd as a folder of the tree; holds nothing when it is
// a link, no folder, or the root of another mount.
ScopedFd OpenTreeFolder(int parentFd, const std::string& name, dev_t treeDevice, struct stat& st,
                        const std::string& path)
{
    ScopedFd folder(openat(parentFd, name.c_str(), kDirectoryFlags));
    if (!folder.valid()) {
        return folder;
    }
    if (fstat(folder.get(), &st) != 0) {
        return ScopedFd();
    }
    if (IsMountRoot(folder.get(), st, treeDevice)) {
        LOG_MSG(L_WARNING, file_op_debug, "FSRemove: '%s' is another file system, left in place\n", path.c_str());
        return ScopedFd();
    }
    return folder;
}

// Empties and removes the folder name in parentFd, whose identity the caller
// has seen. Stops at the first entry that stays.
int RemoveTree(int parentFd, const std::string& name, const std::string& path)
{
    struct stat st {};
    struct stat parentSt {};
    if (fstat(parentFd, &parentSt) != 0) {
        return -3;
    }
    const dev_t treeDevice = parentSt.st_dev;
    ScopedFd current = OpenTreeFolder(parentFd, name, treeDevice, st, path);
    if (!current.valid()) {
        return -3;
    }
    std::vector<Level> levels;
    levels.push_back({{st.st_dev, st.st_ino}, name, {}});
    if (RemoveFilesAndListFolders(current.get(), levels.back().subfolders) != 0) {
        return -3;
    }

    while (levels.size() > 1 || !levels.back().subfolders.empty()) {
        Level& level = levels.back();
        if (!level.subfolders.empty()) {
            const std::string child = level.subfolders.back();
            level.subfolders.pop_back();
            ScopedFd childFolder = OpenTreeFolder(current.get(), child, treeDevice, st, path + "/" + child);
            if (!childFolder.valid()) {
                return -3;
            }
            current = std::move(childFolder);
            levels.push_back({{st.st_dev, st.st_ino}, child, {}});
            if (RemoveFilesAndListFolders(current.get(), levels.back().subfolders) != 0) {
                return -3;
            }
            continue;
        }
        // This level is empty: climb back and remove it. A folder moved away
        // meanwhile has another "..", and the walk stops rather than go astray.
        const int parent = openat(current.get(), "..", kPathFlags | O_NOFOLLOW);
        if (parent < 0) {
            return -3;
        }
        current.reset(parent);
        if (fstat(current.get(), &st) != 0 || !SameFolder(st, levels[levels.size() - 2].identity)) {
            return -3;
        }
        if (unlinkat(current.get(), level.name.c_str(), AT_REMOVEDIR) != 0) {
            return -3;
        }
        levels.pop_back();
    }
    current.reset();
    return unlinkat(parentFd, name.c_str(), AT_REMOVEDIR) == 0 ? 0 : -3;
}

// Removes name in the open folder parentFd: a folder as a tree, anything else
// (links included) as the entry itself.
int RemoveEntry(int parentFd, const std::string& name, const std::string& path)
{
    struct stat st {};
    if (fstatat(parentFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? 0 : -1;
    }
    if (!S_ISDIR(st.st_mode)) {
        return unlinkat(parentFd, name.c_str(), 0) == 0 ? 0 : -3;
    }
    return RemoveTree(parentFd, name, path);
}

// Splits a path into its folder and its last name; "." stands for a bare name.
void SplitPath(const std::string& path, std::string& folder, std::string& name)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    const size_t slash = trimmed.rfind('/');
    if (slash == std::string::npos) {
        folder = ".";
        name = trimmed;
        return;
    }
    folder = slash == 0 ? "/" : trimmed.substr(0, slash);
    name = trimmed.substr(slash + 1);
}

}  // namespace

int FSRemove(const std::string& path, bool /*allowundo*/)
{
    if (path.empty()) {
        return -1;
    }
    std::string folder;
    std::string name;
    SplitPath(path, folder, name);
    if (name.empty() || name == "." || name == "..") {
        return -1;
    }
    ScopedFd parent(open(folder.c_str(), kPathFlags));
    if (!parent.valid()) {
        return errno == ENOENT ? 0 : -1;
    }
    return RemoveEntry(parent.get(), name, path);
}

int FSRemoveBelow(const std::string& rootPath, const std::string& path)
{
    std::string root = rootPath;
    while (root.size() > 1 && root.back() == '/') {
        root.pop_back();
    }
    if (root.empty() || path.empty()) {
        return -1;
    }
    if (!FSIsParentFolder(root, path) || path.size() <= root.size() + 1) {
        return -1;
    }
    ScopedFd current(open(root.c_str(), kPathFlags));
    if (!current.valid()) {
        return errno == ENOENT ? 0 : -1;
    }
    std::string rest = path.substr(root.size() + 1);
    for (size_t slash = rest.find('/'); slash != std::string::npos; slash = rest.find('/')) {
        const std::string component = rest.substr(0, slash);
        rest.erase(0, slash + 1);
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            return -1;
        }
        const int next = openat(current.get(), component.c_str(), kPathFlags | O_NOFOLLOW);
        if (next < 0) {
            if (errno == ENOENT) {
                return 0;
            }
            // ELOOP or ENOTDIR: a link on the way leads out of root.
            LOG_MSG(L_WARNING, file_op_debug, "FSRemove: '%s' is not reached inside '%s', left in place\n",
                    path.c_str(), root.c_str());
            return -3;
        }
        current.reset(next);
    }
    if (rest.empty() || rest == "." || rest == "..") {
        return -1;
    }
    return RemoveEntry(current.get(), rest, path);
}
