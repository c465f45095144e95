// The UI language chosen from the locale environment, as the C library would.
#include <array>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "zorvlocale.h"

TEST(ZorvLocale, LanguageFromTheVariableThatDecides)
{
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG (nullptr: unset), the language chosen
    const std::array<const char*, 5> cases[] = {
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
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (const auto& c : cases) {
        std::string trace;
        for (int i = 0; i < 4; ++i) {
            c[i] == nullptr ? unsetenv(names[i]) : setenv(names[i], c[i], 1);
            trace += std::string(names[i]) + "=" + (c[i] ? c[i] : "-") + " ";
        }
        EXPECT_EQ(ZorvLocale::getInstance()->getDefaultLanguage().toStdString(), c[4]) << trace;
    }
    for (const char* name : names) {
        unsetenv(name);
    }
}
