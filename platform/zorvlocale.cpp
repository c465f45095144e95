#include "zorvlocale.h"

#include <QByteArray>
#include <QList>

namespace {

const char kFallback[] = "enu";

// "de_DE.UTF-8@euro" -> language "de", territory "DE".
struct LocaleName {
    QByteArray language;
    QByteArray territory;
};

LocaleName split(const QByteArray& name)
{
    int end = 0;
    while (end < name.size() && name[end] != '.' && name[end] != '@') {
        ++end;
    }
    const QByteArray base = name.left(end);
    int separator = base.indexOf('_');
    if (separator < 0) {
        separator = base.indexOf('-');
    }
    if (separator < 0) {
        return {base.toLower(), QByteArray()};
    }
    return {base.left(separator).toLower(), base.mid(separator + 1).toUpper()};
}

// The catalogue code for a locale name, or an empty string for a language
// without a catalogue.
QString codeFor(const QByteArray& name)
{
    struct Mapping {
        const char* language;
        const char* code;
    };
    static const Mapping plain[] = {
        {"cs", "csy"}, {"da", "dan"}, {"en", "enu"}, {"fr", "fre"}, {"de", "ger"},
        {"hu", "hun"}, {"it", "ita"}, {"ja", "jpn"}, {"ko", "krn"}, {"nl", "nld"},
        {"nb", "nor"}, {"nn", "nor"}, {"no", "nor"}, {"pl", "plk"}, {"ru", "rus"},
        {"es", "spn"}, {"sv", "sve"}, {"th", "tha"}, {"tr", "trk"},
    };
    const LocaleName locale = split(name);
    if (locale.language == "zh") {
        const bool traditional =
            locale.territory == "TW" || locale.territory == "HK" || locale.territory == "MO";
        return QString::fromLatin1(traditional ? "cht" : "chs");
    }
    if (locale.language == "pt") {
        return QString::fromLatin1(locale.territory == "BR" ? "ptb" : "ptg");
    }
    for (const Mapping& mapping : plain) {
        if (locale.language == mapping.language) {
            return QString::fromLatin1(mapping.code);
        }
    }
    return QString();
}

QByteArray messageLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return "C";
}

// "C.UTF-8" is the C locale with another character set: no language either.
bool isCLocale(const QByteArray& name)
{
    return name == "C" || name == "POSIX" || name.startsWith("C.");
}

}  // namespace

ZorvLocale* ZorvLocale::getInstance()
{
    static ZorvLocale instance;
    return &instance;
}

QString ZorvLocale::getDefaultLanguage() const
{
    const QByteArray locale = messageLocale();
    if (isCLocale(locale)) {
        return QString::fromLatin1(kFallback);
    }
    const QByteArray languages = qgetenv("LANGUAGE");
    if (!languages.isEmpty()) {
        for (const QByteArray& entry : languages.split(':')) {
            const QString code = codeFor(entry);
            if (!code.isEmpty()) {
                return code;
            }
        }
        return QString::fromLatin1(kFallback);
    }
    const QString code = codeFor(locale);
    return code.isEmpty() ? QString::fromLatin1(kFallback) : code;
}
