// Starting the private copy through its start script.
#include "service_test_support.h"

TEST_F(ServiceTest, PostUpgradeRunsTheStartScript)
{
    const std::pair<const char*, bool> cases[] = {{"/my home", true}, {"/script missing", false}};
    for (const auto& [base, script] : cases) {
        SCOPED_TRACE(base);
        RegisterUserPaths(tmp + base);
        WriteFile(app_dir + "/package/unrelated", "");
        if (script) {
            // A failing status must not matter either.
            WriteFile(app_dir + "/package/start-stop",
                      "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/marker\"\nexit 3\n", 0755);
        }

        LinuxService().PostUpgrade();

        EXPECT_EQ(ReadFile(app_dir + "/package/marker"), script ? "start|" : "");
    }
}
