// The compiled-in catalogues against the string table, and the language
// set-up as a real program run under a locale environment.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include "strtab.h"

namespace {

const int kLauncherTexts[] = {518, 533, 849};

struct Language {
    const char* code;
    // The table's texts are English already; the catalogue adds nothing.
    bool keepsEnglish;
};

const Language kLanguages[] = {
    {"chs", false}, {"cht", false}, {"csy", false}, {"dan", false}, {"enu", true},
    {"fre", false}, {"ger", false}, {"hun", false}, {"ita", false}, {"jpn", false},
    {"krn", false}, {"nld", false}, {"nor", false}, {"plk", false}, {"ptb", false},
    {"ptg", false}, {"rus", false}, {"spn", false}, {"sve", false}, {"tha", false},
    {"trk", false},
};

QString catalogue(const char* code)
{
    return QStringLiteral(":/%1.qm").arg(QLatin1String(code));
}

TEST(Catalogues, collection_holds_one_catalogue_per_language)
{
    QStringList expected;
    for (const Language& language : kLanguages) {
        expected << QStringLiteral("%1.qm").arg(QLatin1String(language.code));
    }
    const QStringList found =
        QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    EXPECT_EQ(found.join(' ').toStdString(), expected.join(' ').toStdString());
}

TEST(Catalogues, every_language_translates_the_launcher_texts)
{
    StrTable::InitStrTable();
    QString english[3];
    for (int i = 0; i < 3; ++i) {
        english[i] = StrTable::LoadStr(kLauncherTexts[i]);
    }
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.code);
        QTranslator translator;
        ASSERT_TRUE(translator.load(catalogue(language.code)));
        QCoreApplication::installTranslator(&translator);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(kLauncherTexts[i]);
            const QString text = StrTable::LoadStr(kLauncherTexts[i]);
            if (language.keepsEnglish) {
                EXPECT_EQ(text.toStdString(), english[i].toStdString());
            } else {
                EXPECT_NE(text.toStdString(), english[i].toStdString());
                EXPECT_EQ(text.count(QStringLiteral("%1")), english[i].count(QStringLiteral("%1")))
                    << text.toStdString();
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

// Stands in for a catalogue whose translator wrote escapes into the text.
class EscapingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "global") == 0 && qstrcmp(sourceText, "Tarnwell Client") == 0) {
            return QStringLiteral("Tarnwell\\nClient\\tapp");
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(Catalogues, escapes_in_a_translation_become_line_break_and_tab)
{
    StrTable::InitStrTable();
    EscapingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QString text = StrTable::LoadStr(849);
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(text.toStdString(), "Tarnwell\nClient\tapp");
}

TEST(Language, set_up_from_the_locale_environment)
{
    struct Case {
        const char* name;
        const char* lang;
        const char* catalogueCode;  // nullptr: the English text is expected
        const char* fontFamily;
    };
    const Case cases[] = {
        {"thai", "th_TH.UTF-8", "tha", "Microsoft Sans Serif"},
        {"german", "de_DE.UTF-8", "ger", "Arial"},
        {"english", "en_US.UTF-8", nullptr, "Arial"},
        {"language_without_catalogue", "fi_FI.UTF-8", nullptr, "Arial"},
        {"c_locale", "C", nullptr, "Arial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString expectedName = QStringLiteral("Tarnwell Client");
        if (c.catalogueCode != nullptr) {
            QTranslator translator;
            ASSERT_TRUE(translator.load(catalogue(c.catalogueCode)));
            expectedName = translator.translate("global", "Tarnwell Client");
            ASSERT_FALSE(expectedName.isEmpty());
        }

        QTemporaryDir runtimeDir;
        ASSERT_TRUE(runtimeDir.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(QLatin1String(name));
        }
        environment.insert(QStringLiteral("LANG"), QLatin1String(c.lang));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(LANGUAGE_PROBE), QStringList());
        ASSERT_TRUE(probe.waitForFinished(30000));
        EXPECT_EQ(probe.exitCode(), 0);

        const QStringList lines =
            QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[0].toStdString(), expectedName.toStdString());
        EXPECT_EQ(lines[1].toStdString(), c.fontFamily);
        EXPECT_EQ(lines[2].toStdString(), "9");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
