// The launch flow once start-up is over: a Worker on a thread of its own runs
// the installation service's sequence exactly once, a small progress dialog
// shows a deployment while it lasts, and the Launcher ends the application
// when the worker reports that it is done. The UI thread only reacts to what
// the worker reports through queued signals. A failed deployment is told on
// the dialog (with a Close button), on standard error and as a desktop
// notification, while the old client starts all the same.
#pragma once

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>

#include "failure-text.h"

class QEvent;
class RaiseListener;

// Hosts the Worker; runs an event loop and nothing else.
class HandlerThread : public QThread {
    Q_OBJECT

protected:
    void run() override;
};

class Worker : public QObject {
    Q_OBJECT

public:
    Worker();
    // Quits and joins the thread first, so it never outlives its object.
    ~Worker() override;

    void StartThread();
    void QuitThread();
    // Blocks without time limit until the thread's event loop has returned.
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(const QString& label);
    // Emitted before the client is started, so telling never delays it.
    void sigUpgradeFailed(const Service::Failure& failure);

private slots:
    // Runs on the worker thread: the whole service sequence, once.
    void HandleServicce();

private:
    // Wires its sigStart to the private slot above.
    friend class Launcher;

    HandlerThread* m_handler_thread = nullptr;
    Service* m_service = nullptr;
};

// The fixed look of the one window the program shows, all set up by the
// constructor; the Launcher then removes the cancel button and the modality.
// While work runs it has no close button (closing would not stop the work);
// ShowFailure turns it into a message the user closes.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT

public:
    ProcessingProgressDialog();

    // Replaces the bar by the text and a Close button, and shows the dialog.
    void ShowFailure(const QString& text);
    bool HasFailed() const { return m_failed; }

private:
    bool m_failed = false;
};

class Launcher : public QObject {
    Q_OBJECT

public:
    Launcher();
    ~Launcher() override;

    // Starts the worker thread.
    void Run();
    // Queues the service sequence to the worker thread.
    void Start();

signals:
    void sigStart();

protected:
    // Keeps the dialog open against close requests while the worker runs.
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void LaunchDone();
    // total must be at least 1.
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString& label);
    void ShowMsgBox();
    void ShowFailure(const Service::Failure& failure);
    void FailureClosed();
    // A second launcher asked: bring a shown dialog to the front.
    void RaiseDialog();

private:
    // Builds the dialog on first use: a start without a deployment never needs it.
    ProcessingProgressDialog* Dialog();
    // True when somebody can see the dialog (not on the offscreen platform).
    static bool DisplayVisible();

    Worker* m_worker = nullptr;
    ProcessingProgressDialog* m_progress = nullptr;
    RaiseListener* m_raiseListener = nullptr;
    bool m_workerDone = false;
    bool m_failureClosed = false;
};
