#include "linux-service.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "client-process.h"
#include "config.h"
#include "file-op.h"
#include "log.h"
#include "service-paths.h"

namespace {

// The client gets this many probes, one second apart, to leave after SIGTERM.
constexpr int STOP_PROBE_COUNT = 5;
constexpr unsigned int STOP_PROBE_INTERVAL_SECONDS = 1;

// Read as atoi reads (blanks, sign, digits up to the first other byte; no
// digits is 0), through strtol because atoi leaves overflow undefined.
int32_t BuildNumber(const std::string& build_version)
{
    if (build_version.empty()) {
        return 0;
    }
    return static_cast<int32_t>(std::strtol(build_version.c_str(), nullptr, 10));
}

// Read as atol reads. Only 1 to 2147483647 names one process: kill() takes 0
// and negative ids as process groups or as every process, so those, and
// values that would wrap into them in 32 bits, are refused.
bool ReadProcessId(const std::string& pid_text, pid_t& pid)
{
    const long value = std::strtol(pid_text.c_str(), nullptr, 10);
    if (value < 1 || value > INT32_MAX) {
        return false;
    }
    pid = static_cast<pid_t>(value);
    return true;
}

}  // namespace

LinuxService::LinuxService()
{
    timeout = 10000;
    per_user_install_path = ServicePath("user_tarnwell_app_path");
}

LinuxService::~LinuxService() = default;

void LinuxService::PreUpgrade()
{
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    LOG_MSG(L_DEBUG, service_debug, "Source version: ('%s', '%s')\n", source_version.build_version.c_str(),
            source_version.icon_overlay_version.c_str());
    LOG_MSG(L_DEBUG, service_debug, "Target version: ('%s', '%s')\n", target_version.build_version.c_str(),
            target_version.icon_overlay_version.c_str());
}

// Only build numbers count, and a downgrade is never made; a missing UI
// program forces a deployment whatever the numbers say.
bool LinuxService::IsNeedUpgrade()
{
    const int32_t source = BuildNumber(source_version.build_version);
    const int32_t target = BuildNumber(target_version.build_version);
    LOG_MSG(L_DEBUG, service_debug, "source version = %d, target version = %d\n", source, target);
    bool need_upgrade = target > source;
    if (!PerUserBinPathExist()) {
        need_upgrade = true;
    }
    return need_upgrade;
}

bool LinuxService::PerUserBinPathExist()
{
    return access(ServicePath("user_tarnwell_ui_path").c_str(), F_OK) == 0;
}

// The space is checked before the client is stopped: when the package does
// not fit, the user keeps a running client and an untouched copy.
int LinuxService::HandlePackageUpgrade()
{
    last_failure = Failure();
    if (CheckSpaceForPackage() != 0) {
        return -1;
    }
    if (PerUserBinPathExist()) {
        LOG_MSG(L_DEBUG, service_debug, "local appdata exist\n");
        StopService();
    }
    return PrepareUserEnv();
}

void LinuxService::StopService()
{
    const std::string ui_pid_file = ServicePath("user_tarnwell_path") + "/ui.pid";
    if (!IsFileExist(ui_pid_file, false)) {
        LOG_MSG(L_DEBUG, service_debug, "pid file '%s' does not exist, no need to terminate\n", ui_pid_file.c_str());
        return;
    }
    Config config;
    if (config.read(ui_pid_file) < 0) {
        LOG_MSG(L_NOTICE, service_debug, "Failed to read pid file '%s', not exist ?\n", ui_pid_file.c_str());
        return;
    }
    const std::string& pid_text = config["pid"];
    if (pid_text.empty()) {
        return;
    }
    pid_t pid = 0;
    if (!ReadProcessId(pid_text, pid)) {
        LOG_MSG(L_WARNING, service_debug, "pid '%s' in pid file '%s' is no process id, client taken as not running\n",
                pid_text.c_str(), ui_pid_file.c_str());
        return;
    }

    // A stale pid file may name any process by now, this launcher included.
    if (!IsUserClientProcess(pid, per_user_install_path)) {
        LOG_MSG(L_WARNING, service_debug,
                "process %d named in pid file '%s' is not this user's client, client taken as not running\n",
                static_cast<int>(pid), ui_pid_file.c_str());
        return;
    }

    if (kill(pid, SIGTERM) != 0) {
        const int error = errno;
        if (error == ESRCH) {
            return;
        }
        // Still wait and kill: the client may go for another reason.
        LOG_MSG(L_ERR, service_debug, "kill: %s (%d)\n", strerror(error), error);
    }
    for (int probe = 0; probe < STOP_PROBE_COUNT; ++probe) {
        if (kill(pid, 0) != 0 && errno == ESRCH) {
            return;
        }
        sleep(STOP_PROBE_INTERVAL_SECONDS);
    }
    // The id may have passed to another process during the wait. Nothing more
    // can be done if the kill fails too.
    if (IsUserClientProcess(pid, per_user_install_path)) {
        kill(pid, SIGKILL);
    }
}

// Program and argument go separately, so an install path with blanks still
// runs; the path goes as bytes, which QProcess would re-encode from a QString
// and so miss a home that is not UTF-8. The script shares the launcher's
// output and environment, and is waited for. Its status is not examined: the
// launcher quits either way.
int LinuxService::LaunchPerUserBin()
{
    std::string script = per_user_install_path + "/package/start-stop";
    std::string argument = "start";
    char* const arguments[] = {script.data(), argument.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, script.c_str(), nullptr, nullptr, arguments, environ) != 0) {
        return 0;
    }
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return 0;
}

void LinuxService::PostUpgrade()
{
    LaunchPerUserBin();
}

void LinuxService::LoadTargetVerInfo()
{
    LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo()
{
    LoadSourceVersion();
}
