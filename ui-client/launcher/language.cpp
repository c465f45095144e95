#include "language.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>
#include <QTranslator>

#include "qtsingleapplication.h"
#include "strtab.h"
#include "zorvlocale.h"

namespace {

QFontDatabase::WritingSystem ScriptOf(const QString& code)
{
    struct Script {
        const char* code;
        QFontDatabase::WritingSystem system;
    };
    static const Script scripts[] = {
        {"chs", QFontDatabase::SimplifiedChinese}, {"cht", QFontDatabase::TraditionalChinese},
        {"jpn", QFontDatabase::Japanese},          {"krn", QFontDatabase::Korean},
        {"tha", QFontDatabase::Thai},              {"rus", QFontDatabase::Cyrillic},
    };
    for (const Script& script : scripts) {
        if (code == QLatin1String(script.code)) {
            return script.system;
        }
    }
    return QFontDatabase::Latin;
}

}  // namespace

void UseDesktopFont()
{
    QFont font = QApplication::font();
    const QFontDatabase::WritingSystem script = ScriptOf(ZorvLocale::getInstance()->getDefaultLanguage());
    QFontDatabase fonts;
    // The family actually used: the desktop often names an alias ("Sans Serif").
    if (fonts.writingSystems(QFontInfo(font).family()).contains(script)) {
        return;
    }
    const QStringList candidates = fonts.families(script);
    if (candidates.isEmpty()) {
        return;
    }
    // Desktop fonts are sans serif; the database lists families by name only.
    QString family = candidates.first();
    for (const QString& candidate : candidates) {
        if (candidate.contains(QLatin1String("Sans"))) {
            family = candidate;
            break;
        }
    }
    font.setFamily(family);
    QApplication::setFont(font);
}

void initializeLanguage(QtSingleApplication& app)
{
    // Installed for the whole run; a translator that is not installed is
    // deleted at once.
    QTranslator* trans = new QTranslator;
    const QString strDefLan = ZorvLocale::getInstance()->getDefaultLanguage();
    const QString strLan = QStringLiteral(":/") + strDefLan + QStringLiteral(".qm");
    QString shownLanguage = QStringLiteral("en_US");
    if (!trans->load(strLan) || trans->isEmpty()) {
        delete trans;
    } else {
        shownLanguage = trans->language();
        app.installTranslator(trans);
    }
    // Numbers (the bar's percentage) in the language of the texts on screen:
    // an Arabic locale gets the English texts, so Latin digits with them.
    QLocale::setDefault(QLocale(shownLanguage));

    StrTable::InitStrTable();
    // The font is left to UseDesktopFont, when a window is about to be built.
}
