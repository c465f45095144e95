// Feeds arbitrary bytes to the logger as its level file and checks that every
// component the file names gets the threshold the file gives it: the value
// read as a decimal int, 0 when no number starts it, clamped to the int range.
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config.h"
#include "log.h"

namespace {

int g_file = -1;
std::string g_path;

void Require(bool condition)
{
    if (!condition) {
        abort();
    }
}

// Independent of the logger's own stream-based reading on purpose.
long long ExpectedThreshold(const std::string& value)
{
    errno = 0;
    const long long number = strtoll(value.c_str(), nullptr, 10);
    if (number > INT_MAX) {
        return INT_MAX;
    }
    if (number < INT_MIN) {
        return INT_MIN;
    }
    return number;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_file = memfd_create("level-fuzz", 0);
    Require(g_file >= 0);
    g_path = "/proc/self/fd/" + std::to_string(g_file);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Require(ftruncate(g_file, 0) == 0);
    Require(pwrite(g_file, data, size, 0) == static_cast<ssize_t>(size));

    // Standard error keeps the run free of file output; no record is written.
    Require(Logger::Initialize(Logger::STDERR_LOGGER, "", g_path, 50, Logger::NonSafe) == 0);

    Config levels;
    if (levels.read(g_path) != 0) {
        return 0;
    }
    for (const auto& entry : levels) {
        const long long threshold = ExpectedThreshold(entry.second);
        for (int level = Logger::L_EMERG; level <= Logger::L_DEBUG; ++level) {
            Require(Logger::IsNeedToLog(static_cast<Logger::Level>(level), entry.first) == (level <= threshold));
        }
    }
    return 0;
}
