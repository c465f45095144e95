// The file operations on real files: results, errno and the ERROR records.
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "child_process.h"
#include "file-op.h"
#include "files.h"
#include "log_records.h"

static mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

static void MakeTree(const std::string& root)
{
    WriteFile(root + "/top", "top");
    WriteFile(root + "/sub/inner", "inner", 0755);
    mkdir((root + "/sub/empty").c_str(), 0755);
}

// Types come from the listing; size and time only on request.
TEST(DirEnum, ListsTypesAndDetailsOnRequest)
{
    ScratchDir dir;
    WriteFile(dir / "file", "12345");
    symlink("file", (dir / "link").c_str());
    ASSERT_EQ(FSUTime(dir / "file", 1000, 1000), 0);
    for (const int flag : {0, 1}) {
        std::map<std::string, DIR_ENTRY> listed;
        DIR_HANDLE dh;
        ASSERT_EQ(FSOpenDir(dir.path(), flag, dh), 0);
        for (DIR_ENTRY entry; FSReadDir(dh, entry) == 1;) {
            listed[entry.name] = entry;
        }
        FSCloseDir(dh);
        const DIR_ENTRY &file = listed["file"], &link = listed["link"];
        EXPECT_TRUE(listed.size() == 4 && listed[".."].type == FT_DIR && file.type == FT_FILE && link.type == FT_SLINK);
        EXPECT_EQ(file.size + file.mtime, flag ? 1005u : 0u);
    }
}

TEST(FSMKDir, CreatesOrRefusesAsTheCallerExpects)
{
    umask(022);
    ScratchDir dir;
    WriteFile(dir / "file", "");
    symlink("/tmp", (dir / "link").c_str());
    symlink("nowhere", (dir / "dangling").c_str());
    // Existing paths are examined without following links. error 0: not
    // checked; logged: the ERROR records, '|' standing for the path.
    struct Case { std::string path; bool createParents; int result, error; std::string logged; };
    for (const Case& c : {Case{".", false, 0, 0, ""}, Case{"new/b/c", true, 0, 0, ""}, Case{"slash/b/", true, 0, 0, ""},
                          Case{"file", true, -1, 0, "FSMKDir: Create a folder but local file system is not directory '|' (1)"},
                          Case{"link", true, -1, 0, "FSMKDir: Create a folder but local file system is not directory '|' (3)"},
                          Case{"file/y", true, -1, ENOTDIR, "FSMKDir: Failed to to file info '|'"},
                          Case{"dangling/x", true, -2, EEXIST, "path = | errno : File exists"},
                          Case{"p/x", false, -2, ENOENT, "path = | errno : No such file or directory"}, Case{"", true, -1, 0, ""}}) {
        ScratchDir logs;
        LogCapture log(logs.path());
        const std::string path = c.path.empty() ? "" : dir / c.path;
        errno = 0;
        EXPECT_EQ(FSMKDir(path, c.createParents), c.result) << c.path;
        EXPECT_TRUE((c.error == 0 || errno == c.error) && (c.result != 0 || ModeOf(path) == (S_IFDIR | 0755))) << c.path;
        const size_t bar = c.logged.find('|');
        EXPECT_EQ(log.Messages("ERROR"), c.logged.empty() ? std::vector<std::string>{} : std::vector<std::string>{
                                             c.logged.substr(0, bar) + path + c.logged.substr(bar + 1)});
    }
}

// A full disk is told apart from other failures, a FIFO is refused without
// blocking, the side that failed to open is named, and the source stays.
TEST(FSCopy, FailuresNameTheirCauseAndKeepTheSource)
{
    ScratchDir dir;
    WriteFile(dir / "src", std::string(20000, 'x'));
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    LogCapture log(dir.path());
    struct Case { std::string src, dst; int result; std::string logged; };
    for (const Case& c : {Case{dir / "src", "/dev/full", -2, "write: No space left on device (28)"},
                          Case{dir / "fifo", dir / "dst", -1, "open(" + (dir / "fifo") + "): Invalid argument (22)"},
                          Case{dir / "src", dir / "no/dst", -1, "open(" + (dir / "no/dst") + "): No such file or directory (2)"}}) {
        EXPECT_EQ(FSCopy(c.src, c.dst, true, false), c.result) << c.src;
        EXPECT_EQ(log.Count("ERROR", "CopyFile: " + c.logged), 1) << c.logged;
    }
    EXPECT_TRUE(errno == ENOENT && IsFileExist(dir / "src", true) && !IsFileExist(dir / "dst", true));
}

// Results callers tell apart (bad arguments, nothing there, a failure) and parent
// paths; a link goes, never its target; a tree past the descriptor limit goes whole.
TEST(FileTree, RenameAndRemoveResults)
{
    ScratchDir dir;
    MakeTree(dir / "tree");
    WriteFile(dir / "kept/file", "x");
    symlink("../../kept", (dir / "tree/sub/link-to-kept").c_str());
    symlink("kept", (dir / "link").c_str());
    std::string deepest = dir / "tree/sub/empty";
    for (int level = 0; level < 200; ++level) {
        ASSERT_EQ(mkdir((deepest += "/d").c_str(), 0755), 0);
    }
    EXPECT_EQ((std::vector<int>{FSRename("", dir / "x", true), FSRename(dir / "tree/top", "", true),
                                FSRename(dir / "missing", dir / "x", true), FSRename(dir / "tree/top", dir / "no/x", true),
                                FSRename(dir / "tree/top", dir / std::string(300, 'n'), true), FSRemove(dir / "missing", false),
                                FSRemove("", false), FSRemove(dir / "tree/top/x", false), FSRemove(dir / "link", false)}),
              (std::vector<int>{-1, -1, -2, -3, -100, 0, -1, -1, 0}));
    EXPECT_EQ(FSParentPath("/a/b") + " " + FSParentPath("/a") + " " + FSParentPath("abc"), "/a / /");
    const struct rlimit few = {32, 32};
    EXPECT_EQ(RunInChild([&] { return setrlimit(RLIMIT_NOFILE, &few) == 0 ? FSRemove(dir / "tree", false) : 1; }).status, 0);
    EXPECT_TRUE(ReadFile(dir / "kept/file") == "x" && !IsFileExist(dir / "link", true) && !IsFileExist(dir / "tree", true));
}

// A file system mounted in the tree, even a bind mount of the same one (same
// device), is left whole and fails the removal; in a child's own mount namespace.
TEST(FSRemove, MountPointInsideTheTreeIsLeftAlone)
{
    SKIP_UNLESS_ROOT();
    for (const bool bind : {false, true}) {
        ScratchDir dir;
        MakeTree(dir / "tree");
        const std::string mountPoint = dir / "tree/sub/mounted";
        ASSERT_EQ(mkdir(mountPoint.c_str(), 0755) | mkdir((dir / "bound").c_str(), 0755), 0);
        const ChildResult child = RunInChild([&] {
            if (!EnterPrivateMountNamespace() ||
                (bind ? mount((dir / "bound").c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr)
                      : mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=1m")) != 0) {
                return kNoPrivateMounts;
            }
            WriteFile(mountPoint + "/kept", "x");
            return FSRemove(dir / "tree", false) != -3 ? 1 : ReadFile(mountPoint + "/kept") == "x" ? 0 : 2;
        });
        if (child.status == kNoPrivateMounts) {
            GTEST_SKIP() << "no private mount namespace here";
        }
        EXPECT_EQ(child.status, 0) << (bind ? "bind mount" : "tmpfs");
    }
}

// A folder that cannot be listed is no empty folder: reporting it removed
// would let a caller go on as if what it holds were gone.
TEST(FSRemove, UnlistableFolderIsNotReportedRemoved)
{
    SKIP_UNLESS_ROOT();
    ScratchDir dir;
    const std::string locked = dir / "locked";
    ASSERT_EQ(mkdir(locked.c_str(), 0300) | chown(locked.c_str(), 65534, 65534) | chmod(dir.path().c_str(), 0777), 0);
    EXPECT_EQ(RunInChild([&] { return FSRemove(locked, false); }, true).status, -3);
    EXPECT_TRUE(IsFileExist(locked, true));
}
