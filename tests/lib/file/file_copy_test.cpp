#include <cerrno>

#include <gtest/gtest.h>

#include "file-op.h"
#include "fileop-test-support.h"

using namespace fileop_test;

namespace {

std::string Bytes(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 8192) & 0xFF);
    }
    return bytes;
}

mode_t PermissionsOf(const std::string& path)
{
    struct stat st{};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(FSCopy, CopiesEveryByteAcrossBufferBoundaries)
{
    struct Case { const char* name; size_t size; bool deleteOrigin; };
    const Case cases[] = {
        {"empty", 0, false},
        {"empty_moved", 0, true},
        {"one_buffer", 8192, false},
        {"one_byte_past_buffer", 8193, true},
        {"many_buffers", 300001, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        UmaskGuard mask(022);
        const std::string content = Bytes(c.size);
        WriteFile(dir / "src", content, 0700);

        ASSERT_EQ(FSCopy(dir / "src", dir / "dst", c.deleteOrigin, false), 0);
        EXPECT_EQ(ReadFile(dir / "dst"), content);
        EXPECT_EQ(PermissionsOf(dir / "dst"), 0644u);
        EXPECT_EQ(IsFileExist(dir / "src", true), !c.deleteOrigin);
    }
}

TEST(FSCopy, PermissionComesFromTheSourceItself)
{
    ScratchDir dir;
    UmaskGuard mask(022);
    WriteFile(dir / "script", "#!/bin/sh\n", 0750);
    symlink("script", (dir / "link").c_str());

    ASSERT_EQ(FSCopy(dir / "script", dir / "from-file", false, true), 0);
    EXPECT_EQ(PermissionsOf(dir / "from-file"), 0750u);
    // A link lends its own 0777, not the 0750 of the bytes it leads to.
    ASSERT_EQ(FSCopy(dir / "link", dir / "from-link", false, true), 0);
    EXPECT_EQ(PermissionsOf(dir / "from-link"), 0755u);
    EXPECT_EQ(ReadFile(dir / "from-link"), "#!/bin/sh\n");
}

TEST(FSCopy, FullDiskIsTellableFromOtherFailures)
{
    ScratchDir dir;
    LogCapture log(dir);
    WriteFile(dir / "src", Bytes(20000));

    errno = 0;
    EXPECT_EQ(FSCopy(dir / "src", "/dev/full", true, false), -2);
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(log.Count("ERROR", "CopyFile: write: No space left on device (28)"), 1);
    EXPECT_TRUE(IsFileExist(dir / "src", true)) << "source removed after a failed copy";

    EXPECT_EQ(FSCopy(dir / "missing", dir / "dst", false, false), -1);
    EXPECT_EQ(log.Count("ERROR", "CopyFile: open(" + (dir / "missing") + "): No such file or directory (2)"), 1);
    EXPECT_EQ(FSCopy(dir / "src", dir / "no/dst", false, false), -1);
    EXPECT_EQ(log.Count("ERROR", "CopyFile: open(" + (dir / "no/dst") + "): No such file or directory (2)"), 1);
    EXPECT_EQ(FSCopy(dir.path(), dir / "dst", false, false), -1);
    EXPECT_EQ(log.Count("ERROR", "CopyFile: read: Is a directory (21)"), 1);
}
