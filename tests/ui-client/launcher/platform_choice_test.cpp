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

TEST(PlatformChoiceTest, only_displays_that_answer_are_offered_and_offscreen_ends_the_list)
{
    ScratchDir runtime;
    sockaddr_un unixAddress{AF_UNIX, {}};
    std::strncpy(unixAddress.sun_path, (runtime / "wayland-live").c_str(), sizeof(unixAddress.sun_path) - 1);
    const int wayland = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_EQ(bind(wayland, reinterpret_cast<sockaddr*>(&unixAddress), sizeof unixAddress) | listen(wayland, 4), 0);
    const LoopbackListener x(6050);  // X display 50 or the first free one after it
    ASSERT_GT(x.Port(), 0);
    const QByteArray liveX = "127.0.0.1:" + QByteArray::number(x.Port() - 6000);
    const QByteArray dir = QByteArray::fromStdString(runtime.path());
    // An X server seen only by its abstract socket, as where /tmp is private
    // to the session: the first display number whose abstract name is free.
    const int abstractX = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int abstractNumber = 70;
    for (sockaddr_un address{AF_UNIX, {}}; abstractNumber < 100; ++abstractNumber) {
        const std::string name = "/tmp/.X11-unix/X" + std::to_string(abstractNumber);
        std::memcpy(address.sun_path + 1, name.data(), name.size());
        const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        if (bind(abstractX, reinterpret_cast<sockaddr*>(&address), length) == 0 && listen(abstractX, 4) == 0) {
            break;
        }
    }
    ASSERT_LT(abstractNumber, 100);

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
