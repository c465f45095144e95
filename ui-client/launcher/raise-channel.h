// Lets a second launcher ask the running one to bring its dialog to the
// front: the running launcher listens on a local socket in the user's
// .Tarnwell folder, and a connection is the whole request. Only the holder
// of the single-instance guard listens, so a socket left by a crashed
// launcher is replaced without asking.
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// The socket's path for the user's .Tarnwell folder.
QString RaiseSocketPath(const QString& tarnwellFolder);

// True when a running launcher took the request.
bool RequestRaise(const QString& socketPath);

class RaiseListener : public QObject {
    Q_OBJECT

public:
    // Listens at once; a path that cannot be used leaves it deaf, not failed:
    // a second launcher then only exits quietly.
    explicit RaiseListener(const QString& socketPath);
    ~RaiseListener() override;
    RaiseListener(const RaiseListener&) = delete;
    RaiseListener& operator=(const RaiseListener&) = delete;

    bool IsListening() const { return m_fd >= 0; }

signals:
    void sigRaiseRequested();

private:
    void Accept();

    QByteArray m_path;
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
