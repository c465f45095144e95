#include "file-op.h"
#include "../test_support.h"

// Every entry of path by name; a failed FSReadDir fails the test.
static std::map<std::string, DIR_ENTRY> ListAll(const std::string& path, int flag)
{
    std::map<std::string, DIR_ENTRY> entries;
    DIR_HANDLE dh;
    EXPECT_EQ(FSOpenDir(path, flag, dh), 0) << path;
    DIR_ENTRY entry;
    for (int result; dh.dp != nullptr && (result = FSReadDir(dh, entry)) != 0;) {
        EXPECT_EQ(result, 1) << entry.name;
        entries[entry.name] = entry;
    }
    FSCloseDir(dh);
    EXPECT_TRUE(dh.dp == nullptr && dh.path.empty());
    return entries;
}

TEST(DirEnum, ListsTypesFromTheListingAndDetailsOnRequest)
{
    ScratchDir dir;
    mkdir((dir / "empty").c_str(), 0755);
    WriteFile(dir / "file", "12345");
    symlink("empty", (dir / "link").c_str());
    mkfifo((dir / "fifo").c_str(), 0600);
    const time_t when = 1000000000;
    ASSERT_EQ(FSUTime(dir / "file", when, when), 0);
    ASSERT_EQ(FSUTime(dir / "link", when + 1, when + 1), 0);
    auto plain = ListAll(dir.path(), 0);
    ASSERT_EQ(plain.size(), 6u);
    const std::pair<const char*, FILE_TYPE> types[] = {{".", FT_DIR}, {"..", FT_DIR}, {"file", FT_FILE},
                                                       {"empty", FT_DIR}, {"link", FT_SLINK}, {"fifo", FT_FIFO}};
    for (const auto& [name, type] : types) {
        EXPECT_EQ(plain[name].type, type) << name;
    }
    EXPECT_EQ(plain["file"].size + plain["file"].mtime, 0u) << "details only on request";

    const auto detailed = ListAll(dir.path(), 1);
    EXPECT_EQ(detailed.at("file").size, 5u);
    EXPECT_EQ(detailed.at("file").mtime, static_cast<uint32_t>(when));
    EXPECT_EQ(detailed.at("link").size, 5u) << "the link's own size, not its folder's";
    EXPECT_EQ(detailed.at("link").mtime, static_cast<uint32_t>(when + 1));
}

TEST(DirEnum, MissingFolderLogsOnceAndLeavesHandleClosable)
{
    ScratchDir dir;
    LogCapture log(dir.path());
    DIR_HANDLE dh;
    dh.path = "before";
    EXPECT_EQ(FSOpenDir(dir / "missing", 1, dh), -1);
    EXPECT_EQ(dh.path, "before");
    EXPECT_EQ(log.Count("ERROR", ""), 1);
    EXPECT_EQ(log.Count("ERROR", "FSOpenDir: Failed to open directory '" + (dir / "missing") +
                                     "'. No such file or directory"), 1);
    FSCloseDir(dh);
    EXPECT_TRUE(dh.dp == nullptr && dh.path.empty());
}
