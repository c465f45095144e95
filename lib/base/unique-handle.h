// One owner for every kind of handle the program opens: descriptors, directory
// streams, FILE streams, libarchive handles. The handle is closed on every way
// out of a scope, once, and closing keeps errno, because callers read the
// errno of the call that failed, not of the clean-up. The close result is
// dropped: a caller that must see it takes the handle with release().
//
//   using ArchiveReader = UniqueHandle<archive*, archive_read_free, nullptr>;
#pragma once

#include <utility>

#include "errno-guard.h"

template <typename Handle, auto Close, Handle Invalid>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    bool valid() const { return handle_ != Invalid; }

    // Hands the handle over; this owner then holds nothing.
    Handle release() { return std::exchange(handle_, Invalid); }

    // Closes what is held, if anything, and takes handle instead.
    void reset(Handle handle = Invalid)
    {
        const Handle old = std::exchange(handle_, handle);
        if (old != Invalid) {
            const ErrnoGuard keepErrno;
            Close(old);
        }
    }

private:
    Handle handle_ = Invalid;
};
