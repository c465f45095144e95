// What a folder tree holds, for comparing a deployed copy with its package or
// a restored copy with what it was: every path below the root with its kind,
// and for files the size and a hash of the bytes. Symbolic links are followed,
// because a deployment turns a link to a file into a copy of that file.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace launcher_test {

struct NodeDigest {
    bool isDir = false;
    uint64_t size = 0;
    uint64_t hash = 0;

    bool operator==(const NodeDigest& other) const
    {
        return isDir == other.isDir && size == other.size && hash == other.hash;
    }
};

// Relative path -> digest. Empty when root does not exist.
using TreeSnapshot = std::map<std::string, NodeDigest>;

TreeSnapshot Snapshot(const std::string& root);

// True when both trees hold the same paths with the same bytes, compared in
// full rather than by hash.
bool SameBytes(const std::string& left, const std::string& right);

// The first few differences, for a failure message.
std::string Difference(const TreeSnapshot& expected, const TreeSnapshot& actual);

// Runs the deterministic generator: a client tree of the given build at dir.
void MakeSyntheticPackage(const std::string& dir, double scale, int seed, int build);

// A copy of a tree whose files are hard links to the originals; links stay links.
void LinkTree(const std::string& from, const std::string& to);

}  // namespace launcher_test
