// Started by catalogue_test with a locale environment: sets the language up
// as the launcher does and prints the application name, the font family and
// the point size, one per line.
#include <cstdio>

#include <QApplication>
#include <QFont>

#include "language.h"
#include "qtsingleapplication.h"
#include "strtab.h"

int main(int argc, char** argv)
{
    QtSingleApplication app(argc, argv, true);
    initializeLanguage(app);
    const QFont font = QApplication::font();
    std::printf("%s\n%s\n%d\n", StrTable::LoadStr(849).toUtf8().constData(),
                font.family().toUtf8().constData(), font.pointSize());
    return 0;
}
