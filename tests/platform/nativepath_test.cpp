// Paths from the kernel survive the trip through the path registry's QString.
#include <gtest/gtest.h>

#include "nativepath.h"

TEST(NativePath, EveryByteSequenceComesBackAsItWas)
{
    struct Case { const char* name; QByteArray bytes; bool validUtf8; };
    const Case cases[] = {
        {"ascii", "/home/user/.Tarnwell", true},
        {"utf8_two_three_four_bytes", "/h\xc3\xb4me/\xe6\x97\xa5/\xf0\x9f\x98\x80", true},
        {"lone_ff", "/tmp/u\xff", false},
        {"replacement_character_itself", "/tmp/u\xef\xbf\xbd", true},
        {"stray_continuation", "/a\x80" "b", false},
        {"overlong_slash", "/a\xc0\xaf" "b", false},
        {"encoded_surrogate", "/a\xed\xa0\x80", false},
        {"above_10ffff", "/a\xf4\x90\x80\x80", false},
        {"truncated_at_end", "/a\xe6\x97", false},
        {"latin1_name", "/caf\xe9/x", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = nativePathString(c.bytes);
        EXPECT_EQ(nativePathBytes(path), c.bytes);
        if (c.validUtf8) {
            EXPECT_EQ(path, QString::fromUtf8(c.bytes));
        }
    }
    // Two homes that Qt's own decoding makes one stay two.
    EXPECT_NE(nativePathString("/tmp/u\xff"), nativePathString("/tmp/u\xef\xbf\xbd"));
}
