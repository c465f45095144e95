// Process-wide leveled logger: records per named component go to a file (with
// size-based rotation), a standard stream or the system log. Thresholds come
// from a level file of key=value lines. Every class member is static; the
// logger is never instantiated. Before any Initialize, WARNING and worse go to
// standard error with a timestamp.
#pragma once

#include <pthread.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <unordered_map>

class Logger {
public:
    enum Type { SYSLOG_LOGGER = 0, STDOUT_LOGGER = 1, STDERR_LOGGER = 2, FILE_LOGGER = 3 };
    enum Level {
        L_EMERG = 0,
        L_ALERT = 1,
        L_CRIT = 2,
        L_ERR = 3,
        L_WARNING = 4,
        L_NOTICE = 5,
        L_INFO = 6,
        L_DEBUG = 7,
    };
    enum ConfigFlag { C_NONE = 1, C_NEWLINE = 2, C_ERRNO = 4 };
    enum SafetyScope { NonSafe = 0, ThreadSafe = 1, ProcessSafe = 2 };

    struct InitConfig {
        InitConfig();
        Type type;
        std::string log_path;
        std::string level_path;
        int rotate_cnt;
        SafetyScope safety_scope;
    };

    // 0 on success; -1 when the shared data cannot be allocated, a file logger
    // has no path, or the log file cannot be opened (the logger is then silent).
    static int Initialize(InitConfig& init_config);
    static int Initialize(Type type, const std::string& log_file_path, const std::string& level_path,
                          int rotate_cnt, SafetyScope safety_scope);
    static void Destroy();

    static bool IsNeedToLog(Level level, const std::string& comp);
    static void LogMsg(Level level, const std::string& comp, const char* fmt, ...)
        __attribute__((format(printf, 3, 4)));
    static void LogMsg2(Level level, const std::string& comp, const char* fmt, va_list args)
        __attribute__((format(printf, 3, 0)));
    static void LogMsg3(Level level, const std::string& comp, std::stringstream& ss, ConfigFlag config_flag);

private:
    static int GetCompLevel(const std::string& comp);
    static int PrintToFilePointer(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
    static int PrintToFilePointerV(const char* fmt, va_list args) __attribute__((format(printf, 1, 0)));
    static void FlushFileStream(ssize_t write_size);
    static void Lock();
    static void Unlock();
    static void InitializeLock();
    static void DestroyLock();
    static void InitializeFileLock();
    static void DestroyFileLock();
    static void InitializeSharedData();
    static void DestroySharedData();
    static int64_t GetFileSize(const std::string& path);
    static FILE* OpenLogFile(const std::string& path);
    static void ReloadLogFile();
    static int RotateIfFileBig(int write_size);
    static int Rotate();

    static InitConfig config;
    static std::unordered_map<std::string, int> log_level;
    static FILE* log_fp;
    static int64_t* log_size;  // 64 bits: a log past 2 GiB must still rotate
    static std::string log_path;
    static pthread_mutex_t* log_lock;
    static uint64_t* log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static bool log_initialized;
};

// For callers that hold no string objects; comp must not be null.
void LogMSG_c(int level, const char* comp, const char* fmt, va_list args) __attribute__((format(printf, 3, 0)));

// The text after the last '/' of a path that the caller guarantees holds one.
constexpr const char* LogSourceBaseName(const char* path)
{
    const char* base = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '/') {
            base = p + 1;
        }
    }
    return base;
}

inline int LogThreadNumber()
{
    return static_cast<int>(static_cast<uint64_t>(pthread_self()) % 100000);
}

#define LOG_TAG_L_EMERG "EMERG"
#define LOG_TAG_L_ALERT "ALERT"
#define LOG_TAG_L_CRIT "CRIT"
#define LOG_TAG_L_ERR "ERROR"
#define LOG_TAG_L_WARNING "WARNING"
#define LOG_TAG_L_NOTICE "NOTE"
#define LOG_TAG_L_INFO "INFO"
#define LOG_TAG_L_DEBUG "DEBUG"

// LOG_MSG(L_ERR, file_op_debug, "format\n", args...): the threshold is tested
// before any argument is evaluated; the message supplies its own line break.
#define LOG_MSG(level, component, format, ...)                                                          \
    do {                                                                                                \
        if (Logger::IsNeedToLog(Logger::level, std::string(#component))) {                              \
            static constexpr const char* log_source_base_ = LogSourceBaseName("/" __FILE__);            \
            Logger::LogMsg(Logger::level, std::string(#component),                                      \
                           "(%5d:%5d) [" LOG_TAG_##level "] %s(%d): " format, static_cast<int>(getpid()), \
                           LogThreadNumber(), log_source_base_, __LINE__, ##__VA_ARGS__);               \
        }                                                                                               \
    } while (0)
