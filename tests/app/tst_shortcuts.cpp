// The main window's keyboard and Ctrl+wheel, driven as a user would: keys
// sent to the window, wheels to the view.
#include "mainwindowrig.h"

#include "measure/shapetype.h"
#include "ui_measureediter.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

enum Setup {
    NoShape,
    OneLine,
    UndoneLine,
    SelectedLine,
    HalfPolygon,
    FullScreen,
    HalfPolygonFullScreen,
    TextField,
    FileList
};

void keyOf(const QKeySequence &seq, Qt::Key *key, Qt::KeyboardModifiers *mods)
{
    *key = Qt::Key(seq[0] & ~Qt::KeyboardModifierMask);
    *mods = Qt::KeyboardModifiers(seq[0] & Qt::KeyboardModifierMask);
}

void sendCtrlWheel(QWidget *target, const QPoint &pos, int delta)
{
    QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestShortcuts : public QObject
{
    Q_OBJECT

    static void clickPicture(Rig &rig, QPoint p)
    {
        QTest::mouseClick(rig.ui()->camViewer->viewport(), Qt::LeftButton, {},
                          rig.ui()->camViewer->mapFromScene(QPointF(p)));
    }

private slots:
    void initTestCase() { buildDeviceTable(); }

    void keyDrivesAction_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("shapes");      // afterwards
        QTest::addColumn<bool>("building");   // a half-built shape afterwards
        QTest::addColumn<bool>("fullScreen"); // afterwards
        QTest::addColumn<int>("photos");
        QTest::addColumn<bool>("recording");
        const QKeySequence undo = QKeySequence::keyBindings(QKeySequence::Undo).value(0);
        const QKeySequence redo = QKeySequence::keyBindings(QKeySequence::Redo).value(0);
        QTest::newRow("undo") << OneLine << undo << 0 << false << false << 0 << false;
        QTest::newRow("redo") << UndoneLine << redo << 1 << false << false << 0 << false;
        QTest::newRow("delete") << SelectedLine << QKeySequence(Qt::Key_Delete) << 0 << false << false << 0 << false;
        QTest::newRow("esc cancels") << HalfPolygon << QKeySequence(Qt::Key_Escape) << 0 << false << false << 0
                                     << false;
        QTest::newRow("esc cancels first")
            << HalfPolygonFullScreen << QKeySequence(Qt::Key_Escape) << 0 << false << true << 0 << false;
        QTest::newRow("esc leaves full screen")
            << FullScreen << QKeySequence(Qt::Key_Escape) << 0 << false << false << 0 << false;
        QTest::newRow("space") << NoShape << QKeySequence(Qt::Key_Space) << 0 << false << false << 1 << false;
        QTest::newRow("F5") << NoShape << QKeySequence(Qt::Key_F5) << 0 << false << false << 1 << false;
        QTest::newRow("F9") << NoShape << QKeySequence(Qt::Key_F9) << 0 << false << false << 0 << true;
        QTest::newRow("space in a text field")
            << TextField << QKeySequence(Qt::Key_Space) << 0 << false << false << 0 << false;
        QTest::newRow("space in the file list")
            << FileList << QKeySequence(Qt::Key_Space) << 0 << false << false << 0 << false;
        QTest::newRow("F9 in a text field")
            << TextField << QKeySequence(Qt::Key_F9) << 0 << false << false << 0 << false;
    }

    void keyDrivesAction()
    {
        QFETCH(Setup, setup);
        QFETCH(QKeySequence, keys);
        QFETCH(int, shapes);
        QFETCH(bool, building);
        QFETCH(bool, fullScreen);
        QFETCH(int, photos);
        QFETCH(bool, recording);
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        QApplication::setActiveWindow(rig.window.get());
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        CameraScene *scene = rig.window->scene();
        scene->setMeasureEnabled(true);
        rig.ui()->camViewer->setFocus();

        QLineEdit *field = nullptr;
        switch (setup) {
        case OneLine:
        case UndoneLine:
        case SelectedLine:
            scene->setTool(Line);
            clickPicture(rig, {100, 100});
            clickPicture(rig, {300, 200});
            QCOMPARE(scene->shapes().size(), 1);
            if (setup == UndoneLine)
                scene->undo();
            if (setup == SelectedLine)
                scene->selectShape(scene->shapes().first());
            break;
        case HalfPolygonFullScreen:
        case HalfPolygon:
            if (setup == HalfPolygonFullScreen)
                rig.window->onBtnFullScreen();
            scene->setTool(Polygon);
            clickPicture(rig, {100, 100});
            clickPicture(rig, {300, 100});
            QVERIFY(scene->shapeUnderConstruction());
            break;
        case FullScreen: rig.window->onBtnFullScreen(); break;
        case TextField:
            // Any text field of the window (the toolbox's only accept numbers).
            field = new QLineEdit(rig.ui()->headFrame);
            field->show();
            field->setFocus();
            QCOMPARE(QApplication::focusWidget(), field);
            break;
        case FileList: rig.ui()->imageBrowser->listWidget()->setFocus(); break;
        case NoShape: break;
        }
        QCOMPARE(rig.ui()->mainMenuBar->isHidden(), setup == FullScreen || setup == HalfPolygonFullScreen);
        const int photosBefore = rig.photos().size();

        Qt::Key key;
        Qt::KeyboardModifiers mods;
        keyOf(keys, &key, &mods);
        // A real key goes to the focus widget; the window's shortcuts see it first.
        QTest::keyClick(field ? static_cast<QWidget *>(field) : rig.window.get(), key, mods);
        QApplication::processEvents();

        QCOMPARE(scene->shapes().size(), shapes);
        QCOMPARE(scene->shapeUnderConstruction() != nullptr, building);
        QCOMPARE(rig.ui()->mainMenuBar->isHidden(), fullScreen);
        QCOMPARE(rig.photos().size() - photosBefore, photos);
        QCOMPARE(rig.window->isRecording(), recording);
        if (field && key == Qt::Key_Space)
            QVERIFY(field->text().endsWith(' '));
        if (recording) {
            // The same key stops it.
            QTest::keyClick(rig.window.get(), key, mods);
            QVERIFY(QTest::qWaitFor([&] { return !rig.window->isRecording(); }, 5000));
        }
    }

    // Ctrl+wheel steps the zoom and keeps the picture point under the pointer.
    void ctrlWheelZoomsAroundPointer()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        QComboBox *combo = rig.ui()->comboZoom;
        QVERIFY(rig.zoom("2.0x"));
        QGraphicsView *view = rig.ui()->camViewer;
        QScrollArea *area = rig.ui()->mainPageScrollArea;
        const QPoint inViewport(area->viewport()->width() / 3, area->viewport()->height() / 3);
        auto pictureAt = [&] {
            const QPoint inView = view->mapFrom(area->viewport(), inViewport);
            return view->mapToScene(inView);
        };
        const QPointF before = pictureAt();
        const QPoint pos = view->viewport()->mapFrom(area->viewport(), inViewport);
        sendCtrlWheel(view->viewport(), pos, 120);
        QTRY_COMPARE(combo->currentData().toString(), QString("2.5x"));
        QTRY_VERIFY2(QLineF(pictureAt(), before).length() < 2,
                     qPrintable(QString("%1,%2").arg(pictureAt().x()).arg(pictureAt().y())));
        sendCtrlWheel(view->viewport(), view->viewport()->mapFrom(area->viewport(), inViewport), -240);
        QTRY_COMPARE(combo->currentData().toString(), QString("1.0x"));

        // The editor: the same on its own zoom list.
        MeasureEditer *editor = rig.window->editer();
        QTemporaryDir dir;
        QImage photo(800, 600, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        QVERIFY(photo.save(dir.filePath("p.png")));
        editor->show();
        QVERIFY(editor->openImage(dir.filePath("p.png")));
        editor->form()->comboZoom->setCurrentText("1.0x");
        QGraphicsView *editorView = editor->viewer();
        sendCtrlWheel(editorView->viewport(), QPoint(10, 10), 120);
        QCOMPARE(editor->form()->comboZoom->currentData().toString(), QString("2.0x"));
        editor->close();
    }

    void helpMenuListsShortcuts()
    {
        Rig rig;
        QAction *entry = rig.window->findChild<QAction *>("actionShortcuts");
        QVERIFY(entry);
        QVERIFY(rig.ui()->menuHelp->actions().contains(entry));
        entry->trigger();
        QCOMPARE(rig.notes.informed.size(), 1);
        const QString text = rig.notes.informed.first();
        // Key names as Qt's translation of the language gives them ("空格" for Space in Chinese).
        for (const QKeySequence &key :
             {QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_F9), QKeySequence(Qt::Key_Escape),
              QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Space), QKeySequence(Qt::CTRL + Qt::Key_Z)})
            QVERIFY2(text.contains(key.toString(QKeySequence::NativeText)), qPrintable(key.toString()));
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
