// The key=value reader: one line at a time, then whole files.
#include "config.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

namespace {

using Entries = std::map<std::string, std::string>;

// A private folder for one test, removed with everything in it.
struct TempDir {
    std::string path = [] {
        char pattern[] = "/tmp/config-test-XXXXXX";
        return std::string(mkdtemp(pattern) ? pattern : "");
    }();
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string Write(const std::string& name, const std::string& content) const
    {
        std::ofstream(path + "/" + name, std::ios::binary) << content;
        return path + "/" + name;
    }
};

TEST(ConfigParse, Lines)
{
    struct Case {
        const char* name;
        std::string line;
        int result;  // 0: entry, 1: nothing, 2: malformed
        const char* key;
        const char* value;
        bool preserve = false;
    };
    const Case cases[] = {
        {"plain_entry", "pid=4242\n", 0, "pid", "4242"},
        {"blanks_quotes_comment", "  pid = \"4242\"  # running\n", 0, "pid", "4242"},
        {"blank_line", "\n", 1, "", ""},
        {"spaces_only", " \t\v\f\r\n", 1, "", ""},
        {"comment_line", "# pid=1\n", 1, "", ""},
        {"key_then_hash", "pid#1\n", 1, "", ""},
        {"key_only_without_line_feed", "abc", 1, "", ""},
        {"key_only_with_line_feed", "abc\n", 2, "", ""},
        {"key_blank_hash", "abc #x\n", 2, "", ""},
        {"bare_value_then_word", "a=b c\n", 2, "", ""},
        {"hash_inside_bare_value", "a=b#c\n", 0, "a", "b#c"},
        {"hash_after_blank_is_comment", "a=b #c\n", 0, "a", "b"},
        {"quotes_keep_blank_hash_other_quote", "a=\"x y#'z\"\n", 0, "a", "x y#'z"},
        {"single_quotes", "a='x \"y'\n", 0, "a", "x \"y"},
        {"empty_quotes", "key=''\n", 0, "key", ""},
        {"nothing_after_equals", "key=\n", 2, "", ""},
        {"only_spaces_after_equals", "key=  \t\n", 2, "", ""},
        {"nothing_after_equals_no_line_feed", "key=", 2, "", ""},
        {"quote_inside_bare_value", "a=b'c\n", 0, "a", "b'c"},
        {"empty_key", "=5\n", 0, "", "5"},
        {"colon_after_key", "a:b\n", 2, "", ""},
        {"non_ascii_after_key", "a\xc3\xa9=1\n", 2, "", ""},
        {"crlf_line_end", "a=b\r\n", 0, "a", "b"},
        {"key_characters", "a.b-c_D9=1\n", 0, "a.b-c_D9", "1"},
        {"utf8_bare_value", "name=gr\xc3\xbc\xc3\x9f\n", 0, "name", "gr\xc3\xbc\xc3\x9f"},
        {"utf8_quoted_value", "name=\"gr\xc3\xbc \xc3\x9f\"\n", 0, "name", "gr\xc3\xbc \xc3\x9f"},
        {"unterminated_quote", "a=\"xyz\n", 2, "", ""},
        {"tab_inside_quotes", "a=\"x\ty\"\n", 2, "", ""},
        {"tab_ends_bare_value", "a=x\ty\n", 2, "", ""},
        {"tab_then_comment", "a=x\t# c\n", 0, "a", "x"},
        {"text_after_closing_quote", "a=\"x\"y\n", 2, "", ""},
        {"delete_byte_ends_value", "a=x\x7fy\n", 2, "", ""},
        {"no_line_feed", "pid=7", 0, "pid", "7"},
        {"preserve_keeps_double_quotes", "a=\"x y\"\n", 0, "a", "\"x y\"", true},
        {"preserve_keeps_empty_single_quotes", "a=''\n", 0, "a", "''", true},
        {"preserve_leaves_bare_value", "a=v\n", 0, "a", "v", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Config config;
        config.preserve = c.preserve;
        std::vector<char> buf(c.line.begin(), c.line.end());
        buf.push_back('\0');
        std::string key = "untouched";
        std::string value = "untouched";
        EXPECT_EQ(c.result, config.parse(buf.data(), key, value));
        if (c.result == 0) {
            EXPECT_EQ(c.key, key);
            EXPECT_EQ(c.value, value);
        }
    }
}

TEST(ConfigRead, Files)
{
    struct Case {
        const char* name;
        std::string content;
        int result;
        Entries entries;
    };
    const std::string v8188(8188, 'v');
    const std::string v8189(8189, 'v');
    const Case cases[] = {
        {"empty_file", "", 0, {}},
        {"comments_and_blank_lines", "# a\n\n   \n# b=2\n", 0, {}},
        {"last_key_wins", "pid=1\npid=2\n", 0, {{"pid", "2"}}},
        {"malformed_line_empties_map", "pid=1\nx y\n", -1, {}},
        {"malformed_line_stops_reading", "x y\npid=1\n", -1, {}},
        {"last_line_without_line_feed", "a=1\npid=7", 0, {{"a", "1"}, {"pid", "7"}}},
        {"key_only_last_line_without_line_feed", "pid=7\nabc", 0, {{"pid", "7"}}},
        {"key_only_last_line_with_line_feed", "pid=7\nabc\n", -1, {}},
        {"line_of_8191_bytes", "k=" + v8188 + "\n", 0, {{"k", v8188}}},
        {"line_feed_in_second_piece", "k=" + v8189 + "\n", 0, {{"k", v8189}}},
        {"line_split_in_value", "k=" + v8189 + "v\n", -1, {}},
        {"long_comment_line", "#" + std::string(9000, 'c') + "\n", -1, {}},
        {"ascending_byte_order", "b=1\na=2\nB=3\n", 0, {{"B", "3"}, {"a", "2"}, {"b", "1"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        Config config;
        EXPECT_EQ(c.result, config.read(dir.Write("file", c.content)));
        EXPECT_EQ(c.entries, Entries(config.begin(), config.end()));
    }
}

// A second file adds to the map, an unopenable one leaves it, a malformed one empties it.
TEST(ConfigRead, LaterReadsChangeTheSameMap)
{
    TempDir dir;
    Config config;
    ASSERT_EQ(0, config.read(dir.Write("first", "keep=1\nshared=1\n")));
    ASSERT_EQ(0, config.read(dir.Write("second", "shared=2\n")));
    EXPECT_EQ(-1, config.read(dir.path + "/missing"));
    EXPECT_EQ(-1, config.read(""));
    EXPECT_EQ((Entries{{"keep", "1"}, {"shared", "2"}}), Entries(config.begin(), config.end()));

    EXPECT_EQ(-1, config.read(dir.Write("bad", "new=1\nbad line\n")));
    EXPECT_EQ(Entries{}, Entries(config.begin(), config.end()));
}

}  // namespace
