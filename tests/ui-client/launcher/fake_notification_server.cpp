// Started by the end-to-end test on a private session bus: takes the name of
// the desktop's notification service and appends each notification it gets
// to the file named by its argument, one "summary|body|timeout" line each.
// It creates <file>.ready once it owns the name, and runs until killed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit Notifications(const QString& path) : m_path(path) {}

public slots:
    uint Notify(const QString& /*appName*/, uint /*replacesId*/, const QString& /*icon*/, const QString& summary,
                const QString& body, const QStringList& /*actions*/, const QVariantMap& /*hints*/, int timeout)
    {
        QFile log(m_path);
        if (log.open(QIODevice::Append)) {
            log.write((summary + '|' + body + '|' + QString::number(timeout) + '\n').toUtf8());
        }
        return ++m_lastId;
    }

private:
    QString m_path;
    uint m_lastId = 0;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    Notifications notifications(path);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        return 1;
    }
    QFile(path + ".ready").open(QIODevice::WriteOnly);
    return app.exec();
}

#include "fake_notification_server.moc"
