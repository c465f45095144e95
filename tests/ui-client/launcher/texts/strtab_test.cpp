// The compiled string table against the entry list it is built from, and the
// list against the figures the launcher and the catalogues rely on.
#include "strtab.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>

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

// Read here independently of strtab.cpp, so a table filled wrongly shows up as
// a mismatch.
const Entry kEntries[] = {
#define STRTAB_ENTRY(key, text) {#key, text},
#include "strtab-entries.def"
#undef STRTAB_ENTRY
};
const int kEnumValues[] = {
#define STRTAB_ENTRY(key, text) StrTable::key,
#include "strtab-entries.def"
#undef STRTAB_ENTRY
};
constexpr int kEntryCount = sizeof(kEntries) / sizeof(kEntries[0]);

std::string familyOf(const std::string& key)
{
    return key.substr(0, key.find('_'));
}

std::map<std::string, int> familySizes()
{
    std::map<std::string, int> sizes;
    for (const Entry& entry : kEntries)
        ++sizes[familyOf(entry.key)];
    return sizes;
}

int countTexts(const QRegularExpression& pattern)
{
    int count = 0;
    for (const Entry& entry : kEntries) {
        if (QString::fromUtf8(entry.text).contains(pattern))
            ++count;
    }
    return count;
}

class StrTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StrTable::InitStrTable(); }
};

TEST_F(StrTableTest, EveryEntryRoundTripsThroughTheCompiledTable)
{
    ASSERT_EQ(kEntryCount, 1177);
    ASSERT_EQ(StrTable::NUM_STRING_IDS, 1177u);
    for (int i = 0; i < kEntryCount; ++i) {
        SCOPED_TRACE(kEntries[i].key);
        EXPECT_EQ(kEnumValues[i], i);
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(kEntries[i].key)), i);
        EXPECT_EQ(StrTable::LoadStr(i), QString::fromUtf8(kEntries[i].text));
    }
}

TEST_F(StrTableTest, FixedIdentifiersKeepTheirKeysAndTextsWithoutAnApplication)
{
    // The launcher loads its three texts before any catalogue exists.
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    struct Case {
        int enumValue;
        int id;
        const char* key;
        const char* text;
    };
    const Case cases[] = {
        {StrTable::tray_delete, 0, "tray_delete", "Delete"},
        {StrTable::btn_ok, 29, "btn_ok", "OK"},
        {StrTable::btn_cancel, 30, "btn_cancel", "Cancel"},
        {StrTable::desc_hollowmere_env_preparation_done_tarnwell, 518,
         "desc_hollowmere_env_preparation_done_tarnwell", "%1 is ready."},
        {StrTable::desc_hollowmere_env_preparing_tarnwell, 533,
         "desc_hollowmere_env_preparing_tarnwell", "%1 is initializing..."},
        {StrTable::app_name_tarnwell_client, 849, "app_name_tarnwell_client", "Tarnwell Client"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.enumValue, c.id);
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(c.key)), c.id);
        EXPECT_EQ(StrTable::LoadStr(c.id), QString::fromUtf8(c.text));
    }
}

TEST_F(StrTableTest, LookupIgnoresCaseButNothingElse)
{
    struct Case {
        const char* name;
        const char* key;
        int id;
    };
    const Case cases[] = {
        {"lower_case", "btn_ok", 29},
        {"upper_case", "BTN_OK", 29},
        {"mixed_case", "BTN_Ok", 29},
        {"mixed_case_other_key", "Btn_Cancel", 30},
        {"longer_than_a_key", "btn_okay", -1},
        {"prefix_of_a_key", "btn", -1},
        {"trailing_space", "btn_ok ", -1},
        {"english_text_not_key", "Cancel", -1},
        {"empty", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(c.key)), c.id);
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
    const std::set<std::string> namedSmallFamilies = {
        "fti", "share", "sharing", "enable", "time", "quick", "create", "remove", "open",
        "conflict", "op", "conn", "folder", "sync", "shared", "timescale", "common",
        "invalid", "adv", "export", "app",
    };
    const std::map<std::string, int> sizes = familySizes();
    EXPECT_EQ(sizes.size(), 177u);

    int smallFamilies = 0;
    int smallEntries = 0;
    for (const auto& [family, size] : sizes) {
        SCOPED_TRACE(family);
        auto big = bigFamilies.find(family);
        if (big != bigFamilies.end()) {
            EXPECT_EQ(size, big->second);
            continue;
        }
        EXPECT_LT(size, 10);
        ++smallFamilies;
        smallEntries += size;
    }
    EXPECT_EQ(smallFamilies, 148);
    EXPECT_EQ(smallEntries, 322);
    for (const std::string& family : namedSmallFamilies)
        EXPECT_EQ(sizes.count(family), 1u) << family;
}

TEST(StrTableData, KeysAreUniqueSnakeCaseIdentifiers)
{
    const QRegularExpression snakeCase(QStringLiteral("^[a-z][a-z0-9]*(_[a-z0-9]+)*$"));
    std::set<std::string> keys;
    for (const Entry& entry : kEntries) {
        EXPECT_TRUE(snakeCase.match(QString::fromLatin1(entry.key)).hasMatch()) << entry.key;
        EXPECT_TRUE(keys.insert(entry.key).second) << "duplicate " << entry.key;
    }
}

TEST(StrTableData, TextsFollowTheCatalogueConventions)
{
    EXPECT_EQ(countTexts(QRegularExpression(QStringLiteral("%[1-4]"))), 125);
    EXPECT_EQ(countTexts(QRegularExpression(QStringLiteral("<[a-zA-Z/][^>]*>"))), 18);

    int installerTexts = 0;
    int productNamePlaceholders = 0;
    int nonAscii = 0;
    for (const Entry& entry : kEntries) {
        SCOPED_TRACE(entry.key);
        const QByteArray bytes(entry.text);
        const QString text = QString::fromUtf8(bytes);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(text.trimmed(), text);
        EXPECT_FALSE(text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\t')));
        // Bytes that are not UTF-8 would not survive the round trip.
        EXPECT_EQ(text.toUtf8(), bytes);
        if (std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; }))
            ++nonAscii;
        if (familyOf(entry.key) != "msi")
            continue;
        // Windows Installer formats its own [ ] placeholders; Qt markers would show raw.
        ++installerTexts;
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("%[1-4]"))));
        if (text.contains(QLatin1String("[ProductName]")))
            ++productNamePlaceholders;
    }
    EXPECT_EQ(installerTexts, 80);
    EXPECT_GE(productNamePlaceholders, 20);
    EXPECT_GE(nonAscii, 5);
    EXPECT_LE(nonAscii, 15);
}

// Stands in for a compiled catalogue: only context "global" is translated,
// which is the context the table must ask for.
class FakeCatalogue : public QTranslator {
public:
    explicit FakeCatalogue(std::map<std::string, QString> texts) : m_texts(std::move(texts)) {}

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "global") != 0)
            return QString();
        auto found = m_texts.find(sourceText);
        return found == m_texts.end() ? QString() : found->second;
    }
    bool isEmpty() const override { return false; }

private:
    std::map<std::string, QString> m_texts;
};

TEST(StrTableTranslation, CatalogueTextsReplaceEnglishAndTheirEscapesBecomeControls)
{
    StrTable::InitStrTable();
    int argc = 1;
    char programName[] = "strtab_test";
    char* argv[] = {programName, nullptr};
    QCoreApplication app(argc, argv);
    FakeCatalogue catalogue({
        {"%1 is ready.", QStringLiteral("%1 ist bereit.\\nBitte warten\\tEnde")},
        {"%1 is initializing...", QStringLiteral("%1 wird vorbereitet\\\\n…")},
        {"Tarnwell Client", QStringLiteral("Tarnwell \\N\\T")},
    });
    ASSERT_TRUE(QCoreApplication::installTranslator(&catalogue));

    struct Case {
        const char* name;
        int id;
        QString expected;
    };
    const Case cases[] = {
        {"escapes_become_line_break_and_tab", StrTable::desc_hollowmere_env_preparation_done_tarnwell,
         QStringLiteral("%1 ist bereit.\nBitte warten\tEnde")},
        {"doubled_backslash_keeps_one", StrTable::desc_hollowmere_env_preparing_tarnwell,
         QStringLiteral("%1 wird vorbereitet\\\n…")},
        {"upper_case_escapes_stay", StrTable::app_name_tarnwell_client, QStringLiteral("Tarnwell \\N\\T")},
        {"untranslated_falls_back_to_english", StrTable::btn_ok, QStringLiteral("OK")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StrTable::LoadStr(c.id), c.expected);
    }
    QCoreApplication::removeTranslator(&catalogue);
}

}  // namespace
