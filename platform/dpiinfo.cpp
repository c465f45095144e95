#include "dpiinfo.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <cmath>

namespace {

const double kReferenceDpi = 96.0;

QString scaledLength(const QString& number, double factor)
{
    const double scaled = number.toDouble() * factor;
    if (number.contains(QLatin1Char('.'))) {
        return QString::number(scaled);
    }
    long rounded = std::lround(scaled);
    if (rounded == 0 && scaled != 0.0) {
        rounded = scaled > 0 ? 1 : -1;
    }
    return QString::number(rounded);
}

}  // namespace

DPIinfo* DPIinfo::getInstance()
{
    static DPIinfo instance;
    return &instance;
}

double DPIinfo::getDPI() const
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return 1.0;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 1.0;
    }
    return screen->logicalDotsPerInch() / kReferenceDpi;
}

QString DPIinfo::getScaledStyleSheet(const QString& styleSheet) const
{
    return scaleStyleSheet(styleSheet, getDPI());
}

QString DPIinfo::scaleStyleSheet(const QString& styleSheet, double factor)
{
    // A length starts a token (not after a letter, digit, '.', '#' or '-') and
    // its "px" ends one, so names like "icon-16px" or "#tab2px" are left alone.
    static const QRegularExpression length(
        QStringLiteral("(?<![\\w.#-])(-?\\d+(?:\\.\\d+)?)px(?![\\w-])"));
    QString result;
    int copied = 0;
    QRegularExpressionMatchIterator it = length.globalMatch(styleSheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        result += styleSheet.midRef(copied, match.capturedStart() - copied);
        result += scaledLength(match.captured(1), factor) + QLatin1String("px");
        copied = match.capturedEnd();
    }
    result += styleSheet.midRef(copied);
    return result;
}
