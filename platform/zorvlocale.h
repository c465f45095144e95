// The user's UI language as one of the launcher's 21 three-letter catalogue
// codes, chosen from LANGUAGE, LC_ALL, LC_MESSAGES and LANG the way the C
// library picks the language of its messages; "enu" when nothing matches.
// It reads the environment only, never the locales installed on the machine.
#pragma once

#include <QString>

class ZorvLocale {
public:
    static ZorvLocale* getInstance();

    // The message locale is the first non-empty of LC_ALL, LC_MESSAGES, LANG.
    // Unless that is C or POSIX, the first entry of the colon list LANGUAGE
    // that names a known language wins; with LANGUAGE set but none known the
    // answer is "enu", as the C library then shows untranslated texts.
    // "zh" alone counts as Simplified Chinese, "pt" alone as European
    // Portuguese, "no", "nb" and "nn" as Norwegian Bokmål.
    QString getDefaultLanguage() const;

private:
    ZorvLocale() = default;
    ZorvLocale(const ZorvLocale&) = delete;
    ZorvLocale& operator=(const ZorvLocale&) = delete;
};
