#include "app/settingsstore.h"
#include "core/notifier.h"
#include "core/rootpath.h"
#include "core/sidecar.h"
#include "files/savefolderbrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>

SettingsStore::SettingsStore(AppSettings *settings, const StoragePaths &paths, QWidget *messageParent, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_paths(paths)
    , m_messageParent(messageParent)
{
    qRegisterMetaType<SettingsRead>("SettingsRead");
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(1000);
    connect(&m_saveTimer, &QTimer::timeout, this, &SettingsStore::saveSettings);
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(kRetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &SettingsStore::saveSettings);
    if (m_settings->imageRoot.isEmpty())
        m_settings->imageRoot = m_paths.imageRoot;
    if (m_settings->videoRoot.isEmpty())
        m_settings->videoRoot = m_paths.videoRoot;
}

void SettingsStore::setBrowsers(SaveFolderBrowser *imageBrowser, SaveFolderBrowser *videoBrowser)
{
    m_imageBrowser = imageBrowser;
    m_videoBrowser = videoBrowser;
}

QStringList SettingsStore::imageFormats()
{
    // New formats go after the first three: "Measure.config" stores the index.
    return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("tif")};
}

QStringList SettingsStore::videoFormats() { return {QStringLiteral("avi")}; }

void SettingsStore::correctIndices(AppSettings *s)
{
    // Out-of-range indices from a damaged or foreign file become the defaults,
    // so that what is shown is what gets written back (never -1).
    const AppSettings defaults;
    if (s->imageFormat < 0 || s->imageFormat >= imageFormats().size())
        s->imageFormat = defaults.imageFormat;
    if (s->videoFormat < 0 || s->videoFormat >= videoFormats().size())
        s->videoFormat = defaults.videoFormat;
    DrawStyle &style = s->style;
    const DrawStyle fresh;
    auto fix = [](int *index, int size, int fallback) {
        if (*index < 0 || *index >= size)
            *index = fallback;
    };
    fix(&style.textColorIndex, fresh.colors.size(), fresh.textColorIndex);
    fix(&style.fontSizeIndex, fresh.fontSizes.size(), fresh.fontSizeIndex);
    fix(&style.lineColorIndex, fresh.colors.size(), fresh.lineColorIndex);
    fix(&style.lineStyle, 2, fresh.lineStyle);
    fix(&style.lineWidthIndex, fresh.lineWidths.size(), fresh.lineWidthIndex);
}

SettingsRead SettingsStore::loadSettings()
{
    const SettingsRead result = loadSettingsFile(m_paths.configFile, m_settings);
    // What the fixed layout cannot hold; a damaged sidecar costs only its own fields.
    QString sidecarError;
    if (!sidecar::load(sidecar::pathFor(m_paths.configFile), m_settings, &sidecarError))
        qWarning("Measure.json ignored: %s", qPrintable(sidecarError));
    // The program never stores an empty root; from a damaged file it would
    // put "Photo" at the top of the file system.
    if (m_settings->imageRoot.isEmpty())
        m_settings->imageRoot = m_paths.imageRoot;
    if (m_settings->videoRoot.isEmpty())
        m_settings->videoRoot = m_paths.videoRoot;
    correctIndices(m_settings);
    ensureFolders();
    // Said at once, not at the first change: every change would be lost.
    if (!m_readOnly) {
        QDir().mkpath(configFolder());
        if (!isFolderWritable(configFolder())) {
            m_saveFailing = true;
            emit saveProblem(configFolder());
            m_retryTimer.start();
        }
    }
    emit sigLoaded(result);
    return result;
}

void SettingsStore::scheduleSave()
{
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

bool SettingsStore::saveSettings()
{
    m_saveTimer.stop();
    // The root itself or a folder outside it keeps the last save sub-folder:
    // "." would make every later photo refused.
    auto storeFolder = [](const SaveFolderBrowser *browser, const QString &root, QString *folder) {
        if (!browser || browser->currentPath().isEmpty())
            return;
        const QString rel = QDir(root).relativeFilePath(browser->currentPath());
        if (isSubFolder(rel) && rootpath::isInside(browser->currentPath(), root))
            *folder = QDir::cleanPath(rel);
    };
    storeFolder(m_imageBrowser, m_settings->imageRoot, &m_settings->imageFolder);
    storeFolder(m_videoBrowser, m_settings->videoRoot, &m_settings->videoFolder);

    if (m_readOnly)
        return true;
    // The user's configuration folder may not exist yet on a first run.
    QDir().mkpath(configFolder());
    const bool sidecarSaved = sidecar::save(sidecar::pathFor(m_paths.configFile), *m_settings);
    const bool saved = saveSettingsFile(m_paths.configFile, *m_settings) && sidecarSaved;
    if (!saved) {
        m_retryTimer.start();
        if (!m_saveFailing) {
            m_saveFailing = true;
            emit saveProblem(configFolder());
        }
    } else {
        m_retryTimer.stop();
        if (m_saveFailing) {
            m_saveFailing = false;
            emit saveRecovered();
        }
    }
    return saved;
}

QString SettingsStore::configFolder() const { return QFileInfo(m_paths.configFile).absolutePath(); }

bool SettingsStore::isSubFolder(const QString &folder)
{
    if (folder.isEmpty() || QDir::isAbsolutePath(folder))
        return false;
    const QString clean = QDir::cleanPath(folder);
    return clean != QLatin1String(".") && clean != QLatin1String("..") && !clean.startsWith(QLatin1String("../"));
}

void SettingsStore::ensureFolders()
{
    // A folder from the file must stay below its root.
    if (!isSubFolder(m_settings->imageFolder))
        m_settings->imageFolder = QStringLiteral("Photo");
    if (!isSubFolder(m_settings->videoFolder))
        m_settings->videoFolder = QStringLiteral("Video");
    m_settings->imageFolder = QDir::cleanPath(m_settings->imageFolder);
    m_settings->videoFolder = QDir::cleanPath(m_settings->videoFolder);
    // Without "..", a folder can still lead out of its root through a link:
    // the default folder (or the first free variant of it) takes its place.
    auto keepInside = [](const QString &root, QString *folder, const QString &fallback) {
        for (int n = 1; !rootpath::isInside(root + QLatin1Char('/') + *folder, root) && n <= 10; ++n)
            *folder = n == 1 ? fallback : fallback + QLatin1Char('_') + QString::number(n);
    };
    keepInside(m_settings->imageRoot, &m_settings->imageFolder, QStringLiteral("Photo"));
    keepInside(m_settings->videoRoot, &m_settings->videoFolder, QStringLiteral("Video"));
    // Also in an existing root: an empty one would otherwise refuse every save.
    QDir().mkpath(m_settings->imageRoot + QLatin1Char('/') + m_settings->imageFolder);
    QDir().mkpath(m_settings->videoRoot + QLatin1Char('/') + m_settings->videoFolder);
    syncBrowsers();
}

void SettingsStore::syncBrowsers()
{
    // One pass that keeps the order: removing entries one by one is
    // quadratic on a long list.
    auto prune = [](QStringList *files) {
        QStringList kept;
        kept.reserve(files->size());
        for (const QString &file : qAsConst(*files)) {
            if (QFileInfo::exists(file))
                kept.append(file);
        }
        if (kept.size() != files->size())
            *files = kept;
    };
    prune(&m_settings->imageFiles);
    prune(&m_settings->videoFiles);

    if (m_imageBrowser) {
        m_imageBrowser->setRootPath(m_settings->imageRoot);
        m_imageBrowser->setCurrentPath(m_settings->imageRoot + QLatin1Char('/') + m_settings->imageFolder);
    }
    if (m_videoBrowser) {
        m_videoBrowser->setRootPath(m_settings->videoRoot);
        m_videoBrowser->setCurrentPath(m_settings->videoRoot + QLatin1Char('/') + m_settings->videoFolder);
    }
}

QString SettingsStore::currentFolder(int kind) const
{
    const SaveFolderBrowser *browser = kind == Photo ? m_imageBrowser : m_videoBrowser;
    if (browser)
        return browser->currentPath();
    // No browser yet: where it would be after syncBrowsers().
    return kind == Photo ? m_settings->imageRoot + QLatin1Char('/') + m_settings->imageFolder
                         : m_settings->videoRoot + QLatin1Char('/') + m_settings->videoFolder;
}

QString SettingsStore::reserveFilePath(int kind, const QDateTime &now) const
{
    // The name is taken by creating the file, O_EXCL: another writer (in
    // this program or another) that got the same name first makes us go
    // on to the next one.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QString path = makeFilePath(kind, now);
        if (path.isEmpty())
            return path;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (QFileInfo::exists(path))
            continue;
        return path; // not creatable at all: the writer fails and says why
    }
    return QString();
}

QString SettingsStore::reserveFilePath(int kind) const { return reserveFilePath(kind, QDateTime::currentDateTime()); }

QString SettingsStore::makeFilePath(int kind) const { return makeFilePath(kind, QDateTime::currentDateTime()); }

QString SettingsStore::makeFilePath(int kind, const QDateTime &now) const
{
    if (kind != Photo && kind != Video)
        return QString();
    const QStringList formats = kind == Photo ? imageFormats() : videoFormats();
    const int index = kind == Photo ? m_settings->imageFormat : m_settings->videoFormat;
    // An index from a damaged file must not give a name without a suffix.
    const QString suffix = formats.value(index, kind == Photo ? QStringLiteral("jpg") : QStringLiteral("avi"));

    const QString base = currentFolder(kind) + QLatin1Char('/') + now.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = base + QLatin1Char('.') + suffix;
    // Two photos in one second must not share a name: the second would
    // overwrite the first. (A broken link counts as taken too.)
    for (int n = 1; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = base + QLatin1Char('_') + QString::number(n) + QLatin1Char('.') + suffix;
    return path;
}

bool SettingsStore::checkSaveFolder(int kind)
{
    if (kind != Photo && kind != Video)
        return true;
    const QString root = kind == Photo ? m_settings->imageRoot : m_settings->videoRoot;
    const QString saved = root + QLatin1Char('/') + (kind == Photo ? m_settings->imageFolder : m_settings->videoFolder);
    SaveFolderBrowser *browser = kind == Photo ? m_imageBrowser : m_videoBrowser;
    const QString current = currentFolder(kind);
    // A save folder deleted while the program runs is made again; the browser
    // falls back to the root when its folder vanishes, so the stored
    // sub-folder is recreated and shown then.
    if (!QFileInfo(current).isDir()) {
        QDir().mkpath(current);
    } else if (QDir(current).absolutePath() == QDir(root).absolutePath() && !QFileInfo(saved).isDir()
               && isSubFolder(kind == Photo ? m_settings->imageFolder : m_settings->videoFolder)) {
        if (QDir().mkpath(saved) && browser)
            browser->setCurrentPath(saved);
    }
    const QString folder = QFileInfo(makeFilePath(kind)).path();
    // Written below the root but leading out of it through a link.
    const QString rel = QDir(root).relativeFilePath(folder);
    if (isSubFolder(rel) && !rootpath::isInside(folder, root)) {
        notifier().inform(m_messageParent,
                          QCoreApplication::translate("Vistrel", "保存文件夹在根文件夹之外，未保存：%1").arg(folder));
        return false;
    }
    if (QDir(folder).absolutePath() != QDir(root).absolutePath())
        return true;
    notifier().inform(
        m_messageParent,
        QCoreApplication::translate(
            "VistrelClass",
            "请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”"));
    return false;
}

void SettingsStore::chooseRoot(int kind)
{
    QString &root = kind == Photo ? m_settings->imageRoot : m_settings->videoRoot;
    const QString dir = QFileDialog::getExistingDirectory(m_messageParent, QString(), root, QFileDialog::ShowDirsOnly);
    if (dir.isEmpty())
        return;
    root = dir;
    (kind == Photo ? m_settings->imageFolder : m_settings->videoFolder) = kind == Photo ? QStringLiteral("Photo")
                                                                                        : QStringLiteral("Video");
    ensureFolders();
    scheduleSave();
}

void SettingsStore::selectCamera(const QString &devicePath)
{
    m_settings->currentCamera = devicePath;
    if (!m_settings->cameras.contains(devicePath))
        m_settings->cameras.insert(devicePath, CameraConfig());
}
