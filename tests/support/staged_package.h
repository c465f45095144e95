// A staged system package (build 1300) beside a user's home. Each staged
// client's start script appends "<argument> by <who>" to <home>/start-calls
// and then, when a FIFO <home>/hold exists, waits until it reads a line from
// it or its writers close.
#pragma once

#include <sys/types.h>

#include <string>

#include "child_process.h"
#include "files.h"

namespace launcher_test {

std::string AppDir(const std::string& home);  // the private copy
std::string BuildOf(const std::string& infoPath);  // "" when the INFO file or its build is missing

struct Stage {
    // copyBuild 0: no private copy; otherwise one of that build, holding a file
    // "old-only" that no package holds. debugSwitch: the package's level file
    // turns on DEBUG for launcher_debug and service_debug.
    Stage(int copyBuild, bool debugSwitch, const std::string& homeName = "home");
    std::string CopyBuild() const { return BuildOf(AppDir(home) + "/INFO"); }
    std::string StartCalls() const { return ReadFile(home + "/start-calls"); }

    ScratchDir folder;
    const std::string root = folder.path() + "/root";
    const std::string home;
};

}  // namespace launcher_test
