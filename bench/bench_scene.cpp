// Live-view repaint cost: a 1920 x 1080 frame with 50 assorted shapes, shown
// at 1:1 and fitted into 960 x 540, against the bare cost of drawing the
// frame once into a target of the view's size. Then the measure editor with a
// 2592 x 1944 photo and 20 shapes at 10x: the memory it takes and the CPU
// time of one hover change (pointer onto a shape or off it, with the repaint),
// and the same hover cost in the 1:1 live view, there also with the repaint
// the scene asks for, and that of a selection change.
//
//   build/bench/bench_scene [iterations]

#include "core/appsettings.h"
#include "editor/measureediter.h"
#include "measure/camerascene.h"
#include "measure/framecopy.h"
#include "measure/graphicsitem.h"
#include "measure/textshapes.h"
#include "view/cameraviewer.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>
#include <vector>

namespace {

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

class TimedView : public QGraphicsView
{
public:
    using QGraphicsView::QGraphicsView;
    std::vector<double> paints;    // milliseconds per paintEvent
    std::vector<double> paintsCpu; // the same in CPU time of this thread

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QElapsedTimer t;
        t.start();
        const double cpu = threadCpuMs();
        QGraphicsView::paintEvent(event);
        paintsCpu.push_back(threadCpuMs() - cpu);
        paints.push_back(t.nsecsElapsed() / 1e6);
    }
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QImage makeFrame(int seed)
{
    QImage frame(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            line[x] = qRgb((x + seed) & 255, (y * 3) & 255, (x ^ y) & 255);
    }
    return frame;
}

void addShapes(CameraScene &scene, int count, const QSize &area = QSize(1500, 800))
{
    QRandomGenerator rng(42);
    const int types[] = {Point,     Line, BrokenLine, Rect,    Polygon, ParallelLine, VerticalLine, Cross,
                         AngleLine, Arc,  Circle1,    Circle2, Circle3, DoubleCircle, CircleLine,   Text};
    const int maxPoints[] = {1, 2, 5, 2, 6, 4, 3, 1, 3, 3, 2, 2, 3, 3, 4, 1};
    for (int i = 0; i < count; ++i) {
        const int k = i % 16;
        ShapeRecord record;
        record.type = types[k];
        record.text = QStringLiteral("note %1").arg(i);
        const QPointF origin(100 + rng.bounded(area.width()), 100 + rng.bounded(area.height()));
        for (int p = 0; p < maxPoints[k]; ++p)
            record.points.append(origin + QPointF(rng.bounded(300), rng.bounded(200)));
        GraphicsItem *shape = createShape(record.type);
        shape->restore(record);
        scene.addShape(shape);
    }
}

struct Figures
{
    double setImage = 0;
    double paint = 0;
    double paintCpu = 0;
    double cycle = 0;
    bool bufferKept = true;
};

Figures run(TimedView &view, CameraScene &scene, const QImage frames[2], int iterations)
{
    Figures f;
    std::vector<double> sets, cycles;
    const uchar *buffer = scene.image().constBits();
    view.paints.clear();
    view.paintsCpu.clear();
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer t;
        t.start();
        scene.setImage(frames[i & 1]);
        sets.push_back(t.nsecsElapsed() / 1e6);
        if (scene.image().constBits() != buffer)
            f.bufferKept = false;
        const size_t before = view.paints.size();
        while (view.paints.size() == before)
            QCoreApplication::processEvents();
        cycles.push_back(t.nsecsElapsed() / 1e6);
    }
    f.setImage = median(sets);
    f.paint = median(view.paints);
    f.paintCpu = median(view.paintsCpu);
    f.cycle = median(cycles);
    return f;
}

// Wall and CPU milliseconds (medians) of one drawImage of the frame into a
// target of the view's size. `fresh`: as a live frame comes, the frame is
// first copied in as the scene copies it (untimed), the two frames taking
// turns, so the caches hold what they hold before the view's paint;
// otherwise the same frame is drawn again and again from warm caches.
std::pair<double, double> floorCost(const QImage frames[2], const QSize &target, int iterations, bool fresh)
{
    QImage canvas(target, QImage::Format_RGB32);
    QImage picture;
    copyFrame(frames[0], picture);
    std::vector<double> times, cpu;
    for (int i = 0; i < iterations; ++i) {
        if (fresh)
            copyFrame(frames[i & 1], picture);
        QElapsedTimer t;
        t.start();
        const double c = threadCpuMs();
        QPainter painter(&canvas);
        painter.drawImage(QRect(QPoint(0, 0), target), fresh ? picture : frames[0]);
        painter.end();
        cpu.push_back(threadCpuMs() - c);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return {median(times), median(cpu)};
}

// Resident and peak memory of this process in MB.
double residentMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0.0;
}

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void sendMove(QWidget *viewport, const QPoint &pos)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(viewport->mapTo(viewport->window(), pos)),
                      QPointF(viewport->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

// Counts the paints a widget gets.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Median CPU milliseconds of one change (change(i) makes the i-th) and the
// repaint: the whole view (`whole`), or what the scene asks for, painted by
// the event loop as it would between two frames.
double changeCost(QWidget *viewport, const std::function<bool(int)> &change, int changes, bool whole)
{
    PaintCounter counter;
    viewport->installEventFilter(&counter);
    std::vector<double> costs;
    int missed = 0, unpainted = 0;
    for (int i = 0; i < changes + 4; ++i) {
        const double start = cpuMs();
        const int before = counter.paints;
        missed += !change(i);
        if (whole)
            viewport->repaint();
        for (int spin = 0; spin < 1000 && counter.paints == before; ++spin)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        unpainted += counter.paints == before;
        if (i >= 4)
            costs.push_back(cpuMs() - start);
    }
    viewport->removeEventFilter(&counter);
    if (missed || unpainted)
        std::printf("  (the change missed %d times, no paint followed %d times)\n", missed, unpainted);
    return median(costs);
}

// One hover change: the pointer goes onto the shape under `on`, then off it
// to `off`, each followed by the repaint.
double hoverCost(CameraScene &scene, QWidget *viewport, const QPoint &on, const QPoint &off, int changes,
                 bool whole = true)
{
    scene.setTool(Select);
    return changeCost(
        viewport,
        [&](int i) {
            sendMove(viewport, i & 1 ? off : on);
            return !scene.hoveredShape() == bool(i & 1);
        },
        changes, whole);
}

// One selection change, as a click on a row of the results table makes it:
// the selection goes from one shape to the next.
double selectionCost(CameraScene &scene, QWidget *viewport, int changes, bool whole)
{
    return changeCost(
        viewport,
        [&](int i) {
            GraphicsItem *shape = scene.shapes().value(i % scene.shapes().size());
            scene.selectShape(shape);
            return scene.selectedShape() == shape;
        },
        changes, whole);
}

void editorFigures(int changes)
{
    const QSize photoSize(2592, 1944);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.png"));
    QImage photo(photoSize, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb(x & 255, (y * 3) & 255, (x ^ y) & 255);
    }
    photo.save(path);
    photo = QImage();

    AppSettings settings;
    MeasureEditer editor;
    editor.attach(&settings);
    editor.resize(1280, 800);
    editor.show();
    QCoreApplication::processEvents();
    if (!editor.openImage(path)) {
        std::printf("editor: could not open the photo\n");
        return;
    }
    CameraScene &scene = *editor.scene();
    scene.setCalibration(QStringLiteral("10"), 0.0123, 0);
    addShapes(scene, 19, QSize(2300, 1700));
    // A line in the top-left corner, which the 10x view shows, for the pointer.
    GraphicsItem *target = createShape(Line);
    target->restore({Line, DrawStyle(), {{10, 30}, {100, 30}}, QString()});
    scene.addShape(target);
    QCoreApplication::processEvents();
    editor.viewer()->viewport()->repaint();
    const double before = residentMb("VmRSS:");

    auto *zoom = editor.findChild<QComboBox *>(QStringLiteral("comboZoom"));
    zoom->setCurrentIndex(zoom->findData(QStringLiteral("10.0x")));
    QCoreApplication::processEvents();
    QScrollArea *area = nullptr;
    for (QWidget *w = editor.viewer(); w && !area; w = w->parentWidget())
        area = qobject_cast<QScrollArea *>(w);
    if (area) {
        area->horizontalScrollBar()->setValue(0);
        area->verticalScrollBar()->setValue(0);
    }
    QWidget *viewport = editor.viewer()->viewport();
    viewport->repaint();
    QCoreApplication::processEvents();
    const double after = residentMb("VmRSS:");
    const QSize shown = area ? area->viewport()->size() : QSize();
    std::printf("editor 2592x1944, 20 shapes, 10x (view %dx%d, window viewport %dx%d): RSS %.0f MB at 1.0x, "
                "%.0f MB at 10x (+%.0f MB), peak %.0f MB\n",
                viewport->width(), viewport->height(), shown.width(), shown.height(), before, after, after - before,
                residentMb("VmHWM:"));
    const double hover = hoverCost(scene, viewport, editor.viewer()->mapFromScene(QPointF(55, 30)),
                                   editor.viewer()->mapFromScene(QPointF(55, 60)), changes);
    std::printf("editor hover change at 10x: %.3f ms CPU (median of %d)\n", hover, changes);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int iterations = argc > 1 ? qMax(10, atoi(argv[1])) : 200;
    const QImage frames[2] = {makeFrame(0), makeFrame(7)};

    std::printf("bench_scene: 1920x1080 RGB32 frames, %d iterations, medians in ms\n", iterations);
    std::printf("%-8s %-7s %9s %9s %9s %9s %7s %9s %7s %9s %9s %8s %s\n", "view", "shapes", "setImage", "paint",
                "cycle", "floor", "ratio", "warmFloor", "warm", "paintCPU", "floorCPU", "ratioCPU", "buffer");
    for (const QSize viewSize : {QSize(1920, 1080), QSize(960, 540)}) {
        for (int shapes : {0, 50}) {
            CameraScene scene;
            scene.setCalibration(QStringLiteral("10"), 0.0123, 0);
            scene.setImage(frames[1]);
            TimedView view(&scene);
            view.setFrameShape(QFrame::NoFrame);
            view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
            view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // The picture covers the whole viewport: no background fill first.
            view.viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
            view.resize(viewSize);
            view.show();
            QCoreApplication::processEvents();
            scene.fitToView(QSize(1920, 1080));
            addShapes(scene, shapes);
            run(view, scene, frames, 10); // warm the caches (glyphs, font engines)
            const Figures f = run(view, scene, frames, iterations);
            const auto [bare, bareCpu] = floorCost(frames, viewSize, iterations, true);
            const double warm = floorCost(frames, viewSize, iterations, false).first;
            std::printf("%-8s %-7d %9.3f %9.3f %9.3f %9.3f %7.2f %9.3f %7.2f %9.3f %9.3f %8.2f %s\n",
                        viewSize.width() == 1920 ? "1:1" : "Scale", shapes, f.setImage, f.paint, f.cycle, bare,
                        f.paint / bare, warm, f.paint / warm, f.paintCpu, bareCpu, f.paintCpu / bareCpu,
                        f.bufferKept ? "reused" : "REALLOCATED");
        }
    }
    {
        CameraScene scene;
        scene.setCalibration(QStringLiteral("10"), 0.0123, 0);
        scene.setImage(frames[1]);
        QGraphicsView view(&scene);
        view.setFrameShape(QFrame::NoFrame);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setMouseTracking(true);
        view.resize(1920, 1080);
        view.show();
        QCoreApplication::processEvents();
        scene.fitToView(QSize(1920, 1080));
        scene.setMeasureEnabled(true);
        addShapes(scene, 49);
        GraphicsItem *target = createShape(Line);
        target->restore({Line, DrawStyle(), {{20, 1050}, {400, 1050}}, QString()});
        scene.addShape(target);
        const double hover = hoverCost(scene, view.viewport(), QPoint(200, 1050), QPoint(200, 1070), 40);
        std::printf("live view 1:1 hover change, 50 shapes: %.3f ms CPU (median of 40)\n", hover);
        const double hoverOwn = hoverCost(scene, view.viewport(), QPoint(200, 1050), QPoint(200, 1070), 40, false);
        const double select = selectionCost(scene, view.viewport(), 40, true);
        const double selectOwn = selectionCost(scene, view.viewport(), 40, false);
        std::printf("live view 1:1, 50 shapes, with the repaint the scene asks for: hover change %.3f ms CPU, "
                    "selection change %.3f ms CPU; selection change with a whole repaint %.3f ms CPU (medians of 40)\n",
                    hoverOwn, selectOwn, select);
    }
    editorFigures(20);
    std::printf("paint = QGraphicsView::paintEvent (picture, shapes, overlays); cycle = setImage + event-loop "
                "repaint; floor = one QPainter::drawImage of a frame just copied in as setImage copies it, into a "
                "target of the view's size; ratio = paint / floor; warmFloor = the same drawImage of one frame again "
                "and again (warm caches, which no live frame finds), warm = paint / warmFloor; the CPU columns are "
                "paint and floor in CPU time of the GUI thread\n");
    return 0;
}
