#include <gtest/gtest.h>

#include "unique-handle.h"

static std::vector<int> closed;
static int RecordClose(int handle)
{
    closed.push_back(handle);
    errno = EIO;
    return -1;
}

// Each handle closed exactly once whichever owner ends up with it, and the
// close, failing as on a full NFS mount, never costs the caller its errno.
TEST(UniqueHandle, ClosesEachHandleOnceAndKeepsErrno)
{
    {
        UniqueHandle<int, RecordClose, -1> moved(3), replaced(5), handedOver(9), empty;
        auto receiver = std::move(moved);
        replaced = std::move(receiver);
        EXPECT_TRUE(!moved.valid() && !empty.valid() && replaced.get() == 3 && handedOver.release() == 9);
        replaced.reset(7);
        errno = ENOSPC;
    }
    EXPECT_TRUE(errno == ENOSPC && closed == std::vector<int>({5, 3, 7})) << errno << ", " << closed.size() << " closed";
}
