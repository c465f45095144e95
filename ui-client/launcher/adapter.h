// Process-wide relay through which code that knows nothing of the launcher
// (the archive extractor, on the worker thread) reports progress and the
// dialog's label text. It only emits signals and returns at once.
#pragma once

#include <QObject>
#include <QString>

class Notify_Adapter : public QObject {
    Q_OBJECT

public:
    static Notify_Adapter& GetInstance();

    // total must be at least 1: the receiving slot divides by it.
    void UpdateProgress(int total, int step);
    void UpdateDialogText(QString text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString text);

private:
    Notify_Adapter() = default;
};
