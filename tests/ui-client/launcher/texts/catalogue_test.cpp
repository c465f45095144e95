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

const QStringList kLanguages = QStringLiteral(
    "chs cht csy dan enu fre ger hun ita jpn krn nld nor plk ptb ptg rus spn sve tha trk").split(' ');
// The table's texts are English already: this catalogue adds nothing.
const QString kKeepsEnglish = QStringLiteral("enu");

TEST(Catalogues, every_language_has_a_catalogue_that_translates_the_launcher_texts)
{
    const QStringList found = QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    QStringList expected;
    for (const QString& code : kLanguages) {
        expected << code + QStringLiteral(".qm");
    }
    EXPECT_EQ(found.join(' ').toStdString(), expected.join(' ').toStdString());

    StrTable::InitStrTable();
    for (const QString& code : kLanguages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/%1.qm").arg(code))) << code.toStdString();
        for (const int id : {518, 533, 849}) {
            SCOPED_TRACE(code.toStdString() + " " + std::to_string(id));
            const QString english = StrTable::LoadStr(id);
            QCoreApplication::installTranslator(&translator);
            const QString text = StrTable::LoadStr(id);
            QCoreApplication::removeTranslator(&translator);
            if (code == kKeepsEnglish) {
                EXPECT_EQ(text.toStdString(), english.toStdString());
            } else {
                EXPECT_NE(text.toStdString(), english.toStdString());
                EXPECT_EQ(text.count(QStringLiteral("%1")), english.count(QStringLiteral("%1"))) << text.toStdString();
            }
        }
    }
}

// Runs language-probe under LANG=lang; it prints the application name, font family and point size.
TEST(Language, set_up_from_the_locale_environment)
{
    struct Case {
        const char* lang;
        const char* catalogue;  // nullptr: the English text is expected
        const char* fontFamily;
    };
    const Case cases[] = {
        {"th_TH.UTF-8", "tha", "Microsoft Sans Serif"},
        {"de_DE.UTF-8", "ger", "Arial"},
        {"en_US.UTF-8", nullptr, "Arial"},
        {"fi_FI.UTF-8", nullptr, "Arial"},  // a language without catalogue
        {"C", nullptr, "Arial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        QString expectedName = QStringLiteral("Tarnwell Client");
        if (c.catalogue != nullptr) {
            QTranslator translator;
            ASSERT_TRUE(translator.load(QStringLiteral(":/%1.qm").arg(QLatin1String(c.catalogue))));
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
        EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).toStdString(),
                  (expectedName + '\n' + QLatin1String(c.fontFamily) + "\n9\n").toStdString());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
