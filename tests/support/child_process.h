// Runs a piece of a test in a forked child, optionally as the unprivileged
// user 65534, with its standard error captured. Cases that check what an
// ordinary user is refused can only drop privileges when the suite runs as
// root; elsewhere they skip with SKIP_UNLESS_ROOT instead of failing.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

constexpr uid_t kUnprivilegedId = 65534;

bool CanDropPrivileges();

#define SKIP_UNLESS_ROOT()                                                                              \
    do {                                                                                                \
        if (!CanDropPrivileges()) {                                                                     \
            GTEST_SKIP() << "not run as root: this case drops to uid 65534 to be refused access";      \
        }                                                                                               \
    } while (0)

// status: body's result as a signed byte; -1000: body did not run to its end
// (the privilege drop failed, or the child died of a signal).
struct ChildResult {
    int status = -1000;
    std::string stderr_text;
};

// Runs body in a forked child, as uid/gid 65534 when unprivileged. Buffered
// standard streams are flushed first so the child does not write them twice.
ChildResult RunInChild(const std::function<int()>& body, bool unprivileged = false);

// Moves this process into a mount namespace of its own, so that what it
// mounts stays its own; false where the machine does not allow that. A child
// that gets false ends with kNoPrivateMounts, for its parent to skip on.
bool EnterPrivateMountNamespace();
constexpr int kNoPrivateMounts = 50;

// A fresh folder under /tmp, removed with all it holds (links not followed).
// Mode 0755 and outside the checkout, which may sit in a home only its owner
// can enter, so a child that dropped privileges can reach it.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& base = "/tmp");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};
