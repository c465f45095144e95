#include "nativepath.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at bytes[at] (RFC 3629: no
// overlong forms, no surrogates, nothing above U+10FFFF), or 0.
int sequenceLength(const QByteArray& bytes, int at, char32_t& codePoint)
{
    const auto byte = [&bytes](int i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(byte(at + i))) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < minimum || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

}  // namespace

QString nativePathString(const QByteArray& bytes)
{
    QString path;
    path.reserve(bytes.size());
    for (int at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        const int length = sequenceLength(bytes, at, codePoint);
        if (length == 0) {
            path.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        path.append(QString::fromUcs4(&codePoint, 1));
        at += length;
    }
    return path;
}

QByteArray nativePathBytes(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    for (int at = 0; at < path.size(); ++at) {
        const QChar unit = path.at(at);
        const bool pair = unit.isHighSurrogate() && at + 1 < path.size() && path.at(at + 1).isLowSurrogate();
        if (pair) {
            bytes += QString(path.constData() + at, 2).toUtf8();
            ++at;
        } else if (unit.unicode() >= kEscapeBase + 0x80 && unit.unicode() <= kEscapeBase + 0xFF) {
            bytes += static_cast<char>(unit.unicode() - kEscapeBase);
        } else {
            bytes += QString(unit).toUtf8();
        }
    }
    return bytes;
}
