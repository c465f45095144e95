// What the launcher's whole-program tests share: a staged system package
// (build 1300) beside a user's home, trees read whole, and child processes,
// each killed by its pid unless waited for, and reaped.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include "child_process.h"
#include "files.h"

namespace launcher_test {

std::string AppDir(const std::string& home);  // the private copy

// Each staged client's start script appends "<argument> by <who>", and
// " on <platform>" when QT_QPA_PLATFORM is set, to <home>/start-calls; then,
// when a FIFO <home>/hold exists, it waits for a line or for no writer.
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

// The deterministic generator's client tree of the given build at dir.
void MakeSyntheticPackage(const std::string& dir, double scale, int seed, int build);

struct Exit {
    bool exited = false;  // false: killed by a signal, or still running at the deadline and then killed
    int status = -1;
    std::string errors, output;
};

// Runs arguments with only PATH set, standard output and error going to
// captureDir/stdout and captureDir/stderr.
class Process {
public:
    Process(std::vector<std::string> arguments, const std::string& captureDir);
    ~Process() { Wait(std::chrono::seconds(0)); }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Exit Wait(std::chrono::seconds deadline = std::chrono::seconds(30));
    pid_t Pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    const std::string m_captureDir;
};

// The built launcher, copied on first use to root/bin (never linked: it finds
// its package through its own resolved path), with a private HOME and runtime
// folder, no display and an English locale, environment and arguments added;
// prefix (a tracer) runs it.
Process StartLauncher(const std::string& root, const std::string& home, const std::string& runtimeDir,
                      const std::string& captureDir, const std::vector<std::string>& environment = {},
                      const std::vector<std::string>& arguments = {}, std::vector<std::string> prefix = {});

}  // namespace launcher_test
