// The handle owner: each handle closed exactly once whichever owner ends up
// with it, and the close never costs the caller its errno.
#include <gtest/gtest.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "unique-handle.h"

namespace {

std::vector<int> closedHandles;

// Fails the way a close on a full NFS mount does, so a kept errno shows.
int RecordClose(int handle)
{
    closedHandles.push_back(handle);
    errno = EIO;
    return -1;
}

using Owner = UniqueHandle<int, RecordClose, -1>;

}  // namespace

TEST(UniqueHandle, ClosesEachHandleOnceAndKeepsErrno)
{
    closedHandles.clear();
    {
        Owner moved(3);
        Owner receiver(std::move(moved));
        Owner replaced(5);
        replaced = std::move(receiver);
        EXPECT_FALSE(moved.valid());
        EXPECT_EQ(replaced.get(), 3);
        replaced.reset(7);
        Owner handedOver(9);
        EXPECT_EQ(handedOver.release(), 9);
        Owner empty;
        EXPECT_FALSE(empty.valid());
        errno = ENOSPC;
    }
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(closedHandles, (std::vector<int>{5, 3, 7}));
}
