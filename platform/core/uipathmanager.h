// Process-wide table from path keys to path strings. Filled once on the main
// thread at start-up, read-only afterwards; it takes no lock, so writes after
// other threads start are not supported.
#pragma once

#include <QHash>
#include <QString>

class UIPathManager {
public:
    static UIPathManager* getInstance();

    void setPath(const QString& key, const QString& value);
    // The value exactly as stored; an empty string for a key never set.
    QString getPath(const QString& key) const;

private:
    UIPathManager() = default;
    UIPathManager(const UIPathManager&) = delete;
    UIPathManager& operator=(const UIPathManager&) = delete;

    QHash<QString, QString> paths;
};
