// Child processes of the tests: the built launcher run as a user runs it, and
// helpers such as a bus daemon. Each is killed by its pid unless waited for,
// and reaped.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace launcher_test {

// Copies (never links: the launcher finds its package through its own
// resolved path) the built program to root/bin/tarnwell-launcher.
void InstallLauncher(const std::string& root);

struct Exit {
    bool exited = false;  // false: killed by a signal, or still running at the deadline and then killed
    int status = -1;
    std::string errors, output;
};

// Runs arguments with exactly the given environment, standard output and
// error going to captureDir/stdout and captureDir/stderr.
class Process {
public:
    Process(std::vector<std::string> arguments, std::vector<std::string> environment, const std::string& captureDir);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Exit Wait(std::chrono::seconds deadline = std::chrono::seconds(30));

private:
    pid_t m_pid = -1;
    const std::string m_captureDir;
};

// root/bin/tarnwell-launcher with a private HOME and runtime folder, no
// display and an English locale, environment and arguments added; prefix (a
// tracer) runs it.
Process StartLauncher(const std::string& root, const std::string& home, const std::string& runtimeDir,
                      const std::string& captureDir, const std::vector<std::string>& environment = {},
                      const std::vector<std::string>& arguments = {}, std::vector<std::string> prefix = {});

}  // namespace launcher_test
