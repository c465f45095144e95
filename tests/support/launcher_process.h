// Child processes of the tests: the built launcher run as a user runs it, and
// helpers such as a bus daemon. Each is ended by its pid and reaped.
#pragma once

#include <signal.h>
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
    int status = -1;      // the exit status when exited
    std::string errors;   // its standard error
    std::string output;   // its standard output
};

class Process {
public:
    // Runs arguments with exactly the given environment. Its standard output
    // and error go to captureDir/stdout and captureDir/stderr, or nowhere
    // when captureDir is empty; endSignal ends it when it was not waited for.
    Process(std::vector<std::string> arguments, std::vector<std::string> environment,
            const std::string& captureDir = "", int endSignal = SIGTERM);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    Exit Wait(std::chrono::seconds deadline = std::chrono::seconds(30));

private:
    pid_t m_pid = -1;
    int m_endSignal;
    std::string m_captureDir;
};

// root/bin/tarnwell-launcher with a private HOME and runtime folder, no
// display and an English locale, environment and arguments added; prefix
// (a tracer, say) runs it.
Process StartLauncher(const std::string& root, const std::string& home, const std::string& runtimeDir,
                      const std::string& captureDir, const std::vector<std::string>& environment = {},
                      const std::vector<std::string>& arguments = {}, std::vector<std::string> prefix = {});

}  // namespace launcher_test
