// Reader of small key=value text files (the client's pid file, the logger's
// level file) into an ordered map. Read only; one malformed line empties the
// map. No escapes, no character-set decoding: keys and values are raw bytes.
#pragma once

#include <map>
#include <string>

class Config {
public:
    Config();
    ~Config();

    // 0 on success; -1 for an empty path, a file that cannot be opened or is
    // no plain file of at most 64 KiB (map unchanged; never blocks on a FIFO
    // or device), or the first malformed line (map emptied).
    int read(const std::string& path_utf8);

    // A missing key is inserted with an empty value: empty means "not set".
    std::string& operator[](const std::string& key);

    std::map<std::string, std::string>::iterator begin();
    std::map<std::string, std::string>::iterator end();

    // 0: entry, 1: nothing on this line, 2: malformed. Writes NUL bytes into buf.
    int parse(char* buf, std::string& key, std::string& value);

    static bool is_key_char(unsigned char c);
    static bool is_value_char(unsigned char c);
    static bool is_space(unsigned char c);

    // When set, a quoted value keeps its quote characters. Nothing in the
    // launcher sets it.
    bool preserve;

private:
    std::map<std::string, std::string> store;
};
