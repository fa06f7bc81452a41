#include "core/filenames.h"
#include "core/notifier.h"
#include "files/customlistwidgetitem.h"
#include "files/filebrowser.h"
#include "files/fileoperations.h"
#include "core/camerabuffer.h"
#include "record/recovery.h"
#include "record/rtmpthread.h"
#include "tests/core/hostileimages.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <unistd.h>

using Answer = Notifier::Answer;

namespace {

void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool hasCjk(const QString &s)
{
    for (const QChar c : s) {
        const ushort u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7AF))
            return true;
    }
    return false;
}

} // namespace

// Two browsers over a photo and a video folder in a private place, with the
// desktop trash there too.
class TstFileOperations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // The trash of the freedesktop.org rules lives under XDG_DATA_HOME.
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_DATA_HOME", m_home.filePath("share").toUtf8());
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir(m_home.filePath("work-XXXXXX")));
        QVERIFY(QDir().mkpath(photo("")));
        QVERIFY(QDir().mkpath(m_dir->filePath("Video")));
        m_window.reset(new QWidget);
        m_photos = new FileBrowser(m_window.get());
        m_photos->setVideoMode(false);
        m_photos->setRootPath(photo(""));
        m_videos = new FileBrowser(m_window.get());
        m_videos->setVideoMode(true);
        m_videos->setRootPath(m_dir->filePath("Video"));
        m_ops = new FileOperations(m_window.get());
        m_ops->setBrowsers(m_photos, m_videos);
    }

    void cleanup()
    {
        m_window.reset();
        m_dir.reset();
    }

    // A name that is no UTF-8 is listed (U+FFFD where its odd byte is),
    // read, renamed and moved to the trash by its real bytes.
    void namesThatAreNoUtf8()
    {
        filenames::install();
        RecordingNotifier n;
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(photo("plain.png")));
        const QByteArray dir = QFile::encodeName(photo(""));
        const QByteArray raw = dir + "/caf\xe9.png"; // Latin-1, as an old camera or archive names it
        QCOMPARE(::rename(QByteArray(dir + "/plain.png").constData(), raw.constData()), 0);
        m_photos->reload();
        QCOMPARE(m_photos->listedPaths().size(), 1);
        const QString path = m_photos->listedPaths().first();
        QCOMPARE(QFile::encodeName(path), raw);
        QCOMPARE(m_photos->listWidget()->item(0)->text(), QStringLiteral("caf\uFFFD.png"));
        QCOMPARE(QImage(path).pixel(4, 4), qRgb(255, 0, 0));

        QVERIFY(m_ops->renameEntry(m_photos, path, QStringLiteral("caf\u00e9")));
        QVERIFY(::access(raw.constData(), F_OK) != 0);
        QCOMPARE(QImage(photo(QStringLiteral("caf\u00e9.png"))).pixel(4, 4), qRgb(255, 0, 0));

        QCOMPARE(::rename(QFile::encodeName(photo(QStringLiteral("caf\u00e9.png"))).constData(), raw.constData()), 0);
        m_photos->reload();
        n.answers = {Answer::Yes};
        QCOMPARE(m_ops->deleteEntries(m_photos, m_photos->listedPaths()), 1);
        QVERIFY(::access(raw.constData(), F_OK) != 0);
        const QByteArray trash = qgetenv("XDG_DATA_HOME") + "/Trash/";
        QCOMPARE(::access(QByteArray(trash + "files/caf\xe9.png").constData(), F_OK), 0);
        QFile info(QFile::decodeName(QByteArray(trash + "info/caf\xe9.png.trashinfo")));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains("/caf%E9.png\n"));
    }

    void importSortsByKind()
    {
        RecordingNotifier n;
        QTemporaryDir src;
        touch(src.filePath("clip.mp4"));
        touch(src.filePath("shot.png"));
        touch(src.filePath("UP.JPG"));
        touch(photo("taken.png"), "old");
        touch(src.filePath("taken.png"), "new");
        touch(src.filePath("notes.txt"));
        // A search in force stays in force.
        m_photos->refresh("a");
        QCOMPARE(m_ops->importFiles({src.filePath("clip.mp4"), src.filePath("shot.png"), src.filePath("taken.png"),
                                     src.filePath("UP.JPG"), src.filePath("notes.txt")}),
                 3);
        QVERIFY(QFileInfo::exists(m_dir->filePath("Video/clip.mp4")));
        QVERIFY(QFileInfo::exists(photo("shot.png")));
        QVERIFY(QFileInfo::exists(photo("UP.JPG")));
        QVERIFY(!QFileInfo::exists(photo("notes.txt")));
        // A file of the same name is skipped, not overwritten, and counted.
        QCOMPARE(contents(photo("taken.png")), QByteArray("old"));
        QVERIFY2(n.informed.value(0).contains('3') && n.informed.value(0).contains('1'),
                 qPrintable(n.informed.join('|')));
        QVERIFY(n.informed.value(1).contains("notes.txt"));
        QCOMPARE(m_photos->filter(), QStringLiteral("a"));
        QCOMPARE(m_photos->listedPaths(), QStringList{photo("taken.png")});
        m_photos->refresh();
        QCOMPARE(m_photos->listedPaths().size(), 3);
    }

    // A picture no window could open is refused at the door.
    void importRefusesHugePictures()
    {
        RecordingNotifier n;
        QTemporaryDir src;
        QFile huge(src.filePath("huge.png"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(hostile::png(30000, 30000));
        huge.close();
        QCOMPARE(m_ops->importFiles({huge.fileName()}), 0);
        QVERIFY(!QFileInfo::exists(photo("huge.png")));
        QVERIFY2(n.informed.value(0).contains("huge.png"), qPrintable(n.informed.join('|')));
    }

    void deleteAsks()
    {
        RecordingNotifier n;
        const QString a = photo("a.png");
        const QString b = photo("b.png");
        const QString other = photo("notes.txt");
        touch(a);
        touch(b);
        touch(other);
        m_photos->reload();

        n.answers = {Answer::No};
        QCOMPARE(m_ops->deleteEntries(m_photos, {a}), 0);
        QVERIFY(QFileInfo::exists(a));
        QVERIFY(n.asked.last().contains("a.png"));
        n.answers = {Answer::Yes};
        QCOMPARE(m_ops->deleteEntries(m_photos, {a}), 1);
        QVERIFY(!QFileInfo::exists(a));
        QVERIFY(inTrash("a.png"));

        // Delete all removes only what is listed, and the search stays.
        touch(photo("c.png"));
        m_photos->refresh("b");
        n.answers = {Answer::No};
        QCOMPARE(m_ops->deleteListedEntries(m_photos), 0);
        QVERIFY(QFileInfo::exists(b));
        n.answers = {Answer::Yes};
        QCOMPARE(m_ops->deleteListedEntries(m_photos), 1);
        QVERIFY(!QFileInfo::exists(b));
        QVERIFY(QFileInfo::exists(other));
        QVERIFY(QFileInfo::exists(photo("c.png")));
        QCOMPARE(m_photos->listWidget()->count(), 0);
        QCOMPARE(m_photos->filter(), QStringLiteral("b"));
    }

    void deleteKeyAsksForTheSelection()
    {
        RecordingNotifier n;
        for (const char *name : {"a.png", "b.png", "c.png"})
            touch(photo(name));
        m_photos->reload();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QListWidget *list = m_photos->listWidget();
        list->setFocus();
        list->item(0)->setSelected(true);
        list->item(2)->setSelected(true);
        n.answers = {Answer::Yes};
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(n.asked.size(), 1);
        QCOMPARE(list->count(), 1);
        QCOMPARE(QDir(photo("")).entryList(QDir::Files).size(), 1);
    }

    void deleteAllNamesWhatGoes()
    {
        RecordingNotifier n;
        for (const char *name : {"p1.png", "p2.jpg", "p3.bmp", "skip.txt"})
            touch(photo(name));
        // 12 items in the sub-folder: 3 folders and 9 files, one of them hidden.
        QVERIFY(QDir().mkpath(photo("sub/x/y")));
        QVERIFY(QDir().mkpath(photo("sub/z")));
        for (const char *name : {"sub/1.png", "sub/2.txt", "sub/.hidden", "sub/x/3.png", "sub/x/4.png", "sub/x/y/5.png",
                                 "sub/x/y/6.png", "sub/z/7.png", "sub/z/8.png"})
            touch(photo(name));
        m_photos->reload();
        QCOMPARE(m_photos->listWidget()->count(), 4);

        n.answers = {Answer::No};
        QCOMPARE(m_ops->deleteListedEntries(m_photos), 0);
        QCOMPARE(n.asked.last(), QStringLiteral("是否将 3 个文件和 1 个文件夹（共 12 项） 移到回收站？"));
        for (const char *name : {"p1.png", "p2.jpg", "p3.bmp", "skip.txt", "sub/x/y/6.png", "sub/.hidden"})
            QVERIFY2(QFileInfo::exists(photo(name)), name);

        n.answers = {Answer::Yes};
        QCOMPARE(m_ops->deleteListedEntries(m_photos), 4);
        for (const char *name : {"p1.png", "p2.jpg", "p3.bmp", "sub"})
            QVERIFY2(!QFileInfo::exists(photo(name)), name);
        QVERIFY(QFileInfo::exists(photo("skip.txt")));
        // All of it can be had back from the trash.
        for (const char *name : {"p1.png", "p2.jpg", "p3.bmp", "sub/x/y/6.png", "sub/.hidden"})
            QVERIFY2(inTrash(name), name);
        QVERIFY(n.informed.isEmpty());
    }

    void noTrashAsksBeforeDeletingForGood()
    {
        // A trash that cannot be made: its place is taken by a file.
        QTemporaryDir data;
        touch(data.filePath("Trash"));
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        RecordingNotifier n;
        touch(photo("a.png"));
        m_photos->reload();
        n.answers = {Answer::Yes, Answer::No};
        QCOMPARE(m_ops->deleteEntries(m_photos, {photo("a.png")}), 0);
        QVERIFY(QFileInfo::exists(photo("a.png")));
        QCOMPARE(n.asked.size(), 2);
        QVERIFY(n.asked.last().contains("a.png"));
        n.answers = {Answer::Yes, Answer::Yes};
        QCOMPARE(m_ops->deleteEntries(m_photos, {photo("a.png")}), 1);
        QVERIFY(!QFileInfo::exists(photo("a.png")));
        // Never "trashed" into the working folder.
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("files/a.png")));
        qputenv("XDG_DATA_HOME", saved);
    }

    // A link inside the root to the folder above it: listed as a link, never
    // entered, and deleting all removes the link, not what it leads to.
    void linkOutOfTheRoot()
    {
        RecordingNotifier n;
        const QString outside = m_dir->filePath("outside.png");
        touch(outside);
        touch(photo("mine.png"));
        QVERIFY(QDir().mkpath(photo("sub")));
        QVERIFY(QFile::link(m_dir->path(), photo("up")));
        QVERIFY(QFile::link(photo("sub"), photo("in"))); // stays inside: a folder like any
        QVERIFY(QFile::link(outside, photo("far.png")));
        m_photos->reload();
        QStringList links;
        for (int i = 0; i < m_photos->listWidget()->count(); ++i) {
            auto *item = static_cast<CustomListWidgetItem *>(m_photos->listWidget()->item(i));
            if (item->isOutsideLink())
                links << item->text();
        }
        links.sort();
        QCOMPARE(links, QStringList({"far.png", "up"}));
        QCOMPARE(m_photos->listedPaths().size(), 5);

        for (const QString &link : {QStringLiteral("up"), QStringLiteral("far.png")}) {
            m_photos->openItem(m_photos->listWidget()->findItems(link, Qt::MatchExactly).value(0));
            QCOMPARE(m_photos->currentPath(), photo(""));
            QVERIFY2(n.informed.last().contains(link), qPrintable(n.informed.join('|')));
        }
        m_photos->setCurrentPath(photo("up"));
        m_photos->setCurrentPath(photo("up/Video"));
        QCOMPARE(m_photos->currentPath(), photo(""));
        m_photos->setCurrentPath(photo("in"));
        QCOMPARE(m_photos->currentPath(), photo("in"));
        m_photos->setCurrentPath(photo(""));

        // Entries reached through the link, or outside altogether, stay.
        n.informed.clear();
        QCOMPARE(m_ops->deleteEntries(m_photos, {photo("up/outside.png"), outside}), 0);
        QVERIFY(n.informed.value(0).contains("outside.png"));
        QVERIFY(!m_ops->renameEntry(m_photos, photo("up/outside.png"), "x.png"));
        QVERIFY(QFileInfo::exists(outside));

        n.answers = {Answer::Yes};
        QCOMPARE(m_ops->deleteListedEntries(m_photos), 5);
        QVERIFY(QFileInfo::exists(outside));
        QVERIFY(QFileInfo::exists(m_dir->filePath("Video")));
        QVERIFY(!QFileInfo(photo("up")).isSymLink());
        QVERIFY(inTrash("mine.png"));
        QVERIFY(QFileInfo(QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/Trash/files/up").isSymLink());
    }

    // The trash records where an entry came from URL-escaped, so a file
    // manager can put back names with a newline or "%".
    void trashInfoEscapesThePath()
    {
        RecordingNotifier n;
        const QString name = QStringLiteral("50% of\nit é.png");
        touch(photo(name));
        m_photos->reload();
        n.answers = {Answer::Yes};
        QCOMPARE(m_ops->deleteEntries(m_photos, {photo(name)}), 1);
        QFile info(QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/Trash/info/" + name + ".trashinfo");
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = info.readAll().split('\n');
        QCOMPARE(lines.value(0), QByteArray("[Trash Info]"));
        QVERIFY2(lines.value(1).startsWith("Path=") && lines.value(2).startsWith("DeletionDate="),
                 lines.join('|').constData());
        const QByteArray value = lines.value(1).mid(5);
        QVERIFY(!value.contains('%' + QByteArray(" ")) && !value.contains(' '));
        QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(value)), photo(name));
    }

    void renameRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("result");
        QTest::newRow("plain") << "renamed.png"
                               << "renamed.png";
        QTest::newRow("extension kept") << "noext"
                                        << "noext.png";
        QTest::newRow("other photo kind") << "as.JPG"
                                          << "as.JPG";
        QTest::newRow("up a folder") << "../x.jpg"
                                     << "";
        QTest::newRow("into a folder") << "sub/x.jpg"
                                       << "";
        QTest::newRow("dot dot") << ".."
                                 << "";
        QTest::newRow("existing") << "other.png"
                                  << "";
        QTest::newRow("existing without extension") << "other"
                                                    << "";
    }

    void renameRefuses()
    {
        QFETCH(QString, name);
        QFETCH(QString, result);
        RecordingNotifier n;
        const QString path = photo("shot.png");
        touch(path);
        touch(path + ".vistrel.json", "{}");
        touch(photo("other.png"), "other");
        m_photos->refresh("o"); // both match
        const bool done = !result.isEmpty();
        QCOMPARE(m_ops->renameEntry(m_photos, path, name), done);
        QCOMPARE(QFileInfo::exists(path), !done);
        QCOMPARE(contents(photo("other.png")), QByteArray("other"));
        QVERIFY(!QFileInfo::exists(m_dir->filePath("x.jpg")));
        if (done) {
            QVERIFY(QFileInfo::exists(photo(result)));
            // The annotations follow the photo.
            QCOMPARE(contents(photo(result + ".vistrel.json")), QByteArray("{}"));
            QCOMPARE(m_photos->filter(), QStringLiteral("o"));
            QCOMPARE(m_photos->listedPaths().contains(photo(result)), result.contains('o', Qt::CaseInsensitive));
        } else {
            QVERIFY(!n.informed.isEmpty());
        }
    }

    void renamePreselectsBaseName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dir");
        QTest::addColumn<QString>("selected");
        QTest::newRow("photo") << "shot.png" << false << "shot";
        QTest::newRow("two dots") << "a.b.jpg" << false << "a.b";
        QTest::newRow("hidden") << ".png" << false << ".png";
        QTest::newRow("folder") << "x.y" << true << "x.y";
    }

    void renamePreselectsBaseName()
    {
        QFETCH(QString, name);
        QFETCH(bool, dir);
        QFETCH(QString, selected);
        QCOMPARE(FileOperations::baseNameLength(name, dir), selected.size());
        if (dir)
            return;
        touch(photo(name));
        QString seen;
        QTimer::singleShot(50, [&] {
            auto *dlg = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            seen = dlg->findChild<QLineEdit *>()->selectedText();
            dlg->reject();
        });
        QVERIFY(m_ops->askNewName(photo(name)).isEmpty());
        QCOMPARE(seen, selected);
    }

    void saveAllAsAsksPerFile()
    {
        RecordingNotifier n;
        for (const char *name : {"a.png", "b.png", "c.png", "d.png", "e.png"})
            touch(photo(name), "mine");
        m_photos->reload();
        QTemporaryDir target;
        for (const char *name : {"a.png", "b.png", "c.png", "d.png"})
            touch(target.filePath(name), "theirs");
        // Yes, No, then Yes to all: asked three times, one name each time.
        n.answers = {Answer::Yes, Answer::No, Answer::YesToAll};
        QCOMPARE(m_ops->copyListedEntries(m_photos, target.path()), 4);
        QCOMPARE(n.asked.size(), 3);
        for (const QString &q : n.asked)
            QCOMPARE(q.count(".png"), 1);
        const QString refused = n.asked[1].section('/', -1).section('\n', 0, 0);
        for (const char *name : {"a.png", "b.png", "c.png", "d.png", "e.png"})
            QCOMPARE(contents(target.filePath(name)), QByteArray(name == refused ? "theirs" : "mine"));
        // No, and Cancel, change nothing.
        n.answers = {Answer::Cancel};
        touch(photo("a.png"), "newer");
        m_photos->reload();
        QCOMPARE(m_ops->copyListedEntries(m_photos, target.path()), 0);
        QCOMPARE(contents(target.filePath("a.png")), QByteArray("mine"));
    }

    void saveAllAsIntoItsOwnFolder()
    {
        RecordingNotifier n;
        for (const char *name : {"a.png", "b.jpg", "c.bmp"})
            touch(photo(name), name);
        m_photos->reload();
        QCOMPARE(m_ops->copyListedEntries(m_photos, photo("")), 0);
        QCOMPARE(m_ops->copyListedEntries(m_photos, photo("") + "/./"), 0);
        for (const char *name : {"a.png", "b.jpg", "c.bmp"})
            QCOMPARE(contents(photo(name)), QByteArray(name));
        QCOMPARE(n.informed.size(), 2);
        QVERIFY(n.informed.first().contains('3'));
        QVERIFY(n.asked.isEmpty());
        QCOMPARE(m_photos->listWidget()->count(), 3);
    }

    void saveAsOntoItselfRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("link to the folder") << "link/a.png";
        QTest::newRow("link to the file") << "alias.png";
        QTest::newRow("dot dot") << "Photo/../Photo/a.png";
        QTest::newRow("dot") << "Photo/./a.png";
        QTest::newRow("folder into itself") << "Photo/sub/inner/copy";
    }

    void saveAsOntoItselfRefused()
    {
        QFETCH(QString, target);
        RecordingNotifier n;
        touch(photo("a.png"), "precious");
        QVERIFY(QDir().mkpath(photo("sub/inner")));
        touch(photo("sub/inner/b.png"), "deep");
        QVERIFY(QFile::link(photo(""), m_dir->filePath("link")));
        QVERIFY(QFile::link(photo("a.png"), m_dir->filePath("alias.png")));
        const QString source = target.contains("copy") ? photo("sub") : photo("a.png");
        n.answers = {Answer::Yes, Answer::Yes};
        QVERIFY(!m_ops->saveAs(source, m_dir->filePath(target)));
        QCOMPARE(n.informed.size(), 1);
        QCOMPARE(contents(photo("a.png")), QByteArray("precious"));
        QCOMPARE(contents(photo("sub/inner/b.png")), QByteArray("deep"));
        QVERIFY(!QFileInfo::exists(photo("sub/inner/copy")));
    }

    void saveAsReplacesSafely()
    {
        RecordingNotifier n;
        touch(photo("a.png"), "mine");
        touch(photo("a.png.vistrel.json"), "shapes");
        QTemporaryDir target;
        touch(target.filePath("a.png"), "theirs");
        touch(target.filePath("b.png"), "theirs");
        touch(target.filePath("b.png.vistrel.json"), "their shapes");
        n.answers = {Answer::No};
        QVERIFY(!m_ops->saveAs(photo("a.png"), target.filePath("a.png")));
        QCOMPARE(contents(target.filePath("a.png")), QByteArray("theirs"));
        n.answers = {Answer::Yes};
        QVERIFY(m_ops->saveAs(photo("a.png"), target.filePath("b.png")));
        QCOMPARE(contents(target.filePath("b.png")), QByteArray("mine"));
        QCOMPARE(contents(target.filePath("b.png.vistrel.json")), QByteArray("shapes"));
        QCOMPARE(contents(photo("a.png")), QByteArray("mine"));
        // No temporary file is left behind.
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 3);

        // A copy that fails half-way (an unreadable source) leaves the old file.
        if (!QFile("/proc/self/mem").open(QIODevice::ReadOnly))
            QSKIP("no unreadable file to copy from");
        n.answers = {Answer::Yes};
        QVERIFY(!m_ops->saveAs(QStringLiteral("/proc/self/mem"), target.filePath("a.png")));
        QCOMPARE(contents(target.filePath("a.png")), QByteArray("theirs"));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 3);
    }

    void companionsTravel()
    {
        RecordingNotifier n;
        touch(photo("a.png"));
        QCOMPARE(FileOperations::companionFiles(photo("a.png")), QStringList());
        touch(photo("a.png.vistrel.json"), "{}");
        QCOMPARE(FileOperations::companionFiles(photo("a.png")), QStringList{photo("a.png.vistrel.json")});
        m_photos->reload();
        QCOMPARE(m_photos->listWidget()->count(), 1);
        n.answers = {Answer::Yes};
        QCOMPARE(m_ops->deleteEntries(m_photos, {photo("a.png")}), 1);
        QVERIFY(!QFileInfo::exists(photo("a.png.vistrel.json")));
        QVERIFY(inTrash("a.png.vistrel.json"));
    }

    void clipboardHoldsFiles()
    {
        if (QGuiApplication::platformName() == QLatin1String("minimal"))
            QSKIP("no clipboard");
        touch(m_dir->filePath("Video/clip.mp4"));
        QImage(8, 6, QImage::Format_RGB32).save(photo("shot.png"));
        m_ops->copyToClipboard({m_dir->filePath("Video/clip.mp4")});
        const QMimeData *data = QApplication::clipboard()->mimeData();
        QCOMPARE(data->urls(), QList<QUrl>{QUrl::fromLocalFile(m_dir->filePath("Video/clip.mp4"))});
        QVERIFY(!data->hasImage());
        m_ops->copyToClipboard({photo("shot.png")});
        data = QApplication::clipboard()->mimeData();
        QVERIFY(data->hasImage());
        QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(8, 6));
        QCOMPARE(data->urls().value(0).toLocalFile(), photo("shot.png"));
    }

    // The browser's menu on a multiple selection: "Copy" puts every file there.
    void menuCopiesTheSelection()
    {
        if (QGuiApplication::platformName() == QLatin1String("minimal"))
            QSKIP("no clipboard");
        for (const char *name : {"a.png", "b.png", "c.png"})
            touch(photo(name));
        m_photos->reload();
        m_window->resize(600, 400);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // Actions other parts of the window register, each enabled from its
        // own number of photos.
        QStringList ran;
        m_ops->addPhotoAction({QStringLiteral("actionStitch"), [] { return QStringLiteral("拼接"); }, 2,
                               [&](const QStringList &p) { ran = p; }});
        m_ops->addPhotoAction({QStringLiteral("actionTriple"), [] { return QStringLiteral("三幅"); }, 3,
                               [&](const QStringList &p) { ran = p; }});
        QListWidget *list = m_photos->listWidget();
        list->item(0)->setSelected(true);
        list->item(1)->setSelected(true);
        QStringList offered;
        QTimer::singleShot(50, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *a : menu->actions()) {
                if (a->isEnabled() && !a->isSeparator())
                    offered << a->text();
            }
            menu->setActiveAction(menu->actions().at(1));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        m_ops->showMenu(m_photos, list->visualItemRect(list->item(1)).center());
        // Open and rename take one entry; the rest any selection; two photos
        // or more can be stitched.
        QCOMPARE(offered, (QStringList{"复制", "删除", "全部删除", "另存为", "全部另存为", "拼接"}));
        const QList<QUrl> urls = QApplication::clipboard()->mimeData()->urls();
        QCOMPARE(urls.size(), 2);
        QCOMPARE(urls.first().toLocalFile(), m_photos->selectedPaths().first());
        QVERIFY(ran.isEmpty());

        // The registered entry, chosen, is given the selected photos.
        QTimer::singleShot(50, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            if (QAction *a = menu->findChild<QAction *>(QStringLiteral("actionStitch")))
                menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        m_ops->showMenu(m_photos, list->visualItemRect(list->item(1)).center());
        QCOMPARE(ran, m_photos->selectedPaths());
    }

    // A recording cut short (no index, its marker beside it) is repaired
    // from the video browser's menu; a repair called off keeps it as it was.
    void repairFromTheBrowser()
    {
        RecordingNotifier n;
        const QString clip = m_dir->filePath("Video/cut.avi");
        {
            CameraBuffer buffer;
            buffer.init(96, 64, QImage::Format_RGB32);
            QImage(buffer.bits(), 96, 64, QImage::Format_RGB32).fill(qRgb(200, 120, 40));
            RtmpThread rec;
            rec.setFilePath(clip);
            rec.setSize(96, 64);
            rec.setFps(10);
            rec.start();
            for (int i = 0; i < 30; ++i) {
                QVERIFY(buffer.tryAcquire());
                QVERIFY(rec.enqueueFrame(i * 100, &buffer));
                while (rec.queuedFrames() > 0 || buffer.isTaken())
                    QThread::msleep(1);
            }
            rec.stop();
        }
        // As a kill leaves it: the index never written, a dead recorder's marker.
        QFile file(clip);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray whole = file.readAll();
        QVERIFY(whole.lastIndexOf("idx1") > 0);
        QVERIFY(file.resize(whole.lastIndexOf("idx1")));
        file.close();
        const QByteArray cut = contents(clip);
        touch(inProgressMarkerPath(clip), "999999999\n");
        QVERIFY(awaitsRepair(clip));

        RecoveredRecording stopped = recoverRecording(clip, [](double) { return false; });
        QVERIFY(stopped.cancelled && !stopped.repaired);
        QCOMPARE(contents(clip), cut);
        QVERIFY(awaitsRepair(clip));

        m_videos->reload();
        QListWidget *list = m_videos->listWidget();
        QCOMPARE(list->count(), 1);
        bool offered = false;
        QTimer::singleShot(100, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction *repair = menu->findChild<QAction *>("actionRepairRecording");
            offered = repair && repair->isEnabled();
            if (offered)
                menu->setActiveAction(repair);
            QTest::keyClick(menu, offered ? Qt::Key_Return : Qt::Key_Escape);
        });
        m_ops->showMenu(m_videos, list->visualItemRect(list->item(0)).center());
        QVERIFY(offered);
        QVERIFY2(n.informed.value(0).contains(QDir::toNativeSeparators(clip)) && n.informed.value(0).contains("已修复"),
                 qPrintable(n.informed.join('|')));
        QVERIFY(!QFileInfo::exists(inProgressMarkerPath(clip)));
        QVERIFY(!awaitsRepair(clip));
        QVERIFY(contents(clip).contains("idx1"));
        QVERIFY(!RtmpThread::readFirstFrame(clip).isNull());
    }

    // A large copy lets the event loop run between its megabytes.
    void largeCopyKeepsTheWindowLive()
    {
        RecordingNotifier n;
        const QString big = m_dir->filePath("Video/long.avi");
        touch(big, QByteArray(16 << 20, 'v'));
        int turns = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&turns] { ++turns; });
        tick.start(0);
        QVERIFY(m_ops->saveAs(big, m_dir->filePath("copy.avi")));
        tick.stop();
        QCOMPARE(QFileInfo(m_dir->filePath("copy.avi")).size(), qint64(16 << 20));
        QVERIFY2(turns >= 8, qPrintable(QString::number(turns)));
    }

    void noProgramSaysSo()
    {
        RecordingNotifier n;
        touch(m_dir->filePath("Video/clip.avi"));
        QUrl asked;
        m_ops->opener = [&](const QUrl &url) {
            asked = url;
            return false;
        };
        QVERIFY(!m_ops->openExternally(m_dir->filePath("Video/clip.avi")));
        QCOMPARE(asked.toLocalFile(), m_dir->filePath("Video/clip.avi"));
        QCOMPARE(n.informed.size(), 1);
        QVERIFY(n.informed.first().contains("clip.avi"));
    }

    void deleteButtonsTranslated_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << "en";
        QTest::newRow("de") << "de";
        QTest::newRow("ja") << "ja";
    }

    // The real message box, found and read.
    void deleteButtonsTranslated()
    {
        QFETCH(QString, code);
        QTranslator translator;
        if (!translator.load(QCoreApplication::applicationDirPath() + "/lang/vistrel_" + code + ".qm"))
            QSKIP("no translations beside the test program");
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents(); // the language change reaches the widgets first
        touch(photo("a.png"));
        touch(photo("b.png"));
        m_photos->reload();
        QStringList texts;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            for (QAbstractButton *b : box->buttons())
                texts << b->text();
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(m_ops->deleteListedEntries(m_photos), 0);
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(texts.size(), 3);
        for (const QString &t : texts)
            QVERIFY2(hasCjk(t) == (code == "ja"), qPrintable(t));
        QVERIFY(QFileInfo::exists(photo("a.png")));
    }

private:
    QString photo(const QString &name) const
    {
        const QString dir = m_dir->filePath("Photo");
        return name.isEmpty() ? dir : dir + '/' + name;
    }

    bool inTrash(const QString &name) const
    {
        const QString root = QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/Trash/";
        const QString top = name.section('/', 0, 0);
        return QFileInfo::exists(root + "files/" + name) && QFileInfo::exists(root + "info/" + top + ".trashinfo");
    }

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_window;
    FileBrowser *m_photos = nullptr;
    FileBrowser *m_videos = nullptr;
    FileOperations *m_ops = nullptr;
};

QTEST_MAIN(TstFileOperations)
#include "tst_fileoperations.moc"
