// Path-registry look-up for the installation service, which works on byte
// strings because the file operations library takes them. The registry holds
// kernel paths losslessly (nativepath.h), so any byte the home holds survives.
#pragma once

#include <QString>
#include <string>

#include "nativepath.h"
#include "uipathmanager.h"

inline std::string PathBytes(const QString& path)
{
    return nativePathBytes(path).toStdString();
}

inline std::string ServicePath(const char* key)
{
    return PathBytes(UIPathManager::getInstance()->getPath(QString::fromLatin1(key)));
}
