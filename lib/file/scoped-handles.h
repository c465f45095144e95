// Owners for the descriptors and directory streams of the file operations, so
// that every way out of a function closes them. Closing keeps errno, because
// callers read the errno of the call that failed, not of the clean-up.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cerrno>

class ScopedFd {
public:
    explicit ScopedFd(int fd) : fd_(fd) {}
    ~ScopedFd() { reset(); }
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Hands the descriptor over, for a caller that must see close's result.
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

    // The close result is dropped: the operations report read and write
    // failures, never a failed close.
    void reset()
    {
        if (fd_ < 0) {
            return;
        }
        const int savedErrno = errno;
        close(fd_);
        fd_ = -1;
        errno = savedErrno;
    }
    void reset(int fd)
    {
        reset();
        fd_ = fd;
    }

private:
    int fd_;
};

class ScopedDir {
public:
    explicit ScopedDir(DIR* dir) : dir_(dir) {}
    ~ScopedDir()
    {
        if (dir_ == nullptr) {
            return;
        }
        const int savedErrno = errno;
        closedir(dir_);
        errno = savedErrno;
    }
    ScopedDir(const ScopedDir&) = delete;
    ScopedDir& operator=(const ScopedDir&) = delete;

    DIR* get() const { return dir_; }

private:
    DIR* dir_;
};
