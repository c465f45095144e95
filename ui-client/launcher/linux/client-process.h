// Tells whether a process id from the client's pid file names this user's
// client, before anything is signalled: a stale pid file may name any process
// by now, the launcher itself included. Reads /proc only; signals nothing.
#pragma once

#include <sys/types.h>

#include <string>

// True when pid is not this process, runs with this process's user id, and
// either its program or, for a client run by an interpreter, the script its
// command line names lies inside install_path (links resolved on both sides).
bool IsUserClientProcess(pid_t pid, const std::string& install_path);
