#include "measure/graphicsitem.h"

#include "core/numberformat.h"
#include "measure/camerascene.h"
#include "measure/circleshapes.h"
#include "measure/geometry.h"
#include "measure/lineshapes.h"
#include "measure/particleshapes.h"
#include "measure/textshapes.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Label text of one value; areas use the squared factor and unit.
QString valueText(const QString &name, double pixelValue, bool area, const BDInfo &calibration)
{
    if (calibration.unit == -1)
        return QString();
    QString unit = unitName(calibration.unit);
    double factor = calibration.factor;
    if (area) {
        factor *= factor;
        unit = unit + QLatin1Char('^') + unit;
    }
    return name + QLatin1Char(':') + formatMeasure(pixelValue * factor) + QLatin1Char(' ') + unit;
}

} // namespace

QString measureText(const QString &name, double pixelValue, const BDInfo &calibration)
{
    return valueText(name, pixelValue, name == QLatin1String("S"), calibration);
}

double realValue(const MeasuredValue &value, const BDInfo &calibration)
{
    switch (value.kind) {
    case ValueKind::Length: return value.value * calibration.factor;
    case ValueKind::Area: return value.value * calibration.factor * calibration.factor;
    default: return value.value;
    }
}

QString realUnit(const MeasuredValue &value, const BDInfo &calibration)
{
    switch (value.kind) {
    case ValueKind::Length: return unitName(calibration.unit);
    case ValueKind::Area: {
        const QString unit = unitName(calibration.unit);
        return unit.isEmpty() ? unit : unit + QLatin1Char('^') + unit;
    }
    case ValueKind::Angle: return QStringLiteral("deg");
    case ValueKind::Point: return QStringLiteral("px");
    }
    return QString();
}

QStringList labelLines(const MeasuredValues &values, const BDInfo &calibration)
{
    QStringList lines;
    for (int i = 0; i < values.size(); ++i) {
        const MeasuredValue &v = values[i];
        QString text;
        switch (v.kind) {
        case ValueKind::Length:
        case ValueKind::Area: text = valueText(v.name, v.value, v.kind == ValueKind::Area, calibration); break;
        case ValueKind::Angle:
            text = QStringLiteral("A:") + formatAngle(std::fabs(v.value)) + QStringLiteral(" deg");
            break;
        case ValueKind::Point:
            // An X and Y pair makes one line.
            if (i + 1 < values.size() && values[i + 1].kind == ValueKind::Point) {
                text = QString::asprintf("%.4d,%.4d", qRound(v.value), qRound(values[i + 1].value));
                ++i;
            }
            break;
        }
        if (!text.isEmpty())
            lines.append(text);
    }
    return lines;
}

namespace {

void paintOutlinedText(QPainter *painter, const QPointF &baseline, const QString &text, const QColor &colour);

// A label line with its rim, drawn once into an image: nine runs of glyphs
// cost far more than one blend of the result, and labels are redrawn
// whenever any shape changes.
struct TextImage
{
    QImage image;
    QPoint origin; // of the image, from the baseline's start
};

// The line's image for a raster painter that maps it to whole device pixels
// at a whole ratio (anything else draws the glyphs); null when there is none.
const TextImage *textImage(QPainter *painter, const QPointF &baseline, const QString &text, const QColor &colour)
{
    const QPaintEngine *engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return nullptr;
    const QTransform toDevice = painter->deviceTransform();
    const qreal ratio = toDevice.m11();
    const QPointF at = toDevice.map(baseline);
    if (toDevice.type() > QTransform::TxScale || ratio != toDevice.m22() || ratio < 1 || ratio != std::floor(ratio)
        || at != QPointF(at.toPoint()))
        return nullptr;
    static QCache<QString, TextImage> cache(4 << 20); // in pixels
    const QFont &font = painter->font();
    const QString key = text + QLatin1Char('\x1f') + font.key() + QLatin1Char('\x1f')
                        + QString::number(colour.rgba(), 16) + QLatin1Char('\x1f') + QString::number(ratio)
                        + QLatin1Char('\x1f') + QString::number(int(painter->renderHints()));
    if (const TextImage *found = cache.object(key))
        return found;
    const QFontMetricsF metrics(font);
    const QRectF advance(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    const QRect box = (metrics.boundingRect(text) | advance).toAlignedRect().adjusted(-3, -3, 3, 3);
    auto *line = new TextImage{QImage(box.size() * int(ratio), QImage::Format_ARGB32_Premultiplied), box.topLeft()};
    if (line->image.isNull()) {
        delete line;
        return nullptr;
    }
    line->image.setDevicePixelRatio(ratio);
    line->image.fill(Qt::transparent);
    {
        QPainter p(&line->image);
        p.setRenderHints(painter->renderHints());
        p.setFont(font);
        paintOutlinedText(&p, -QPointF(box.topLeft()), text, colour);
    }
    const int cost = line->image.width() * line->image.height();
    return cache.insert(key, line, cost) ? cache.object(key) : nullptr;
}

void paintOutlinedText(QPainter *painter, const QPointF &baseline, const QString &text, const QColor &colour)
{
    painter->save();
    const int luminance = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    // The text shifted one pixel each way makes the rim: glyphs come from
    // the cache, where stroking their outlines would cost a millisecond.
    painter->setPen(luminance >= 128 ? QColor(0, 0, 0) : QColor(255, 255, 255));
    static const QPointF offsets[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (const QPointF &offset : offsets)
        painter->drawText(baseline + offset, text);
    painter->setPen(colour);
    painter->drawText(baseline, text);
    painter->restore();
}

} // namespace

void drawOutlinedText(QPainter *painter, const QPointF &baseline, const QString &text, const QColor &colour)
{
    if (text.isEmpty())
        return;
    if (const TextImage *line = textImage(painter, baseline, text, colour))
        painter->drawImage(baseline + QPointF(line->origin), line->image);
    else
        paintOutlinedText(painter, baseline, text, colour);
}

GraphicsItem::GraphicsItem(QGraphicsItem *parent)
    : QGraphicsItem(parent)
{
    // Painted by the scene, never by a view: views skip their preparations.
    setFlag(ItemHasNoContents);
}

GraphicsItem::~GraphicsItem() = default;

CameraScene *GraphicsItem::cameraScene() const { return qobject_cast<CameraScene *>(scene()); }

QRectF GraphicsItem::boundingRect() const
{
    const QVector<QPointF> pts = pointsWithCursor();
    if (pts.isEmpty())
        return QRectF();
    double left = pts[0].x(), right = left, top = pts[0].y(), bottom = top;
    for (const QPointF &p : pts) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        top = qMin(top, p.y());
        bottom = qMax(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void GraphicsItem::setStyle(const DrawStyle &style)
{
    m_style = style;
    repaint(false);
}

BDInfo GraphicsItem::calibration() const
{
    const CameraScene *s = cameraScene();
    return s ? s->calibration() : BDInfo();
}

void GraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    // Inside a measurement scene only the scene paints shapes, with its pens.
    if (const CameraScene *s = cameraScene(); s && !s->isPaintingShapes())
        return;
    drawShape(painter);
}

void GraphicsItem::mousePressEvent(QGraphicsSceneMouseEvent *event) { press(event->scenePos(), event->button()); }

void GraphicsItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event) { move(event->scenePos()); }

void GraphicsItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) { release(event->scenePos(), event->button()); }

void GraphicsItem::press(const QPointF &pos, Qt::MouseButton)
{
    m_pressPos = pos;
    m_pressed = true;
    if (!m_finished) {
        m_cursorPos = pos;
        appendPoint(pos);
        if (m_points.size() == m_maxPoints) {
            onFinished();
            m_finished = true;
        }
    } else {
        m_dragIndex = hitTest(pos);
    }
    repaint();
}

void GraphicsItem::move(const QPointF &pos)
{
    if (!m_finished) {
        // The point the press placed stays; the cursor shows the next one,
        // which the release sets when this turns out to be a drag.
        prepareGeometryChange();
        m_cursorPos = pos;
        repaint();
        return;
    }
    if (!m_pressed || m_dragIndex < 0)
        return;
    const QPointF delta = pos - m_pressPos;
    if (m_dragIndex == 0)
        translate(int(delta.x()), int(delta.y())); // whole picture pixels, toward zero
    else
        setPoint(m_dragIndex - 1, m_points.value(m_dragIndex - 1) + delta);
    // The fraction a whole-shape move dropped is deliberately not carried.
    m_pressPos = pos;
}

void GraphicsItem::release(const QPointF &pos, Qt::MouseButton button)
{
    if (m_pressed && !m_finished) {
        prepareGeometryChange();
        m_cursorPos = pos;
        if (button == Qt::RightButton && canFinish()) {
            onFinished();
            m_finished = true;
        } else if (button == Qt::LeftButton && isDrag(m_pressPos, pos)) {
            // Press at A, drag, release at B: B is the next point, as a
            // second click there would make it. A drag that ends where it
            // began was a click.
            appendPoint(pos);
            if (m_points.size() == m_maxPoints) {
                onFinished();
                m_finished = true;
            }
        }
        repaint();
    }
    m_dragIndex = -1;
    m_pressed = false;
}

bool GraphicsItem::isDrag(const QPointF &from, const QPointF &to) const
{
    // Measured on screen: at any zoom a small wobble of the hand is a click.
    const QPointF d = mapToView(to) - mapToView(from);
    return std::hypot(d.x(), d.y()) >= kDragDistance;
}

void GraphicsItem::setPoint(int index, const QPointF &p)
{
    storePoint(index, p);
    repaint();
}

void GraphicsItem::storePoint(int index, const QPointF &p)
{
    if (index < 0 || index >= m_points.size())
        return;
    prepareGeometryChange();
    m_points[index] = p;
}

int GraphicsItem::hitTest(const QPointF &p) const
{
    const double tolerance = hitTolerance();
    for (int i = 0; i < m_points.size(); ++i) {
        if (geometry::distance(p, m_points[i]) < tolerance)
            return i + 1;
    }
    if (!m_finished) // a shape in the making has no body yet
        return -1;
    for (const OutlinePart &part : outline()) {
        if (!part.grabs)
            continue;
        switch (part.kind) {
        case OutlinePart::Segment:
            if (geometry::isNearSegment(p, part.a, part.b, tolerance))
                return 0;
            break;
        case OutlinePart::Rectangle: {
            const QPointF corners[4] = {part.a, QPointF(part.b.x(), part.a.y()), part.b,
                                        QPointF(part.a.x(), part.b.y())};
            for (int i = 0; i < 4; ++i) {
                if (geometry::isNearSegment(p, corners[i], corners[(i + 1) % 4], tolerance))
                    return 0;
            }
            break;
        }
        case OutlinePart::Circle:
            if (isNearCircle(p, part.a, part.radius))
                return 0;
            break;
        case OutlinePart::CrossHair:
            // The lines cross the whole picture, however large the sensor.
            if (std::fabs(p.x() - part.a.x()) < tolerance || std::fabs(p.y() - part.a.y()) < tolerance)
                return 0;
            break;
        case OutlinePart::Arc:
        case OutlinePart::Dot: break;
        }
    }
    return -1;
}

QStringList GraphicsItem::labels() const { return labelLines(values(), calibration()); }

QPointF GraphicsItem::labelAnchor() const
{
    const QVector<QPointF> pts = pointsWithCursor();
    return pts.isEmpty() ? QPointF() : pts.first();
}

bool GraphicsItem::showsHandles() const
{
    if (const CameraScene *s = cameraScene(); m_plain || (s && s->isRenderMode()))
        return false;
    return !m_finished || m_hovered || m_selected;
}

QColor GraphicsItem::labelColor(const QPainter *painter) const { return painter->pen().color(); }

void GraphicsItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandlesAt(painter, viewPoints(handlePoints()));
    drawOutline(painter, outline());
    drawLabels(painter, labels());
}

QRegion GraphicsItem::paintedRegion(const QFont &font, double penWidth) const
{
    const CameraScene *s = cameraScene();
    const QTransform exact = s ? s->viewTransform() : QTransform();
    const double sx = std::hypot(exact.m11(), exact.m12());
    const double sy = std::hypot(exact.m21(), exact.m22());
    QRegion r;
    auto add = [&r](const QRectF &box, double margin) {
        r += box.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
    };
    // A long or slanted line in pieces, each piece's bounds.
    constexpr double Piece = 48;
    auto addLine = [&add](const QPointF &a, const QPointF &b, double margin) {
        const int n = qBound(1, int(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()) / Piece)), 1000);
        for (int i = 0; i < n; ++i)
            add(QRectF(a + (b - a) * (double(i) / n), a + (b - a) * (double(i + 1) / n)), margin);
    };
    for (const QPointF &p : viewPoints(handlePoints()))
        add(QRectF(p, p), 6); // handles are 10 pixels square, antialiased
    // Half the pen and its square cap, and the antialiased rim.
    const double m = penWidth + 2;
    for (const OutlinePart &part : outline()) {
        switch (part.kind) {
        case OutlinePart::Segment: addLine(mapToView(part.a), mapToView(part.b), m); break;
        case OutlinePart::Rectangle: {
            const QRectF box(mapToView(part.a), mapToView(part.b));
            addLine(box.topLeft(), box.topRight(), m);
            addLine(box.topRight(), box.bottomRight(), m);
            addLine(box.bottomRight(), box.bottomLeft(), m);
            addLine(box.bottomLeft(), box.topLeft(), m);
            break;
        }
        case OutlinePart::Circle:
        case OutlinePart::Arc: {
            // The whole ellipse, in chords; each chord's bounds widened by
            // how far the curve bulges past it.
            const QPointF c = exact.map(part.a);
            const double rx = part.radius * sx, ry = part.radius * sy;
            const double big = qMax(rx, ry);
            const int n = qBound(8, int(std::ceil(2 * M_PI * big / Piece)), 1000);
            const double step = 2 * M_PI / n;
            const double bulge = big * (1 - std::cos(step / 2));
            for (int i = 0; i < n; ++i) {
                const QPointF a = c + QPointF(rx * std::cos(i * step), ry * std::sin(i * step));
                const QPointF b = c + QPointF(rx * std::cos((i + 1) * step), ry * std::sin((i + 1) * step));
                add(QRectF(a, b), m + bulge);
            }
            break;
        }
        case OutlinePart::CrossHair: {
            // Across everything, in both directions.
            const QPointF c = mapToView(part.a).toPoint();
            constexpr double Far = 1e6;
            add(QRectF(QPointF(c.x(), -Far), QPointF(c.x(), Far)), m);
            add(QRectF(QPointF(-Far, c.y()), QPointF(Far, c.y())), m);
            break;
        }
        case OutlinePart::Dot: add(QRectF(mapToView(part.a), mapToView(part.a)), m); break;
        }
    }
    if (!labels().isEmpty()) {
        CameraScene::LabelPlace place;
        if (s)
            place = s->labelPlace(this, font);
        else
            place.natural = place.block = ownLabelBlock(font, &place.anchor);
        // Glyphs may reach past their advance; the rim adds a pixel.
        add(place.block, 4 + fontPixelSize() / 4.0);
        if (place.leader) {
            const QPointF end(qBound(place.block.left(), place.anchor.x(), place.block.right()),
                              qBound(place.block.top(), place.anchor.y(), place.block.bottom()));
            addLine(place.anchor, end, 3);
        }
    }
    return r;
}

void GraphicsItem::drawOutline(QPainter *painter, const Outline &outline) const
{
    const CameraScene *s = cameraScene();
    const QTransform exact = s ? s->viewTransform() : QTransform();
    const double sx = std::hypot(exact.m11(), exact.m12());
    const double sy = std::hypot(exact.m21(), exact.m22());
    for (const OutlinePart &part : outline) {
        switch (part.kind) {
        case OutlinePart::Segment: painter->drawLine(mapToView(part.a), mapToView(part.b)); break;
        case OutlinePart::Rectangle:
            painter->drawRect(QRectF(mapToView(part.a), mapToView(part.b)).normalized());
            break;
        case OutlinePart::Circle: painter->drawEllipse(exact.map(part.a), part.radius * sx, part.radius * sy); break;
        case OutlinePart::Arc: {
            const QPointF c = exact.map(part.a);
            const QRectF box(c.x() - part.radius * sx, c.y() - part.radius * sy, 2 * part.radius * sx,
                             2 * part.radius * sy);
            QPainterPath path;
            path.arcMoveTo(box, part.startAngle);
            path.arcTo(box, part.startAngle, part.spanAngle);
            painter->drawPath(path);
            break;
        }
        case OutlinePart::CrossHair: {
            const QPoint c = mapToView(part.a).toPoint();
            int reach = 4000;
            if (const QPaintDevice *device = painter->device())
                reach = qMax(reach, qMax(device->width(), device->height()) + 4000);
            int left = -reach, right = reach, top = -reach, bottom = reach;
            if (s) {
                // Far enough for a picture scrolled or zoomed past the reach.
                const QRect picture = s->pictureViewRect().toAlignedRect();
                left = qMin(left, picture.left() - 1);
                right = qMax(right, picture.right() + 1);
                top = qMin(top, picture.top() - 1);
                bottom = qMax(bottom, picture.bottom() + 1);
            }
            painter->drawLine(c.x(), top, c.x(), bottom);
            painter->drawLine(left, c.y(), right, c.y());
            break;
        }
        case OutlinePart::Dot: painter->drawPoint(mapToView(part.a)); break;
        }
    }
}

QPointF GraphicsItem::labelShift(const QFont &font, const QPointF &anchor, const QStringList &lines) const
{
    const CameraScene *s = cameraScene();
    if (!s || lines.isEmpty())
        return QPointF();
    const QRectF picture = s->pictureViewRect();
    if (picture.isEmpty())
        return QPointF();
    const QFontMetricsF metrics(font);
    double width = 0.0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    const int f = fontPixelSize();
    const QRectF block(anchor.x(), anchor.y() + f - metrics.ascent(), width,
                       (lines.size() - 1) * f + metrics.ascent() + metrics.descent());
    auto shift = [](double low, double high, double lowEdge, double highEdge) {
        double d = 0.0;
        if (high > highEdge)
            d = std::floor(highEdge - high);
        if (low + d < lowEdge)
            d = std::ceil(lowEdge - low);
        return d;
    };
    return QPointF(shift(block.left(), block.right(), picture.left(), picture.right()),
                   shift(block.top(), block.bottom(), picture.top(), picture.bottom()));
}

QRectF GraphicsItem::ownLabelBlock(const QFont &font, QPointF *anchorOut) const
{
    const QStringList lines = labels();
    if (lines.isEmpty())
        return QRectF();
    const QPointF view = mapToView(labelAnchor());
    // Hangs below the anchor in whole pixels, moved inside the picture.
    const QPointF anchor(int(view.x()), int(view.y()));
    if (anchorOut)
        *anchorOut = view;
    const QPointF at = anchor + labelShift(font, anchor, lines);
    const QFontMetricsF metrics(font);
    double width = 0.0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    const int f = fontPixelSize();
    return QRectF(at.x(), at.y() + f - metrics.ascent(), width,
                  (lines.size() - 1) * f + metrics.ascent() + metrics.descent());
}

QRectF GraphicsItem::labelRect(const QFont &font) const
{
    if (const CameraScene *s = cameraScene())
        return s->labelPlace(this, font).block;
    return ownLabelBlock(font);
}

void GraphicsItem::drawLabels(QPainter *painter, const QStringList &lines) const
{
    if (lines.isEmpty())
        return;
    const QFont &font = painter->font();
    const CameraScene *s = cameraScene();
    CameraScene::LabelPlace place;
    if (s) {
        place = s->labelPlace(this, font);
    } else {
        place.natural = place.block = ownLabelBlock(font, &place.anchor);
    }
    if (place.block.isEmpty())
        return;
    const QColor colour = labelColor(painter);
    const int f = fontPixelSize();
    const QFontMetricsF metrics(font);
    // The block's first baseline, in whole pixels as the block was placed.
    const QPointF at(std::round(place.block.left()), std::round(place.block.top() - f + metrics.ascent()));
    if (place.leader) {
        // A thin line from the anchor to the nearest point of the moved block.
        const QPointF a = place.anchor;
        const QPointF end(qBound(place.block.left(), a.x(), place.block.right()),
                          qBound(place.block.top(), a.y(), place.block.bottom()));
        painter->save();
        painter->setPen(QPen(colour, 1));
        painter->drawLine(a, end);
        painter->restore();
    }
    for (int i = 0; i < lines.size(); ++i)
        drawOutlinedText(painter, QPointF(at.x(), at.y() + (i + 1) * f), lines[i], colour);
}

bool GraphicsItem::canFinish() { return m_points.size() == m_maxPoints; }

void GraphicsItem::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    repaintLook();
}

void GraphicsItem::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    repaintLook();
}

void GraphicsItem::appendPoint(const QPointF &p)
{
    prepareGeometryChange();
    m_points.append(p);
}

void GraphicsItem::setPoints(const QVector<QPointF> &points)
{
    prepareGeometryChange();
    m_points = points;
}

void GraphicsItem::removeLastPoint()
{
    if (m_points.isEmpty())
        return;
    prepareGeometryChange();
    m_points.removeLast();
}

void GraphicsItem::removeFirstPoint()
{
    if (m_points.isEmpty())
        return;
    prepareGeometryChange();
    m_points.removeFirst();
}

ShapeRecord GraphicsItem::record() const
{
    ShapeRecord r;
    r.type = m_shapeType;
    r.style = m_style;
    r.points = m_points;
    return r;
}

void GraphicsItem::restore(const ShapeRecord &record)
{
    setPoints(record.points);
    m_maxPoints = record.points.size();
    m_style = record.style;
    m_finished = true;
    repaint();
}

void GraphicsItem::translate(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    prepareGeometryChange();
    for (QPointF &p : m_points)
        p += QPointF(dx, dy);
    repaint();
}

QPointF GraphicsItem::mapToView(const QPointF &p) const
{
    const CameraScene *s = cameraScene();
    return s ? s->mapToView(p) : p;
}

QVector<QPointF> GraphicsItem::viewPoints(const QVector<QPointF> &points) const
{
    QVector<QPointF> out;
    out.reserve(points.size());
    const CameraScene *s = cameraScene();
    for (const QPointF &p : points)
        out.append(s ? s->mapToView(p) : p);
    return out;
}

QVector<QPointF> GraphicsItem::pointsWithCursor() const
{
    QVector<QPointF> pts = m_points;
    if (!m_finished)
        pts.append(m_cursorPos);
    return pts;
}

void GraphicsItem::drawHandlesAt(QPainter *painter, const QVector<QPointF> &viewPoints)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 0));
    for (const QPointF &p : viewPoints)
        painter->drawRect(QRectF(p.x() - 5, p.y() - 5, 10, 10));
    painter->restore();
}

void GraphicsItem::drawHandles(QPainter *painter) const { drawHandlesAt(painter, viewPoints(m_points)); }

double GraphicsItem::hitTolerance() const
{
    const CameraScene *s = cameraScene();
    const double sx = s ? s->scaleX() : 1.0;
    return 5.0 / qMin(sx, 1.0);
}

bool GraphicsItem::isNearSegment(const QPointF &p, const QPointF &a, const QPointF &b) const
{
    return geometry::isNearSegment(p, a, b, hitTolerance());
}

bool GraphicsItem::isNearCircle(const QPointF &p, const QPointF &centre, double radius)
{
    return geometry::isNearCircle(p, centre, radius);
}

QString GraphicsItem::measureText(const QString &name, double pixelValue) const
{
    return ::measureText(name, pixelValue, calibration());
}

void GraphicsItem::repaint(bool values)
{
    if (CameraScene *s = cameraScene())
        s->shapeChanged(this, values);
    else if (QGraphicsScene *s = scene())
        s->update();
}

void GraphicsItem::repaintLook()
{
    if (CameraScene *s = cameraScene())
        s->shapeLookChanged(this);
    else if (QGraphicsScene *s = scene())
        s->update();
}

GraphicsItem *createShape(int type)
{
    switch (type) {
    case Point: return new GraphicsPointItem;
    case Line: return new GraphicsLineItem;
    case BrokenLine: return new GraphicsBrokenLineItem;
    case Rect: return new GraphicsRectItem;
    case Polygon: return new GraphicsPolygonItem;
    case ParallelLine: return new GraphicsParallelLineItem;
    case VerticalLine: return new GraphicsVerticalLineItem;
    case Cross: return new GraphicsCrossItem;
    case AngleLine: return new GraphicsAngleLineItem;
    case Arc: return new GraphicsArcItem;
    case Circle1: return new GraphicsCircle1Item;
    case Circle2: return new GraphicsCircle2Item;
    case Circle3: return new GraphicsCircle3Item;
    case DoubleCircle: return new GraphicsDoubleCircleItem;
    case CircleLine: return new GraphicsCircleLineItem;
    case Text: return new GraphicsTextItem;
    case Particle: return new GraphicsParticleItem;
    default: return nullptr;
    }
}
