#pragma once

#include "core/appsettings.h"
#include "app/storagepaths.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class SaveFolderBrowser;

Q_DECLARE_METATYPE(SettingsRead)

// The operations on the configuration record: reading and writing its file,
// the two save folders, new file names and the check before a save.
// Works on a record it does not own (the main window's).
class SettingsStore : public QObject
{
    Q_OBJECT
public:
    enum Kind { Photo = 0, Video = 1 };

    // Roots of *settings that are still empty get the defaults of paths.
    SettingsStore(AppSettings *settings, const StoragePaths &paths, QWidget *messageParent = nullptr,
                  QObject *parent = nullptr);

    // Either may be null (not built yet, or a test without one).
    void setBrowsers(SaveFolderBrowser *imageBrowser, SaveFolderBrowser *videoBrowser);
    void setMessageParent(QWidget *parent) { m_messageParent = parent; }

    AppSettings *settings() const { return m_settings; }
    const StoragePaths &paths() const { return m_paths; }

    // Reads the file over the record (defaults stay when there is none or
    // it is not ours), then ensureFolders(), then sigLoaded so the window
    // applies style, calibrations, menus, combos and language.
    SettingsRead loadSettings();
    // Stores the browsers' folders relative to their roots and writes the
    // file atomically. A failure leaves the old file, is reported once by
    // saveProblem() and is tried again every retryMs until a write succeeds.
    bool saveSettings();
    // A second copy on a configuration another copy holds: nothing is written.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    // The configuration could not be written (or its folder is not
    // writable, found at load); cleared by the next write that succeeds.
    bool isSaveFailing() const { return m_saveFailing; }
    QString configFolder() const;
    static constexpr int kRetryMs = 10000;
    // Saves within saveDelayMs of a change; the changes in between share one
    // write, so the file is written at most once a second. A pending save is
    // done by saveSettings().
    void scheduleSave();
    bool isSavePending() const { return m_saveTimer.isActive(); }
    // Tests shorten it.
    void setSaveDelay(int ms) { m_saveTimer.setInterval(ms); }

    // Replaces a folder that is empty, ".", absolute or climbs out of its
    // root by "Photo"/"Video", creates the root and its folder when missing,
    // then syncBrowsers().
    void ensureFolders();
    // A relative folder that stays below its root and is not the root.
    static bool isSubFolder(const QString &folder);
    // Prunes missing files from the two lists and points the browsers at
    // the roots and current folders.
    void syncBrowsers();

    // A new file in the current folder of that kind, named by the time; a
    // name already taken gets "_1", "_2", ... before the suffix. Empty for
    // an unknown kind.
    QString makeFilePath(int kind) const;
    QString makeFilePath(int kind, const QDateTime &now) const;
    // The same name, created empty and exclusively, so that no other writer
    // gets it (a folder that takes no file gives the name unreserved, for
    // the writer's own message). The caller writes
    // over it, or removes it when its write fails.
    QString reserveFilePath(int kind) const;
    QString reserveFilePath(int kind, const QDateTime &now) const;
    // Recreates a current folder deleted meanwhile (or the stored sub-folder
    // when the browser fell back to the root). False (after telling the user)
    // when the current folder of that kind is still its root itself.
    bool checkSaveFolder(int kind);

    // Asks for a new root of that kind; its folder starts as "Photo" or "Video".
    void chooseRoot(int kind);

    // Makes the camera current, with a default record when it has none.
    void selectCamera(const QString &devicePath);

    // The entries of the format combos, in index order.
    static QStringList imageFormats();
    static QStringList videoFormats();
    // Formats and style indices out of their lists back to the defaults.
    static void correctIndices(AppSettings *settings);

signals:
    void sigLoaded(SettingsRead result);
    // The first failed write of a run of them (or an unwritable folder at load).
    void saveProblem(const QString &folder);
    void saveRecovered();

private:
    QString currentFolder(int kind) const;

    AppSettings *m_settings;
    StoragePaths m_paths;
    QPointer<QWidget> m_messageParent;
    SaveFolderBrowser *m_imageBrowser = nullptr;
    SaveFolderBrowser *m_videoBrowser = nullptr;
    QTimer m_saveTimer;
    QTimer m_retryTimer;
    bool m_readOnly = false;
    bool m_saveFailing = false;
};
