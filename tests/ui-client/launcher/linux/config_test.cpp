// The key=value reader: one line at a time, then whole files and what else
// may sit at a file's name.
#include "config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "child_process.h"
#include "files.h"

namespace {

using Entries = std::map<std::string, std::string>;

TEST(Config, ParsesOneLine)
{
    struct Case {
        std::string line;
        int result;  // 0: entry, 1: nothing, 2: malformed
        const char* key;
        const char* value;
        bool preserve = false;
    };
    const Case cases[] = {
        {"  pid = \"4242\"  # running\n", 0, "pid", "4242"}, {" \t\v\f\r\n", 1, "", ""},
        {"# pid=1\n", 1, "", ""}, {"pid#1\n", 1, "", ""},
        {"abc", 1, "", ""}, {"abc\n", 2, "", ""},
        {"a=b c\n", 2, "", ""}, {"a=b#c\n", 0, "a", "b#c"},
        {"a=b #c\n", 0, "a", "b"}, {"a=\"x y#'z\"\n", 0, "a", "x y#'z"},
        {"a='x \"y'\n", 0, "a", "x \"y"}, {"key=''\n", 0, "key", ""},
        {"key=  \t\n", 2, "", ""}, {"key=", 2, "", ""},
        {"=5\n", 0, "", "5"}, {"a:b\n", 2, "", ""},
        {"a\xc3\xa9=1\n", 2, "", ""}, {"a.b-c_D9=gr\xc3\xbc\xc3\x9f\r\n", 0, "a.b-c_D9", "gr\xc3\xbc\xc3\x9f"},
        {"a=\"xyz\n", 2, "", ""}, {"a=\"x\ty\"\n", 2, "", ""},
        {"a=x\t# c\n", 0, "a", "x"}, {"a=\"x\"y\n", 2, "", ""},
        {"a=x\x7fy\n", 2, "", ""}, {"a=\"x y\"\n", 0, "a", "\"x y\"", true},
        {"a=v\n", 0, "a", "v", true},
    };
    for (const Case& c : cases) {
        Config config;
        config.preserve = c.preserve;
        std::string buf = c.line, key = "untouched", value = "untouched";
        EXPECT_EQ(config.parse(buf.data(), key, value), c.result) << c.line;
        EXPECT_TRUE(c.result != 0 || (key == c.key && value == c.value)) << c.line << key << "=" << value;
    }
}

// One malformed line empties the map, earlier reads included; what cannot be
// opened or is no small plain file leaves it alone, without blocking.
TEST(Config, ReadsFilesIntoOneMap)
{
    const ScratchDir dir;
    const std::string v8189(8189, 'v');
    const std::function<void(const std::string&)> plant[] = {
        [](const std::string& path) { mkfifo(path.c_str(), 0600); },
        [](const std::string& path) { symlink("/dev/zero", path.c_str()); },
        [](const std::string& path) { WriteFile(path, "a=" + std::string(64 * 1024, 'v')); },
    };
    const std::tuple<std::string, int, Entries> cases[] = {
        {"keep=1\nshared=1\n# c\n\n", 0, {{"keep", "1"}, {"shared", "1"}}},
        {"shared=2\nk=" + v8189 + "\n", 0, {{"keep", "1"}, {"shared", "2"}, {"k", v8189}}},  // line feed in the second piece
        {"", -1, {{"keep", "1"}, {"shared", "2"}, {"k", v8189}}},  // no file at all
        {"a=1", 0, {{"keep", "1"}, {"shared", "2"}, {"k", v8189}, {"a", "1"}}},  // no line feed at the end
        {"k=" + v8189 + "v\n", -1, {}},  // a line split in its value
        {"a=1\nabc\n", -1, {}},
        {"#" + std::string(9000, 'c') + "\n", -1, {}},
    };
    Config config;
    int n = 0;
    for (const auto& [content, result, entries] : cases) {
        const std::string path = dir / std::to_string(++n);
        if (!content.empty()) {
            WriteFile(path, content);
        }
        EXPECT_EQ(config.read(path), result) << n;
        EXPECT_EQ(Entries(config.begin(), config.end()), entries) << n;
    }
    config["kept"] = "1";
    for (const auto& make : plant) {
        make(dir / "special");
        EXPECT_EQ(config.read(dir / "special"), -1);
        EXPECT_EQ(Entries(config.begin(), config.end()), (Entries{{"kept", "1"}}));
        unlink((dir / "special").c_str());
    }
    EXPECT_EQ(config.read(""), -1);
}

}  // namespace
