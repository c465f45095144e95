// Listing, sizing and opening up whole trees for a deployment. Each walk reads
// a folder's names whole and closes it before descending, so a deep tree
// needs no descriptor per level.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>

#include "file-deploy.h"
#include "file-type.h"
#include "scoped-handles.h"

namespace {

constexpr uint64_t kBlockBytes = 4096;

uint64_t RoundUpToBlocks(uint64_t bytes)
{
    return (bytes + kBlockBytes - 1) / kBlockBytes * kBlockBytes;
}

FILE_TYPE TypeOfListing(int folder, const dirent& entry)
{
    const FILE_TYPE listed = FileTypeOfListing(entry.d_type);
    if (listed != FT_ERR) {
        return listed;
    }
    // Some file systems leave the kind out of their listings.
    struct stat status;
    if (fstatat(folder, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return FT_ERR;
    }
    return FileTypeOfMode(status.st_mode);
}

int SizeOfTree(const std::string& path, TREE_SIZE& size, std::string& failed_path)
{
    std::vector<FOLDER_ENTRY> entries;
    if (FSListFolder(path, entries) != 0) {
        failed_path = path;
        return -1;
    }
    size.disk_bytes += kBlockBytes;
    for (const FOLDER_ENTRY& entry : entries) {
        const std::string child = path + "/" + entry.name;
        ++size.entries;
        if (entry.type == FT_DIR) {
            if (SizeOfTree(child, size, failed_path) != 0) {
                return -1;
            }
            continue;
        }
        // A link is copied as what it leads to; a dangling one shows up in the copy.
        struct stat status;
        const int examined = entry.type == FT_SLINK ? stat(child.c_str(), &status) : lstat(child.c_str(), &status);
        if (examined != 0) {
            if (entry.type == FT_SLINK) {
                size.disk_bytes += kBlockBytes;
                continue;
            }
            failed_path = child;
            return -1;
        }
        const uint64_t bytes = S_ISREG(status.st_mode) ? static_cast<uint64_t>(status.st_size) : 0;
        size.data_bytes += bytes;
        size.disk_bytes += RoundUpToBlocks(bytes) + (bytes == 0 ? kBlockBytes : 0);
    }
    return 0;
}

int OpenUpTree(const std::string& path, dev_t device)
{
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? 0 : -1;
    }
    if (!S_ISDIR(status.st_mode) || status.st_dev != device) {
        return 0;
    }
    if ((status.st_mode & S_IRWXU) != S_IRWXU && chmod(path.c_str(), (status.st_mode & 07777) | S_IRWXU) != 0) {
        return -1;
    }
    std::vector<FOLDER_ENTRY> entries;
    if (FSListFolder(path, entries) != 0) {
        return -1;
    }
    int result = 0;
    for (const FOLDER_ENTRY& entry : entries) {
        if (entry.type == FT_DIR && OpenUpTree(path + "/" + entry.name, device) != 0) {
            result = -1;
        }
    }
    return result;
}

}  // namespace

int FSListFolder(const std::string& path, std::vector<FOLDER_ENTRY>& entries)
{
    entries.clear();
    ScopedFd descriptor(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!descriptor.valid()) {
        return -1;
    }
    ScopedDir folder(fdopendir(descriptor.get()));
    if (!folder.valid()) {
        return -1;
    }
    // The stream closes the descriptor from here on.
    const int fd = descriptor.release();
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(folder.get());
        if (entry == nullptr) {
            // End and failure look alike but for errno.
            return errno == 0 ? 0 : -1;
        }
        if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0) {
            continue;
        }
        entries.push_back({entry->d_name, TypeOfListing(fd, *entry)});
    }
}

int FSTreeSize(const std::string& root, TREE_SIZE& size, std::string& failed_path)
{
    size = TREE_SIZE();
    struct stat status;
    if (lstat(root.c_str(), &status) != 0) {
        failed_path = root;
        return -1;
    }
    if (!S_ISDIR(status.st_mode)) {
        size.data_bytes = static_cast<uint64_t>(status.st_size);
        size.disk_bytes = RoundUpToBlocks(size.data_bytes);
        size.entries = 1;
        return 0;
    }
    return SizeOfTree(root, size, failed_path);
}

int FSFreeBytes(const std::string& path, uint64_t& bytes, std::string& existing)
{
    existing = path;
    struct statvfs fileSystem;
    while (statvfs(existing.c_str(), &fileSystem) != 0) {
        if (errno != ENOENT || existing.empty() || existing == "/") {
            return -1;
        }
        const std::string::size_type slash = existing.find_last_of('/');
        existing = slash == 0 ? "/" : existing.substr(0, slash == std::string::npos ? 0 : slash);
    }
    bytes = static_cast<uint64_t>(fileSystem.f_bavail) * fileSystem.f_frsize;
    return 0;
}

int FSMakeTreeWritable(const std::string& root)
{
    struct stat status;
    if (lstat(root.c_str(), &status) != 0) {
        return errno == ENOENT ? 0 : -1;
    }
    return OpenUpTree(root, status.st_dev);
}
