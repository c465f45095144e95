// A real second, third... instance for single_instance_test, its guard taken in
// $HOME. check: report and exit; hold: report and keep the guard until killed;
// spawn: start a detached long-lived child, report its pid and exit. The report:
// "running=<0|1> guard=<0|1> platform=<name> env=<QT_QPA_PLATFORM or -> [child=<pid>]"
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QProcess>

#include "qtsingleapplication.h"

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "check";
    QtSingleApplication app(argc, argv, !(argc > 2 && std::strcmp(argv[2], "--no-gui") == 0));
    app.takeGuard(qgetenv("HOME"));
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("running=%d guard=%d platform=%s env=%s", app.isRunning(), app.holdsGuard(),
                qPrintable(QGuiApplication::platformName()), platform != nullptr ? platform : "-");
    qint64 child = 0;
    if (std::strcmp(mode, "spawn") == 0) {
        if (!QProcess::startDetached(QStringLiteral("/bin/sleep"), {QStringLiteral("60")}, QString(), &child)) {
            return 1;
        }
        std::printf(" child=%lld", static_cast<long long>(child));
    }
    std::printf("\n");
    std::fflush(stdout);
    while (std::strcmp(mode, "hold") == 0) {
        pause();
    }
    return 0;
}
