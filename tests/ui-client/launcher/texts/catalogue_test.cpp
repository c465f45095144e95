// The string table, and the language and catalogue a real program sets up
// from its locale environment.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <utility>

#include "strtab.h"

namespace {

// Stands in for a catalogue: translates in context "global" only, the one the
// table must ask in.
class FakeCatalogue : public QTranslator {
public:
    QString translate(const char* context, const char*, const char*, int) const override
    {
        return qstrcmp(context, "global") == 0 ? QStringLiteral("a\\nb\\tc\\\\n") : QString();
    }
    bool isEmpty() const override { return false; }
};

// Keys match ignoring case only; a translation's escapes become line breaks
// and tabs.
TEST(StrTable, LookupIgnoresCaseOnlyAndTranslatedEscapesBecomeControls)
{
    StrTable::InitStrTable();
    for (const auto& [key, id] : {std::pair{"BTN_Ok", int{StrTable::btn_ok}}, {"btn_okay", -1}, {"btn_ok ", -1}, {"", -1}}) {
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(key)), id) << '"' << key << '"';
    }
    EXPECT_EQ(StrTable::LoadStr(StrTable::btn_ok).toStdString(), "OK");
    FakeCatalogue catalogue;
    ASSERT_TRUE(QCoreApplication::installTranslator(&catalogue));
    EXPECT_EQ(StrTable::LoadStr(StrTable::btn_ok).toStdString(), "a\nb\tc\\\n");
    QCoreApplication::removeTranslator(&catalogue);
}

// Numbers follow the language of the texts shown: an Arabic locale has no
// catalogue, so English texts and Latin digits.
TEST(Language, SetUpFromTheLocaleEnvironment)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "ger", "1.234.567"}, {"ar_EG.UTF-8", nullptr, "1,234,567"}};
    for (const auto& [lang, catalogue, number] : cases) {
        SCOPED_TRACE(lang);
        QTranslator translator;
        ASSERT_TRUE(catalogue == nullptr || translator.load(QStringLiteral(":/%1.qm").arg(QLatin1String(catalogue))));
        const QString name = catalogue ? translator.translate("global", "Tarnwell Client") : QStringLiteral("Tarnwell Client");
        QTemporaryDir runtimeDir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"}) {
            environment.remove(QLatin1String(variable));
        }
        environment.insert(QStringLiteral("LANG"), QLatin1String(lang));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(LANGUAGE_PROBE), QStringList());
        ASSERT_TRUE(probe.waitForFinished(30000));
        EXPECT_EQ(probe.exitCode(), 0);
        EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).toStdString(),
                  (name + "\n" + QString::fromUtf8(number) + "\n1 1\n").toStdString());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
