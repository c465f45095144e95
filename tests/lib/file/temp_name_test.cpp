#include "file-op.h"
#include "../test_support.h"

// FSMktemp: an empty 0644 file whatever the umask, one record on failure;
// FSCreateTempPath creates nothing.
TEST(TempNames, MktempFileAndTempPath)
{
    ScratchDir dir;
    UmaskGuard mask(077);
    std::string path, second;
    ASSERT_EQ(FSMktemp(dir.path(), path) | FSMktemp(dir.path(), second), 0);
    EXPECT_EQ(path.substr(0, dir.path().size() + 1), dir.path() + "/");
    EXPECT_EQ(path.size(), dir.path().size() + 7);
    EXPECT_NE(second, path);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_EQ(st.st_size, 0);

    // mkstemp leaves its last attempt in the template, so the logged suffix varies.
    LogCapture log(dir.path());
    path = "unchanged";
    EXPECT_EQ(FSMktemp(dir / "missing", path), -1);
    EXPECT_EQ(path, "unchanged");
    EXPECT_EQ(log.Count("ERROR", ""), 1);
    EXPECT_EQ(log.Count("ERROR", "mkstemp(" + (dir / "missing") + "/"), 1);
    EXPECT_EQ(log.Count("ERROR", "): No such file or directory(2)"), 1);

    ASSERT_EQ(FSCreateTempPath(dir.path(), path), 0);
    EXPECT_EQ(path.size(), dir.path().size() + 9);
    EXPECT_FALSE(IsFileExist(path, true));
}
