// A second start while the first launcher still runs must leave at once.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "e2e_fixture.h"

using testing::Contains;
using testing::ElementsAre;

namespace launcher_test {
namespace {

bool WaitForFile(const std::string& path, std::chrono::seconds deadline)
{
    const auto giveUp = std::chrono::steady_clock::now() + deadline;
    while (!Exists(path)) {
        if (std::chrono::steady_clock::now() > giveUp) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// A FIFO the staged start script blocks on; released at the latest when the
// test ends, so no script is left waiting whatever failed.
class Hold {
public:
    explicit Hold(const std::string& path)
        : m_path(path)
    {
        m_made = mkfifo(path.c_str(), 0600) == 0;
    }
    ~Hold()
    {
        if (!m_released) {
            Release(std::chrono::seconds(1));
        }
    }
    bool made() const { return m_made; }
    // True when a waiting script got its line within the patience given.
    bool Release(std::chrono::milliseconds patience)
    {
        const auto giveUp = std::chrono::steady_clock::now() + patience;
        int fd;
        // Opening fails until the script has opened its end.
        while ((fd = open(m_path.c_str(), O_WRONLY | O_NONBLOCK)) < 0) {
            if (std::chrono::steady_clock::now() > giveUp) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_released = write(fd, "go\n", 3) == 3;
        close(fd);
        return m_released;
    }

private:
    std::string m_path;
    bool m_made = false;
    bool m_released = false;
};

using SingleInstanceTest = E2eTest;

TEST_F(SingleInstanceTest, second_start_exits_at_once_and_touches_nothing)
{
    StagePackage(root, 1300, true);
    StagePrivateCopy(home, 1300);
    // The first instance's start script waits on this, holding the guard.
    Hold hold(home + "/hold");
    ASSERT_TRUE(hold.made());
    LauncherProcess first(root, home, runtime, tmp.path() + "/first");
    ASSERT_TRUE(WaitForFile(home + "/start-calls", std::chrono::seconds(20)));
    // Would be removed again by any run of the service.
    WriteFile(home + "/.Hollowmere/app/bin/old", "legacy");

    const auto started = std::chrono::steady_clock::now();
    const LauncherResult second = RunLauncher(root, home, runtime, tmp.path() + "/second");
    const auto took = std::chrono::steady_clock::now() - started;

    ASSERT_TRUE(hold.Release(std::chrono::seconds(10)));
    const LauncherResult firstResult = first.Wait();

    ASSERT_TRUE(second.exited);
    EXPECT_EQ(second.status, 0);
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_TRUE(Exists(home + "/.Hollowmere/app/bin/old"));
    ASSERT_TRUE(firstResult.exited);
    EXPECT_EQ(firstResult.status, 0);
    EXPECT_EQ(StartCalls(), "start by copy 1300\n");
    const std::vector<std::string> debug = Messages(Log(), "DEBUG");
    EXPECT_EQ(std::count(debug.begin(), debug.end(), "app has already launched, return"), 1);
    EXPECT_EQ(std::count(debug.begin(), debug.end(), "running"), 1);
}

}  // namespace
}  // namespace launcher_test
