// Started by single_instance_test as a real second, third... instance.
// Usage: single-instance-helper check|hold|spawn [--no-gui]
//   check: report and exit; hold: report, then keep the guard until killed;
//   spawn: start a long-lived detached child, report its pid, and exit.
// The guard is taken in $HOME.
// Report line: "running=<0|1> guard=<0|1> platform=<name> env=<QT_QPA_PLATFORM or -> [child=<pid>]"
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QProcess>
#include <QStringList>

#include "qtsingleapplication.h"

int main(int argc, char** argv)
{
    const bool guiEnabled = !(argc > 2 && std::strcmp(argv[2], "--no-gui") == 0);
    const char* mode = argc > 1 ? argv[1] : "check";
    QtSingleApplication app(argc, argv, guiEnabled);
    app.takeGuard(qgetenv("HOME"));

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("running=%d guard=%d platform=%s env=%s", app.isRunning() ? 1 : 0, app.holdsGuard() ? 1 : 0,
                qPrintable(QGuiApplication::platformName()), platform != nullptr ? platform : "-");
    if (std::strcmp(mode, "spawn") == 0) {
        qint64 child = 0;
        if (!QProcess::startDetached(QStringLiteral("/bin/sleep"), {QStringLiteral("60")},
                                     QString(), &child)) {
            return 1;
        }
        std::printf(" child=%lld", static_cast<long long>(child));
    }
    std::printf("\n");
    std::fflush(stdout);

    if (std::strcmp(mode, "hold") == 0) {
        for (;;) {
            pause();
        }
    }
    return 0;
}
