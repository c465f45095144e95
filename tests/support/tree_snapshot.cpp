#include "tree_snapshot.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace launcher_test {

namespace {

// FNV-1a style over 64-bit words, then the tail bytes: a few hundred MB a
// second even in a sanitizer build. Enough to tell a file from its damage.
uint64_t HashFile(const fs::path& path, uint64_t& size)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    uint64_t hash = 1469598103934665603ULL;
    size = 0;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const size_t got = static_cast<size_t>(in.gcount());
        size_t i = 0;
        for (; i + sizeof(uint64_t) <= got; i += sizeof(uint64_t)) {
            uint64_t word;
            memcpy(&word, buffer.data() + i, sizeof(word));
            hash = (hash ^ word) * 1099511628211ULL;
        }
        for (; i < got; ++i) {
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ULL;
        }
        size += got;
    }
    return hash;
}

bool SameFile(const fs::path& left, const fs::path& right)
{
    std::ifstream a(left, std::ios::binary);
    std::ifstream b(right, std::ios::binary);
    std::vector<char> bufferA(1 << 16);
    std::vector<char> bufferB(1 << 16);
    while (a && b) {
        a.read(bufferA.data(), static_cast<std::streamsize>(bufferA.size()));
        b.read(bufferB.data(), static_cast<std::streamsize>(bufferB.size()));
        if (a.gcount() != b.gcount() || !std::equal(bufferA.begin(), bufferA.begin() + a.gcount(), bufferB.begin())) {
            return false;
        }
    }
    return !a && !b;
}

std::vector<std::string> Paths(const std::string& root)
{
    std::vector<std::string> paths;
    std::error_code error;
    if (!fs::exists(root, error)) {
        return paths;
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        paths.push_back(entry.path().lexically_relative(root).string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

}  // namespace

TreeSnapshot Snapshot(const std::string& root)
{
    TreeSnapshot snapshot;
    for (const std::string& relative : Paths(root)) {
        const fs::path path = fs::path(root) / relative;
        NodeDigest digest;
        digest.isDir = fs::is_directory(path);
        if (!digest.isDir) {
            digest.hash = HashFile(path, digest.size);
        }
        snapshot[relative] = digest;
    }
    return snapshot;
}

bool SameBytes(const std::string& left, const std::string& right)
{
    const std::vector<std::string> paths = Paths(left);
    if (paths != Paths(right)) {
        return false;
    }
    for (const std::string& relative : paths) {
        const fs::path a = fs::path(left) / relative;
        const fs::path b = fs::path(right) / relative;
        if (fs::is_directory(a) != fs::is_directory(b)) {
            return false;
        }
        if (!fs::is_directory(a) && !SameFile(a, b)) {
            return false;
        }
    }
    return true;
}

std::string Difference(const TreeSnapshot& expected, const TreeSnapshot& actual)
{
    std::ostringstream text;
    int shown = 0;
    for (const auto& [path, digest] : expected) {
        const auto it = actual.find(path);
        if (it == actual.end()) {
            text << "missing: " << path << "\n";
        } else if (!(it->second == digest)) {
            text << "differs: " << path << " (" << it->second.size << " of " << digest.size << " bytes)\n";
        } else {
            continue;
        }
        if (++shown == 5) {
            break;
        }
    }
    for (const auto& [path, digest] : actual) {
        if (shown < 5 && expected.count(path) == 0) {
            text << "extra: " << path << "\n";
            ++shown;
        }
    }
    return text.str();
}

void MakeSyntheticPackage(const std::string& dir, double scale, int seed, int build)
{
    const std::string command = std::string("python3 '") + SYNTHETIC_GENERATOR + "' '" + dir + "' --scale " +
                                std::to_string(scale) + " --seed " + std::to_string(seed) + " --build " +
                                std::to_string(build);
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("generator failed: " + command);
    }
}

void LinkTree(const std::string& from, const std::string& to)
{
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::create_hard_links | fs::copy_options::copy_symlinks);
}

}  // namespace launcher_test
