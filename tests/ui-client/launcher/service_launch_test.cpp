// Starting the private copy through its start script.
#include <filesystem>

#include "service_test_support.h"

TEST_F(ServiceTest, PostUpgradeRunsTheStartScript)
{
    struct Case {
        const char* name;
        const char* base;  // below the test's folder
        bool script;
    };
    const Case cases[] = {
        {"plain_path", "/home", true},
        {"blank_in_path", "/my home", true},
        {"script_missing", "/other", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegisterUserPaths(tmp + c.base);
        const std::string script = app_dir + "/package/start-stop";
        const std::string marker = app_dir + "/package/marker";
        std::filesystem::create_directories(app_dir + "/package");
        if (c.script) {
            // A failing status must not matter either.
            WriteFile(script, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/marker\"\nexit 3\n", 0755);
        }

        LinuxService().PostUpgrade();

        EXPECT_EQ(ReadFile(marker), c.script ? std::optional<std::string>("start|") : std::nullopt);
    }
}
