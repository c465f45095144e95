#include "file-op.h"
#include "../test_support.h"

namespace fs = std::filesystem;

TEST(PathText, ParentBaseAndParentFolder)
{
    struct Case { const char* name; const char* path; const char* parent; const char* base; };
    const Case cases[] = {{"two_levels", "/a/b", "/a", "b"}, {"top_level", "/a", "/", "a"}, {"no_slash", "abc", "/", "abc"},
                          {"trailing_slash", "a/b/", "a/b", ""}, {"root", "/", "/", ""}};
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

// GetFileInfo describes each kind without following links; FSGetRealPath, by
// contrast, resolves links and dots.
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
        {"regular_file", dir / "file", FT_FILE, true, 5}, {"folder", dir / "folder", FT_DIR, true, -1},
        {"link_to_folder_is_the_link", dir / "link-to-folder", FT_SLINK, true, 6},
        {"dangling_link_exists", dir / "dangling", FT_SLINK, true, 7}, {"fifo", dir / "fifo", FT_FIFO, true, 0},
        {"device", "/dev/null", FT_DEV, true, 0}, {"missing", dir / "missing", FT_ERR, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FILE_INFO info;
        ASSERT_EQ(GetFileInfo(c.path, info), 0);
        EXPECT_EQ(info.type, c.type);
        EXPECT_EQ(info.isExist, c.exists);
        EXPECT_TRUE(c.size < 0 || info.size == static_cast<uint64_t>(c.size)) << info.size;
        EXPECT_EQ(info.name, FSBaseName(c.path));
        EXPECT_EQ(IsFileExist(c.path, true), c.exists);
        EXPECT_TRUE(c.type != FT_FILE || info.mode == (S_IFREG | 0640)) << info.mode;
    }
    std::string real = dir / "link-to-folder/../link-to-folder", missing = dir / "missing";
    EXPECT_EQ(FSGetRealPath(real), 0);
    EXPECT_EQ(real, fs::canonical(dir / "folder").string());
    EXPECT_TRUE(FSGetRealPath(missing) == -1 && missing == dir / "missing") << missing;
}

// A path through a file (ENOTDIR) is an error, not a missing file; an mtime
// past 2106 keeps its low 32 bits.
TEST(GetFileInfo, UnexaminablePathAndMtimeBeyond2106)
{
    ScratchDir dir;
    WriteFile(dir / "file", "x");
    FILE_INFO info;
    info.name = "untouched";
    EXPECT_EQ(GetFileInfo(dir / "file/x", info), -1);
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_EQ(info.name, "untouched");
    EXPECT_FALSE(IsFileExist(dir / "file/x", true));

    const time_t beyond = (static_cast<time_t>(1) << 32) + 100;
    ASSERT_EQ(FSUTime(dir / "file", beyond, beyond), 0);
    ASSERT_EQ(GetFileInfo(dir / "file", info), 0);
    EXPECT_EQ(info.mtime, 100u);
}

// Access is refused only where the system says EACCES: seen by nobody, not by root.
TEST(FilePermission, RefusedOnlyForAccessDenied)
{
    SKIP_UNLESS_ROOT();
    ScratchDir dir;
    WriteFile(dir / "secret", "x", 0600);
    EXPECT_TRUE(hasFilePermission(dir / "missing", R_OK));
    EXPECT_TRUE(hasFilePermission(dir / "secret", R_OK | W_OK));
    EXPECT_EQ(RunInChild([&] { return isFileWRForbidden(dir / "secret", R_OK) ? 1 : 0; }, true).status, 1);
}
