#include "strtab.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLatin1String>

namespace StrTable {

// The enumeration and both arrays come from the one list; a line added or lost
// there would shift every identifier after it.
#define STRTAB_ENTRY(key, text) +1
static_assert(0
#include "strtab-entries.def"
                  == NUM_STRING_IDS,
              "strtab-entries.def must hold exactly NUM_STRING_IDS entries");
#undef STRTAB_ENTRY

namespace {

const char* ktab[NUM_STRING_IDS];
const char* stab[NUM_STRING_IDS];

}  // namespace

void InitStrTable()
{
#define STRTAB_ENTRY(key, text) \
    stab[key] = text;           \
    ktab[key] = #key;
#include "strtab-entries.def"
#undef STRTAB_ENTRY
}

QString LoadStr(int id)
{
    QString qstr = QCoreApplication::translate("global", stab[id]);
    // Catalogue tools keep translations on one line, so translators write
    // line breaks and tabs as escapes.
    qstr.replace(QLatin1String("\\n"), QLatin1String("\n"));
    qstr.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return qstr;
}

int LookupStrID(QString strKey)
{
    for (unsigned int i = 0; i < NUM_STRING_IDS; ++i) {
        if (qstricmp(strKey.toLocal8Bit().constData(), ktab[i]) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace StrTable
