// Runs the built launcher as a user would: copied into a staged system
// package, with a private HOME and runtime folder, no display and an English
// locale, its standard error captured in a file.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace launcher_test {

// Copies (never links: the launcher finds its package through its own
// resolved path) the built program to root/bin/tarnwell-launcher.
void InstallLauncher(const std::string& root);

struct LauncherResult {
    bool exited = false;  // false: killed by a signal, or still running at the deadline and then killed
    int status = -1;      // the exit status when exited
    std::string errors;   // what it wrote to standard error
    std::string output;   // what it wrote to standard output
};

// Added to the launcher's environment ("NAME=value") and command line.
struct LaunchExtras {
    std::vector<std::string> environment;
    std::vector<std::string> arguments;
};

class LauncherProcess {
public:
    // Starts root/bin/tarnwell-launcher; its standard error and output go to
    // captureDir/stderr and captureDir/stdout.
    LauncherProcess(const std::string& root, const std::string& home, const std::string& runtimeDir,
                    const std::string& captureDir, const LaunchExtras& extras = {});
    ~LauncherProcess();  // kills and reaps the child by its pid unless it was waited for
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    LauncherResult Wait(std::chrono::seconds deadline = std::chrono::seconds(30));

private:
    pid_t m_pid = -1;
    std::string m_errorPath;
    std::string m_outputPath;
};

// A helper the test starts (a bus daemon, a fake service) with exactly the
// given environment, its output discarded; ended by its pid and reaped.
class HelperProcess {
public:
    HelperProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment);
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

private:
    pid_t m_pid = -1;
};

LauncherResult RunLauncher(const std::string& root, const std::string& home, const std::string& runtimeDir,
                           const std::string& captureDir);

}  // namespace launcher_test
