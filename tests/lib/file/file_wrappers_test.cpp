#include "file-op.h"
#include "../test_support.h"

// The kernel refuses a 4096-byte link text, so FSReadSymbolicLink's own
// "is more than" guard cannot be reached on a local file system.
TEST(Wrappers, LinkTextUpToTheBufferLimit)
{
    ScratchDir dir;
    LogCapture log(dir.path());
    WriteFile(dir / "file", "x");
    const std::string longest(4095, 'a');
    ASSERT_EQ(FSCreateSymbolicLink(longest, dir / "longest"), 0);
    std::string target = "unchanged";
    ASSERT_EQ(FSReadSymbolicLink(dir / "longest", target), 0);
    EXPECT_EQ(target, longest);

    EXPECT_EQ(FSCreateSymbolicLink(std::string(4096, 'a'), dir / "too-long"), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_EQ(log.Count("ERROR", "' -> '" + (dir / "too-long") + "' (code: 36, msg: File name too long)"), 1);

    target = "unchanged";
    EXPECT_EQ(FSReadSymbolicLink(dir / "file", target), -1) << "not a link";
    EXPECT_EQ(target, "unchanged");
}
