// Paths from the kernel survive the trip through a QString byte for byte.
#include <gtest/gtest.h>

#include "nativepath.h"

TEST(NativePath, EveryByteSequenceComesBackAsItWas)
{
    const std::pair<QByteArray, bool> cases[] = {  // bytes, valid UTF-8
        {"/h\xc3\xb4me/\xe6\x97\xa5/\xf0\x9f\x98\x80", true}, {"/tmp/u\xef\xbf\xbd", true}, {"/tmp/u\xff", false},
        {"/a\x80" "b", false}, {"/a\xc0\xaf" "b", false}, {"/a\xed\xa0\x80", false}, {"/a\xf4\x90\x80\x80", false},
        {"/a\xe6\x97", false}, {"/caf\xe9/x", false},
    };
    for (const auto& [bytes, utf8] : cases) {
        const QString path = nativePathString(bytes);
        EXPECT_EQ(nativePathBytes(path), bytes);
        EXPECT_TRUE(!utf8 || path == QString::fromUtf8(bytes)) << bytes.toHex().toStdString();
    }
    // Two homes that Qt's own decoding makes one stay two.
    EXPECT_NE(nativePathString("/tmp/u\xff"), nativePathString("/tmp/u\xef\xbf\xbd"));
}
