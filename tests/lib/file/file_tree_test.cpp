#include <cerrno>

#include <gtest/gtest.h>

#include "file-op.h"
#include "fileop-test-support.h"

using namespace fileop_test;

namespace {

dev_t DeviceOf(const std::string& path)
{
    struct stat st{};
    stat(path.c_str(), &st);
    return st.st_dev;
}

void MakeTree(const std::string& root)
{
    mkdir(root.c_str(), 0755);
    mkdir((root + "/sub").c_str(), 0755);
    mkdir((root + "/sub/empty").c_str(), 0755);
    WriteFile(root + "/top", "top");
    WriteFile(root + "/sub/inner", "inner", 0755);
}

}  // namespace

TEST(FSRename, RefusesBadArguments)
{
    ScratchDir dir;
    WriteFile(dir / "src", "x");
    EXPECT_EQ(FSRename("", dir / "dst", true), -1);
    EXPECT_EQ(FSRename(dir / "src", "", true), -1);
    EXPECT_EQ(FSRename(dir / "missing", dir / "dst", true), -2);
    EXPECT_EQ(FSRename(dir / "src/x", dir / "dst", true), -2);
    EXPECT_EQ(FSRename(dir / "src", dir / std::string(300, 'n'), true), -100);
    EXPECT_EQ(FSRename(dir / "src", dir / "no/dst", true), -3);
    EXPECT_TRUE(IsFileExist(dir / "src", true));

    ASSERT_EQ(FSRename(dir / "src", dir / "dst", true), 0);
    EXPECT_EQ(ReadFile(dir / "dst"), "x");
    EXPECT_FALSE(IsFileExist(dir / "src", true));
}

TEST(FSRename, CrossDeviceFallsBackToCopy)
{
    ScratchDir local;
    ScratchDir shm("/dev/shm");
    if (DeviceOf(local.path()) == DeviceOf(shm.path())) {
        GTEST_SKIP() << local.path() << " and /dev/shm are on one device: no cross-device move possible";
    }
    LogCapture log(local);
    UmaskGuard mask(022);

    WriteFile(local / "tool", "#!/bin/sh\n", 0755);
    ASSERT_EQ(FSRename(local / "tool", shm / "tool", true), 0);
    EXPECT_FALSE(IsFileExist(local / "tool", true));
    EXPECT_EQ(ReadFile(shm / "tool"), "#!/bin/sh\n");
    struct stat st{};
    ASSERT_EQ(stat((shm / "tool").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u) << "a moved file does not keep its permissions";
    EXPECT_EQ(log.Count("DEBUG", "rename failed: " + (local / "tool") + " -> " + (shm / "tool") +
                                     ", Invalid cross-device link (18)"), 1);

    MakeTree(local / "tree");
    ASSERT_EQ(FSRename(local / "tree", shm / "tree", true), 0);
    EXPECT_FALSE(IsFileExist(local / "tree", true));
    EXPECT_EQ(ReadFile(shm / "tree/top"), "top");
    EXPECT_EQ(ReadFile(shm / "tree/sub/inner"), "inner");
    FILE_INFO empty;
    ASSERT_EQ(GetFileInfo(shm / "tree/sub/empty", empty), 0);
    EXPECT_EQ(empty.type, FT_DIR);

    MakeTree(local / "linked");
    symlink("top", (local / "linked/sub/zz-link").c_str());
    EXPECT_EQ(FSRename(local / "linked", shm / "linked", true), -3);
    EXPECT_TRUE(IsFileExist(local / "linked/sub/zz-link", true)) << "a link is never recreated on the other side";
}

TEST(FSRemove, RemovesTreesAndLinksButNeverTheirTargets)
{
    ScratchDir dir;
    MakeTree(dir / "tree");
    mkdir((dir / "kept").c_str(), 0755);
    WriteFile(dir / "kept/file", "x");
    symlink("../kept", (dir / "tree/sub/link-to-kept").c_str());
    symlink("kept", (dir / "link").c_str());

    EXPECT_EQ(FSRemove(dir / "missing", false), 0);
    EXPECT_EQ(FSRemove("", false), -1);
    EXPECT_EQ(FSRemove(dir / "tree/top/x", false), -1);
    EXPECT_EQ(FSRemove(dir / "link", false), 0);
    EXPECT_EQ(FSRemove(dir / "tree", false), 0);
    EXPECT_FALSE(IsFileExist(dir / "link", true));
    EXPECT_FALSE(IsFileExist(dir / "tree", true));
    EXPECT_EQ(ReadFile(dir / "kept/file"), "x");
}

TEST(FSRemove, UnlistableFolderIsNotReportedRemoved)
{
    ScratchDir dir;
    const std::string locked = dir / "locked";
    mkdir(locked.c_str(), 0755);
    WriteFile(locked + "/file", "x");
    chown(locked.c_str(), 65534, 65534);
    chmod(locked.c_str(), 0300);
    EXPECT_EQ(RunAsNobody([&] { return FSRemove(locked, false); }), -3);
    EXPECT_TRUE(IsFileExist(locked + "/file", true));
    // Even an empty one stays: nothing is removed where nothing can be listed.
    const std::string lockedEmpty = dir / "locked-empty";
    mkdir(lockedEmpty.c_str(), 0300);
    chown(lockedEmpty.c_str(), 65534, 65534);
    chmod(dir.path().c_str(), 0777);
    EXPECT_EQ(RunAsNobody([&] { return FSRemove(lockedEmpty, false); }), -3);
    EXPECT_TRUE(IsFileExist(lockedEmpty, true));
    chmod(dir.path().c_str(), 0755);

    chown(locked.c_str(), 0, 0);
    chmod(locked.c_str(), 0755);
    EXPECT_EQ(RunAsNobody([&] { return FSRemove(locked + "/file", false); }), -3) << "parent not writable";
}
