// The compiled-in catalogues against the string table, and the language
// set-up as a real program run under a locale environment.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
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

    // The texts the launcher shows. Those naming the client may do so in the
    // language's own grammatical form instead of the %1 marker.
    struct Text {
        int id;
        bool namesClient;
    };
    const Text texts[] = {
        {StrTable::desc_hollowmere_env_preparation_done_tarnwell, true},
        {StrTable::desc_hollowmere_env_preparing_tarnwell, true},
        {StrTable::desc_hollowmere_env_preparation_failed_tarnwell, true},
        {StrTable::app_name_tarnwell_client, false},
        {StrTable::desc_hollowmere_env_upgrading_tarnwell, false},
        {StrTable::err_local_disk_full_path, false},
        {StrTable::wizard_space_not_enough, false},
        {StrTable::wizard_folder_no_permission, false},
        {StrTable::btn_close, false},
    };
    StrTable::InitStrTable();
    for (const QString& code : kLanguages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/%1.qm").arg(code))) << code.toStdString();
        for (const Text& entry : texts) {
            SCOPED_TRACE(code.toStdString() + " " + std::to_string(entry.id));
            const QString english = StrTable::LoadStr(entry.id);
            QCoreApplication::installTranslator(&translator);
            const QString text = StrTable::LoadStr(entry.id);
            QCoreApplication::removeTranslator(&translator);
            if (code == kKeepsEnglish) {
                EXPECT_EQ(text.toStdString(), english.toStdString());
                continue;
            }
            EXPECT_NE(text.toStdString(), english.toStdString());
            for (const char* marker : {"%1", "%2", "%3"}) {
                const bool nameWritten = entry.namesClient && QLatin1String(marker) == QLatin1String("%1") && text.count(QLatin1String(marker)) == 0;
                EXPECT_TRUE(nameWritten || text.count(QLatin1String(marker)) == english.count(QLatin1String(marker))) << text.toStdString();
            }
            // Japanese runs a Latin name straight into its particle.
            EXPECT_FALSE(code == QLatin1String("jpn") && text.contains(QRegularExpression(QStringLiteral(" [をのに]"))))
                << text.toStdString();
        }
    }
}

// Runs language-probe under LANG=lang; it prints the application name, a
// number as the bar writes it, and what became of the desktop's font.
TEST(Language, set_up_from_the_locale_environment)
{
    struct Case {
        const char* lang;
        const char* catalogue;  // nullptr: the English text is expected
        const char* number;     // in the language of the texts shown
        const char* family;     // nullptr: any family that shows the script
    };
    const Case cases[] = {
        {"de_DE.UTF-8", "ger", "1.234.567", "desktop family"},
        {"fr_FR.UTF-8", "fre", "1\u202f234\u202f567", "desktop family"},
        {"th_TH.UTF-8", "tha", "1,234,567", nullptr},
        {"en_US.UTF-8", nullptr, "1,234,567", "desktop family"},
        {"ar_EG.UTF-8", nullptr, "1,234,567", "desktop family"},  // English texts, so no Arabic-Indic digits
        {"C", nullptr, "1,234,567", "desktop family"},
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
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"}) {
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
        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split('\n');
        ASSERT_EQ(lines.size(), 5) << lines.join('|').toStdString();
        EXPECT_EQ(lines[0].toStdString(), expectedName.toStdString());
        EXPECT_EQ(lines[1].toStdString(), QString::fromUtf8(c.number).toStdString());
        if (c.family != nullptr) {
            EXPECT_EQ(lines[2].toStdString(), c.family);
        }
        EXPECT_EQ(lines[3].toStdString(), "desktop size");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
