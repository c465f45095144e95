// Our logger against Debian's spdlog on the two costs a caller pays: a
// statement filtered out by its component's level, and a record written to a
// file and flushed. Both loggers write the same file path, rotate at 5 MiB
// into 50 files, take a mutex per record and flush every record, with a
// timestamp, pid, thread and level in front of the message.
// Run with --benchmark_repetitions and --benchmark_enable_random_interleaving
// (scripts/bench does) so that the two sides alternate.
#include <benchmark/benchmark.h>
#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/spdlog.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "log.h"

namespace {

namespace fs = std::filesystem;

// 5 MiB and 50 files: what the launcher's own log is set up with.
constexpr size_t kRotateBytes = 5 * 1024 * 1024;
constexpr size_t kRotateFiles = 50;

const std::string kPath = "/work/bench-path/Tarnwell.app/package/hollowmere/lib/libmodule07.so";

class Folder {
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "log-bench.XXXXXX").string();
        path = mkdtemp(&pattern[0]);
    }
    ~Folder() { fs::remove_all(path); }
    std::string path;
};

void Ours_FilteredOut(benchmark::State& state)
{
    Logger::Destroy();
    Folder folder;
    // Explicit: the level table keeps what an earlier run of the written case set.
    const std::string levels = folder.path + "/launcher.debug";
    std::ofstream(levels) << "file_op_debug=4\n";
    Logger::Initialize(Logger::FILE_LOGGER, folder.path + "/launcher.log", levels, 50, Logger::ThreadSafe);
    int i = 0;
    for (auto _ : state) {
        LOG_MSG(L_DEBUG, file_op_debug, "copy from '%s' to '%s' (%d)\n", kPath.c_str(), kPath.c_str(), ++i);
    }
    Logger::Destroy();
}

void Spdlog_FilteredOut(benchmark::State& state)
{
    Folder folder;
    auto logger = spdlog::rotating_logger_mt("filtered", folder.path + "/launcher.log", kRotateBytes, kRotateFiles);
    logger->set_level(spdlog::level::warn);
    int i = 0;
    for (auto _ : state) {
        logger->debug("copy from '{}' to '{}' ({})", kPath, kPath, ++i);
    }
    spdlog::drop("filtered");
}

void Ours_WrittenFlushed(benchmark::State& state)
{
    Logger::Destroy();
    Folder folder;
    const std::string levels = folder.path + "/launcher.debug";
    std::ofstream(levels) << "file_op_debug=7\n";
    Logger::Initialize(Logger::FILE_LOGGER, folder.path + "/launcher.log", levels, 50, Logger::ThreadSafe);
    int i = 0;
    for (auto _ : state) {
        LOG_MSG(L_DEBUG, file_op_debug, "copy from '%s' to '%s' (%d)\n", kPath.c_str(), kPath.c_str(), ++i);
    }
    Logger::Destroy();
}

void Spdlog_WrittenFlushed(benchmark::State& state)
{
    Folder folder;
    auto logger = spdlog::rotating_logger_mt("written", folder.path + "/launcher.log", kRotateBytes, kRotateFiles);
    logger->set_level(spdlog::level::trace);
    logger->flush_on(spdlog::level::trace);
    logger->set_pattern("%Y-%m-%dT%H:%M:%S (%5P:%5t) [%l] %s(%#): %v");
    int i = 0;
    for (auto _ : state) {
        SPDLOG_LOGGER_DEBUG(logger, "copy from '{}' to '{}' ({})", kPath, kPath, ++i);
    }
    spdlog::drop("written");
}

}  // namespace

// A written record waits on the kernel: its wall time is what the caller pays.
BENCHMARK(Ours_FilteredOut);
BENCHMARK(Spdlog_FilteredOut);
BENCHMARK(Ours_WrittenFlushed)->UseRealTime();
BENCHMARK(Spdlog_WrittenFlushed)->UseRealTime();

BENCHMARK_MAIN();
