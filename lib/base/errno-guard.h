// Keeps errno across logging and clean-up, so that callers read the errno of
// the call that failed rather than that of a log write or a close. Saves errno
// when made and puts it back when it goes out of scope; restore() puts it back
// earlier, for a "%m" or a check further on.
#pragma once

#include <cerrno>

class ErrnoGuard {
public:
    ErrnoGuard() : saved_(errno) {}
    ~ErrnoGuard() { restore(); }
    ErrnoGuard(const ErrnoGuard&) = delete;
    ErrnoGuard& operator=(const ErrnoGuard&) = delete;

    int saved() const { return saved_; }
    void restore() const { errno = saved_; }

private:
    const int saved_;
};
