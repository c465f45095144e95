// The UI language chosen from the locale environment, as the C library would.
#include <cstdlib>

#include <gtest/gtest.h>

#include "zorvlocale.h"

namespace {

struct Case {
    const char* name;
    const char* language;  // nullptr: unset
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* expected;
};

const Case kCases[] = {
    {"nothing_set", nullptr, nullptr, nullptr, nullptr, "enu"},
    {"lang_with_codeset", nullptr, nullptr, nullptr, "de_DE.UTF-8", "ger"},
    {"lang_with_modifier", nullptr, nullptr, nullptr, "de_DE@euro", "ger"},
    {"lang_with_codeset_and_modifier", nullptr, nullptr, nullptr, "fr_BE.ISO-8859-15@euro", "fre"},
    {"simplified_chinese", nullptr, nullptr, nullptr, "zh_CN.UTF-8", "chs"},
    {"chinese_alone", nullptr, nullptr, nullptr, "zh", "chs"},
    {"taiwan", nullptr, nullptr, nullptr, "zh_TW.UTF-8", "cht"},
    {"hong_kong", nullptr, nullptr, nullptr, "zh_HK", "cht"},
    {"brazil", nullptr, nullptr, nullptr, "pt_BR.UTF-8", "ptb"},
    {"portugal", nullptr, nullptr, nullptr, "pt_PT.UTF-8", "ptg"},
    {"portuguese_alone", nullptr, nullptr, nullptr, "pt", "ptg"},
    {"bokmal", nullptr, nullptr, nullptr, "nb_NO.UTF-8", "nor"},
    {"nynorsk", nullptr, nullptr, nullptr, "nn_NO", "nor"},
    {"norwegian_old_name", nullptr, nullptr, nullptr, "no_NO", "nor"},
    {"czech", nullptr, nullptr, nullptr, "cs_CZ.UTF-8", "csy"},
    {"danish", nullptr, nullptr, nullptr, "da_DK", "dan"},
    {"british_english", nullptr, nullptr, nullptr, "en_GB.UTF-8", "enu"},
    {"hungarian", nullptr, nullptr, nullptr, "hu_HU", "hun"},
    {"italian", nullptr, nullptr, nullptr, "it_IT", "ita"},
    {"japanese_other_codeset", nullptr, nullptr, nullptr, "ja_JP.eucJP", "jpn"},
    {"korean", nullptr, nullptr, nullptr, "ko_KR.UTF-8", "krn"},
    {"flemish", nullptr, nullptr, nullptr, "nl_BE", "nld"},
    {"polish", nullptr, nullptr, nullptr, "pl_PL", "plk"},
    {"russian", nullptr, nullptr, nullptr, "ru_RU.UTF-8", "rus"},
    {"mexican_spanish", nullptr, nullptr, nullptr, "es_MX", "spn"},
    {"finland_swedish", nullptr, nullptr, nullptr, "sv_FI", "sve"},
    {"thai", nullptr, nullptr, nullptr, "th_TH.UTF-8", "tha"},
    {"turkish", nullptr, nullptr, nullptr, "tr_TR", "trk"},
    {"language_without_catalogue", nullptr, nullptr, nullptr, "fi_FI.UTF-8", "enu"},
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

void setOrUnset(const char* name, const char* value)
{
    if (value == nullptr) {
        unsetenv(name);
    } else {
        setenv(name, value, 1);
    }
}

TEST(ZorvLocale, language_from_locale_environment)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        setOrUnset("LANGUAGE", c.language);
        setOrUnset("LC_ALL", c.lcAll);
        setOrUnset("LC_MESSAGES", c.lcMessages);
        setOrUnset("LANG", c.lang);
        EXPECT_EQ(ZorvLocale::getInstance()->getDefaultLanguage().toStdString(), c.expected);
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        unsetenv(name);
    }
}

}  // namespace
