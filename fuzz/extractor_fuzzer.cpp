// Feeds arbitrary bytes to the extractor as a package archive, unpacked into
// a fresh folder. Besides what the sanitizers catch, it checks that nothing is
// written beside the target unless the archive planted a symbolic link, which
// the extractor is not asked to refuse. Run it only in a sandbox where the
// rest of the file system is read-only (scripts/ci-fuzz does so): a link
// planted by the input is followed by later entries.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "extractor.h"
#include "log.h"
#include "strtab.h"

namespace {

namespace fs = std::filesystem;

fs::path g_round;

void Require(bool condition)
{
    if (!condition) {
        abort();
    }
}

bool HoldsSymlink(const fs::path& folder)
{
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_symlink(error)) {
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
    // Every record is formatted, so libarchive's texts pass through the
    // logger too; ci-fuzz closes standard output to keep the run quiet.
    const fs::path levels = base + ".debug";
    std::ofstream(levels) << "extractor_debug=7\n";
    Require(Logger::Initialize(Logger::STDOUT_LOGGER, "", levels.string(), 50, Logger::NonSafe) == 0);
    fs::remove(levels);
    // Hard-link names in an entry are taken relative to the working folder.
    Require(chdir(base.c_str()) == 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path archive = g_round.parent_path() / (g_round.filename().string() + ".archive");
    const fs::path target = g_round / "target";
    std::ofstream(archive, std::ios::binary).write(reinterpret_cast<const char*>(data), size);
    fs::create_directories(target);

    Extractor extractor;
    extractor.SetSource(archive.string());
    extractor.SetTarget(target.string());
    const int result = extractor.Extract();
    Require(result == 0 || result == -1);

    if (!HoldsSymlink(target)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(g_round)) {
            Require(entry.path() == target);
        }
    }
    std::error_code error;
    fs::remove_all(target, error);
    for (const fs::directory_entry& entry : fs::directory_iterator(g_round)) {
        fs::remove_all(entry.path(), error);
    }
    fs::remove(archive, error);
    return 0;
}
