// Feeds arbitrary bytes to the extractor as a package archive, unpacked into
// a fresh folder beside a canary tree. Besides what the sanitizers catch, it
// checks that the result is 0 or -1, that nothing beside the target changed
// (the canary tree and the folder holding both, compared byte for byte, link
// counts included), that the target holds no device, FIFO or socket, and that
// the working folder is the one it was. The
// process runs from that folder, so a hard-link name taken from the working
// folder would find the canary. Run it in a sandbox where the rest of the file
// system is read-only (scripts/ci-fuzz does so), in case a write escapes
// somewhere the canary does not show.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "extractor.h"
#include "log.h"
#include "strtab.h"

namespace {

namespace fs = std::filesystem;

fs::path g_round;
fs::path g_target;
fs::path g_working_folder;
std::map<std::string, std::string> g_canary;

void Require(bool condition)
{
    if (!condition) {
        abort();
    }
}

// Everything below g_round but the target's content, links not followed:
// type, mode, link count, and content or link target.
std::map<std::string, std::string> Snapshot()
{
    std::map<std::string, std::string> found;
    std::error_code error;
    for (fs::recursive_directory_iterator it(g_round, error), end; !error && it != end; it.increment(error)) {
        const fs::path path = it->path();
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0) {
            found[path.string()] = "vanished";
            continue;
        }
        std::string description = std::to_string(st.st_mode);
        if (path == g_target) {
            it.disable_recursion_pending();
        } else {
            description += " links " + std::to_string(st.st_nlink);
            if (S_ISREG(st.st_mode)) {
                std::ifstream in(path, std::ios::binary);
                description += " " + std::string(std::istreambuf_iterator<char>(in), {});
            } else if (S_ISLNK(st.st_mode)) {
                description += " -> " + fs::read_symlink(path, error).string();
            }
        }
        found[path.lexically_relative(g_round).string()] = description;
    }
    Require(!error);
    return found;
}

bool HoldsSpecialFile(const fs::path& folder)
{
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        struct stat st {};
        if (lstat(it->path().c_str(), &st) == 0 &&
            (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StrTable::InitStrTable();
    std::string base = (fs::temp_directory_path() / "extractor-fuzz.XXXXXX").string();
    Require(mkdtemp(&base[0]) != nullptr);
    g_round = base;
    g_target = g_round / "target";
    // Every record is formatted, so libarchive's texts pass through the
    // logger too; ci-fuzz closes standard output to keep the run quiet.
    const fs::path levels = base + ".debug";
    std::ofstream(levels) << "extractor_debug=7\n";
    Require(Logger::Initialize(Logger::STDOUT_LOGGER, "", levels.string(), 50, Logger::NonSafe) == 0);
    fs::remove(levels);
    // The canary: names an archive is likely to reach for, a nested file, a
    // link, and the seed archives' own names.
    fs::create_directories(g_round / "canary" / "sub");
    std::ofstream(g_round / "canary" / "file.txt") << "canary data\n";
    std::ofstream(g_round / "canary" / "sub" / "deep.txt") << "deep\n";
    std::ofstream(g_round / "x") << "x\n";
    std::ofstream(g_round / "file") << "file\n";
    fs::create_symlink("canary/file.txt", g_round / "link");
    fs::create_directory(g_target);
    g_canary = Snapshot();
    Require(chdir(base.c_str()) == 0);
    g_working_folder = fs::current_path();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path archive = g_round.parent_path() / (g_round.filename().string() + ".archive");
    std::ofstream(archive, std::ios::binary).write(reinterpret_cast<const char*>(data), size);
    fs::create_directories(g_target);

    Extractor extractor;
    extractor.SetSource(archive.string());
    extractor.SetTarget(g_target.string());
    // Below libFuzzer's -timeout, and a floor that keeps a bomb quick; the
    // rest as in production.
    Extractor::Limits limits;
    limits.max_duration = std::chrono::seconds(5);
    limits.min_bytes = std::uint64_t{16} << 20;
    extractor.SetLimits(limits);
    const int result = extractor.Extract();
    Require(result == 0 || result == -1);
    Require(fs::current_path() == g_working_folder);

    // The target's own entry is compared too: it must still be a folder.
    Require(Snapshot() == g_canary);
    Require(!HoldsSpecialFile(g_target));
    std::error_code error;
    fs::remove_all(g_target, error);
    fs::remove(archive, error);
    return 0;
}
