// Live-view repaint cost: a 1920 x 1080 frame with 50 assorted shapes, shown
// at 1:1 and fitted into 960 x 540, against the bare cost of drawing the
// frame once into a target of the view's size.
//
//   build/bench/bench_scene [iterations]

#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "measure/textshapes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class TimedView : public QGraphicsView
{
public:
    using QGraphicsView::QGraphicsView;
    std::vector<double> paints; // milliseconds per paintEvent

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QElapsedTimer t;
        t.start();
        QGraphicsView::paintEvent(event);
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

void addShapes(CameraScene &scene, int count)
{
    QRandomGenerator rng(42);
    const int types[] = {Point,     Line,   BrokenLine, Rect,    Polygon, ParallelLine, VerticalLine, Cross,
                         AngleLine, Arc,    Circle1,    Circle2, Circle3, DoubleCircle, CircleLine,   Text};
    const int maxPoints[] = {1, 2, 5, 2, 6, 4, 3, 1, 3, 3, 2, 2, 3, 3, 4, 1};
    for (int i = 0; i < count; ++i) {
        const int k = i % 16;
        ShapeRecord record;
        record.type = types[k];
        record.text = QStringLiteral("note %1").arg(i);
        const QPointF origin(100 + rng.bounded(1500), 100 + rng.bounded(800));
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
    double cycle = 0;
    bool bufferKept = true;
};

Figures run(TimedView &view, CameraScene &scene, const QImage frames[2], int iterations)
{
    Figures f;
    std::vector<double> sets, cycles;
    const uchar *buffer = scene.image().constBits();
    view.paints.clear();
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
    f.cycle = median(cycles);
    return f;
}

double floorCost(const QImage &frame, const QSize &target, int iterations)
{
    QImage canvas(target, QImage::Format_RGB32);
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer t;
        t.start();
        QPainter painter(&canvas);
        painter.drawImage(QRect(QPoint(0, 0), target), frame);
        painter.end();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(times);
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
    std::printf("%-8s %-7s %9s %9s %9s %9s %7s %s\n", "view", "shapes", "setImage", "paint", "cycle", "floor",
                "ratio", "buffer");
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
            const double bare = floorCost(frames[0], viewSize, iterations);
            std::printf("%-8s %-7d %9.3f %9.3f %9.3f %9.3f %7.2f %s\n",
                        viewSize.width() == 1920 ? "1:1" : "Scale", shapes, f.setImage, f.paint, f.cycle, bare,
                        f.paint / bare, f.bufferKept ? "reused" : "REALLOCATED");
        }
    }
    std::printf("paint = QGraphicsView::paintEvent (picture, shapes, overlays); cycle = setImage + event-loop "
                "repaint; floor = one QPainter::drawImage of the frame into a target of the view's size; "
                "ratio = paint / floor\n");
    return 0;
}
