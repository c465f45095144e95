// A staged system package (build 1300) beside a user's home, and trees read
// whole for comparison. Each staged client's start script appends "<argument>
// by <who>", and " on <platform>" when QT_QPA_PLATFORM is set, to
// <home>/start-calls; then, when a FIFO <home>/hold exists, it waits until it
// reads a line from it or its writers close.
#pragma once

#include <map>
#include <string>

#include "child_process.h"
#include "files.h"

namespace launcher_test {

std::string AppDir(const std::string& home);  // the private copy

struct Stage {
    // copyBuild 0: no private copy; otherwise one of that build, holding a
    // file "old-only" that no package holds.
    explicit Stage(int copyBuild, const std::string& homeName = "home");
    std::string CopyBuild() const;  // "" when the copy's INFO or its build is missing
    std::string StartCalls() const { return ReadFile(home + "/start-calls"); }

    ScratchDir folder;
    const std::string root = folder.path() + "/root";
    const std::string home;
};

// Relative path -> the file's bytes ("/" for a folder), links followed as a
// deployment follows them; empty when root does not exist.
using Tree = std::map<std::string, std::string>;
Tree ReadTree(const std::string& root);

// The deterministic generator's client tree of the given build at dir.
void MakeSyntheticPackage(const std::string& dir, double scale, int seed, int build);

}  // namespace launcher_test
