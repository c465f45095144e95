#include <cerrno>

#include <gtest/gtest.h>

#include "file-op.h"
#include "fileop-test-support.h"

using namespace fileop_test;

TEST(Wrappers, OwnerOfTheLinkModeOfTheTargetFsyncOfMissingFile)
{
    ScratchDir dir;
    LogCapture log(dir);
    WriteFile(dir / "file", "x", 0600);
    symlink("file", (dir / "link").c_str());

    ASSERT_EQ(FSChown(dir / "link", 65534, 65534), 0);
    ASSERT_EQ(FSChmod(dir / "link", 0640), 0);
    struct stat link{}, target{};
    ASSERT_EQ(lstat((dir / "link").c_str(), &link), 0);
    ASSERT_EQ(stat((dir / "file").c_str(), &target), 0);
    EXPECT_EQ(link.st_uid, 65534u);
    EXPECT_EQ(target.st_uid, 0u) << "chown must not follow the link";
    EXPECT_EQ(target.st_mode & 07777, 0640u);

    EXPECT_EQ(FSChown(dir / "missing", 0, 0), -1);
    EXPECT_EQ(FSChmod(dir / "missing", 0600), -1);
    EXPECT_EQ(log.Count("ERROR", "FSChmod: Failed to chmod '" + (dir / "missing") +
                                     "' (code: 2, msg: No such file or directory)"), 1);
    EXPECT_EQ(FSFsync(dir / "file"), 0);
    EXPECT_EQ(FSFsync(dir / "missing"), 1);
    EXPECT_EQ(FSFsync(dir / "file/x"), -1);
}

TEST(Wrappers, LinkTextUpToTheBufferLimit)
{
    ScratchDir dir;
    LogCapture log(dir);
    const std::string longest(4095, 'a');
    ASSERT_EQ(FSCreateSymbolicLink(longest, dir / "longest"), 0);
    std::string target = "unchanged";
    ASSERT_EQ(FSReadSymbolicLink(dir / "longest", target), 0);
    EXPECT_EQ(target, longest);

    // The kernel refuses a 4096-byte link text, so FSReadSymbolicLink's own
    // "is more than" guard cannot be reached on a local file system.
    EXPECT_EQ(FSCreateSymbolicLink(std::string(4096, 'a'), dir / "too-long"), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_EQ(log.Count("ERROR", "' -> '" + (dir / "too-long") + "' (code: 36, msg: File name too long)"), 1);

    WriteFile(dir / "plain", "x");
    target = "unchanged";
    EXPECT_EQ(FSReadSymbolicLink(dir / "plain", target), -1);
    EXPECT_EQ(target, "unchanged");
}
