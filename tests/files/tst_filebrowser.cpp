#include "core/mediafiles.h"
#include "files/customlistwidgetitem.h"
#include "files/filebrowser.h"
#include "record/rtmpthread.h"
#include "core/camerabuffer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(QListWidgetItem *)

namespace {

void touch(const QString &path, const QByteArray &data = QByteArray("x"))
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

void writePhoto(const QString &path, QRgb colour, const char *format = nullptr)
{
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(colour);
    QVERIFY(img.save(path, format));
}

// The browser lists the newest first; files made in one tick of the file
// system's clock would tie. Makes `path` (by `make`) again until its time is
// past `older`'s.
template <typename Make> void makeAfter(const QString &older, const QString &path, Make make)
{
    const QDateTime after = CustomListWidgetItem::creationTimeOf(QFileInfo(older));
    QVERIFY(QTest::qWaitFor(
        [&] {
            QFile::remove(path);
            make();
            return CustomListWidgetItem::creationTimeOf(QFileInfo(path)) > after;
        },
        5000));
}

QStringList names(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

CustomListWidgetItem *entry(const QListWidget *list, int row)
{
    return static_cast<CustomListWidgetItem *>(list->item(row));
}

bool waitThumbnails(FileBrowser &b, int timeoutMs = 20000)
{
    if (b.pendingThumbnails() == 0)
        return true;
    QSignalSpy done(&b, &FileBrowser::thumbnailsDone);
    return done.wait(timeoutMs) && b.pendingThumbnails() == 0;
}

QRgb iconCentre(const QListWidgetItem *item)
{
    const QImage img = item->icon().pixmap(FileBrowser::kIconWidth, FileBrowser::kIconHeight).toImage();
    return img.isNull() ? 0 : img.pixel(img.width() / 2, img.height() / 2);
}

bool near(QRgb a, QRgb b, int tol)
{
    return qAbs(qRed(a) - qRed(b)) <= tol && qAbs(qGreen(a) - qGreen(b)) <= tol && qAbs(qBlue(a) - qBlue(b)) <= tol;
}

} // namespace

class TestFileBrowser : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void searchFilter_data();
    void searchFilter();
    void searchFromEdit();
    void videoSuffixes();
    void modeIsNotCumulative();
    void ordering_data();
    void ordering();
    void listedOrder();
    void labelAndBack();
    void backNeverAboveRoot();
    void missingFolderIgnored();
    void newFolderFirst();
    void newFolderDialog();
    void dialogRefusesBadName();
    void entryRemovedWhileLoading();
    void refusedNames_data();
    void refusedNames();
    void doubleClickIntoFolder();
    void doubleClickFileOpens();
    void addAndRename();
    void renameRefused_data();
    void renameRefused();
    void placeholdersBeforeThumbnails();
    void thumbnailsOfPhotos();
    void videoThumbnails();
    void folderChangesWhileLoading();
    void outsideCopyAppears();
    void reloadKeepsPlaceAndFilter();
    void dragCarriesFileUrls();
    void gridFillsTheWidth();
    void sortByName();

private:
    QTemporaryDir *m_tmp = nullptr;
    QString m_root;
};

void TestFileBrowser::init()
{
    qRegisterMetaType<QListWidgetItem *>();
    m_tmp = new QTemporaryDir;
    QVERIFY(m_tmp->isValid());
    m_root = m_tmp->filePath(QStringLiteral("Photo"));
    QVERIFY(QDir().mkpath(m_root));
}

void TestFileBrowser::cleanup()
{
    delete m_tmp;
    m_tmp = nullptr;
}

void TestFileBrowser::searchFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    // Suffixes match in any letter case ("aB_.PNG", "ab.JPG").
    const QStringList ab{QStringLiteral("abFolder"), QStringLiteral("ab.bmp"),  QStringLiteral("XABY.jpg"),
                         QStringLiteral("xabx.png"), QStringLiteral("aB_.PNG"), QStringLiteral("ab.JPG")};
    QTest::newRow("lower") << "ab" << ab;
    QTest::newRow("upper") << "AB" << ab;
    QTest::newRow("mixed") << "aB" << ab;
    QTest::newRow("none") << "qq" << QStringList();
    QTest::newRow("empty") << "" << QStringList{QStringLiteral("abFolder"), QStringLiteral("zz"),
                                                QStringLiteral("ab.bmp"),   QStringLiteral("cd.png"),
                                                QStringLiteral("XABY.jpg"), QStringLiteral("xabx.png"),
                                                QStringLiteral("aB_.PNG"),  QStringLiteral("ab.JPG")};
}

void TestFileBrowser::searchFilter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QDir(m_root).mkdir(QStringLiteral("abFolder"));
    QDir(m_root).mkdir(QStringLiteral("zz"));
    for (const char *n : {"xabx.png", "XABY.jpg", "ab.bmp", "cd.png", "aB_.PNG", "ab.JPG", "ab.txt", "ab.png.bak"})
        touch(QDir(m_root).filePath(QString::fromLatin1(n)));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.refresh(filter);
    QStringList got = names(b.listWidget());
    // Folders first; files sorted by name here, their times being equal or close.
    QVERIFY(got.size() == expected.size());
    const int dirs = int(
        std::count_if(expected.begin(), expected.end(), [](const QString &s) { return !s.contains('.'); }));
    for (int i = 0; i < dirs; ++i)
        QVERIFY(entry(b.listWidget(), i)->isDir());
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(got, expected);
}

void TestFileBrowser::searchFromEdit()
{
    touch(QDir(m_root).filePath(QStringLiteral("Apple.png")));
    touch(QDir(m_root).filePath(QStringLiteral("pear.png")));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QCOMPARE(b.listWidget()->count(), 2);
    QCOMPARE(b.searchEdit()->placeholderText(), QStringLiteral("Search"));
    QTest::keyClicks(b.searchEdit(), QStringLiteral("pP"));
    QTest::keyClick(b.searchEdit(), Qt::Key_Return);
    QCOMPARE(names(b.listWidget()), QStringList{QStringLiteral("Apple.png")});
    // The trailing action does the same.
    b.searchEdit()->setText(QStringLiteral("EA"));
    QAction *action = b.searchEdit()->findChild<QAction *>(QStringLiteral("actionSearch"));
    QVERIFY(action);
    action->trigger();
    QCOMPARE(names(b.listWidget()), QStringList{QStringLiteral("pear.png")});
    b.refresh();
    QCOMPARE(b.listWidget()->count(), 2);
}

void TestFileBrowser::videoSuffixes()
{
    for (const char *n : {"a.mp4", "b.avi", "c.AVI", "d.png", "e.mkv"})
        touch(QDir(m_root).filePath(QString::fromLatin1(n)), QByteArray("not a video"));
    FileBrowser b;
    b.setVideoMode(true);
    QCOMPARE(b.suffixes(), (QStringList{QStringLiteral(".mp4"), QStringLiteral(".avi")}));
    b.setRootPath(m_root);
    QStringList got = names(b.listWidget());
    got.sort();
    QCOMPARE(got, (QStringList{QStringLiteral("a.mp4"), QStringLiteral("b.avi"), QStringLiteral("c.AVI")}));
    // Garbage "videos" end with the broken icon, never a crash.
    QVERIFY(waitThumbnails(b));
    for (int i = 0; i < b.listWidget()->count(); ++i)
        QCOMPARE(entry(b.listWidget(), i)->thumbnailState(), CustomListWidgetItem::ThumbnailBroken);
}

void TestFileBrowser::modeIsNotCumulative()
{
    FileBrowser b;
    b.setVideoMode(true);
    b.setVideoMode(false);
    QCOMPARE(b.suffixes(), media::photoSuffixes());
}

void TestFileBrowser::ordering_data()
{
    QTest::addColumn<bool>("aDir");
    QTest::addColumn<int>("aAge");
    QTest::addColumn<bool>("bDir");
    QTest::addColumn<int>("bAge");
    QTest::addColumn<bool>("aFirst");
    // Age in seconds before now: a smaller age is newer.
    QTest::newRow("dir before newer file") << true << 100 << false << 1 << true;
    QTest::newRow("file after older dir") << false << 1 << true << 100 << false;
    QTest::newRow("newer file first") << false << 1 << false << 5 << true;
    QTest::newRow("older file later") << false << 9 << false << 5 << false;
    QTest::newRow("newer dir first") << true << 2 << true << 3 << true;
}

void TestFileBrowser::ordering()
{
    QFETCH(bool, aDir);
    QFETCH(int, aAge);
    QFETCH(bool, bDir);
    QFETCH(int, bAge);
    QFETCH(bool, aFirst);
    const QDateTime now = QDateTime::currentDateTime();
    CustomListWidgetItem a(QStringLiteral("/x/a"), aDir, now.addSecs(-aAge));
    CustomListWidgetItem b(QStringLiteral("/x/b"), bDir, now.addSecs(-bAge));
    QCOMPARE(a < b, aFirst);
    QCOMPARE(b < a, !aFirst);
    // Against a plain item the base (text) ordering holds.
    QListWidgetItem plain(QStringLiteral("zzz"));
    QVERIFY(a < plain);
}

void TestFileBrowser::listedOrder()
{
    const QString older = QDir(m_root).filePath(QStringLiteral("older.png"));
    const QString newer = QDir(m_root).filePath(QStringLiteral("newer.png"));
    touch(older);
    makeAfter(older, newer, [&] { touch(newer); });
    QDir(m_root).mkdir(QStringLiteral("sub"));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QCOMPARE(names(b.listWidget()),
             (QStringList{QStringLiteral("sub"), QStringLiteral("newer.png"), QStringLiteral("older.png")}));
    QCOMPARE(b.listWidget()->item(1)->data(Qt::UserRole).toString(), newer);
    QVERIFY(!(b.listWidget()->item(0)->flags() & Qt::ItemIsDragEnabled));
    QVERIFY(b.listWidget()->item(1)->flags() & Qt::ItemIsDragEnabled);
}

void TestFileBrowser::labelAndBack()
{
    QVERIFY(QDir(m_root).mkpath(QStringLiteral("a/b")));
    touch(QDir(m_root).filePath(QStringLiteral("top.png")));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QCOMPARE(b.pathLabel()->text(), QStringLiteral("Photo"));
    QCOMPARE(b.pathLabel()->toolTip(), m_root);
    const QStringList atRoot = names(b.listWidget());

    // Back at the root does nothing.
    QTest::mouseClick(b.backButton(), Qt::LeftButton);
    QCOMPARE(b.currentPath(), m_root);
    QCOMPARE(names(b.listWidget()), atRoot);

    b.setCurrentPath(QDir(m_root).filePath(QStringLiteral("a/b")));
    QCOMPARE(b.pathLabel()->text(), QStringLiteral("Photo/a/b"));
    QCOMPARE(b.listWidget()->count(), 0);
    b.onBackButtonClicked();
    QCOMPARE(b.currentPath(), QDir(m_root).filePath(QStringLiteral("a")));
    QCOMPARE(names(b.listWidget()), QStringList{QStringLiteral("b")});
    b.onBackButtonClicked();
    QCOMPARE(b.currentPath(), m_root);
    QCOMPARE(names(b.listWidget()), atRoot);
    b.onBackButtonClicked();
    QCOMPARE(b.currentPath(), m_root);
}

void TestFileBrowser::backNeverAboveRoot()
{
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    // A current folder set outside the root leads back to the root.
    b.setCurrentPath(m_tmp->path());
    b.onBackButtonClicked();
    QCOMPARE(b.currentPath(), m_root);
}

void TestFileBrowser::missingFolderIgnored()
{
    touch(QDir(m_root).filePath(QStringLiteral("keep.png")));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.setCurrentPath(m_tmp->filePath(QStringLiteral("nope")));
    QCOMPARE(b.currentPath(), m_root);
    QCOMPARE(b.listWidget()->count(), 1);
    b.setRootPath(m_tmp->filePath(QStringLiteral("nope")));
    QCOMPARE(b.currentPath(), m_root);
    QCOMPARE(b.listWidget()->count(), 1);

    FileBrowser empty;
    empty.refresh();
    QCOMPARE(empty.listWidget()->count(), 0);
    QVERIFY(!empty.createFolder(QStringLiteral("x")));
}

void TestFileBrowser::newFolderFirst()
{
    touch(QDir(m_root).filePath(QStringLiteral("p1.png")));
    touch(QDir(m_root).filePath(QStringLiteral("p2.png")));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QVERIFY(b.createFolder(QStringLiteral("New Folder")));
    QVERIFY(QFileInfo(QDir(m_root).filePath(QStringLiteral("New Folder"))).isDir());
    QCOMPARE(b.listWidget()->count(), 3);
    QCOMPARE(b.listWidget()->item(0)->text(), QStringLiteral("New Folder"));
    QVERIFY(entry(b.listWidget(), 0)->isDir());
    // An existing name does nothing.
    QVERIFY(!b.createFolder(QStringLiteral("New Folder")));
    QCOMPARE(b.listWidget()->count(), 3);
}

void TestFileBrowser::newFolderDialog()
{
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.show();
    QString title, label, text;
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        title = dlg->windowTitle();
        label = dlg->labelText();
        text = dlg->textValue();
        dlg->setTextValue(QStringLiteral("Samples"));
        dlg->accept();
    });
    QTest::mouseClick(b.addButton(), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("名称"));
    QCOMPARE(label, QStringLiteral("名称"));
    QCOMPARE(text, QStringLiteral("New Folder"));
    QCOMPARE(names(b.listWidget()), QStringList{QStringLiteral("Samples")});
}

void TestFileBrowser::dialogRefusesBadName()
{
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.show();
    bool sawMessage = false;
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        dlg->setTextValue(QStringLiteral("../outside"));
        // The refusal comes as a message box once the input dialog is gone.
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            sawMessage = box && box->inherits("QMessageBox");
            if (box)
                box->close();
        });
        dlg->accept();
    });
    b.onCreateFolderClicked();
    QVERIFY(sawMessage);
    QVERIFY(!QFileInfo::exists(m_tmp->filePath(QStringLiteral("outside"))));
    QCOMPARE(b.listWidget()->count(), 0);
}

void TestFileBrowser::entryRemovedWhileLoading()
{
    for (int i = 0; i < 20; ++i)
        writePhoto(QDir(m_root).filePath(QStringLiteral("r%1.png").arg(i)), qRgb(0, 255, 0));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QCOMPARE(b.pendingThumbnails(), 20);
    // The owner may drop entries itself (e.g. after deleting a file).
    delete b.listWidget()->takeItem(3);
    delete b.listWidget()->item(0);
    QCOMPARE(b.pendingThumbnails(), 18);
    QVERIFY(waitThumbnails(b));
    QCOMPARE(b.listWidget()->count(), 18);
    for (int i = 0; i < 18; ++i)
        QCOMPARE(entry(b.listWidget(), i)->thumbnailState(), CustomListWidgetItem::ThumbnailReady);
}

void TestFileBrowser::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("absolute") << "/tmp/evil";
    QTest::newRow("parent") << "..";
    QTest::newRow("escape") << "../out";
    QTest::newRow("dot") << ".";
    QTest::newRow("dots inside") << "a..b";
}

void TestFileBrowser::refusedNames()
{
    QFETCH(QString, name);
    QVERIFY(!FileBrowser::isValidName(name));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    const QStringList before = QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QVERIFY(!b.createFolder(name));
    QCOMPARE(QDir(m_root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(b.listWidget()->count(), 0);
}

void TestFileBrowser::doubleClickIntoFolder()
{
    QVERIFY(QDir(m_root).mkpath(QStringLiteral("inner")));
    touch(QDir(m_root).filePath(QStringLiteral("inner/deep.png")));
    touch(QDir(m_root).filePath(QStringLiteral("top.png")));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.resize(400, 600);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QSignalSpy open(&b, &FileBrowser::sigItemOpen);
    QListWidget *list = b.listWidget();
    QCOMPARE(list->item(0)->text(), QStringLiteral("inner"));
    const QRect r = list->visualItemRect(list->item(0));
    QVERIFY(r.isValid());
    // The view wants the press of a double click first, as a real mouse sends it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QCOMPARE(b.currentPath(), QDir(m_root).filePath(QStringLiteral("inner")));
    QCOMPARE(names(list), QStringList{QStringLiteral("deep.png")});
    QCOMPARE(b.pathLabel()->text(), QStringLiteral("Photo/inner"));
    QCOMPARE(open.count(), 0);
}

void TestFileBrowser::doubleClickFileOpens()
{
    touch(QDir(m_root).filePath(QStringLiteral("shot.png")));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.resize(400, 600);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QSignalSpy open(&b, &FileBrowser::sigItemOpen);
    QListWidget *list = b.listWidget();
    const QRect r = list->visualItemRect(list->item(0));
    // The view wants the press of a double click first, as a real mouse sends it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QCOMPARE(open.count(), 1);
    auto *item = open.at(0).at(0).value<QListWidgetItem *>();
    QCOMPARE(item, list->item(0));
    QCOMPARE(item->data(Qt::UserRole).toString(), QDir(m_root).filePath(QStringLiteral("shot.png")));
    QCOMPARE(b.currentPath(), m_root);
}

void TestFileBrowser::addAndRename()
{
    touch(QDir(m_root).filePath(QStringLiteral("first.png")));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    const QString shot = QDir(m_root).filePath(QStringLiteral("shot.png"));
    makeAfter(QDir(m_root).filePath(QStringLiteral("first.png")), shot, [&] { writePhoto(shot, qRgb(10, 200, 10)); });
    QVERIFY(b.addItem(shot));
    QCOMPARE(names(b.listWidget()), (QStringList{QStringLiteral("shot.png"), QStringLiteral("first.png")}));
    QVERIFY(b.addItem(shot)); // listed once only
    QCOMPARE(b.listWidget()->count(), 2);
    QVERIFY(!b.addItem(QDir(m_root).filePath(QStringLiteral("ghost.png"))));

    const QString renamed = QDir(m_root).filePath(QStringLiteral("renamed.png"));
    QVERIFY(QFile::rename(shot, renamed));
    QVERIFY(b.renameItem(shot, renamed));
    QCOMPARE(b.listWidget()->item(0)->text(), QStringLiteral("renamed.png"));
    QCOMPARE(b.listWidget()->item(0)->data(Qt::UserRole).toString(), renamed);
    QVERIFY(waitThumbnails(b));
    QCOMPARE(entry(b.listWidget(), 0)->thumbnailState(), CustomListWidgetItem::ThumbnailReady);
    QVERIFY(near(iconCentre(b.listWidget()->item(0)), qRgb(10, 200, 10), 4));
    QVERIFY(!b.renameItem(shot, renamed)); // no entry of that path any more
}

void TestFileBrowser::renameRefused_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("other folder") << "../elsewhere.png";
    QTest::newRow("sub folder") << "sub/x.png";
    QTest::newRow("dots") << "..";
    QTest::newRow("empty name") << "";
}

void TestFileBrowser::renameRefused()
{
    QFETCH(QString, target);
    const QString file = QDir(m_root).filePath(QStringLiteral("a.png"));
    touch(file);
    QDir(m_root).mkdir(QStringLiteral("sub"));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QVERIFY(!b.renameItem(file, m_root + QLatin1Char('/') + target));
    QCOMPARE(names(b.listWidget()), (QStringList{QStringLiteral("sub"), QStringLiteral("a.png")}));
    QCOMPARE(b.listWidget()->item(1)->data(Qt::UserRole).toString(), file);
}

void TestFileBrowser::placeholdersBeforeThumbnails()
{
    for (int i = 0; i < 500; ++i)
        writePhoto(QDir(m_root).filePath(QStringLiteral("img%1.png").arg(i, 3, 10, QLatin1Char('0'))),
                   qRgb(i % 256, 80, 160));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QListWidget *list = b.listWidget();
    // Listed at once; no thumbnail can be in yet, they come through the event loop.
    QCOMPARE(list->count(), 500);
    QCOMPARE(b.pendingThumbnails(), 500);
    for (int i = 0; i < list->count(); ++i) {
        QCOMPARE(entry(list, i)->thumbnailState(), CustomListWidgetItem::ThumbnailPending);
        QVERIFY(!list->item(i)->icon().isNull());
    }
    QVERIFY(waitThumbnails(b, 60000));
    for (int i = 0; i < list->count(); ++i)
        QCOMPARE(entry(list, i)->thumbnailState(), CustomListWidgetItem::ThumbnailReady);
}

void TestFileBrowser::thumbnailsOfPhotos()
{
    const QDir root(m_root);
    writePhoto(root.filePath(QStringLiteral("red.png")), qRgb(230, 20, 20));
    makeAfter(root.filePath(QStringLiteral("red.png")), root.filePath(QStringLiteral("blue.jpg")),
              [&] { writePhoto(root.filePath(QStringLiteral("blue.jpg")), qRgb(20, 20, 230), "JPG"); });
    makeAfter(root.filePath(QStringLiteral("blue.jpg")), root.filePath(QStringLiteral("grey.bmp")),
              [&] { writePhoto(root.filePath(QStringLiteral("grey.bmp")), qRgb(128, 128, 128)); });
    makeAfter(root.filePath(QStringLiteral("grey.bmp")), root.filePath(QStringLiteral("broken.png")), [&] {
        touch(root.filePath(QStringLiteral("broken.png")), QByteArray("\x89PNG\r\n\x1a\nnot really", 18));
    });
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QVERIFY(waitThumbnails(b));
    QListWidget *list = b.listWidget();
    QCOMPARE(names(list), (QStringList{QStringLiteral("broken.png"), QStringLiteral("grey.bmp"),
                                       QStringLiteral("blue.jpg"), QStringLiteral("red.png")}));
    QCOMPARE(entry(list, 0)->thumbnailState(), CustomListWidgetItem::ThumbnailBroken);
    QVERIFY(!list->item(0)->icon().isNull());
    const QRgb expected[3] = {qRgb(128, 128, 128), qRgb(20, 20, 230), qRgb(230, 20, 20)};
    for (int i = 1; i < 4; ++i) {
        QCOMPARE(entry(list, i)->thumbnailState(), CustomListWidgetItem::ThumbnailReady);
        const QImage icon = list->item(i)->icon().pixmap(FileBrowser::kIconWidth, FileBrowser::kIconHeight).toImage();
        QCOMPARE(icon.size(), QSize(FileBrowser::kIconWidth, FileBrowser::kIconHeight));
        QVERIFY2(near(iconCentre(list->item(i)), expected[i - 1], 8), qPrintable(list->item(i)->text()));
    }
    const QImage direct = FileBrowser::makeThumbnail(QDir(m_root).filePath(QStringLiteral("red.png")), false);
    QCOMPARE(direct.size(), QSize(160, 120)); // aspect ratio ignored (source is 64 x 48 = 4:3, still 160 x 120)
}

void TestFileBrowser::videoThumbnails()
{
    // A short clip of one flat colour, recorded by our own recorder.
    const QString video = QDir(m_root).filePath(QStringLiteral("clip.avi"));
    CameraBuffer buffer;
    buffer.init(96, 64, QImage::Format_RGB32);
    QImage(buffer.bits(), 96, 64, QImage::Format_RGB32).fill(qRgb(200, 120, 40));
    RtmpThread rec;
    rec.setFilePath(video);
    rec.setSize(96, 64);
    rec.setFps(10);
    rec.start();
    QVERIFY(buffer.tryAcquire());
    QVERIFY(rec.enqueueFrame(0, &buffer));
    QVERIFY(QTest::qWaitFor([&] { return rec.queuedFrames() == 0 && !buffer.isTaken(); }, 10000));
    rec.stop();
    touch(QDir(m_root).filePath(QStringLiteral("bad.mp4")), QByteArray(5000, 'z'));

    FileBrowser b;
    b.setVideoMode(true);
    b.setRootPath(m_root);
    QCOMPARE(b.listWidget()->count(), 2);
    QVERIFY(waitThumbnails(b));
    for (int i = 0; i < 2; ++i) {
        CustomListWidgetItem *item = entry(b.listWidget(), i);
        if (item->text() == QLatin1String("clip.avi")) {
            QCOMPARE(item->thumbnailState(), CustomListWidgetItem::ThumbnailReady);
            QVERIFY(near(iconCentre(item), qRgb(200, 120, 40), 10));
        } else {
            QCOMPARE(item->thumbnailState(), CustomListWidgetItem::ThumbnailBroken);
        }
    }
}

void TestFileBrowser::folderChangesWhileLoading()
{
    for (int i = 0; i < 200; ++i)
        writePhoto(QDir(m_root).filePath(QStringLiteral("a%1.png").arg(i)), qRgb(255, 0, 0));
    const QString sub = QDir(m_root).filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkpath(sub));
    writePhoto(QDir(sub).filePath(QStringLiteral("s1.png")), qRgb(0, 0, 255));
    writePhoto(QDir(sub).filePath(QStringLiteral("s2.png")), qRgb(0, 0, 255));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QCoreApplication::processEvents(); // a few old thumbnails may be on the way
    b.setCurrentPath(sub);
    QVERIFY(waitThumbnails(b));
    // Late results of the old listing change nothing.
    b.waitForThumbnailJobs();
    QCoreApplication::sendPostedEvents();
    QListWidget *list = b.listWidget();
    QCOMPARE(list->count(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(entry(list, i)->thumbnailState(), CustomListWidgetItem::ThumbnailReady);
        QVERIFY(near(iconCentre(list->item(i)), qRgb(0, 0, 255), 6));
    }
    // Back to the big folder and away again before anything arrives.
    b.onBackButtonClicked();
    QCOMPARE(list->count(), 201);
    b.setCurrentPath(sub);
    QVERIFY(waitThumbnails(b));
    QCOMPARE(list->count(), 2);
}

void TestFileBrowser::outsideCopyAppears()
{
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QCOMPARE(b.listWidget()->count(), 0);
    QTemporaryDir outside;
    writePhoto(outside.filePath(QStringLiteral("in.png")), qRgb(1, 2, 3));
    QVERIFY(QFile::copy(outside.filePath(QStringLiteral("in.png")), QDir(m_root).filePath(QStringLiteral("in.png"))));
    QTRY_COMPARE_WITH_TIMEOUT(names(b.listWidget()), QStringList{QStringLiteral("in.png")}, 2000);
    QVERIFY(QFile::remove(QDir(m_root).filePath(QStringLiteral("in.png"))));
    QTRY_COMPARE_WITH_TIMEOUT(b.listWidget()->count(), 0, 2000);
}

void TestFileBrowser::reloadKeepsPlaceAndFilter()
{
    for (int i = 0; i < 80; ++i)
        writePhoto(QDir(m_root).filePath(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0'))), qRgb(9, 9, 9));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.setSortOrder(FileBrowser::SortOrder::ByName);
    b.resize(420, 400);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QListWidget *list = b.listWidget();
    QScrollBar *bar = list->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum() / 2);
    const int scroll = bar->value();
    list->item(40)->setSelected(true);
    list->item(41)->setSelected(true);
    const QStringList selected = b.selectedPaths();
    QCOMPARE(selected.size(), 2);
    QListWidgetItem *kept = list->item(41);
    // A delete from the program (or from outside) lists the folder again.
    QVERIFY(QFile::remove(QDir(m_root).filePath(QStringLiteral("p79.png"))));
    b.reload();
    QCOMPARE(list->count(), 79);
    QCOMPARE(bar->value(), scroll);
    QCOMPARE(b.selectedPaths(), selected);
    QCOMPARE(list->item(41), kept); // the entry, with its thumbnail, is kept

    b.refresh(QStringLiteral("p1"));
    QCOMPARE(b.searchEdit()->text(), QStringLiteral("p1"));
    QVERIFY(QFile::remove(QDir(m_root).filePath(QStringLiteral("p10.png"))));
    b.reload();
    QCOMPARE(list->count(), 9);
    QCOMPARE(b.filter(), QStringLiteral("p1"));
}

void TestFileBrowser::dragCarriesFileUrls()
{
    const QString a = QDir(m_root).filePath(QStringLiteral("a.png"));
    const QString c = QDir(m_root).filePath(QStringLiteral("c d.png"));
    touch(a);
    touch(c);
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QListWidget *list = b.listWidget();
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(list->dragEnabled());
    const QModelIndexList rows{list->model()->index(0, 0), list->model()->index(1, 0)};
    std::unique_ptr<QMimeData> data(list->model()->mimeData(rows));
    QVERIFY(data);
    QVERIFY(data->hasFormat(QStringLiteral("text/uri-list")));
    QVERIFY(data->hasFormat(QStringLiteral("application/x-qabstractitemmodeldatalist")));
    QStringList paths;
    for (const QUrl &url : data->urls())
        paths << url.toLocalFile();
    paths.sort();
    QCOMPARE(paths, (QStringList{a, c}));
    QVERIFY(data->data(QStringLiteral("text/uri-list")).contains("c%20d.png"));
    QCOMPARE(list->model()->supportedDragActions(), Qt::DropActions(Qt::CopyAction));
}

void TestFileBrowser::gridFillsTheWidth()
{
    for (int i = 0; i < 10; ++i)
        touch(QDir(m_root).filePath(QStringLiteral("g%1.png").arg(i)), QByteArray(1500 * (i + 1), 'x'));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    b.resize(1000, 600);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QListWidget *list = b.listWidget();
    int firstRow = 0;
    for (int i = 0; i < list->count(); ++i)
        firstRow += list->visualItemRect(list->item(i)).top() == list->visualItemRect(list->item(0)).top() ? 1 : 0;
    // 1000 px hold five entries of 160 px side by side.
    QVERIFY2(firstRow >= 5, qPrintable(QStringLiteral("%1 %2 %3 %4")
                                           .arg(firstRow)
                                           .arg(list->viewport()->width())
                                           .arg(list->gridSize().width())
                                           .arg(list->visualItemRect(list->item(0)).width())));
    // Date and size under the name, and in the tool tip.
    const QString detail = list->item(0)->data(CustomListWidgetItem::DetailRole).toString();
    QVERIFY2(detail.contains(QStringLiteral("kB")), qPrintable(detail));
    const QStringList tip = list->item(0)->toolTip().split(QLatin1Char('\n'));
    QCOMPARE(tip.size(), 3);
    QCOMPARE(tip[0], list->item(0)->text());
    QVERIFY(tip[2].endsWith(QStringLiteral("kB")));
    // The name is drawn under the thumbnail.
    const QImage shot = list->viewport()->grab().toImage();
    const QRect r = list->visualItemRect(list->item(0));
    const QRect textBand(r.left(), r.top() + FileBrowser::kIconHeight + 6, r.width(),
                         r.height() - FileBrowser::kIconHeight - 8);
    const QRgb bg = shot.pixel(r.right() + 2 < shot.width() ? r.right() + 2 : 0, r.center().y());
    int inked = 0;
    for (int y = textBand.top(); y <= textBand.bottom(); ++y)
        for (int x = textBand.left(); x <= textBand.right(); ++x)
            inked += shot.pixel(x, y) != bg ? 1 : 0;
    QVERIFY(inked > 40);
}

void TestFileBrowser::sortByName()
{
    QString previous;
    for (const char *n : {"img10.png", "img2.png", "Img3.png"}) {
        const QString path = QDir(m_root).filePath(QString::fromLatin1(n));
        if (previous.isEmpty())
            touch(path);
        else
            makeAfter(previous, path, [&] { touch(path); });
        previous = path;
    }
    QDir(m_root).mkdir(QStringLiteral("zfolder"));
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(m_root);
    QCOMPARE(names(b.listWidget()), (QStringList{QStringLiteral("zfolder"), QStringLiteral("Img3.png"),
                                                 QStringLiteral("img2.png"), QStringLiteral("img10.png")}));
    QSignalSpy changed(&b, &FileBrowser::sortOrderChanged);
    QComboBox *box = b.sortBox();
    QVERIFY(box);
    box->setCurrentIndex(1);
    emit box->activated(1);
    QCOMPARE(b.sortOrder(), FileBrowser::SortOrder::ByName);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(names(b.listWidget()), (QStringList{QStringLiteral("zfolder"), QStringLiteral("img2.png"),
                                                 QStringLiteral("Img3.png"), QStringLiteral("img10.png")}));
    // New entries join in the order in force.
    touch(QDir(m_root).filePath(QStringLiteral("img1.png")));
    b.reload();
    QCOMPARE(b.listWidget()->item(1)->text(), QStringLiteral("img1.png"));
}

QTEST_MAIN(TestFileBrowser)
#include "tst_filebrowser.moc"
