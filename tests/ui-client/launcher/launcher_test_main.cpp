// The dialog tests need a QApplication, on the offscreen platform unless the
// caller chose one, and the string table filled as start-up fills it.
#include <gtest/gtest.h>

#include <QApplication>

#include "strtab.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
