// Path-registry look-up for the installation service, which works on UTF-8
// byte strings because the file operations library takes them.
#pragma once

#include <QString>
#include <string>

#include "uipathmanager.h"

inline std::string ServicePath(const char* key)
{
    return UIPathManager::getInstance()->getPath(QString::fromLatin1(key)).toUtf8().toStdString();
}
