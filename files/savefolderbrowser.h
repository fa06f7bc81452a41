#pragma once

#include <QString>

// What the settings store needs of a file browser: its root and current
// folder. The file browser implements it; tests can use a plain fake.
class SaveFolderBrowser
{
public:
    virtual ~SaveFolderBrowser() = default;

    // A root that does not exist is ignored; an existing one also becomes
    // the current folder.
    virtual void setRootPath(const QString &path) = 0;
    // Ignored when the folder does not exist.
    virtual void setCurrentPath(const QString &path) = 0;
    virtual QString currentPath() const = 0;
};
