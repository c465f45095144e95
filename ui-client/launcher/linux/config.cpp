#include "config.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "scoped-handles.h"

namespace {

// fgets keeps at most 8191 bytes of a line, line feed included; a longer line
// arrives in pieces and each piece is parsed as a line of its own.
constexpr int kLineBufferSize = 8192;

enum ParseResult { kEntry = 0, kNothing = 1, kMalformed = 2 };

// 64 KiB: the pid file and the level file hold a few short lines; anything
// larger is not one of them.
constexpr off_t kMaxFileSize = 64 * 1024;

// The files read here lie in the user's home, where anything may sit at their
// names: opened without blocking and refused unless a small plain file, so a
// FIFO, a device or a link to /dev/zero never stalls the start.
ScopedFile OpenSmallFile(const std::string& path)
{
    ScopedFd file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) {
        return ScopedFile();
    }
    struct stat st {};
    if (fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileSize) {
        return ScopedFile();
    }
    ScopedFile stream(fdopen(file.get(), "r"));
    if (stream.valid()) {
        // The stream closes the descriptor from here on.
        file.release();
    }
    return stream;
}

} // namespace

Config::Config() : preserve(false) {}

Config::~Config() = default;

int Config::read(const std::string& path_utf8)
{
    if (path_utf8.empty()) {
        return -1;
    }
    const ScopedFile fp = OpenSmallFile(path_utf8);
    if (!fp.valid()) {
        return -1;
    }

    char buf[kLineBufferSize];
    while (fgets(buf, sizeof(buf), fp.get()) != nullptr) {
        std::string key;
        std::string value;
        const int result = parse(buf, key, value);
        if (result == kEntry) {
            store[key] = value;
        } else if (result == kMalformed) {
            // One bad line discards the whole map, earlier reads included.
            store.clear();
            return -1;
        }
    }
    return 0;
}

std::string& Config::operator[](const std::string& key)
{
    return store[key];
}

std::map<std::string, std::string>::iterator Config::begin()
{
    return store.begin();
}

std::map<std::string, std::string>::iterator Config::end()
{
    return store.end();
}

int Config::parse(char* buf, std::string& key, std::string& value)
{
    char* p = buf;
    while (is_space(*p)) {
        ++p;
    }

    char* const key_begin = p;
    while (is_key_char(*p)) {
        ++p;
    }
    char* const key_end = p;
    if (*p == '#' || *p == '\0') {
        return kNothing;
    }

    while (is_space(*p)) {
        ++p;
    }
    if (*p != '=') {
        return kMalformed;
    }
    ++p;
    while (is_space(*p)) {
        ++p;
    }
    // The line feed counts as space, so "key=" alone ends up here.
    if (*p == '\0') {
        return kMalformed;
    }

    const bool quoted = *p == '"' || *p == '\'';
    const char delimiter = quoted ? *p : ' ';
    if (quoted) {
        ++p;
    }
    char* const value_begin = p;
    while (is_value_char(*p) && *p != delimiter) {
        ++p;
    }
    char* const value_end = p;
    if (quoted) {
        if (*p != delimiter) {
            return kMalformed;
        }
        ++p;
    }

    while (is_space(*p)) {
        ++p;
    }
    if (*p != '\0' && *p != '#') {
        return kMalformed;
    }

    *key_end = '\0';
    *value_end = '\0';
    key = key_begin;
    value = value_begin;
    if (preserve && quoted) {
        value = delimiter + value + delimiter;
    }
    return kEntry;
}

bool Config::is_key_char(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_' ||
           c == '.';
}

bool Config::is_value_char(unsigned char c)
{
    return c >= 32 && c != 127;
}

bool Config::is_space(unsigned char c)
{
    return (c >= 9 && c <= 13) || c == ' ';
}
