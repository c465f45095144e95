#include "language.h"

#include <QApplication>
#include <QFont>
#include <QTranslator>

#include "qtsingleapplication.h"
#include "strtab.h"
#include "zorvlocale.h"

void initializeLanguage(QtSingleApplication& app)
{
    // Installed for the whole run; a translator that is not installed is
    // deleted at once.
    QTranslator* trans = new QTranslator;
    const QString strDefLan = ZorvLocale::getInstance()->getDefaultLanguage();
    const QString strLan = QStringLiteral(":/") + strDefLan + QStringLiteral(".qm");
    if (!trans->load(strLan) || trans->isEmpty()) {
        delete trans;
    } else {
        app.installTranslator(trans);
    }

    StrTable::InitStrTable();

    // Thai glyphs need a font that has them.
    const QString family = (strDefLan == QLatin1String("tha"))
                               ? QStringLiteral("Microsoft Sans Serif")
                               : QStringLiteral("Arial");
    QApplication::setFont(QFont(family, 9));
}
