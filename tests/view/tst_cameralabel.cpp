#include "view/cameralabel.h"
#include "tests/core/hostileimages.h"

#include <QMimeData>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage solid(QColor c, QSize s = QSize(64, 48))
{
    QImage img(s, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// The payload a QListWidget item drag carries.
QMimeData *itemDrag(const QString &path)
{
    QStandardItemModel model;
    auto *item = new QStandardItem(QFileInfo(path).fileName());
    item->setData(path, Qt::UserRole);
    model.appendRow(item);
    return model.mimeData({model.index(0, 0)});
}

bool dropOn(CameraLabel &tile, QMimeData *data)
{
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tile, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tile, &drop);
    return drop.isAccepted();
}

} // namespace

class TstCameraLabel : public QObject
{
    Q_OBJECT
private slots:
    void addIconClick_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hasImage");
        QTest::addColumn<bool>("inSquare");
        QTest::addColumn<int>("addClicks");
        QTest::newRow("empty tile 0 centre") << 0 << false << true << 1;
        QTest::newRow("empty tile 2 centre") << 2 << false << true << 1;
        QTest::newRow("empty tile off centre") << 2 << false << false << 0;
        QTest::newRow("tile with picture") << 2 << true << true << 0;
    }

    void addIconClick()
    {
        QFETCH(int, index);
        QFETCH(bool, hasImage);
        QFETCH(bool, inSquare);
        QFETCH(int, addClicks);
        CameraLabel tile;
        tile.resize(400, 300);
        tile.setIndex(index);
        if (hasImage)
            tile.setImage(solid(Qt::green));
        QSignalSpy add(&tile, &CameraLabel::sigAddClicked);
        QSignalSpy toggled(&tile, &CameraLabel::toggled);
        const QPoint at = inSquare ? QPoint(200, 150) : QPoint(20, 20);
        QTest::mouseClick(&tile, Qt::LeftButton, {}, at);
        QCOMPARE(add.count(), addClicks);
        // A click outside the add icon selects the tile.
        QCOMPARE(tile.isSelected(), addClicks == 0);
        QCOMPARE(toggled.count(), addClicks == 0 ? 1 : 0);
    }

    void selectionEmitsOnChange()
    {
        CameraLabel tile;
        tile.resize(200, 150);
        QSignalSpy toggled(&tile, &CameraLabel::toggled);
        tile.setSelected(true);
        tile.setSelected(true);
        QTest::mouseClick(&tile, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(toggled.count(), 1);
        QVERIFY(tile.styleSheet().contains("rgb(0, 0, 255)"));
        tile.setSelected(false);
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.last().at(0).toBool(), false);
        QVERIFY(tile.styleSheet().contains("rgb(128, 128, 128)"));
    }

    void releaseOutsideDoesNotSelect()
    {
        CameraLabel tile;
        tile.resize(200, 150);
        QTest::mousePress(&tile, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&tile, Qt::LeftButton, {}, QPoint(300, 5));
        QVERIFY(!tile.isSelected());
    }

    void freezeKeepsPicture()
    {
        CameraLabel tile;
        tile.resize(400, 300);
        tile.show();
        tile.setIndex(0);
        QPushButton *freeze = tile.freezeButton();
        QVERIFY(freeze);
        QCOMPARE(freeze->text(), QStringLiteral("冻结"));
        QCOMPARE(freeze->size(), QSize(140, 30));
        QCOMPARE(freeze->pos(), QPoint(400 - 140 - 25, 300 - 30 - 5));

        tile.setImage(solid(Qt::red));
        QTest::mouseClick(freeze, Qt::LeftButton);
        QVERIFY(tile.isFrozen());
        QCOMPARE(freeze->text(), QStringLiteral("解冻"));
        tile.setImage(solid(Qt::blue));
        QCOMPARE(tile.image().pixelColor(0, 0), QColor(Qt::red));

        // A file still replaces the frozen picture.
        QTemporaryDir dir;
        const QString path = dir.filePath("shot.png");
        QVERIFY(solid(Qt::yellow).save(path));
        QVERIFY(tile.setFile(path));
        QCOMPARE(tile.image().pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(tile.fileName(), QStringLiteral("shot.png"));
        // A picture that claims 30000 x 30000 is refused before decoding.
        QFile huge(dir.filePath("huge.png"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(hostile::png(30000, 30000));
        huge.close();
        QVERIFY(!tile.setFile(huge.fileName()));
        QCOMPARE(tile.fileName(), QStringLiteral("shot.png"));
        QCOMPARE(tile.image().pixelColor(0, 0), QColor(Qt::yellow));

        QTest::mouseClick(freeze, Qt::LeftButton);
        tile.setImage(solid(Qt::blue));
        QCOMPARE(tile.image().pixelColor(0, 0), QColor(Qt::blue));

        tile.resize(500, 400);
        QCOMPARE(freeze->pos(), QPoint(500 - 140 - 25, 400 - 30 - 5));
        CameraLabel other;
        other.setIndex(1);
        QVERIFY(!other.freezeButton());
    }

    void imageIsACopy()
    {
        CameraLabel tile;
        QImage frame = solid(Qt::red);
        tile.setImage(frame);
        frame.fill(Qt::blue);
        QCOMPARE(tile.image().pixelColor(0, 0), QColor(Qt::red));
    }

    void dropShowsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("20240101_101010.png");
        QVERIFY(solid(Qt::cyan).save(path));
        CameraLabel tile;
        tile.resize(320, 240);
        tile.setIndex(2);
        std::unique_ptr<QMimeData> data(itemDrag(path));
        QVERIFY(dropOn(tile, data.get()));
        QCOMPARE(tile.image().pixelColor(0, 0), QColor(Qt::cyan));
        QCOMPARE(tile.fileName(), QStringLiteral("20240101_101010.png"));
    }

    // A camera dragged from the camera list goes to any tile, the first included.
    void cameraDrop()
    {
        QStandardItemModel model;
        auto *item = new QStandardItem(QStringLiteral("V3-2M (1-2)"));
        item->setData(QStringLiteral("sim:a"), CameraLabel::kCameraIdRole);
        model.appendRow(item);
        std::unique_ptr<QMimeData> data(model.mimeData({model.index(0, 0)}));
        CameraLabel first;
        first.setIndex(0);
        QSignalSpy dropped(&first, &CameraLabel::sigCameraDropped);
        QVERIFY(dropOn(first, data.get()));
        QCOMPARE(dropped.value(0).value(0).toString(), QStringLiteral("sim:a"));
        QVERIFY(first.image().isNull());
    }

    void dropRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.png");
        QVERIFY(solid(Qt::cyan).save(path));
        CameraLabel first;
        first.setIndex(0);
        std::unique_ptr<QMimeData> data(itemDrag(path));
        QVERIFY(!dropOn(first, data.get()));
        QVERIFY(first.image().isNull());

        CameraLabel tile;
        tile.setIndex(1);
        QMimeData text;
        text.setText(path);
        QVERIFY(!dropOn(tile, &text));
        // Garbage under the right format is read as far as it goes.
        QMimeData junk;
        junk.setData("application/x-qabstractitemmodeldatalist", QByteArray("\x00\x00\x00\x01garbage", 11));
        dropOn(tile, &junk);
        QVERIFY(tile.image().isNull());
    }

    void painting()
    {
        CameraLabel tile;
        tile.resize(200, 100);
        tile.setIndex(1);
        tile.setImage(solid(Qt::green, QSize(100, 100)));
        QImage shot(tile.size(), QImage::Format_RGB32);
        tile.render(&shot);
        // A square picture is centred: green in the middle, grey-free sides.
        QCOMPARE(shot.pixelColor(100, 50), QColor(Qt::green));
        QVERIFY(shot.pixelColor(20, 50) != QColor(Qt::green));
        tile.clearImage();
        tile.render(&shot);
        QCOMPARE(shot.pixelColor(20, 20), QColor(240, 240, 240));
    }
};

QTEST_MAIN(TstCameraLabel)
#include "tst_cameralabel.moc"
