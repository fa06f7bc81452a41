#include "app/settingsstore.h"
#include "app/storagepaths.h"
#include "core/notifier.h"
#include "files/savefolderbrowser.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

namespace {

// Behaves as the interface promises: folders that do not exist are ignored.
class FakeBrowser : public SaveFolderBrowser
{
public:
    void setRootPath(const QString &path) override
    {
        if (!QFileInfo(path).isDir())
            return;
        root = path;
        current = path;
    }
    void setCurrentPath(const QString &path) override
    {
        if (QFileInfo(path).isDir())
            current = path;
    }
    QString currentPath() const override { return current; }

    QString root;
    QString current;
};

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// Closes the next message box once it is up and records its text.
class MessageCatcher : public QObject
{
public:
    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (box && box->isVisible()) {
                    text = box->text();
                    title = box->windowTitle();
                    buttons = box->buttons().size();
                    ++count;
                    box->accept();
                }
            }
        });
        m_timer.start(20);
    }
    QString text;
    QString title;
    int buttons = 0;
    int count = 0;

private:
    QTimer m_timer;
};

const char *const kFolderMessage =
    "请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”";

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void firstStart();
    void rootsFromPathsOnlyWhenEmpty();
    void folderKeptAcrossRuns();
    void saveIsThrottled();
    void existingRootGetsSubfolder();
    void folderFromConfig_data();
    void folderFromConfig();
    void deletedFolderRecreated_data();
    void deletedFolderRecreated();
    void emptyRootFromFile();
    void uncreatableRootKeepsBrowser();
    void pruneFileLists();
    void makeFilePath_data();
    void makeFilePath();
    void nameCollision();
    void reservedNamesAreUnique();
    void unwritableConfigurationSaid();
    void makeFilePathWithoutBrowser();
    void outOfRangeIndicesWrittenCorrected();
    void checkSaveFolder_data();
    void checkSaveFolder();
    void selectCamera();
    void saveCreatesConfigFolder();
    void saveFailsSilently();
    void storagePolicy_data();
    void storagePolicy();
    void folderWritable();
    void readOnlyProgramFolder();
    void translationFolders();
};

void TestSettingsStore::initTestCase() { QStandardPaths::setTestModeEnabled(true); }

void TestSettingsStore::firstStart()
{
    QTemporaryDir app;
    const StoragePaths paths = resolveStoragePaths(app.path(), true, QString(), QString(), QString());
    AppSettings s;
    FakeBrowser photos, videos;
    SettingsStore store(&s, paths);
    store.setBrowsers(&photos, &videos);
    QSignalSpy loaded(&store, &SettingsStore::sigLoaded);

    QCOMPARE(store.loadSettings(), SettingsRead::NotOpened);
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded.at(0).at(0).value<SettingsRead>(), SettingsRead::NotOpened);

    QCOMPARE(s.imageRoot, app.path() + "/save/image");
    QCOMPARE(s.videoRoot, app.path() + "/save/movie");
    QVERIFY(QFileInfo(app.path() + "/save/image/Photo").isDir());
    QVERIFY(QFileInfo(app.path() + "/save/movie/Video").isDir());
    QCOMPARE(photos.root, s.imageRoot);
    QCOMPARE(photos.current, s.imageRoot + "/Photo");
    QCOMPARE(videos.current, s.videoRoot + "/Video");
    QCOMPARE(SettingsStore::imageFormats().value(s.imageFormat), QStringLiteral("jpg"));
    QCOMPARE(SettingsStore::videoFormats().value(s.videoFormat), QStringLiteral("avi"));
    QCOMPARE(s.language, 1);
    QVERIFY(s.showTime);

    const QRegularExpression photoName(QStringLiteral("/save/image/Photo/\\d{8}_\\d{6}\\.jpg$"));
    QVERIFY(photoName.match(store.makeFilePath(SettingsStore::Photo)).hasMatch());
    QVERIFY(store.makeFilePath(SettingsStore::Video).endsWith(".avi"));
    QVERIFY(store.makeFilePath(SettingsStore::Video).contains("/save/movie/Video/"));

    QVERIFY(store.saveSettings());
    QVERIFY(QFileInfo(app.path() + "/Measure.config").isFile());
}

void TestSettingsStore::rootsFromPathsOnlyWhenEmpty()
{
    StoragePaths paths;
    paths.imageRoot = "/default/image";
    paths.videoRoot = "/default/movie";
    AppSettings s;
    s.videoRoot = "/mine";
    SettingsStore store(&s, paths);
    QCOMPARE(s.imageRoot, QStringLiteral("/default/image"));
    QCOMPARE(s.videoRoot, QStringLiteral("/mine"));
}

void TestSettingsStore::folderKeptAcrossRuns()
{
    QTemporaryDir app;
    const StoragePaths paths = resolveStoragePaths(app.path(), true, QString(), QString(), QString());
    {
        AppSettings s;
        FakeBrowser photos, videos;
        SettingsStore store(&s, paths);
        store.setBrowsers(&photos, &videos);
        store.loadSettings();
        QVERIFY(QDir().mkpath(s.imageRoot + "/Photo/slide 1"));
        photos.setCurrentPath(s.imageRoot + "/Photo/slide 1");
        videos.setCurrentPath(s.videoRoot); // the root itself
        store.selectCamera("cam");
        s.calibrations.append(BDInfo());
        QVERIFY(store.saveSettings());
        QCOMPARE(s.imageFolder, QStringLiteral("Photo/slide 1"));
        // "." would refuse every later recording: the last sub-folder stays.
        QCOMPARE(s.videoFolder, QStringLiteral("Video"));
    }
    AppSettings s;
    FakeBrowser photos, videos;
    SettingsStore store(&s, paths);
    store.setBrowsers(&photos, &videos);
    QCOMPARE(store.loadSettings(), SettingsRead::Complete);
    QCOMPARE(s.imageFolder, QStringLiteral("Photo/slide 1"));
    QCOMPARE(QDir(photos.current).absolutePath(), QDir(s.imageRoot + "/Photo/slide 1").absolutePath());
    QCOMPARE(QDir(videos.current).absolutePath(), QDir(s.videoRoot + "/Video").absolutePath());
    QCOMPARE(s.currentCamera, QStringLiteral("cam"));
    QCOMPARE(s.calibrations.size(), 1);
}

void TestSettingsStore::saveIsThrottled()
{
    QTemporaryDir app;
    const StoragePaths paths = resolveStoragePaths(app.path(), true, QString(), QString(), QString());
    AppSettings s;
    SettingsStore store(&s, paths);
    store.setSaveDelay(30);
    auto onDisk = [&paths] {
        AppSettings back;
        loadSettingsFile(paths.configFile, &back);
        return back;
    };
    // Changes in a burst share one write, done after the delay.
    s.calibrations.append(BDInfo());
    store.scheduleSave();
    s.language = 3;
    store.scheduleSave();
    QVERIFY(store.isSavePending());
    QVERIFY(!QFileInfo::exists(paths.configFile));
    QTRY_VERIFY(!store.isSavePending());
    QCOMPARE(onDisk().calibrations.size(), 1);
    QCOMPARE(onDisk().language, 3);
    // A save by hand takes the pending one with it.
    s.language = 4;
    store.scheduleSave();
    QVERIFY(store.saveSettings());
    QVERIFY(!store.isSavePending());
    QCOMPARE(onDisk().language, 4);
}

void TestSettingsStore::existingRootGetsSubfolder()
{
    // An existing, empty root gets its subfolder too: without it every
    // photo would be refused. What is in the root stays.
    QTemporaryDir app;
    QVERIFY(QDir().mkpath(app.path() + "/save/image"));
    touch(app.path() + "/save/image/keep.jpg");
    AppSettings s;
    FakeBrowser photos;
    SettingsStore store(&s, resolveStoragePaths(app.path(), true, QString(), QString(), QString()));
    store.setBrowsers(&photos, nullptr);
    store.ensureFolders();
    QVERIFY(QFileInfo(app.path() + "/save/image/Photo").isDir());
    QVERIFY(QFileInfo::exists(app.path() + "/save/image/keep.jpg"));
    QVERIFY(QFileInfo(app.path() + "/save/movie/Video").isDir());
    QCOMPARE(photos.current, s.imageRoot + "/Photo");
}

void TestSettingsStore::folderFromConfig_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("used");
    // A link "esc" made in the root first, to this folder ("..": above the root).
    QTest::addColumn<QString>("linkTo");
    QTest::newRow("climbs out") << "../../x"
                                << "Photo"
                                << "";
    QTest::newRow("climbs out inside") << "a/../../x"
                                       << "Photo"
                                       << "";
    QTest::newRow("absolute") << "/tmp/x"
                              << "Photo"
                              << "";
    QTest::newRow("dot") << "."
                         << "Photo"
                         << "";
    QTest::newRow("empty") << ""
                           << "Photo"
                           << "";
    QTest::newRow("deeper") << "Photo/2024"
                            << "Photo/2024"
                            << "";
    QTest::newRow("dotted but inside") << "a/../b"
                                       << "b"
                                       << "";
    QTest::newRow("link above the root") << "esc"
                                         << "Photo"
                                         << "..";
    QTest::newRow("below a link above") << "esc/new"
                                        << "Photo"
                                        << "..";
    QTest::newRow("link to the root's parent's parent") << "esc"
                                                        << "Photo"
                                                        << "../..";
    QTest::newRow("link that stays inside") << "esc"
                                            << "esc"
                                            << "kept";
}

void TestSettingsStore::folderFromConfig()
{
    QFETCH(QString, stored);
    QFETCH(QString, used);
    QTemporaryDir app;
    const StoragePaths paths = resolveStoragePaths(app.path(), true, QString(), QString(), QString());
    AppSettings written;
    written.imageRoot = app.path() + "/root";
    written.videoRoot = app.path() + "/movie";
    written.imageFolder = stored;
    QVERIFY(saveSettingsFile(paths.configFile, written));
    QFETCH(QString, linkTo);
    if (!linkTo.isEmpty()) {
        QVERIFY(QDir().mkpath(written.imageRoot + "/kept"));
        QVERIFY(QFile::link(QDir::cleanPath(written.imageRoot + "/" + linkTo), written.imageRoot + "/esc"));
    }
    AppSettings s;
    FakeBrowser photos, videos;
    SettingsStore store(&s, paths);
    store.setBrowsers(&photos, &videos);
    store.loadSettings();
    QCOMPARE(s.imageFolder, used);
    QVERIFY(store.checkSaveFolder(SettingsStore::Photo));
    const QString photo = store.makeFilePath(SettingsStore::Photo);
    QCOMPARE(QFileInfo(photo).path(), app.path() + "/root/" + used);
    QVERIFY(QFileInfo(QFileInfo(photo).path()).isDir());
    QVERIFY(!QFileInfo::exists(app.path() + "/x"));
    QVERIFY(store.saveSettings());
    QCOMPARE(s.imageFolder, used); // "." or ".." never reaches the file
    QVERIFY(!QFileInfo::exists(app.path() + "/new"));
    // A browser that went through the link out does not put it back.
    if (linkTo.startsWith("..")) {
        RecordingNotifier n;
        photos.current = written.imageRoot + "/esc";
        QVERIFY(!store.checkSaveFolder(SettingsStore::Photo));
        QVERIFY(n.informed.value(0).contains(photos.current));
        QVERIFY(store.saveSettings());
        QCOMPARE(s.imageFolder, used);
    }
}

// Names are taken by creating the file: writers racing for one second's
// name each get their own, and nothing is overwritten.
void TestSettingsStore::reservedNamesAreUnique()
{
    QTemporaryDir dir;
    const QDateTime now(QDate(2026, 1, 2), QTime(3, 4, 5));
    constexpr int kWriters = 6;
    constexpr int kEach = 20;
    QVector<QStringList> taken(kWriters);
    QVector<QThread *> threads;
    for (int w = 0; w < kWriters; ++w) {
        threads << QThread::create([&, w] {
            AppSettings s;
            FakeBrowser photos;
            photos.current = dir.path();
            SettingsStore store(&s, StoragePaths());
            store.setBrowsers(&photos, nullptr);
            for (int i = 0; i < kEach; ++i)
                taken[w] << store.reserveFilePath(SettingsStore::Photo, now);
        });
        threads.last()->start();
    }
    QStringList all;
    for (int w = 0; w < kWriters; ++w) {
        QVERIFY(threads[w]->wait(20000));
        delete threads[w];
        all += taken[w];
    }
    QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), kWriters * kEach);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), kWriters * kEach);
    QVERIFY(all.contains(dir.path() + "/20260102_030405.jpg"));
}

// A configuration folder that takes no file: said at load, once while it
// lasts, tried again, and over when a write succeeds.
void TestSettingsStore::unwritableConfigurationSaid()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("cfg");
    touch(blocker); // a file where the folder should be
    StoragePaths paths;
    paths.configFile = blocker + "/Measure.config";
    paths.imageRoot = dir.filePath("image");
    paths.videoRoot = dir.filePath("movie");
    AppSettings s;
    SettingsStore store(&s, paths);
    QSignalSpy problem(&store, &SettingsStore::saveProblem);
    QSignalSpy recovered(&store, &SettingsStore::saveRecovered);
    store.loadSettings();
    QCOMPARE(problem.count(), 1);
    QCOMPARE(problem.first().first().toString(), blocker);
    QVERIFY(store.isSaveFailing());
    QVERIFY(!store.saveSettings());
    QCOMPARE(problem.count(), 1);
    QVERIFY(QFile::remove(blocker));
    QVERIFY(store.saveSettings());
    QCOMPARE(recovered.count(), 1);
    QVERIFY(!store.isSaveFailing());
    QVERIFY(QFileInfo(paths.configFile).size() > 0);
    // Read-only (another copy holds the configuration): nothing written.
    QVERIFY(QFile::remove(paths.configFile));
    store.setReadOnly(true);
    QVERIFY(store.saveSettings());
    QVERIFY(!QFileInfo::exists(paths.configFile));
}

void TestSettingsStore::deletedFolderRecreated_data()
{
    QTest::addColumn<bool>("browserAtRoot"); // the real browser falls back to its root
    QTest::newRow("browser keeps the path") << false;
    QTest::newRow("browser at the root") << true;
}

void TestSettingsStore::deletedFolderRecreated()
{
    QFETCH(bool, browserAtRoot);
    QTemporaryDir app;
    AppSettings s;
    s.imageRoot = app.path() + "/image";
    s.videoRoot = app.path() + "/movie";
    FakeBrowser photos, videos;
    SettingsStore store(&s, StoragePaths());
    store.setBrowsers(&photos, &videos);
    store.ensureFolders();
    QCOMPARE(photos.current, s.imageRoot + "/Photo");
    QVERIFY(QDir(s.imageRoot + "/Photo").removeRecursively());
    if (browserAtRoot) {
        photos.current = s.imageRoot;
        store.saveSettings(); // no file here; the folder is what counts
        QCOMPARE(s.imageFolder, QStringLiteral("Photo"));
    }
    MessageCatcher catcher;
    QVERIFY(store.checkSaveFolder(SettingsStore::Photo));
    QCOMPARE(catcher.count, 0);
    QVERIFY(QFileInfo(s.imageRoot + "/Photo").isDir());
    QCOMPARE(QFileInfo(store.makeFilePath(SettingsStore::Photo)).path(), s.imageRoot + "/Photo");
}

void TestSettingsStore::emptyRootFromFile()
{
    QTemporaryDir app;
    const StoragePaths paths = resolveStoragePaths(app.path(), true, QString(), QString(), QString());
    AppSettings damaged;
    damaged.videoRoot = app.path() + "/movies";
    damaged.language = 0;
    QVERIFY(saveSettingsFile(paths.configFile, damaged)); // imageRoot empty
    AppSettings s;
    SettingsStore store(&s, paths);
    QCOMPARE(store.loadSettings(), SettingsRead::Complete);
    QCOMPARE(s.language, 0);
    QCOMPARE(s.imageRoot, paths.imageRoot);
    QCOMPARE(s.videoRoot, app.path() + "/movies");
    QVERIFY(QFileInfo(paths.imageRoot + "/Photo").isDir());
    QVERIFY(QFileInfo(app.path() + "/movies/Video").isDir());
}

void TestSettingsStore::uncreatableRootKeepsBrowser()
{
    QTemporaryDir old;
    AppSettings s;
    s.imageRoot = "/proc/vistrel/image"; // cannot be made, not even by root
    s.videoRoot = "/proc/vistrel/movie";
    FakeBrowser photos, videos;
    photos.root = photos.current = old.path();
    SettingsStore store(&s, StoragePaths());
    store.setBrowsers(&photos, &videos);
    store.ensureFolders();
    QCOMPARE(photos.root, old.path());
    QCOMPARE(photos.current, old.path());
    QVERIFY(videos.current.isEmpty());
}

void TestSettingsStore::pruneFileLists()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.jpg"), b = dir.filePath("b.jpg"), c = dir.filePath("c.avi");
    touch(a);
    touch(c);
    AppSettings s;
    s.imageRoot = dir.path();
    s.videoRoot = dir.path();
    s.imageFiles = QStringList{b, a, b, dir.filePath("gone.png"), a, QString()};
    s.videoFiles = QStringList{dir.filePath("x.avi"), c};
    SettingsStore store(&s, StoragePaths());
    store.syncBrowsers();
    QCOMPARE(s.imageFiles, (QStringList{a, a}));
    QCOMPARE(s.videoFiles, QStringList{c});
}

void TestSettingsStore::makeFilePath_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << 0 << 0 << "/p/20261208_040506.png";
    QTest::newRow("jpg") << 0 << 1 << "/p/20261208_040506.jpg";
    QTest::newRow("bmp") << 0 << 2 << "/p/20261208_040506.bmp";
    QTest::newRow("tif") << 0 << 3 << "/p/20261208_040506.tif";
    QTest::newRow("photo format out of range") << 0 << 4 << "/p/20261208_040506.jpg";
    QTest::newRow("photo format negative") << 0 << -1 << "/p/20261208_040506.jpg";
    QTest::newRow("avi") << 1 << 0 << "/v/20261208_040506.avi";
    QTest::newRow("video format out of range") << 1 << 5 << "/v/20261208_040506.avi";
    QTest::newRow("unknown kind") << 2 << 0 << "";
}

void TestSettingsStore::makeFilePath()
{
    QFETCH(int, kind);
    QFETCH(int, format);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.path() + "/p"));
    QVERIFY(QDir().mkpath(dir.path() + "/v"));
    AppSettings s;
    s.imageFormat = kind == 0 ? format : 1;
    s.videoFormat = kind == 1 ? format : 0;
    FakeBrowser photos, videos;
    photos.current = dir.path() + "/p";
    videos.current = dir.path() + "/v";
    SettingsStore store(&s, StoragePaths());
    store.setBrowsers(&photos, &videos);
    const QDateTime now(QDate(2026, 12, 8), QTime(4, 5, 6, 999));
    const QString path = store.makeFilePath(kind, now);
    QCOMPARE(path, name.isEmpty() ? QString() : dir.path() + name);
}

void TestSettingsStore::nameCollision()
{
    QTemporaryDir dir;
    AppSettings s;
    FakeBrowser photos;
    photos.current = dir.path();
    SettingsStore store(&s, StoragePaths());
    store.setBrowsers(&photos, nullptr);
    const QDateTime now(QDate(2026, 1, 2), QTime(3, 4, 5));

    const QString first = store.makeFilePath(SettingsStore::Photo, now);
    QCOMPARE(first, dir.path() + "/20260102_030405.jpg");
    touch(first);
    const QString second = store.makeFilePath(SettingsStore::Photo, now);
    QCOMPARE(second, dir.path() + "/20260102_030405_1.jpg");
    touch(second);
    QCOMPARE(store.makeFilePath(SettingsStore::Photo, now), dir.path() + "/20260102_030405_2.jpg");
    // Another suffix does not collide; a gap in the numbers is reused.
    s.imageFormat = 0;
    QCOMPARE(store.makeFilePath(SettingsStore::Photo, now), dir.path() + "/20260102_030405.png");
    s.imageFormat = 1;
    QVERIFY(QFile::remove(first));
    QCOMPARE(store.makeFilePath(SettingsStore::Photo, now), first);
    // A folder of that name is taken too.
    QVERIFY(QDir().mkpath(first));
    QCOMPARE(store.makeFilePath(SettingsStore::Photo, now), dir.path() + "/20260102_030405_2.jpg");
}

// Indices no list holds are read as the defaults and written back so.
void TestSettingsStore::outOfRangeIndicesWrittenCorrected()
{
    QTemporaryDir app;
    const StoragePaths paths = resolveStoragePaths(app.path(), true, QString(), QString(), QString());
    AppSettings bad;
    bad.imageFormat = 9;
    bad.videoFormat = -1;
    bad.style.textColorIndex = 7;
    bad.style.fontSizeIndex = -4;
    bad.style.lineColorIndex = 1; // in range: kept
    bad.style.lineStyle = 3;
    bad.style.lineWidthIndex = 99;
    QVERIFY(saveSettingsFile(paths.configFile, bad));
    AppSettings s;
    FakeBrowser photos, videos;
    SettingsStore store(&s, paths);
    store.setBrowsers(&photos, &videos);
    QCOMPARE(store.loadSettings(), SettingsRead::Complete);
    QVERIFY(store.saveSettings());
    AppSettings back;
    QCOMPARE(loadSettingsFile(paths.configFile, &back), SettingsRead::Complete);
    const AppSettings defaults;
    QCOMPARE(back.imageFormat, defaults.imageFormat);
    QCOMPARE(back.videoFormat, defaults.videoFormat);
    QCOMPARE(back.style.textColorIndex, defaults.style.textColorIndex);
    QCOMPARE(back.style.fontSizeIndex, defaults.style.fontSizeIndex);
    QCOMPARE(back.style.lineColorIndex, 1);
    QCOMPARE(back.style.lineStyle, defaults.style.lineStyle);
    QCOMPARE(back.style.lineWidthIndex, defaults.style.lineWidthIndex);
}

void TestSettingsStore::makeFilePathWithoutBrowser()
{
    AppSettings s;
    s.imageRoot = "/r/i";
    s.videoRoot = "/r/v";
    s.imageFolder = "sub";
    SettingsStore store(&s, StoragePaths());
    const QDateTime now(QDate(2026, 1, 2), QTime(3, 4, 5));
    QCOMPARE(store.makeFilePath(SettingsStore::Photo, now), QStringLiteral("/r/i/sub/20260102_030405.jpg"));
    QCOMPARE(store.makeFilePath(SettingsStore::Video, now), QStringLiteral("/r/v/Video/20260102_030405.avi"));
}

void TestSettingsStore::checkSaveFolder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("photoFolder"); // relative to the temp folder
    QTest::addColumn<QString>("videoFolder");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("photo at root") << 0 << "image"
                                   << "movie/Video" << false;
    QTest::newRow("photo at root, trailing slash") << 0 << "image/"
                                                   << "movie/Video" << false;
    QTest::newRow("photo at root, dotted") << 0 << "image/Photo/.."
                                           << "movie/Video" << false;
    QTest::newRow("photo in Photo") << 0 << "image/Photo"
                                    << "movie" << true;
    QTest::newRow("photo in a deeper folder") << 0 << "image/Photo/a"
                                              << "movie" << true;
    QTest::newRow("photo outside the root") << 0 << "elsewhere"
                                            << "movie" << true;
    QTest::newRow("video at root") << 1 << "image/Photo"
                                   << "movie" << false;
    QTest::newRow("video in Video") << 1 << "image"
                                    << "movie/Video" << true;
    QTest::newRow("other kind") << 7 << "image"
                                << "movie" << true;
}

void TestSettingsStore::checkSaveFolder()
{
    QFETCH(int, kind);
    QFETCH(QString, photoFolder);
    QFETCH(QString, videoFolder);
    QFETCH(bool, allowed);
    QTemporaryDir dir;
    for (const char *sub : {"image/Photo/a", "movie/Video", "elsewhere"})
        QVERIFY(QDir().mkpath(dir.filePath(QString::fromLatin1(sub))));
    AppSettings s;
    s.imageRoot = dir.filePath("image");
    s.videoRoot = dir.filePath("movie");
    FakeBrowser photos, videos;
    photos.current = dir.filePath(photoFolder);
    videos.current = dir.filePath(videoFolder);
    QWidget window;
    SettingsStore store(&s, StoragePaths(), &window);
    store.setBrowsers(&photos, &videos);

    MessageCatcher catcher;
    QCOMPARE(store.checkSaveFolder(kind), allowed);
    QCOMPARE(catcher.count, allowed ? 0 : 1);
    if (!allowed) {
        QCOMPARE(catcher.text, QString::fromUtf8(kFolderMessage));
        QVERIFY(catcher.title.isEmpty());
        QCOMPARE(catcher.buttons, 1);
    }
}

void TestSettingsStore::selectCamera()
{
    AppSettings s;
    SettingsStore store(&s, StoragePaths());
    store.selectCamera("a");
    QCOMPARE(s.currentCamera, QStringLiteral("a"));
    QCOMPARE(s.cameras.size(), 1);
    QCOMPARE(s.cameras.value("a").size, QSize(640, 480));
    s.cameras["a"].name = "kept";
    store.selectCamera("b");
    store.selectCamera("a");
    QCOMPARE(s.currentCamera, QStringLiteral("a"));
    QCOMPARE(s.cameras.size(), 2);
    QCOMPARE(s.cameras.value("a").name, QStringLiteral("kept"));
}

void TestSettingsStore::saveCreatesConfigFolder()
{
    QTemporaryDir home;
    const StoragePaths paths = resolveStoragePaths("/usr/bin", false, home.path() + "/config/vistrel",
                                                   home.path() + "/Pictures", home.path() + "/Videos");
    AppSettings s;
    SettingsStore store(&s, paths);
    QCOMPARE(store.loadSettings(), SettingsRead::NotOpened);
    QVERIFY(QFileInfo(home.path() + "/Pictures/Vistrel/Photo").isDir());
    QVERIFY(QFileInfo(home.path() + "/Videos/Vistrel/Video").isDir());
    s.language = 0;
    QVERIFY(store.saveSettings());
    AppSettings back;
    SettingsStore again(&back, paths);
    QCOMPARE(again.loadSettings(), SettingsRead::Complete);
    QCOMPARE(back.language, 0);
}

void TestSettingsStore::saveFailsSilently()
{
    StoragePaths paths;
    paths.configFile = "/proc/vistrel/Measure.config";
    AppSettings s;
    QWidget window;
    SettingsStore store(&s, paths, &window);
    MessageCatcher catcher;
    QVERIFY(!store.saveSettings());
    QCoreApplication::processEvents();
    QCOMPARE(catcher.count, 0);
}

void TestSettingsStore::storagePolicy_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("video");
    QTest::newRow("portable") << true << "/opt/v/Measure.config"
                              << "/opt/v/save/image"
                              << "/opt/v/save/movie";
    QTest::newRow("installed") << false << "/home/u/.config/vistrel/Measure.config"
                               << "/home/u/Pictures/Vistrel"
                               << "/home/u/Videos/Vistrel";
}

void TestSettingsStore::storagePolicy()
{
    QFETCH(bool, writable);
    QFETCH(QString, config);
    QFETCH(QString, image);
    QFETCH(QString, video);
    const StoragePaths p = resolveStoragePaths("/opt/v", writable, "/home/u/.config/vistrel", "/home/u/Pictures",
                                               "/home/u/Videos");
    QCOMPARE(p.portable, writable);
    QCOMPARE(p.configFile, config);
    QCOMPARE(p.imageRoot, image);
    QCOMPARE(p.videoRoot, video);
}

// Writability is decided by creating a file, so the tests run as root
// check it with places root cannot write either: /proc and a missing folder.
void TestSettingsStore::folderWritable()
{
    QTemporaryDir dir;
    QVERIFY(isFolderWritable(dir.path()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 0);
    QVERIFY(!isFolderWritable("/proc"));
    QVERIFY(!isFolderWritable("/proc/self"));
    QVERIFY(!isFolderWritable(dir.path() + "/missing"));
    QVERIFY(!isFolderWritable(QString()));
    touch(dir.filePath("file"));
    QVERIFY(!isFolderWritable(dir.filePath("file")));

    QVERIFY(QDir().mkpath(dir.filePath("ro")));
    QVERIFY(QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner));
    if (geteuid() != 0)
        QVERIFY(!isFolderWritable(dir.filePath("ro")));
    QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSettingsStore::readOnlyProgramFolder()
{
    // The convenience overload for this process: the test's own folder is a
    // build folder, so it is portable.
    const StoragePaths here = storagePaths();
    QVERIFY(here.portable);
    QCOMPARE(here.configFile, QCoreApplication::applicationDirPath() + "/Measure.config");

    // A program folder nobody can write moves everything to the user's folders.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const StoragePaths p = resolveStoragePaths("/proc", isFolderWritable("/proc"), config, "/tmp/pics", "/tmp/vids");
    QVERIFY(!p.portable);
    QCOMPARE(p.configFile, config + "/Measure.config");
    QCOMPARE(p.imageRoot, QStringLiteral("/tmp/pics/Vistrel"));
    QCOMPARE(p.videoRoot, QStringLiteral("/tmp/vids/Vistrel"));
}

void TestSettingsStore::translationFolders()
{
    QCOMPARE(translationDirs("/opt/vistrel/bin", {"/usr/share", "/usr/local/share/", "/opt/vistrel/share"}),
             (QStringList{"/opt/vistrel/bin/lang", "/opt/vistrel/share/vistrel/lang", "/usr/share/vistrel/lang",
                          "/usr/local/share/vistrel/lang"}));
    QCOMPARE(translationDirs("/usr/bin"), (QStringList{"/usr/bin/lang", "/usr/share/vistrel/lang"}));
    const QStringList mine = translationDirs();
    QVERIFY(!mine.isEmpty());
    QCOMPARE(mine.first(), QCoreApplication::applicationDirPath() + "/lang");
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
