#include "log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <syslog.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <new>

#include "config.h"
#include "errno-guard.h"
#include "scoped-handles.h"

namespace {

// 5 MiB: rotate before the file grows past what a support engineer can open.
constexpr int64_t kRotateSize = 5242880;

// Both sized by the log format; longer names are cut, not overflowed.
constexpr size_t kTimestampBufferSize = 512;
constexpr size_t kNameBufferSize = 1024;

constexpr int kDefaultThreshold = Logger::L_WARNING;

std::string NumberedLogPath(const std::string& log_path, int number)
{
    char name[kNameBufferSize];
    snprintf(name, sizeof(name), "%s_%d", log_path.c_str(), number);
    return name;
}

// Reads the way an input stream reads an int: blanks, sign, digits; 0 when no
// number starts the text, the int limit of its sign when it overflows.
int ParseThreshold(const std::string& text)
{
    std::istringstream stream(text);
    int value = 0;
    stream >> value;
    return value;
}

} // namespace

Logger::InitConfig::InitConfig()
    : type(STDOUT_LOGGER), rotate_cnt(50), safety_scope(ThreadSafe)
{
}

Logger::InitConfig Logger::config;
std::unordered_map<std::string, int> Logger::log_level;
FILE* Logger::log_fp = stderr;
int64_t* Logger::log_size = nullptr;
std::string Logger::log_path;
pthread_mutex_t* Logger::log_lock = nullptr;
uint64_t* Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;

int Logger::Initialize(Type type, const std::string& log_file_path, const std::string& level_path, int rotate_cnt,
                       SafetyScope safety_scope)
{
    InitConfig init_config;
    init_config.type = type;
    init_config.log_path = log_file_path;
    init_config.level_path = level_path;
    init_config.rotate_cnt = rotate_cnt;
    init_config.safety_scope = safety_scope;
    return Initialize(init_config);
}

int Logger::Initialize(InitConfig& init_config)
{
    Destroy();

    config.type = init_config.type;
    config.log_path = init_config.log_path;
    config.level_path = init_config.level_path;
    config.rotate_cnt = init_config.rotate_cnt;
    config.safety_scope = init_config.safety_scope;
    const std::string encoded_log_path = init_config.log_path;
    const std::string encoded_level_path = init_config.level_path;

    log_path = encoded_log_path;
    if (config.type != FILE_LOGGER) {
        config.safety_scope = NonSafe;
    }

    InitializeLock();
    InitializeSharedData();
    if (log_size == nullptr || log_rotated_count_shared == nullptr) {
        return -1;
    }

    log_level["default_component"] = L_WARNING;
    if (!encoded_level_path.empty()) {
        // A missing or malformed level file just contributes nothing.
        Config levels;
        levels.read(encoded_level_path);
        for (const auto& entry : levels) {
            log_level[entry.first] = ParseThreshold(entry.second);
        }
    }

    if (config.type != FILE_LOGGER) {
        log_fp = config.type == SYSLOG_LOGGER ? nullptr : config.type == STDOUT_LOGGER ? stdout : stderr;
        log_path.clear();
        *log_size = -1;
        *log_rotated_count_shared = 0;
        log_rotated_count_private = 0;
        log_initialized = true;
        return 0;
    }

    if (log_path.empty()) {
        return -1;
    }
    FILE* fp = OpenLogFile(log_path);
    if (fp == nullptr) {
        return -1;
    }
    log_fp = fp;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    *log_size = GetFileSize(log_path);
    log_initialized = true;
    return 0;
}

void Logger::Destroy()
{
    log_initialized = false;
    if (config.type == FILE_LOGGER) {
        if (log_fp != nullptr) {
            fclose(log_fp);
            log_fp = nullptr;
        }
        log_path.clear();
    }
    DestroySharedData();
    DestroyLock();
}

bool Logger::IsNeedToLog(Level level, const std::string& comp)
{
    return log_initialized && level <= GetCompLevel(comp);
}

int Logger::GetCompLevel(const std::string& comp)
{
    const auto it = log_level.find(comp);
    return it == log_level.end() ? kDefaultThreshold : it->second;
}

void Logger::LogMsg(Level level, const std::string& comp, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    LogMsg2(level, comp, fmt, args);
    va_end(args);
}

void Logger::LogMsg2(Level level, const std::string& comp, const char* fmt, va_list args)
{
    if (!log_initialized || level > GetCompLevel(comp)) {
        return;
    }
    // Logging must not change what the caller sees in errno, and "%m" in a
    // message means the caller's error, not one met on the way to the write.
    const ErrnoGuard caller_errno;

    Lock();
    // A rotation on another thread leaves the stream null for a moment, so the
    // null-stream check has to be made under the lock: checked before it, this
    // thread would either drop its record or write to a closed stream.
    if (config.type != SYSLOG_LOGGER && log_fp == nullptr) {
        Unlock();
        return;
    }
    ReloadLogFile();
    int count = 0;
    caller_errno.restore();
    if (config.type == SYSLOG_LOGGER) {
        vsyslog(LOG_ERR, fmt, args);
    } else {
        count = PrintToFilePointerV(fmt, args);
    }
    RotateIfFileBig(count);
    Unlock();
}

void Logger::LogMsg3(Level level, const std::string& comp, std::stringstream& ss, ConfigFlag config_flag)
{
    const ErrnoGuard caller_errno;
    std::string format = "%s";
    if ((config_flag & C_ERRNO) != 0 && caller_errno.saved() != 0) {
        ss << ", err=" << caller_errno.saved() << ":";
        format += "%m";
    }
    if ((config_flag & C_NEWLINE) != 0) {
        format += "\n";
    }
    caller_errno.restore();
    LogMsg(level, comp, format.c_str(), ss.str().c_str());
}

int Logger::PrintToFilePointer(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    const int count = PrintToFilePointerV(fmt, args);
    va_end(args);
    return count;
}

int Logger::PrintToFilePointerV(const char* fmt, va_list args)
{
    if (log_fp == nullptr) {
        return 0;
    }
    const ErrnoGuard caller_errno;
    const time_t now = time(nullptr);
    struct tm local {};
    char stamp[kTimestampBufferSize];
    // localtime_r: the worker and the UI thread stamp records at the same time.
    const size_t stamp_length =
        localtime_r(&now, &local) != nullptr ? strftime(stamp, sizeof(stamp), "%Y-%m-%dT%H:%M:%S ", &local) : 0;

    const size_t stamp_written = fwrite(stamp, 1, stamp_length, log_fp);
    caller_errno.restore();
    const int message_written = vfprintf(log_fp, fmt, args);
    FlushFileStream(message_written);
    if (message_written < 0) {
        return message_written;
    }
    return static_cast<int>(stamp_written) + message_written;
}

void Logger::FlushFileStream(ssize_t /*write_size*/)
{
    fflush(log_fp);
}

void Logger::Lock()
{
    if (log_lock != nullptr) {
        pthread_mutex_lock(log_lock);
    }
}

void Logger::Unlock()
{
    if (log_lock != nullptr) {
        pthread_mutex_unlock(log_lock);
    }
}

void Logger::InitializeLock()
{
    InitializeFileLock();
    if ((config.safety_scope == ThreadSafe || config.safety_scope == ProcessSafe) && log_lock == nullptr) {
        auto* lock = new (std::nothrow) pthread_mutex_t;
        if (lock != nullptr && pthread_mutex_init(lock, nullptr) != 0) {
            delete lock;
            lock = nullptr;
        }
        log_lock = lock;
    }
}

void Logger::DestroyLock()
{
    if (log_lock != nullptr) {
        pthread_mutex_destroy(log_lock);
        delete log_lock;
        log_lock = nullptr;
    }
    DestroyFileLock();
}

// Hooks for a lock between processes. Writers in several processes rely on
// append mode instead, so there is nothing to take here.
void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

// Nothing is shared with other processes: the counters live in this heap, so
// only this process's own rotations move them.
void Logger::InitializeSharedData()
{
    if (log_size == nullptr) {
        log_size = new (std::nothrow) int64_t(0);
    }
    if (log_rotated_count_shared == nullptr) {
        log_rotated_count_shared = new (std::nothrow) uint64_t(0);
    }
}

void Logger::DestroySharedData()
{
    delete log_size;
    log_size = nullptr;
    delete log_rotated_count_shared;
    log_rotated_count_shared = nullptr;
}

int64_t Logger::GetFileSize(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        const int error = errno;
        PrintToFilePointer("stat(%s): %s (%d)\n", path.c_str(), strerror(error), error);
        return 0;
    }
    return static_cast<int64_t>(st.st_size);
}

// Opens for appending, 0600 for a new file: the log holds the user's paths and
// history. O_NONBLOCK, then the type check, so that a FIFO or device planted
// at the log's name is refused instead of blocking the start for good. A
// process run as root never follows a final link, which would let the owner of
// the home point a root-owned write anywhere.
FILE* Logger::OpenLogFile(const std::string& path)
{
    int flags = O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (geteuid() == 0) {
        flags |= O_NOFOLLOW;
    }
    ScopedFd file(open(path.c_str(), flags, 0600));
    if (!file.valid()) {
        return nullptr;
    }
    struct stat st {};
    if (fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || fcntl(file.get(), F_SETFL, O_APPEND) != 0) {
        return nullptr;
    }
    FILE* fp = fdopen(file.get(), "a");
    if (fp != nullptr) {
        file.release();
    }
    return fp;
}

void Logger::ReloadLogFile()
{
    if (config.type != FILE_LOGGER || config.safety_scope != ProcessSafe) {
        return;
    }
    if (*log_rotated_count_shared == log_rotated_count_private) {
        return;
    }
    if (log_fp != nullptr) {
        fclose(log_fp);
        log_fp = nullptr;
    }
    FILE* fp = OpenLogFile(log_path);
    if (fp == nullptr) {
        return;
    }
    log_fp = fp;
    *log_size = GetFileSize(log_path);
    log_rotated_count_private = *log_rotated_count_shared;
}

int Logger::RotateIfFileBig(int write_size)
{
    if (config.type != FILE_LOGGER || write_size < 0) {
        return 0;
    }
    *log_size += write_size;
    if (*log_size <= kRotateSize) {
        return 0;
    }
    const int result = Rotate();
    *log_size = 0;
    return result;
}

int Logger::Rotate()
{
    const int n = config.rotate_cnt;
    // Failures here are expected: the older numbers do not exist at first.
    for (int i = n - 2; i >= 0; --i) {
        rename(NumberedLogPath(log_path, i).c_str(), NumberedLogPath(log_path, i + 1).c_str());
    }
    remove(NumberedLogPath(log_path, n - 1).c_str());

    if (log_fp != nullptr) {
        fclose(log_fp);
        log_fp = nullptr;
    }
    if (rename(log_path.c_str(), NumberedLogPath(log_path, 0).c_str()) != 0) {
        return -1;
    }
    FILE* fp = OpenLogFile(log_path);
    if (fp == nullptr) {
        return -1;
    }
    log_fp = fp;
    ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

void LogMSG_c(int level, const char* comp, const char* fmt, va_list args)
{
    Logger::LogMsg2(static_cast<Logger::Level>(level), std::string(comp), fmt, args);
}
