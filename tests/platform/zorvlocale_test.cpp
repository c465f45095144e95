// The UI language chosen from the locale environment, as the C library would.
#include <cstdlib>

#include <gtest/gtest.h>

#include "zorvlocale.h"

TEST(ZorvLocale, LanguageFromTheVariableThatDecides)
{
    struct Case {
        const char* language;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; nullptr: unset
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "ger"},  // codeset and modifier ignored
        {nullptr, nullptr, nullptr, "fr_BE@euro", "fre"},
        {nullptr, nullptr, nullptr, "zh", "chs"},  // territory decides where it matters
        {nullptr, nullptr, nullptr, "zh_TW.UTF-8", "cht"},
        {nullptr, nullptr, nullptr, "pt_BR", "ptb"},
        {nullptr, nullptr, nullptr, "pt", "ptg"},
        {nullptr, nullptr, nullptr, "nn_NO", "nor"},
        {nullptr, nullptr, nullptr, "fi_FI.UTF-8", "enu"},  // no catalogue
        {nullptr, nullptr, nullptr, nullptr, "enu"},
        {nullptr, "it_IT", "ru_RU", "de_DE", "ita"},
        {nullptr, nullptr, "ru_RU", "de_DE", "rus"},
        {nullptr, "", nullptr, "it_IT", "ita"},  // empty is unset
        {"ko", "de_DE", nullptr, nullptr, "krn"},
        {"eo::sv_SE:de", nullptr, nullptr, "de_DE", "sve"},  // first known entry
        {"eo:fi", nullptr, nullptr, "de_DE", "enu"},
        {"de", nullptr, nullptr, "C", "enu"},  // LANGUAGE ignored under C and POSIX, or with no locale
        {"de", "POSIX", nullptr, "fr_FR", "enu"},
        {"de", nullptr, nullptr, "C.UTF-8", "enu"},
        {"de", nullptr, nullptr, nullptr, "enu"},
    };
    for (const Case& c : cases) {
        const std::pair<const char*, const char*> variables[] = {
            {"LANGUAGE", c.language}, {"LC_ALL", c.lcAll}, {"LC_MESSAGES", c.lcMessages}, {"LANG", c.lang}};
        for (const auto& [name, value] : variables) {
            value == nullptr ? unsetenv(name) : setenv(name, value, 1);
        }
        EXPECT_EQ(ZorvLocale::getInstance()->getDefaultLanguage().toStdString(), c.expected)
            << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " " << (c.lang ? c.lang : "-");
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        unsetenv(name);
    }
}
