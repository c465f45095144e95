// The platform list offered to Qt: only displays that accept a connection,
// always ending with offscreen. Live displays are stood in for by sockets the
// test listens on: a Wayland socket in a scratch runtime folder and a TCP X
// display on the loopback.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <string>

#include "child_process.h"
#include "platform-choice.h"

namespace {

// A listening socket on address, closed with the object.
struct Listener {
    template <typename Address>
    Listener(int family, Address address) : fd(socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        listening = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 && listen(fd, 4) == 0;
    }
    ~Listener() { close(fd); }
    const int fd;
    bool listening = false;
};

TEST(PlatformChoiceTest, only_displays_that_answer_are_offered_and_offscreen_ends_the_list)
{
    ScratchDir runtime;
    sockaddr_un unixAddress{AF_UNIX, {}};
    std::strncpy(unixAddress.sun_path, (runtime / "wayland-live").c_str(), sizeof(unixAddress.sun_path) - 1);
    const Listener wayland(AF_UNIX, unixAddress);
    std::unique_ptr<Listener> x;  // on the first free port of X displays 50 to 99
    int display = 50;
    for (; display < 100 && !(x && x->listening); ++display) {
        x = std::make_unique<Listener>(AF_INET, sockaddr_in{AF_INET, htons(uint16_t(6000 + display)), {htonl(INADDR_LOOPBACK)}, {}});
    }
    ASSERT_TRUE(wayland.listening && x->listening);
    const QByteArray liveX = "127.0.0.1:" + QByteArray::number(display - 1);
    const QByteArray dir = QByteArray::fromStdString(runtime.path());

    struct Case {
        const char* name;
        DisplayEnvironment environment;
        const char* expected;
    };
    const Case cases[] = {
        {"nothing_set", {"", "", "", dir}, "offscreen"},
        {"live_x_display", {"", liveX, "", dir}, "xcb;offscreen"},
        {"x_display_with_screen_number", {"", liveX + ".0", "", dir}, "xcb;offscreen"},
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChoosePlatforms(c.environment).toStdString(), c.expected);
    }
}

}  // namespace
