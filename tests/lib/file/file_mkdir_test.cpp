#include "file-op.h"
#include "../test_support.h"

TEST(FSMKDir, CreatesOrRefusesAsTheCallerExpects)
{
    using Setup = std::function<void(const ScratchDir&)>;
    const Setup none = [](const ScratchDir&) {};
    const Setup file = [](const ScratchDir& d) { WriteFile(d / "x", ""); };
    const Setup folder = [](const ScratchDir& d) { mkdir((d / "x").c_str(), 0700); };
    const Setup linkToFolder = [](const ScratchDir& d) { mkdir((d / "real").c_str(), 0700); symlink("real", (d / "x").c_str()); };
    const Setup danglingInMiddle = [](const ScratchDir& d) { mkdir((d / "a").c_str(), 0755); symlink("nowhere", (d / "a/d").c_str()); };
    // error 0: not checked; logged: the one ERROR record, '|' standing for the full path, "": none.
    struct Case { const char* name; Setup setup; std::string path; bool createParents; int result, error;
                  std::string logged; std::vector<std::string> created; };
    const Case cases[] = {
        {"existing_folder", folder, "x", false, 0, 0, "", {}},
        {"existing_file", file, "x", true, -1, 0, "not directory '|' (1)", {}},
        {"link_to_folder", linkToFolder, "x", true, -1, 0, "not directory '|' (3)", {}},
        {"all_levels", none, "a/b/c", true, 0, 0, "", {"a", "a/b", "a/b/c"}},
        {"trailing_slash", none, "a/b/", true, 0, 0, "", {"a", "a/b"}},
        {"path_through_file", file, "x/y", true, -1, ENOTDIR, "FSMKDir: Failed to to file info '|'", {}},
        {"dangling_link_in_middle", danglingInMiddle, "a/d/x", true, -2, EEXIST, "path = | errno : File exists", {}},
        {"missing_parent", none, "p/x", false, -2, ENOENT, "path = | errno : No such file or directory", {}},
        {"empty_path", none, "", true, -1, 0, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        LogCapture log(dir.path());
        UmaskGuard mask(022);
        c.setup(dir);
        const std::string path = c.path.empty() ? "" : dir / c.path;
        errno = 0;
        EXPECT_EQ(FSMKDir(path, c.createParents), c.result);
        EXPECT_TRUE(c.error == 0 || errno == c.error) << errno;
        EXPECT_EQ(log.Count("ERROR", ""), c.logged.empty() ? 0 : 1);
        const size_t bar = c.logged.find('|');
        if (bar != std::string::npos) {
            EXPECT_EQ(log.Count("ERROR", c.logged.substr(0, bar) + path + c.logged.substr(bar + 1)), 1);
        }
        for (const std::string& level : c.created) {
            struct stat st {};
            EXPECT_EQ(lstat((dir / level).c_str(), &st), 0) << level;
            EXPECT_EQ(st.st_mode, static_cast<mode_t>(S_IFDIR | 0755)) << level;
        }
    }
}
