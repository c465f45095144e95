// Lossless conversion between the kernel's paths (any bytes but NUL) and
// QString, for the path registry. Valid UTF-8 converts as toUtf8/fromUtf8 do;
// each byte that is not part of valid UTF-8 becomes the lone surrogate
// U+DC80..U+DCFF and back, so a home such as ".../u\xff" is never rewritten
// into a sibling folder. Qt's own file classes encode such a QString lossily:
// hand the bytes from nativePathBytes to system calls instead.
#pragma once

#include <QByteArray>
#include <QString>

QString nativePathString(const QByteArray& bytes);
QByteArray nativePathBytes(const QString& path);
