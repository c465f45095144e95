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
#include <string>

#include "child_process.h"
#include "platform-choice.h"

namespace {

// A listening socket, closed with the object.
class Listener {
public:
    explicit Listener(const std::string& unixPath)
        : m_fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, unixPath.c_str(), sizeof(address.sun_path) - 1);
        m_listening = bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 && listen(m_fd, 4) == 0;
    }
    // A loopback TCP port between 6050 and 6099 (X displays 50 to 99).
    Listener()
        : m_fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        for (int display = 50; display < 100 && !m_listening; ++display) {
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(uint16_t(6000 + display));
            m_listening = bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 && listen(m_fd, 4) == 0;
            m_display = display;
        }
    }
    ~Listener() { close(m_fd); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    bool listening() const { return m_listening; }
    int display() const { return m_display; }

private:
    int m_fd;
    bool m_listening = false;
    int m_display = -1;
};

TEST(PlatformChoiceTest, only_displays_that_answer_are_offered_and_offscreen_ends_the_list)
{
    ScratchDir runtime;
    const Listener wayland(runtime / "wayland-live");
    const Listener x;
    ASSERT_TRUE(wayland.listening() && x.listening());
    const QByteArray liveX = "127.0.0.1:" + QByteArray::number(x.display());
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
