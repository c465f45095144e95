#include <map>

#include <gtest/gtest.h>

#include "file-op.h"
#include "fileop-test-support.h"

using namespace fileop_test;

namespace {

std::map<std::string, DIR_ENTRY> ListAll(const std::string& path, int flag)
{
    std::map<std::string, DIR_ENTRY> entries;
    DIR_HANDLE dh;
    if (FSOpenDir(path, flag, dh) != 0) {
        ADD_FAILURE() << "cannot open " << path;
        return entries;
    }
    DIR_ENTRY entry;
    while (FSReadDir(dh, entry) == 1) {
        entries[entry.name] = entry;
    }
    FSCloseDir(dh);
    EXPECT_EQ(dh.dp, nullptr);
    EXPECT_TRUE(dh.path.empty());
    return entries;
}

}  // namespace

TEST(DirEnum, ListsTypesFromTheListingAndDetailsOnRequest)
{
    ScratchDir dir;
    mkdir((dir / "empty").c_str(), 0755);
    const auto emptyListing = ListAll(dir / "empty", 0);
    ASSERT_EQ(emptyListing.size(), 2u);
    EXPECT_EQ(emptyListing.at(".").type, FT_DIR);
    EXPECT_EQ(emptyListing.at("..").type, FT_DIR);

    WriteFile(dir / "file", "12345");
    symlink("empty", (dir / "link").c_str());
    mkfifo((dir / "fifo").c_str(), 0600);
    const time_t when = 1000000000;
    ASSERT_EQ(FSUTime(dir / "file", when, when), 0);
    ASSERT_EQ(FSUTime(dir / "link", when + 1, when + 1), 0);

    const auto plain = ListAll(dir.path(), 0);
    ASSERT_EQ(plain.size(), 6u);
    EXPECT_EQ(plain.at("file").type, FT_FILE);
    EXPECT_EQ(plain.at("empty").type, FT_DIR);
    EXPECT_EQ(plain.at("link").type, FT_SLINK);
    EXPECT_EQ(plain.at("fifo").type, FT_FIFO);
    EXPECT_EQ(plain.at("file").size, 0u);
    EXPECT_EQ(plain.at("file").mtime, 0u);

    const auto detailed = ListAll(dir.path(), 1);
    EXPECT_EQ(detailed.at("file").size, 5u);
    EXPECT_EQ(detailed.at("file").mtime, static_cast<uint32_t>(when));
    EXPECT_EQ(detailed.at("link").size, 5u) << "the link's own size, not its folder's";
    EXPECT_EQ(detailed.at("link").mtime, static_cast<uint32_t>(when + 1));
}

TEST(DirEnum, MissingFolderLogsOnceAndLeavesHandleClosable)
{
    ScratchDir dir;
    LogCapture log(dir);
    DIR_HANDLE dh;
    dh.path = "before";
    EXPECT_EQ(FSOpenDir(dir / "missing", 1, dh), -1);
    EXPECT_EQ(dh.path, "before");
    EXPECT_EQ(log.Count("ERROR", ""), 1);
    EXPECT_EQ(log.Count("ERROR", "FSOpenDir: Failed to open directory '" + (dir / "missing") +
                                     "'. No such file or directory"), 1);
    FSCloseDir(dh);
    EXPECT_EQ(dh.dp, nullptr);
    EXPECT_TRUE(dh.path.empty());
}

TEST(DirEnum, UnreadableDetailsSkipOneEntryOnly)
{
    ScratchDir dir;
    LogCapture log(dir);
    const std::string name(200, 'n');
    mkdir((dir / "long").c_str(), 0755);
    WriteFile(dir / "long" + "/" + name + "1", "x");
    WriteFile(dir / "long" + "/" + name + "2", "x");
    // A folder path padded with "./" so that it opens, but folder plus a long
    // entry name passes the system's path limit.
    std::string padded = dir / "long";
    while (padded.size() < 4000) {
        padded += "/.";
    }

    DIR_HANDLE dh;
    ASSERT_EQ(FSOpenDir(padded, 1, dh), 0);
    int listed = 0;
    int failed = 0;
    DIR_ENTRY entry;
    for (int result; (result = FSReadDir(dh, entry)) != 0;) {
        result == 1 ? ++listed : ++failed;
    }
    FSCloseDir(dh);
    EXPECT_EQ(listed, 2) << "\".\" and \"..\"";
    EXPECT_EQ(failed, 2);
    EXPECT_EQ(log.Count("ERROR", "FSOpenDir: Failed to get info for '" + padded + "/" + name), 2);
}
