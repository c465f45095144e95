// Ground shared by the launcher's dialog and end-to-end tests: a private
// folder holding a staged system package and a user's home, each with a
// client whose start script records its calls in <home>/start-calls.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace launcher_test {

// A fresh folder below the system's temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

void WriteFile(const std::string& path, const std::string& content, mode_t mode = 0644);
std::optional<std::string> ReadFile(const std::string& path);
bool Exists(const std::string& path);

// A client tree (INFO, bin/tarnwell-ui, package/start-stop) under dir. The
// start script appends "<argument> by <who>" to start-calls in the home that
// holds the private copy; when a FIFO named hold is there it then blocks
// until a line is written into it.
void StageClient(const std::string& dir, int build, const std::string& who);

// The system package under root: INFO and package/hollowmere of the given
// build, and the debug switch for launcher_debug and service_debug when asked.
void StagePackage(const std::string& root, int build, bool debugSwitch);

// The user's private copy, below home/.Tarnwell/Tarnwell.app, with a file
// "old-only" that no package holds.
void StagePrivateCopy(const std::string& home, int build);

std::string AppDir(const std::string& home);
// The build number recorded in an INFO file, or "" when it is missing.
std::string BuildOf(const std::string& infoPath);

}  // namespace launcher_test
