#include <gtest/gtest.h>

#include "file-op.h"
#include "fileop-test-support.h"

using namespace fileop_test;

TEST(FSMktemp, CreatesAnEmptyReadableFileWhateverTheUmask)
{
    ScratchDir dir;
    UmaskGuard mask(077);
    std::string path;
    ASSERT_EQ(FSMktemp(dir.path(), path), 0);
    ASSERT_EQ(path.size(), dir.path().size() + 7);
    EXPECT_EQ(path.compare(0, dir.path().size() + 1, dir.path() + "/"), 0);
    struct stat st{};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_EQ(st.st_size, 0);

    std::string second;
    ASSERT_EQ(FSMktemp(dir.path(), second), 0);
    EXPECT_NE(second, path);
}

TEST(FSMktemp, MissingFolderFailsWithOneRecord)
{
    ScratchDir dir;
    LogCapture log(dir);
    std::string path = "unchanged";
    EXPECT_EQ(FSMktemp(dir / "missing", path), -1);
    EXPECT_EQ(path, "unchanged");
    EXPECT_EQ(log.Count("ERROR", ""), 1);
    // mkstemp leaves its last attempt in the template, so the suffix varies.
    EXPECT_EQ(log.Count("ERROR", "mkstemp(" + (dir / "missing") + "/"), 1);
    EXPECT_EQ(log.Count("ERROR", "): No such file or directory(2)"), 1);
}

TEST(FSCreateTempPath, FormsAPathAndCreatesNothing)
{
    ScratchDir dir;
    std::string path;
    ASSERT_EQ(FSCreateTempPath(dir.path(), path), 0);
    ASSERT_EQ(path.size(), dir.path().size() + 9);
    EXPECT_FALSE(IsFileExist(path, true));

    ASSERT_EQ(FSCreateTempPath("", path), 0);
    EXPECT_EQ(path.size(), 9u);
    EXPECT_EQ(path[0], '/');
}
