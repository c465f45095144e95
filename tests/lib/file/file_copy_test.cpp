#include "file-deploy.h"
#include "file-op.h"
#include "../test_support.h"

static std::string Bytes(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 8192) & 0xFF);
    }
    return bytes;
}

static mode_t PermissionsOf(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(FSCopy, CopiesEveryByteAcrossBufferBoundaries)
{
    struct Case { const char* name; size_t size; bool deleteOrigin; };
    const Case cases[] = {{"empty", 0, false}, {"empty_moved", 0, true}, {"one_buffer", 8192, false},
                          {"one_byte_past_buffer", 8193, true}, {"many_buffers", 300001, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        UmaskGuard mask(022);
        WriteFile(dir / "src", Bytes(c.size), 0700);
        ASSERT_EQ(FSCopy(dir / "src", dir / "dst", c.deleteOrigin, false), 0);
        EXPECT_EQ(ReadFile(dir / "dst"), Bytes(c.size));
        EXPECT_EQ(PermissionsOf(dir / "dst"), 0644u);
        EXPECT_EQ(IsFileExist(dir / "src", true), !c.deleteOrigin);
    }
}

// A link lends its own 0777 (less the umask), not the 0750 of the bytes it leads to.
TEST(FSCopy, PermissionComesFromTheSourceItself)
{
    ScratchDir dir;
    UmaskGuard mask(022);
    WriteFile(dir / "script", "#!/bin/sh\n", 0750);
    symlink("script", (dir / "link").c_str());
    ASSERT_EQ(FSCopy(dir / "script", dir / "from-file", false, true) | FSCopy(dir / "link", dir / "from-link", false, true), 0);
    EXPECT_EQ(PermissionsOf(dir / "from-file"), 0750u);
    EXPECT_EQ(PermissionsOf(dir / "from-link"), 0755u);
    EXPECT_EQ(ReadFile(dir / "from-link"), "#!/bin/sh\n");
}

TEST(FSCopy, FullDiskIsTellableFromOtherFailures)
{
    ScratchDir dir;
    LogCapture log(dir.path());
    WriteFile(dir / "src", Bytes(20000));
    errno = 0;
    EXPECT_EQ(FSCopy(dir / "src", "/dev/full", true, false), -2);
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(log.Count("ERROR", "CopyFile: write: No space left on device (28)"), 1);
    EXPECT_TRUE(IsFileExist(dir / "src", true)) << "source removed after a failed copy";

    struct Case { const char* name; std::string from, to, logged; };
    const Case cases[] = {{"missing_source", dir / "missing", dir / "dst", "open(" + (dir / "missing") + "): No such file"},
                          {"missing_target_folder", dir / "src", dir / "no/dst", "open(" + (dir / "no/dst") + "): No such file"},
                          {"source_is_a_folder", dir.path(), dir / "dst", "open(" + dir.path() + "): Is a directory (21)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FSCopy(c.from, c.to, false, false), -1);
        EXPECT_EQ(log.Count("ERROR", "CopyFile: " + c.logged), 1);
    }
}

// Every way the bytes can travel: copy_file_range on one file system, and the
// read/write fall-back where it refuses (tmpfs to another file system), with
// each byte counted once for the progress bar.
TEST(FSCopyFileData, CopiesAndCountsEveryByteOnAndAcrossFileSystems)
{
    ScratchDir dir;
    ScratchDir other("/dev/shm");
    const size_t size = (9u << 20) + 3;  // past one 8 MiB chunk
    WriteFile(dir / "src", Bytes(size), 0750);
    for (const std::string& target : {dir / "dst", other / "dst"}) {
        SCOPED_TRACE(target);
        uint64_t counted = 0;
        COPY_FAILURE failure;
        ASSERT_EQ(FSCopyFileData(dir / "src", target, CF_MODE_OF_SOURCE, 0, failure,
                                 [&counted](uint64_t bytes) { counted += bytes; }),
                  0);
        EXPECT_EQ(counted, size);
        EXPECT_EQ(ReadFile(target), Bytes(size));
        EXPECT_EQ(PermissionsOf(target) & 0700, 0700u);
    }
}

// Refused at once and blamed on the source: a FIFO must not block the copy,
// and a link is only followed when asked.
TEST(FSCopyFileData, RefusesWhatIsNoRegularFileWithoutBlocking)
{
    ScratchDir dir;
    WriteFile(dir / "file", "x");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    ASSERT_EQ(symlink("file", (dir / "link").c_str()), 0);
    struct Case { const char* name; std::string src; int flags; int error; };
    const Case cases[] = {{"fifo", dir / "fifo", 0, EINVAL},
                          {"device", "/dev/null", CF_FOLLOW_LINK, EINVAL},
                          {"folder", dir.path(), 0, EISDIR},
                          {"link_not_followed", dir / "link", 0, ELOOP}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COPY_FAILURE failure;
        EXPECT_EQ(FSCopyFileData(c.src, dir / "dst", c.flags, 0644, failure), -1);
        EXPECT_EQ(failure.side, CS_SOURCE);
        EXPECT_EQ(failure.error, c.error);
        EXPECT_FALSE(IsFileExist(dir / "dst", true));
    }
    COPY_FAILURE failure;
    EXPECT_EQ(FSCopyFileData(dir / "link", dir / "dst", CF_FOLLOW_LINK, 0644, failure), 0);
    EXPECT_EQ(ReadFile(dir / "dst"), "x");
}
