// Renders the program's windows into PNG files, to look at them as a user
// would: screens <folder>. Not a test; run it under Xvfb or offscreen.
#include "core/appsettings.h"
#include "app/vistrel.h"
#include "capture/camerahub.h"
#include "capture/devicesettingsdialog.h"
#include "capture/devicetable.h"
#include "widgets/cameraparampanel.h"
#include "capture/simbackend.h"
#include "ui_vistrel.h"
#include "calib/bdwidget.h"
#include "dialogs/helpdialog.h"
#include "dialogs/settingdialog.h"
#include "dialogs/settingtimedialog.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "editor/measureediter.h"
#include "ui_bdwidget.h"
#include "ui_measureediter.h"
#include "view/cameralabel.h"
#include "view/cameraviewer.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QElapsedTimer>
#include <QTimer>

namespace {

QString g_out;

void save(QWidget *w, const QString &name)
{
    w->show();
    QApplication::processEvents();
    QApplication::processEvents();
    w->grab().save(g_out + "/" + name + ".png");
}

// A stage-micrometer-like picture to measure on.
QImage specimen(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(226, 222, 210));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    const int y = size.height() / 2;
    for (int i = 0; i <= 100; ++i) {
        const int x = 60 + i * (size.width() - 120) / 100;
        p.drawLine(x, y, x, y - (i % 10 == 0 ? 60 : i % 5 == 0 ? 40 : 24));
    }
    p.drawLine(60, y, size.width() - 60, y);
    p.setBrush(QColor(150, 90, 160, 200));
    p.drawEllipse(QPointF(size.width() * 0.3, size.height() * 0.72), 70, 70);
    p.drawEllipse(QPointF(size.width() * 0.7, size.height() * 0.75), 45, 45);
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(g_out);
    AppSettings settings;
    settings.calibrations = {{"10.00X", 0.00345, 0}, {"40.00X", 0.86, 2}};

    {
        CameraViewer view;
        BDWidget tools;
        tools.resize(252, 653);
        tools.setup(view.cameraScene(), &settings);
        save(&tools, "toolbox");
        tools.onBtnBDEdit();
        save(&tools, "toolbox_calibration");
    }
    {
        MeasureEditer ed;
        ed.attach(&settings);
        ed.resize(1280, 800);
        const QString photo = g_out + "/specimen.png";
        specimen(QSize(1280, 960)).save(photo);
        ed.show();
        ed.openImage(photo);
        QApplication::processEvents();
        CameraScene *s = ed.scene();
        auto add = [s](int type, QVector<QPointF> pts) {
            GraphicsItem *shape = createShape(type);
            ShapeRecord r;
            r.type = type;
            r.points = pts;
            r.style.lineColorIndex = type % 3;
            shape->restore(r);
            s->addShape(shape);
        };
        s->setCalibration(settings.calibrations[0]);
        add(Line, {{60, 420}, {1220, 420}});
        add(Circle1, {{384, 691}, {454, 691}});
        add(AngleLine, {{900, 200}, {700, 300}, {900, 360}});
        add(Rect, {{820, 620}, {1080, 880}});
        ed.form()->comboZoom->setCurrentIndex(0);
        save(&ed, "measure_editor");
    }
    {
        SettingTimeDialog timed(nullptr, nullptr);
        save(&timed, "dialog_timed");
        SettingDialog paths;
        paths.setSettings(settings);
        save(&paths, "dialog_paths");
        HelpDialog about;
        save(&about, "dialog_about");
    }
    {
        CameraLabel tile;
        tile.resize(400, 300);
        tile.setIndex(0);
        tile.setImage(specimen(QSize(640, 480)));
        tile.setSelected(true);
        save(&tile, "tile_0");
        CameraLabel empty;
        empty.resize(400, 300);
        empty.setIndex(2);
        save(&empty, "tile_empty");
    }
    {
        // The main window over a simulated microscope, in four languages.
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
        StoragePaths paths;
        const QString root = g_out + "/state";
        paths.configFile = root + "/Measure.config";
        paths.imageRoot = root + "/save/image";
        paths.videoRoot = root + "/save/movie";
        Vistrel::setStoragePathsOverride(paths);
        CameraHub::instance()->setBackends({SimulatedBackend::demo(2)});
        Vistrel w;
        w.resize(1280, 800);
        w.show();
        auto settle = [](int ms) {
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < ms)
                QApplication::processEvents(QEventLoop::AllEvents, 20);
        };
        settle(1500);
        // The first start in the smallest window: the picture fitted, the
        // overlays in sight.
        w.resize(800, 600);
        settle(500);
        save(&w, "main_first_start");
        w.resize(1280, 800);
        settle(300);
        CameraScene *live = w.scene();
        auto addLive = [live](int type, QVector<QPointF> pts) {
            GraphicsItem *shape = createShape(type);
            ShapeRecord r;
            r.type = type;
            r.points = pts;
            r.style.lineColorIndex = type % 3;
            shape->restore(r);
            live->addShape(shape);
        };
        addLive(Line, {{80, 300}, {560, 300}});
        addLive(Circle1, {{200, 360}, {240, 360}});
        const QString photo = g_out + "/specimen.png";
        const struct
        {
            int index;
            const char *code;
        } langs[] = {{1, "en"}, {0, "zh"}, {8, "de"}, {5, "ja"}, {7, "ru"}};
        for (const auto &l : langs) {
            w.setLanguage(l.index);
            settle(300);
            save(&w, QString("main_camera_%1").arg(l.code));
            // The results page at the smallest window, the editor with a photo.
            w.resize(800, 600);
            w.onBtnCalib();
            w.form()->bdWidget->showResults(true);
            settle(300);
            save(&w, QString("main_results_%1").arg(l.code));
            w.form()->bdWidget->showResults(false);
            w.resize(1280, 800);
            w.editer()->resize(1100, 760);
            w.editer()->openImage(photo);
            w.editer()->show();
            settle(300);
            save(w.editer(), QString("editor_%1").arg(l.code));
            w.editer()->hide();
            SettingTimeDialog timed(&w, &w);
            save(&timed, QString("dialog_timed_%1").arg(l.code));
            SettingDialog paths(&w);
            save(&paths, QString("dialog_paths_%1").arg(l.code));
            HelpDialog about(&w);
            save(&about, QString("dialog_about_%1").arg(l.code));
            BDWidget *tools = w.form()->bdWidget;
            w.onBtnCalib();
            tools->onBtnBDEdit();
            settle(100);
            save(&w, QString("main_calibration_%1").arg(l.code));
            tools->leaveEditPage();
            w.onBtnSetting();
            if (DeviceSettingsDialog *device = w.paramPanel()->openDeviceDialog(&w)) {
                settle(200);
                save(device, QString("dialog_device_%1").arg(l.code));
                device->close();
            }
        }
        w.setLanguage(1);
        w.onBtnCalib();
        live->clearShapes();
        CameraScene *s = w.scene();
        auto add = [s](int type, QVector<QPointF> pts) {
            GraphicsItem *shape = createShape(type);
            ShapeRecord r;
            r.type = type;
            r.points = pts;
            r.style.lineColorIndex = type % 3;
            r.style.fontSizeIndex = 3;
            shape->restore(r);
            s->addShape(shape);
        };
        add(Line, {{80, 300}, {560, 300}});
        add(Circle1, {{200, 360}, {240, 360}});
        add(AngleLine, {{500, 100}, {400, 160}, {520, 200}});
        w.form()->comboZoom->setCurrentIndex(0);
        settle(500);
        save(&w, "main_measure_en");
        // The results with the circle picked on the picture.
        w.form()->bdWidget->showResults(true);
        s->selectShape(s->shapes().value(1));
        settle(300);
        save(&w, "main_results_en");
        w.form()->bdWidget->showResults(false);
        s->selectShape(nullptr);
        // Photos with the time stamp, the scale bar in its corner and labels
        // pushed in from the edges, in two languages.
        {
            s->setCalibration(settings.calibrations[0]);
            s->setTimeStampVisible(true);
            s->setScaleBarVisible(true);
            s->setScaleBarCorner(3);
            const QSize picture = s->pictureSize();
            const double w0 = picture.width(), h0 = picture.height();
            add(Circle1, {{4, h0 * 0.4}, {40, h0 * 0.4}});     // circle at the left edge
            add(Rect, {{2, h0 * 0.4 + 12}, {70, h0 * 0.55}});  // rectangle beside it
            add(Line, {{w0 - 3, h0 - 4}, {w0 - 90, h0 - 40}}); // line into the bottom-right corner
            add(DoubleCircle, {{w0 - 30, h0 - 20}, {w0 - 60, h0 - 20}, {w0 - 80, h0 - 20}});
            for (const auto &l : {std::make_pair(1, "en"), std::make_pair(0, "zh")}) {
                w.setLanguage(l.first);
                settle(300);
                s->grabImage().save(g_out + QString("/photo_overlays_%1.png").arg(l.second));
                save(&w, QString("main_overlays_%1").arg(l.second));
            }
            w.setLanguage(1);
            s->setTimeStampVisible(false);
            s->setScaleBarVisible(false);
        }
        w.onBtnOpenDir();
        settle(300);
        save(&w, "main_files_en");
        w.onBtnScreenSwitch();
        settle(600);
        save(&w, "main_four_en");
        w.onBtnScreenSwitch();
        w.onBtnFullScreen();
        settle(600);
        save(&w, "main_fullscreen_en");
        w.onBtnFullScreen();
        settle(200);
    }
    return 0;
}
