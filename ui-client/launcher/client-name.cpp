#include "client-name.h"

#include "strtab.h"

QString TextWithClientName(int id)
{
    const QString text = StrTable::LoadStr(id);
    if (!text.contains(QLatin1String("%1"))) {
        return text;
    }
    return text.arg(StrTable::LoadStr(StrTable::app_name_tarnwell_client));
}
