#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include "file-op.h"
#include "../test_support.h"

static void MakeTree(const std::string& root)
{
    mkdir(root.c_str(), 0755);
    mkdir((root + "/sub").c_str(), 0755);
    mkdir((root + "/sub/empty").c_str(), 0755);
    WriteFile(root + "/top", "top");
    WriteFile(root + "/sub/inner", "inner", 0755);
}

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
    ScratchDir local(BUILD_FOLDER);
    ScratchDir shm("/dev/shm");
    struct stat localStat {}, shmStat {};
    ASSERT_EQ(stat(local.path().c_str(), &localStat) | stat(shm.path().c_str(), &shmStat), 0);
    if (localStat.st_dev == shmStat.st_dev) {
        GTEST_SKIP() << local.path() << " and /dev/shm are on one device: no cross-device move possible";
    }
    LogCapture log(local.path());
    UmaskGuard mask(022);
    WriteFile(local / "tool", "#!/bin/sh\n", 0755);
    ASSERT_EQ(FSRename(local / "tool", shm / "tool", true), 0);
    EXPECT_FALSE(IsFileExist(local / "tool", true));
    EXPECT_EQ(ReadFile(shm / "tool"), "#!/bin/sh\n");
    ASSERT_EQ(stat((shm / "tool").c_str(), &shmStat), 0);
    EXPECT_EQ(shmStat.st_mode & 07777, 0644u) << "a moved file does not keep its permissions";
    EXPECT_EQ(log.Count("DEBUG", "rename failed: " + (local / "tool") + " -> " + (shm / "tool") +
                                     ", Invalid cross-device link (18)"), 1);

    MakeTree(local / "tree");
    ASSERT_EQ(FSRename(local / "tree", shm / "tree", true), 0);
    EXPECT_FALSE(IsFileExist(local / "tree", true));
    EXPECT_EQ(ReadFile(shm / "tree/top") + ReadFile(shm / "tree/sub/inner"), "topinner");
    EXPECT_TRUE(std::filesystem::is_directory(shm / "tree/sub/empty"));

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
    EXPECT_FALSE(IsFileExist(dir / "link", true) || IsFileExist(dir / "tree", true));
    EXPECT_EQ(ReadFile(dir / "kept/file"), "x");
}

// Nothing is removed where nothing can be listed, not even an empty folder in
// a writable parent; a file in a parent nobody may write stays too.
TEST(FSRemove, UnlistableFolderIsNotReportedRemoved)
{
    SKIP_UNLESS_ROOT();
    ScratchDir dir;
    const std::string locked = dir / "locked";
    ASSERT_EQ(mkdir(locked.c_str(), 0300) | chown(locked.c_str(), 65534, 65534) | chmod(dir.path().c_str(), 0777), 0);
    EXPECT_EQ(RunInChild([&] { return FSRemove(locked, false); }, true).status, -3);
    EXPECT_TRUE(IsFileExist(locked, true));

    WriteFile(dir / "file", "x");
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(RunInChild([&] { return FSRemove(dir / "file", false); }, true).status, -3);
    EXPECT_TRUE(IsFileExist(dir / "file", true));
}

// A tree far deeper than the descriptors a process may hold is removed whole.
TEST(FSRemove, DepthIsNotBoundByTheDescriptorLimit)
{
    ScratchDir dir;
    std::string deepest = dir / "tree";
    for (int level = 0; level < 200; ++level, deepest += "/d") {
        ASSERT_EQ(mkdir(deepest.c_str(), 0755), 0);
    }
    WriteFile(deepest + "file", "x");
    const ChildResult child = RunInChild([&] {
        const struct rlimit few = {32, 32};
        setrlimit(RLIMIT_NOFILE, &few);
        return FSRemove(dir / "tree", false);
    });
    EXPECT_EQ(child.status, 0);
    EXPECT_FALSE(IsFileExist(dir / "tree", true));
}

// A file system mounted inside the tree is left whole and the removal fails,
// also a bind mount of the tree's own file system, which has the same device
// number; in a private mount namespace, so nothing outside the child sees it.
TEST(FSRemove, MountPointInsideTheTreeIsLeftAlone)
{
    SKIP_UNLESS_ROOT();
    struct Case { const char* name; bool bind; };
    const Case cases[] = {{"tmpfs", false}, {"bind_mount_of_the_same_file_system", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        MakeTree(dir / "tree");
        const std::string mountPoint = dir / "tree/sub/mounted";
        ASSERT_EQ(mkdir(mountPoint.c_str(), 0755) | mkdir((dir / "bound").c_str(), 0755), 0);
        constexpr int kCannotMount = 50;
        const ChildResult child = RunInChild([&] {
            const bool mounted =
                unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                (c.bind ? mount((dir / "bound").c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr)
                        : mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=1m")) == 0;
            if (!mounted) {
                return kCannotMount;
            }
            std::ofstream(mountPoint + "/kept") << "x";
            const int result = FSRemove(dir / "tree", false);
            return result != -3 ? 1 : ReadFile(mountPoint + "/kept") == "x" ? 0 : 2;
        });
        if (child.status == kCannotMount) {
            GTEST_SKIP() << "mounting is not allowed here (no private mount namespace)";
        }
        EXPECT_EQ(child.status, 0);
    }
}
