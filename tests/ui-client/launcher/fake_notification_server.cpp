// Stands in for the desktop's notification service on the end-to-end test's
// private session bus: appends each notification to the file named by its
// argument as "summary|body|timeout", creates <file>.ready once it owns the
// name, and runs until ended.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QVariantMap>

class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit Notifications(const QString& path) : m_path(path) {}

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int timeout)
    {
        QFile log(m_path);
        if (log.open(QIODevice::Append)) {
            log.write((summary + '|' + body + '|' + QString::number(timeout) + '\n').toUtf8());
        }
        return 1;
    }

private:
    QString m_path;
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
    if (!bus.registerObject("/org/freedesktop/Notifications", &notifications, QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications")) {
        return 1;
    }
    QFile(path + ".ready").open(QIODevice::WriteOnly);
    return app.exec();
}

#include "fake_notification_server.moc"
