#include "desktop-notification.h"

#include <sys/stat.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace {

// 2 s: a notification service that takes longer is not worth holding the
// launcher's exit for.
const int kCallTimeoutMs = 2000;
// Milliseconds the notification stays; -1 would leave it to the server, which
// may keep a failure notice on screen for the whole session.
const int kExpireTimeoutMs = 30000;

}  // namespace

bool SessionBusAvailable()
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty()) {
        // "autolaunch:" is exactly what must not happen, and "disabled:" says so.
        return !address.startsWith("autolaunch:") && !address.startsWith("disabled:");
    }
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    struct stat info;
    return !runtimeDir.isEmpty() && stat((runtimeDir + "/bus").constData(), &info) == 0 && S_ISSOCK(info.st_mode);
}

bool SendDesktopNotification(const QString& appName, const QString& summary, const QString& body, const QString& iconPath)
{
    if (!SessionBusAvailable()) {
        return false;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage notify =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                       QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));  // normal: critical ones stay until dismissed
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tarnwell-client"));
    notify << appName << uint(0) << iconPath << summary << body << QStringList() << hints << kExpireTimeoutMs;
    const QDBusMessage reply = bus.call(notify, QDBus::Block, kCallTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}
