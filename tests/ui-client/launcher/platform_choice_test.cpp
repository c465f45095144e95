// The platform list offered to Qt: only displays that accept a connection,
// always ending with offscreen, and none when no window is wanted. Live
// displays are stood in for by sockets the test listens on: a Wayland socket
// in a scratch runtime folder, a TCP X display on the loopback and an X
// display by its abstract name.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "child_process.h"
#include "loopback_listener.h"
#include "platform-choice.h"

namespace {

// A listening socket at path, or at the abstract name path; -1 when taken.
int ListenUnix(const std::string& path, bool abstractName)
{
    sockaddr_un address{AF_UNIX, {}};
    const size_t offset = abstractName ? 1 : 0;
    if (path.size() + 1 > sizeof address.sun_path - offset) {
        return -1;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstractName ? 0 : 1));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd, 4) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

TEST(PlatformChoiceTest, only_displays_that_answer_are_offered_and_offscreen_ends_the_list)
{
    ScratchDir runtime;
    const int wayland = ListenUnix(runtime / "wayland-live", false);
    ASSERT_GE(wayland, 0);
    const LoopbackListener x(6050);  // X display 50 or the first free one after it
    ASSERT_GT(x.Port(), 0);
    const QByteArray liveX = "127.0.0.1:" + QByteArray::number(x.Port() - 6000);
    const QByteArray dir = QByteArray::fromStdString(runtime.path());
    // An X server seen only by its abstract socket, as where /tmp is private
    // to the session: the first display number whose abstract name is free.
    int abstractNumber = 70, abstractX = -1;
    while (abstractNumber < 100 && (abstractX = ListenUnix("/tmp/.X11-unix/X" + std::to_string(abstractNumber), true)) < 0) {
        ++abstractNumber;
    }
    ASSERT_GE(abstractX, 0);

    struct Case {
        const char* name;
        DisplayEnvironment environment;
        const char* expected;
        bool windowWanted = true;
    };
    const Case cases[] = {
        {"nothing_set", {"", "", "", dir}, "offscreen"},
        {"live_x_display", {"", liveX, "", dir}, "xcb;offscreen"},
        {"x_display_with_screen_number", {"", liveX + ".0", "", dir}, "xcb;offscreen"},
        {"abstract_only_x_display", {"", ":" + QByteArray::number(abstractNumber), "", dir}, "xcb;offscreen"},
        {"dead_x_display", {"", "127.0.0.1:49", "", dir}, "offscreen"},
        {"malformed_x_display", {"", "nonsense", "", dir}, "offscreen"},
        {"live_wayland_only", {"", "", "wayland-live", dir}, "wayland;offscreen"},
        {"wayland_named_by_absolute_path", {"", "", dir + "/wayland-live", ""}, "wayland;offscreen"},
        {"dead_wayland", {"", "", "wayland-dead", dir}, "offscreen"},
        {"wayland_without_runtime_folder", {"", "", "wayland-live", ""}, "offscreen"},
        {"both_live_x_first", {"", liveX, "wayland-live", dir}, "xcb;wayland;offscreen"},
        {"wayland_asked_for_and_dead", {"wayland", "", "wayland-dead", dir}, "offscreen"},
        {"wayland_asked_for_and_live", {"wayland", liveX, "wayland-live", dir}, "wayland;offscreen"},
        {"xcb_asked_for_and_dead", {"xcb", "127.0.0.1:49", "", dir}, "offscreen"},
        {"list_asked_for_keeps_its_order", {"wayland;xcb", liveX, "wayland-live", dir}, "wayland;xcb;offscreen"},
        {"other_plugin_kept", {"vnc:size=800x600", "", "", dir}, "vnc:size=800x600;offscreen"},
        {"offscreen_asked_for", {"offscreen", liveX, "", dir}, "offscreen"},
        {"no_window_wanted_no_display_tried", {"xcb", liveX, "wayland-live", dir}, "offscreen", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        x.Connections();  // the probes of earlier rows
        EXPECT_EQ(ChoosePlatforms(c.environment, c.windowWanted).toStdString(), c.expected);
        EXPECT_TRUE(c.windowWanted || x.Connections() == 0) << "a display was probed for nothing";
    }
    close(wayland);
    close(abstractX);
}

}  // namespace
