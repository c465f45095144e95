// Owners for the POSIX handles: descriptors, directory streams and FILE
// streams, each closed once on every way out of a scope with errno kept.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdio>

#include "unique-handle.h"

using ScopedFd = UniqueHandle<int, close, -1>;
using ScopedDir = UniqueHandle<DIR*, closedir, nullptr>;
using ScopedFile = UniqueHandle<FILE*, fclose, nullptr>;
