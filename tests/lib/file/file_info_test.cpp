#include <cerrno>

#include <gtest/gtest.h>

#include "file-op.h"
#include "fileop-test-support.h"

using namespace fileop_test;

TEST(PathText, ParentBaseAndParentFolder)
{
    struct Case { const char* name; const char* path; const char* parent; const char* base; };
    const Case cases[] = {
        {"two_levels", "/a/b", "/a", "b"}, {"top_level", "/a", "/", "a"}, {"no_slash", "abc", "/", "abc"},
        {"trailing_slash", "a/b/", "a/b", ""}, {"root", "/", "/", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FSParentPath(c.path), c.parent);
        EXPECT_EQ(FSBaseName(c.path), c.base);
    }

    struct ParentCase { const char* name; const char* parent; const char* child; bool expected; };
    const ParentCase parentCases[] = {
        {"same_path", "/a", "/a", true}, {"child_below", "/a", "/a/b", true},
        {"name_prefix_only", "/a", "/ab", false}, {"parent_with_trailing_slash", "/a/", "/a/b", false},
        {"root_parent_of_itself_only", "/", "/x", false}, {"parent_longer", "/a/b", "/a", false},
        {"empty_parent_of_absolute", "", "/x", true}, {"empty_parent_of_relative", "", "x", false},
    };
    for (const ParentCase& c : parentCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FSIsParentFolder(c.parent, c.child), c.expected);
    }
}

TEST(GetFileInfo, DescribesEachKindWithoutFollowingLinks)
{
    ScratchDir dir;
    WriteFile(dir / "file", "hello", 0640);
    mkdir((dir / "folder").c_str(), 0700);
    symlink("folder", (dir / "link-to-folder").c_str());
    symlink("nowhere", (dir / "dangling").c_str());
    mkfifo((dir / "fifo").c_str(), 0600);

    // size -1: a folder's own size depends on the file system.
    struct Case { const char* name; std::string path; FILE_TYPE type; bool exists; int64_t size; };
    const Case cases[] = {
        {"regular_file", dir / "file", FT_FILE, true, 5},
        {"folder", dir / "folder", FT_DIR, true, -1},
        {"link_to_folder_is_the_link", dir / "link-to-folder", FT_SLINK, true, 6},
        {"dangling_link_exists", dir / "dangling", FT_SLINK, true, 7},
        {"fifo", dir / "fifo", FT_FIFO, true, 0},
        {"device", "/dev/null", FT_DEV, true, 0},
        {"missing", dir / "missing", FT_ERR, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FILE_INFO info;
        ASSERT_EQ(GetFileInfo(c.path, info), 0);
        EXPECT_EQ(info.type, c.type);
        EXPECT_EQ(info.isExist, c.exists);
        if (c.size >= 0) {
            EXPECT_EQ(info.size, static_cast<uint64_t>(c.size));
        }
        EXPECT_EQ(info.name, FSBaseName(c.path));
        EXPECT_EQ(IsFileExist(c.path, true), c.exists);
    }
    FILE_INFO file;
    ASSERT_EQ(GetFileInfo(dir / "file", file), 0);
    EXPECT_EQ(file.mode, static_cast<uint32_t>(S_IFREG | 0640));
}

TEST(GetFileInfo, UnexaminablePathIsNotMissing)
{
    ScratchDir dir;
    WriteFile(dir / "file", "x");
    FILE_INFO info;
    info.name = "untouched";
    EXPECT_EQ(GetFileInfo(dir / "file/x", info), -1);
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_EQ(info.name, "untouched");
    EXPECT_FALSE(IsFileExist(dir / "file/x", true));
    EXPECT_EQ(FSStat("", info, true), -1);
    EXPECT_EQ(FSStat(dir / "file/x", info, true), -2);
    EXPECT_EQ(FSStat(dir / "missing", info, true), 0);
    EXPECT_FALSE(info.isExist);
}

TEST(GetFileInfo, MtimeBeyond2106KeepsLow32BitsAndIsNotCompared)
{
    ScratchDir dir;
    WriteFile(dir / "file", "");
    const time_t beyond = (static_cast<time_t>(1) << 32) + 100;
    ASSERT_EQ(FSUTime(dir / "file", beyond, beyond), 0);
    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(dir / "file", info), 0);
    EXPECT_EQ(info.mtime, 100u);

    FILE_INFO other = info;
    other.mode = 0777;
    other.uid = 7;
    EXPECT_TRUE(info == other) << "mode and owner are not compared";
    other.size = 4;
    EXPECT_TRUE(info != other);
}

TEST(FilePermission, RefusedOnlyForAccessDenied)
{
    ScratchDir dir;
    const std::string secret = dir / "secret";
    WriteFile(secret, "x", 0600);
    EXPECT_TRUE(hasFilePermission(dir / "missing", R_OK));
    EXPECT_TRUE(hasFilePermission(secret, R_OK | W_OK));
    EXPECT_EQ(RunAsNobody([&] { return isFileWRForbidden(secret, R_OK) ? 1 : 0; }), 1);
}

TEST(FileSystemKind, LocalDiskIsNeitherAndMissingPathIsLogged)
{
    ScratchDir dir;
    LogCapture log(dir);
    EXPECT_FALSE(isMountPoint(dir.path()));
    EXPECT_FALSE(IsMSDOS(dir.path()));
    EXPECT_FALSE(isMountPoint(dir / "missing"));
    EXPECT_FALSE(IsMSDOS(dir / "missing"));
    const std::string tail = " file system info '" + (dir / "missing") + "'. No such file or directory";
    EXPECT_EQ(log.Count("ERROR", "isMountPoint: Failed to get" + tail), 1);
    EXPECT_EQ(log.Count("ERROR", "IsSupportLargeFile: Failed to get" + tail), 1);
}

TEST(FSGetRealPath, ResolvesLinksAndDotsOrLeavesPathAlone)
{
    ScratchDir dir;
    LogCapture log(dir);
    mkdir((dir / "real").c_str(), 0755);
    symlink("real", (dir / "alias").c_str());
    std::string resolvedDir = dir.path();
    ASSERT_EQ(FSGetRealPath(resolvedDir), 0);

    std::string path = dir / "alias/../alias";
    ASSERT_EQ(FSGetRealPath(path), 0);
    EXPECT_EQ(path, resolvedDir + "/real");
    EXPECT_EQ(log.Count("DEBUG", " get full path [" + resolvedDir + "/real]"), 1);

    std::string missing = dir / "missing";
    EXPECT_EQ(FSGetRealPath(missing), -1);
    EXPECT_EQ(missing, dir / "missing");
}
