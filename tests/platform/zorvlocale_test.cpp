// The UI language chosen from the locale environment, as the C library would.
#include <cstdlib>

#include <gtest/gtest.h>

#include "zorvlocale.h"

// Sets the four variables (nullptr: unset) and returns the language chosen.
static std::string languageFor(const char* language, const char* lcAll, const char* lcMessages, const char* lang)
{
    const std::pair<const char*, const char*> variables[] = {
        {"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
    for (const auto& [name, value] : variables) {
        value == nullptr ? unsetenv(name) : setenv(name, value, 1);
    }
    return ZorvLocale::getInstance()->getDefaultLanguage().toStdString();
}

TEST(ZorvLocale, language_from_lang_alone)
{
    // LANG value -> language; codeset and modifier are ignored.
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "ger"}, {"de_DE@euro", "ger"}, {"fr_BE.ISO-8859-15@euro", "fre"},
        {"zh_CN.UTF-8", "chs"}, {"zh", "chs"}, {"zh_TW.UTF-8", "cht"}, {"zh_HK", "cht"},
        {"pt_BR.UTF-8", "ptb"}, {"pt_PT.UTF-8", "ptg"}, {"pt", "ptg"},
        {"nb_NO.UTF-8", "nor"}, {"nn_NO", "nor"}, {"no_NO", "nor"}, {"cs_CZ.UTF-8", "csy"},
        {"da_DK", "dan"}, {"en_GB.UTF-8", "enu"}, {"hu_HU", "hun"}, {"it_IT", "ita"},
        {"ja_JP.eucJP", "jpn"}, {"ko_KR.UTF-8", "krn"}, {"nl_BE", "nld"}, {"pl_PL", "plk"},
        {"ru_RU.UTF-8", "rus"}, {"es_MX", "spn"}, {"sv_FI", "sve"}, {"th_TH.UTF-8", "tha"},
        {"tr_TR", "trk"}, {"fi_FI.UTF-8", "enu"},  // a language without catalogue
    };
    for (const auto& [lang, expected] : cases) {
        SCOPED_TRACE(lang);
        EXPECT_EQ(languageFor(nullptr, nullptr, nullptr, lang), expected);
    }
}

TEST(ZorvLocale, which_variable_decides)
{
    struct Case { const char* name; const char* language; const char* lcAll; const char* lcMessages; const char* lang; const char* expected; };
    const Case cases[] = {
        {"nothing_set", nullptr, nullptr, nullptr, nullptr, "enu"},
        {"lc_all_wins_over_lang", nullptr, "it_IT", nullptr, "de_DE", "ita"},
        {"lc_all_wins_over_lc_messages", nullptr, "it_IT", "ru_RU", nullptr, "ita"},
        {"lc_messages_wins_over_lang", nullptr, nullptr, "ru_RU", "de_DE", "rus"},
        {"empty_lc_all_is_skipped", nullptr, "", nullptr, "it_IT", "ita"},
        {"language_wins_over_lc_all", "ko", "de_DE", nullptr, nullptr, "krn"},
        {"language_first_known_entry", "eo:sv_SE:de", nullptr, nullptr, "de_DE", "sve"},
        {"language_empty_entries_skipped", "::ja", nullptr, nullptr, "de_DE", "jpn"},
        {"language_no_known_entry", "eo:fi", nullptr, nullptr, "de_DE", "enu"},
        {"language_ignored_under_c", "de", nullptr, nullptr, "C", "enu"},
        {"language_ignored_under_posix", "de", "POSIX", nullptr, "fr_FR", "enu"},
        {"language_ignored_under_c_utf8", "de", nullptr, nullptr, "C.UTF-8", "enu"},
        {"language_ignored_without_locale", "de", nullptr, nullptr, nullptr, "enu"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(languageFor(c.language, c.lcAll, c.lcMessages, c.lang), c.expected);
    }
    languageFor(nullptr, nullptr, nullptr, nullptr);
}
