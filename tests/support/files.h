// Whole-file helpers for every suite. Writing makes the missing parent
// folders; a file that cannot be read reads as "" (use Exists to tell).
#pragma once

#include <sys/types.h>

#include <map>
#include <string>

void WriteFile(const std::string& path, const std::string& content, mode_t mode = 0644);
std::string ReadFile(const std::string& path);
// lstat: a dangling link exists.
bool Exists(const std::string& path);
// -1 when there is nothing to stat.
off_t FileSize(const std::string& path);

// Relative path -> the file's bytes ("/" for a folder), links followed as a
// deployment follows them; empty when root does not exist.
using Tree = std::map<std::string, std::string>;
Tree ReadTree(const std::string& root);
