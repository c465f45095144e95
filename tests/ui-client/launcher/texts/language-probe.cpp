// Started by catalogue-test under a locale environment: sets the language and
// the font up as the launcher does, then prints the application name, a number
// as the dialog's bar writes it, and whether the desktop's font family and
// size were kept.
#include <cstdio>

#include <QApplication>
#include <QFont>
#include <QLocale>

#include "language.h"
#include "qtsingleapplication.h"
#include "strtab.h"

int main(int argc, char** argv)
{
    QtSingleApplication app(argc, argv, true);
    const QFont desktop = QApplication::font();
    initializeLanguage(app);
    UseDesktopFont();
    const QFont font = QApplication::font();
    std::printf("%s\n%s\n%d %d\n", StrTable::LoadStr(StrTable::app_name_tarnwell_client).toUtf8().constData(),
                QLocale().toString(1234567).toUtf8().constData(), font.family() == desktop.family(),
                font.pointSizeF() == desktop.pointSizeF());
    return 0;
}
