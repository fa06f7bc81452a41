#pragma once

// Test helpers shared by the measurement tests: a paint device that records
// what is drawn, and a scene shown in a real view at a chosen zoom.

#include "measure/camerascene.h"
#include "measure/graphicsitem.h"

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

#include <memory>

struct DrawnText
{
    QPointF pos;
    QString text;
};

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override { texts.append({p, item.text()}); }
    void drawLines(const QLineF *l, int n) override
    {
        for (int i = 0; i < n; ++i)
            lines.append(l[i]);
    }
    void drawLines(const QLine *l, int n) override
    {
        for (int i = 0; i < n; ++i)
            lines.append(QLineF(l[i]));
    }
    void drawEllipse(const QRectF &r) override { ellipses.append(r); }
    void drawEllipse(const QRect &r) override { ellipses.append(QRectF(r)); }
    void drawPath(const QPainterPath &path) override { paths.append(path); }
    void drawRects(const QRectF *r, int n) override
    {
        for (int i = 0; i < n; ++i)
            rects.append(r[i]);
    }
    void drawRects(const QRect *r, int n) override
    {
        for (int i = 0; i < n; ++i)
            rects.append(QRectF(r[i]));
    }
    void drawPoints(const QPointF *p, int n) override
    {
        for (int i = 0; i < n; ++i)
            points.append(p[i]);
    }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}

    QVector<DrawnText> texts;
    QVector<QLineF> lines;
    QVector<QRectF> ellipses;
    QVector<QPainterPath> paths;
    QVector<QRectF> rects;
    QVector<QPointF> points;

    // The texts as read: a label's contrasting rim is the same text drawn
    // a pixel off before it, and is left out.
    QVector<DrawnText> fills() const
    {
        QVector<DrawnText> out;
        for (int i = 0; i < texts.size(); ++i) {
            bool rim = false;
            for (int j = i + 1; j < texts.size() && !rim; ++j) {
                const QPointF d = texts[j].pos - texts[i].pos;
                rim = texts[j].text == texts[i].text && qAbs(d.x()) <= 1 && qAbs(d.y()) <= 1;
            }
            if (!rim)
                out.append(texts[i]);
        }
        return out;
    }

    QStringList textList() const
    {
        QStringList out;
        for (const DrawnText &t : fills())
            out << t.text;
        return out;
    }
};

class RecordingDevice : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 4000;
        case PdmHeight: return 3000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }
};

// Paints one shape as the scene would (font at the shape's size) and returns
// what was drawn.
inline std::unique_ptr<RecordingDevice> recordShape(GraphicsItem *shape)
{
    auto device = std::make_unique<RecordingDevice>();
    QPainter painter(device.get());
    QFont font = painter.font();
    font.setPixelSize(shape->fontPixelSize());
    painter.setFont(font);
    shape->drawShape(&painter);
    painter.end();
    return device;
}

// A scene with a grey picture of the given size, shown in a frameless view
// zoomed by (zoomX, zoomY).
struct SceneFixture
{
    CameraScene scene;
    QGraphicsView view;

    SceneFixture(const QSize &picture = QSize(400, 300), double zoomX = 1.0, double zoomY = 1.0,
                 QColor fill = QColor(128, 128, 128))
    {
        QImage image(picture, QImage::Format_RGB32);
        image.fill(fill);
        scene.setImage(image);
        view.setScene(&scene);
        view.setFrameShape(QFrame::NoFrame);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setMouseTracking(true);
        view.resize(qRound(picture.width() * zoomX), qRound(picture.height() * zoomY));
        view.show();
        scene.fitToView(picture);
        scene.setMeasureEnabled(true);
    }

    // View pixel of a picture point.
    QPoint at(double x, double y) const { return view.mapFromScene(QPointF(x, y)); }

    void send(QEvent::Type type, const QPoint &pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget *w = view.viewport();
        QMouseEvent event(type, QPointF(pos), QPointF(w->mapTo(w->window(), pos)), QPointF(w->mapToGlobal(pos)), button,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    void press(const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
    {
        m_buttons |= button;
        send(QEvent::MouseButtonPress, pos, button, m_buttons);
    }
    void release(const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
    {
        m_buttons &= ~button;
        send(QEvent::MouseButtonRelease, pos, button, m_buttons);
    }
    void move(const QPoint &pos) { send(QEvent::MouseMove, pos, Qt::NoButton, m_buttons); }
    void click(const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
    {
        press(pos, button);
        release(pos, button);
    }
    void clickAt(double x, double y, Qt::MouseButton button = Qt::LeftButton) { click(at(x, y), button); }

    Qt::MouseButtons m_buttons;
};
