// Started by catalogue_test with a locale environment: sets the language and
// the dialog's font up as the launcher does and prints, one per line, the
// application name, a number as the dialog's bar would write it, and whether
// the font kept the desktop's family and size.
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
    std::printf("%s\n%s\n%s\n%s\n", StrTable::LoadStr(849).toUtf8().constData(),
                QLocale().toString(1234567).toUtf8().constData(),
                font.family() == desktop.family() ? "desktop family" : "script family",
                font.pointSizeF() == desktop.pointSizeF() ? "desktop size" : "other size");
    return 0;
}
