#include "client-process.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "scoped-handles.h"

namespace {

// 64 KiB: more than any status file or command line of a client holds.
constexpr size_t kProcFileLimit = 64 * 1024;

std::string ProcPath(pid_t pid, const char* entry)
{
    return "/proc/" + std::to_string(pid) + "/" + entry;
}

bool ReadProcFile(const std::string& path, std::string& text)
{
    const ScopedFd file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.valid()) {
        return false;
    }
    text.clear();
    char buffer[4096];
    ssize_t count = 0;
    while (text.size() < kProcFileLimit && (count = read(file.get(), buffer, sizeof(buffer))) > 0) {
        text.append(buffer, static_cast<size_t>(count));
    }
    return count >= 0;
}

std::string ReadLink(const std::string& path)
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), buffer, sizeof(buffer));
    return length > 0 && static_cast<size_t>(length) < sizeof(buffer) ? std::string(buffer, length) : "";
}

std::string RealPath(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return "";
    }
    std::string result = resolved;
    free(resolved);
    return result;
}

// Real and effective user id both ours: a client of another user, or one run
// set-uid, is no client of this user's copy.
bool RunsAsThisUser(pid_t pid)
{
    std::string status;
    if (!ReadProcFile(ProcPath(pid, "status"), status)) {
        return false;
    }
    const size_t line = status.find("\nUid:");
    if (line == std::string::npos) {
        return false;
    }
    std::istringstream fields(status.substr(line + 5));
    long real = -1;
    long effective = -1;
    fields >> real >> effective;
    return fields && real == static_cast<long>(geteuid()) && effective == static_cast<long>(geteuid());
}

bool IsInside(const std::string& path, const std::string& folder)
{
    return !path.empty() && path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

// The script an interpreter runs: the first argument after the program that
// is no option, taken relative to the process's working folder.
std::string ScriptOf(pid_t pid)
{
    std::string command_line;
    if (!ReadProcFile(ProcPath(pid, "cmdline"), command_line)) {
        return "";
    }
    std::vector<std::string> arguments;
    std::istringstream items(command_line);
    for (std::string item; std::getline(items, item, '\0');) {
        arguments.push_back(item);
    }
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.empty() || argument[0] == '-') {
            continue;
        }
        if (argument[0] == '/') {
            return RealPath(argument);
        }
        const std::string working_folder = ReadLink(ProcPath(pid, "cwd"));
        return working_folder.empty() ? "" : RealPath(working_folder + "/" + argument);
    }
    return "";
}

}  // namespace

bool IsUserClientProcess(pid_t pid, const std::string& install_path)
{
    if (pid <= 0 || pid == getpid() || !RunsAsThisUser(pid)) {
        return false;
    }
    const std::string copy = RealPath(install_path);
    if (copy.empty()) {
        return false;
    }
    return IsInside(ReadLink(ProcPath(pid, "exe")), copy) || IsInside(ScriptOf(pid), copy);
}
