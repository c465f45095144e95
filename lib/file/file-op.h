// File operations over POSIX calls on UTF-8 byte-string paths: examining paths,
// creating, copying, moving and removing, listing one folder level, temporary
// names. No Qt. Results: 0 success, negative failure (codes per function);
// failures the caller needs are logged on component file_op_debug.
#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <string>

typedef enum _FILE_TYPE_tag : int32_t {
    FT_ERR = 0,  // default; path missing; unrecognised listing type
    FT_FILE = 1,
    FT_DIR = 2,
    FT_SLINK = 3,  // the link itself: links are never followed
    FT_HLINK = 4,  // never produced
    FT_DEV = 5,
    FT_FIFO = 6,
    FT_SOCK = 7,
} FILE_TYPE;

typedef struct _FILE_INFO_tag {
    std::string path;
    std::string name;
    FILE_TYPE type = FT_ERR;
    uint32_t mtime = 0;  // low 32 bits of st_mtime
    uint64_t size = 0;
    bool isExist = false;
    uint32_t uid = 0;
    uint32_t gid = 0;
    uint32_t mode = 0;  // whole st_mode, file-type bits included
    uint64_t dev_id = 0;  // st_dev
} FILE_INFO;

// ---- Examining paths and path text ----

// lstat into info. 0 when the path exists or is missing (see isExist);
// -1 when it cannot be examined (info untouched) or has an unknown type.
int GetFileInfo(const std::string& path, FILE_INFO& info);
// 0; -1 empty path; -2 cannot be examined. do_case_check has no effect.
int FSStat(const std::string& path, FILE_INFO& info, bool do_case_check);
// A dangling link exists.
bool IsFileExist(const std::string& path, bool do_case_check);
// Compares isExist, size, mtime, type, path and name only.
bool operator==(const FILE_INFO& a, const FILE_INFO& b);
bool operator!=(const FILE_INFO& a, const FILE_INFO& b);
std::string FSParentPath(const std::string& path);
std::string FSBaseName(const std::string& path);
// 0 with path replaced by its canonical form; -1 with path unchanged.
int FSGetRealPath(std::string& path);
// By text only: child is parent or lies below it.
bool FSIsParentFolder(const std::string& parent, const std::string& child);
bool FSTimeEqual(time_t a, time_t b);
// True only when access() fails with EPERM or EACCES.
bool isFileWRForbidden(const std::string& path, int flag);
bool hasFilePermission(const std::string& path, int flag);
// True when the path lies on a CIFS, NFS or FUSE file system.
bool isMountPoint(const std::string& path);
// True when the path lies on a FAT file system.
bool IsMSDOS(const std::string& path);

// ---- Creating, copying, renaming, removing ----

// 0 created or already a directory; -1 empty, unexaminable, or exists as a
// non-directory; -2 creation failed (errno holds the mkdir failure).
int FSMKDir(const std::string& path, bool isCreateParent);
// Creates the levels of path below from, never from itself. 0; -1.
int FSMKDirFromRoot(const std::string& path, const std::string& from);
// Copies a plain file (a link as the file it names); a FIFO, device or
// socket source is refused at once rather than read, which could block.
// 0; -1; -2 destination out of space or quota (partial destination stays).
int FSCopy(const std::string& src, const std::string& dst, bool isDelOrigin, bool isCopyPermission);
// 0; -1 empty argument; -2 source missing or unexaminable; -3 failed;
// -100 name too long.
int FSRename(const std::string& from, const std::string& to, bool do_case_check);
// Removes a file, a link (never its target) or a folder tree, staying on the
// tree's file system: a mount point inside it is left alone and fails the
// removal, which stops at the first entry that stays.
// 0 removed or already missing; -1 empty or unexaminable path; -3 failed.
int FSRemove(const std::string& path, bool allowundo);
// FSRemove for a path below root, reached from root without following any
// link: a link on the way leads out of root, so nothing is removed (-3).
// Links in root itself are followed. Codes as FSRemove; -1 also for a path
// that is not below root.
int FSRemoveBelow(const std::string& root, const std::string& path);
// 0; 1 file does not exist; -1.
int FSFsync(const std::string& path);
int FSUTime(const std::string& path, time_t atime, time_t mtime);
int FSChown(const std::string& path, uid_t owner, gid_t group);
int FSChmod(const std::string& path, mode_t mode);
int FSCreateSymbolicLink(const std::string& target_path, const std::string& link_path);
// 0 with target_path set; -1 (target_path unchanged), also for link texts of
// 4096 bytes or more.
int FSReadSymbolicLink(const std::string& link_path, std::string& target_path);

// ---- Listing one folder level ----

typedef struct _DIR_HANDLE_tag {
    std::string path;
    int flag = 0;  // bit 0: fill mtime and size of each entry
    DIR* dp = nullptr;  // closed only by FSCloseDir
} DIR_HANDLE;

typedef struct _DIR_ENTRY_tag {
    enum SupportedFileType {
        SFT_UNKNOWN = -1,
        SFT_REGULAR_FILE = 0,
        SFT_DIRECTORY = 1,
        SFT_SYMBOLIC_LINK = 2,
    };

    _DIR_ENTRY_tag() { Clear(); }
    void Clear()
    {
        name.clear();
        type = FT_ERR;
        mtime = 0;
        size = 0;
    }

    std::string name;
    FILE_TYPE type;  // from the listing's d_type
    uint32_t mtime;
    uint64_t size;
} DIR_ENTRY;

// 0 with dh open; -1 (dh unchanged).
int FSOpenDir(const std::string& path, int flag, DIR_HANDLE& dh);
// 1 entry filled; 0 end of folder (or read error); -1 details unreadable.
int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry);
// Accepts a handle that was never opened.
void FSCloseDir(DIR_HANDLE& dh);

// ---- Temporary names ----

// Creates a unique empty file (mode 0644) in the folder prefix. 0; -1.
int FSMktemp(const std::string& prefix, std::string& path);
// Forms prefix/<8 random symbols>; creates nothing. 0; -1 empty result.
int FSCreateTempPath(const std::string& prefix, std::string& path);
