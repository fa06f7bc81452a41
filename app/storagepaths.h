#pragma once

#include <QString>
#include <QStringList>

// Where the configuration file and the default save folders live.
struct StoragePaths
{
    QString configFile;    // ".../Measure.config"
    QString imageRoot;     // default photo root
    QString videoRoot;     // default video root
    bool portable = false; // everything beside the program
};

// The decision itself, free of the machine: beside the program when its
// folder is writable (a build tree or a portable copy), otherwise the
// user's configuration folder and Pictures/Videos folders.
StoragePaths resolveStoragePaths(const QString &appDir, bool appDirWritable, const QString &configDir,
                                 const QString &picturesDir, const QString &videosDir);

// The same for this process: the program's folder, probed for writing, and
// the XDG locations (QStandardPaths).
StoragePaths storagePaths();

// Whether a file can really be created in the folder. Decided by trying,
// not from permission bits: root passes every permission check but still
// cannot write to a read-only mount or to /proc.
bool isFolderWritable(const QString &dir);

// Folders to look for translation files in, best first: "lang" beside the
// program, then the installed data folder (../share/vistrel/lang from the
// program), then "vistrel/lang" under each given data folder. No duplicates.
QStringList translationDirs(const QString &appDir, const QStringList &dataDirs = QStringList());
// The same for this process (dataDirs: the system's generic data folders).
QStringList translationDirs();
