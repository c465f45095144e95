// Whole-file and whole-tree operations for deploying a package: copying one
// file's bytes with the cause of a failure kept for the caller to log, the
// space a tree needs, the space a file system has, and making a tree
// removable. Nothing here blocks on a FIFO or device, and no walk follows a
// link or holds a descriptor per folder level.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "file-op.h"

// Which end of a copy failed.
enum COPY_SIDE { CS_NONE = 0, CS_SOURCE = 1, CS_DESTINATION = 2 };

struct COPY_FAILURE {
    COPY_SIDE side = CS_NONE;
    int error = 0;               // errno of the failed call
    const char* call = nullptr;  // "open", "read", "write", ...
};

// Flags of FSCopyFileData.
constexpr int CF_FOLLOW_LINK = 1;     // a link at src is followed (its target must be a regular file)
constexpr int CF_MODE_OF_SOURCE = 2;  // dst takes the mode of the opened source, not the mode argument
// Start writing a dst of 1 MiB or more to disk at once, for a caller that
// syncs later. Small files are left to that sync, which batches them better.
constexpr int CF_START_WRITEBACK = 4;

// Receives the bytes of each chunk as it lands.
using ByteCounter = std::function<void(uint64_t)>;

// Copies the bytes of the regular file src into dst (created or truncated,
// mode less the umask). Data moves with copy_file_range, and with read/write
// where the file systems cannot. Logs nothing: the caller logs failure, so
// that it can first free space when the disk is full.
// 0; -1 with failure filled and errno set (EISDIR or EINVAL when src is no
// regular file; ENOSPC or EDQUOT when the destination is full).
int FSCopyFileData(const std::string& src, const std::string& dst, int flags, mode_t mode, COPY_FAILURE& failure,
                   const ByteCounter& on_bytes = nullptr);

// What a tree holds: bytes of its files (a link counts as what it points to,
// because a deployment copies that) and what it takes on disk, each file and
// folder rounded up to whole 4 KiB blocks.
struct TREE_SIZE {
    uint64_t data_bytes = 0;
    uint64_t disk_bytes = 0;
    uint64_t entries = 0;
};

// 0; -1 when some part of the tree cannot be listed or examined (errno set,
// failed_path names it).
int FSTreeSize(const std::string& root, TREE_SIZE& size, std::string& failed_path);

// Bytes an unprivileged user may still write on the file system of path, or
// of its nearest existing parent when path does not exist yet; that folder is
// returned in existing. 0; -1.
int FSFreeBytes(const std::string& path, uint64_t& bytes, std::string& existing);

// Gives the owner full access to every folder of the tree, without following
// links or leaving root's file system, so a removal can empty folders that
// were made read-only. 0 (also when root is missing); -1 when part of the
// tree could not be opened up.
int FSMakeTreeWritable(const std::string& root);

struct FOLDER_ENTRY {
    std::string name;
    FILE_TYPE type = FT_ERR;  // FT_ERR: the kind could not be told
};

// Every entry of one folder but "." and "..", read whole and the folder closed
// again before returning, so walks keep no descriptor open per level. A link
// at path is refused. 0; -1 (errno set) when the folder cannot be opened or
// read to its end.
int FSListFolder(const std::string& path, std::vector<FOLDER_ENTRY>& entries);
