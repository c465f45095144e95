// The catalogue of every user-visible text of the desktop client: 1177 entries
// of identifier, key and English text. Texts are fetched by identifier through
// Qt's translation system (context "global"), so the installed catalogue gives
// the user's language and English is the fallback.
#pragma once

#include <QString>

namespace StrTable {

#define STRTAB_ENTRY(key, text) key,
enum StringID {
#include "strtab-entries.def"
};
#undef STRTAB_ENTRY

const unsigned int NUM_STRING_IDS = 1177;

// Must run once before the first LoadStr.
void InitStrTable();
// The text of id (0 to 1176) in the current language, with the escapes \n and
// \t of a translation turned into a line break and a tab.
QString LoadStr(int id);
// The identifier whose key matches strKey case-insensitively, or -1.
int LookupStrID(QString strKey);

}  // namespace StrTable
