// Feeds arbitrary bytes to the key=value reader, both as a whole file and as
// one line in the fixed buffer, and checks what the grammar promises of every
// stored entry.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config.h"

namespace {

// fgets hands parse at most 8191 bytes and a NUL.
constexpr size_t kLineBufferSize = 8192;

int g_file = -1;
std::string g_path;

void Require(bool condition)
{
    if (!condition) {
        abort();
    }
}

bool AllOf(const std::string& text, bool (*predicate)(unsigned char))
{
    for (unsigned char c : text) {
        if (!predicate(c)) {
            return false;
        }
    }
    return true;
}

// A bare value written back as key=value must read as the same entry.
void CheckRoundTrip(const std::string& key, const std::string& value)
{
    if (value.empty() || value.find(' ') != std::string::npos || value[0] == '"' || value[0] == '\'') {
        return;
    }
    std::string line = key + "=" + value + "\n";
    if (line.size() >= kLineBufferSize) {
        return;
    }
    Config config;
    std::string parsed_key;
    std::string parsed_value;
    Require(config.parse(&line[0], parsed_key, parsed_value) == 0);
    Require(parsed_key == key && parsed_value == value);
}

void CheckFile(const uint8_t* data, size_t size)
{
    Require(ftruncate(g_file, 0) == 0);
    Require(pwrite(g_file, data, size, 0) == static_cast<ssize_t>(size));

    Config config;
    config["preset"] = "kept only on success";
    const int result = config.read(g_path);
    Require(result == 0 || result == -1);
    if (result == -1) {
        // A file past 64 KiB is refused unread, leaving the map as it was;
        // otherwise -1 is a malformed line, which empties it.
        Require(size > 64 * 1024 ? config["preset"] == "kept only on success" : config.begin() == config.end());
        return;
    }
    for (const auto& entry : config) {
        Require(AllOf(entry.first, Config::is_key_char));
        Require(AllOf(entry.second, Config::is_value_char));
        CheckRoundTrip(entry.first, entry.second);
    }
}

void CheckLine(const uint8_t* data, size_t size)
{
    char buf[kLineBufferSize];
    const size_t length = size < kLineBufferSize - 1 ? size : kLineBufferSize - 1;
    memcpy(buf, data, length);
    buf[length] = '\0';
    Config config;
    std::string key;
    std::string value;
    const int result = config.parse(buf, key, value);
    Require(result >= 0 && result <= 2);
    if (result == 0) {
        Require(AllOf(key, Config::is_key_char));
        Require(AllOf(value, Config::is_value_char));
    } else {
        Require(key.empty() && value.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_file = memfd_create("config-fuzz", 0);
    Require(g_file >= 0);
    g_path = "/proc/self/fd/" + std::to_string(g_file);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckFile(data, size);
    CheckLine(data, size);
    return 0;
}
