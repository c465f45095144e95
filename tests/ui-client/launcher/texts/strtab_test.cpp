// The compiled string table against the entry list it is built from, and the
// list against the figures the launcher and the catalogues rely on.
#include "strtab.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include <map>
#include <ostream>
#include <set>
#include <string>

// Readable failure messages; QString lives in the global namespace.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct Entry {
    const char* key;
    const char* text;
};

// Read here independently of strtab.cpp, so a table filled wrongly shows up as a mismatch.
const Entry kEntries[] = {
#define STRTAB_ENTRY(key, text) {#key, text},
#include "strtab-entries.def"
#undef STRTAB_ENTRY
};
constexpr int kEntryCount = sizeof(kEntries) / sizeof(kEntries[0]);

std::string FamilyOf(const std::string& key)
{
    return key.substr(0, key.find('_'));
}

TEST(StrTable, EveryEntryRoundTripsWithoutAnApplication)
{
    // The launcher loads its texts before any catalogue exists.
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    StrTable::InitStrTable();
    ASSERT_EQ(kEntryCount, 1177);
    ASSERT_EQ(StrTable::NUM_STRING_IDS, 1177u);
    for (int i = 0; i < kEntryCount; ++i) {
        SCOPED_TRACE(kEntries[i].key);
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(kEntries[i].key)), i);
        EXPECT_EQ(StrTable::LoadStr(i), QString::fromUtf8(kEntries[i].text));
    }
    const std::pair<int, std::pair<const char*, const char*>> fixed[] = {
        {0, {"tray_delete", "Delete"}},
        {29, {"btn_ok", "OK"}},
        {30, {"btn_cancel", "Cancel"}},
        {518, {"desc_hollowmere_env_preparation_done_tarnwell", "%1 is ready."}},
        {533, {"desc_hollowmere_env_preparing_tarnwell", "%1 is initializing..."}},
        {849, {"app_name_tarnwell_client", "Tarnwell Client"}},
    };
    for (const auto& [id, entry] : fixed) {
        EXPECT_STREQ(kEntries[id].key, entry.first);
        EXPECT_EQ(StrTable::LoadStr(id), QString::fromLatin1(entry.second));
    }
}

TEST(StrTable, LookupIgnoresCaseButNothingElse)
{
    StrTable::InitStrTable();
    const std::pair<const char*, int> cases[] = {
        {"BTN_Ok", 29}, {"Btn_Cancel", 30}, {"btn_okay", -1}, {"btn", -1},
        {"btn_ok ", -1}, {"Cancel", -1}, {"", -1},
    };
    for (const auto& [key, id] : cases) {
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(key)), id) << '"' << key << '"';
    }
}

TEST(StrTableData, FamiliesHaveTheirPlannedSizes)
{
    const std::map<std::string, int> bigFamilies = {
        {"wizard", 82}, {"err", 81}, {"msi", 80}, {"msg", 56}, {"accessible", 44},
        {"schedulebkp", 41}, {"tray", 40}, {"history", 38}, {"manage", 36}, {"bkp", 31},
        {"btn", 29}, {"file", 29}, {"tutorial", 27}, {"backup", 27}, {"notification", 27},
        {"title", 24}, {"main", 19}, {"perm", 17}, {"status", 15}, {"context", 13},
        {"filter", 12}, {"session", 12}, {"month", 12}, {"setting", 12}, {"connection", 11},
        {"selective", 10}, {"col", 10}, {"desc", 10}, {"setup", 10},
    };
    std::map<std::string, int> sizes;
    for (const Entry& entry : kEntries) {
        ++sizes[FamilyOf(entry.key)];
    }
    EXPECT_EQ(sizes.size(), 177u);
    int smallFamilies = 0;
    int smallEntries = 0;
    for (const auto& [family, size] : sizes) {
        const auto big = bigFamilies.find(family);
        if (big != bigFamilies.end()) {
            EXPECT_EQ(size, big->second) << family;
        } else {
            EXPECT_LT(size, 10) << family;
            ++smallFamilies;
            smallEntries += size;
        }
    }
    EXPECT_EQ(smallFamilies, 148);
    EXPECT_EQ(smallEntries, 322);
    for (const char* family : {"fti", "share", "sharing", "enable", "time", "quick", "create", "remove", "open",
                               "conflict", "op", "conn", "folder", "sync", "shared", "timescale", "common",
                               "invalid", "adv", "export", "app"}) {
        EXPECT_EQ(sizes.count(family), 1u) << family;
    }
}

TEST(StrTableData, KeysAndTextsFollowTheCatalogueConventions)
{
    const QRegularExpression snakeCase(QStringLiteral("^[a-z][a-z0-9]*(_[a-z0-9]+)*$"));
    const QRegularExpression marker(QStringLiteral("%[1-4]"));
    const QRegularExpression html(QStringLiteral("<[a-zA-Z/][^>]*>"));
    std::set<std::string> keys;
    int markers = 0, htmlTexts = 0, installerTexts = 0, productNames = 0, nonAscii = 0;
    for (const Entry& entry : kEntries) {
        SCOPED_TRACE(entry.key);
        EXPECT_TRUE(snakeCase.match(QString::fromLatin1(entry.key)).hasMatch());
        EXPECT_TRUE(keys.insert(entry.key).second) << "duplicate";
        const QByteArray bytes(entry.text);
        const QString text = QString::fromUtf8(bytes);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(text.trimmed(), text);
        EXPECT_FALSE(text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\t')));
        EXPECT_EQ(text.toUtf8(), bytes);  // bytes that are not UTF-8 would not survive
        markers += text.contains(marker);
        htmlTexts += text.contains(html);
        nonAscii += text.toLatin1() != bytes;
        if (FamilyOf(entry.key) == "msi") {
            // Windows Installer formats its own [ ] placeholders; Qt markers would show raw.
            ++installerTexts;
            EXPECT_FALSE(text.contains(marker));
            productNames += text.contains(QLatin1String("[ProductName]"));
        }
    }
    EXPECT_EQ(markers, 125);
    EXPECT_EQ(htmlTexts, 18);
    EXPECT_EQ(installerTexts, 80);
    EXPECT_GE(productNames, 20);
    EXPECT_GE(nonAscii, 5);
    EXPECT_LE(nonAscii, 15);
}

// Stands in for a compiled catalogue: only context "global" is translated,
// which is the context the table must ask for.
class FakeCatalogue : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        const std::map<std::string, QString> texts = {
            {"%1 is ready.", QStringLiteral("%1 ist bereit.\\nBitte warten\\tEnde")},
            {"%1 is initializing...", QStringLiteral("%1 wird vorbereitet\\\\n…")},
            {"Tarnwell Client", QStringLiteral("Tarnwell \\N\\T")},
        };
        const auto found = texts.find(sourceText);
        return qstrcmp(context, "global") != 0 || found == texts.end() ? QString() : found->second;
    }
    bool isEmpty() const override { return false; }
};

TEST(StrTableTranslation, CatalogueTextsReplaceEnglishAndTheirEscapesBecomeControls)
{
    StrTable::InitStrTable();
    int argc = 1;
    char programName[] = "strtab_test";
    char* argv[] = {programName, nullptr};
    QCoreApplication app(argc, argv);
    FakeCatalogue catalogue;
    ASSERT_TRUE(QCoreApplication::installTranslator(&catalogue));
    const std::pair<int, QString> cases[] = {
        {518, QStringLiteral("%1 ist bereit.\nBitte warten\tEnde")},  // escapes become controls
        {533, QStringLiteral("%1 wird vorbereitet\\\n…")},             // a doubled backslash keeps one
        {849, QStringLiteral("Tarnwell \\N\\T")},                      // upper-case escapes stay
        {29, QStringLiteral("OK")},                                    // untranslated: English
    };
    for (const auto& [id, expected] : cases) {
        EXPECT_EQ(StrTable::LoadStr(id), expected) << id;
    }
    QCoreApplication::removeTranslator(&catalogue);
}

}  // namespace
