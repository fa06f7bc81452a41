#include "measure/sceneoverlays.h"

#include "measure/reticle.h"
#include "measure/overlaylayout.h"
#include "measure/scalebar.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>
#include <QTime>

namespace {

constexpr double kGap = 4; // between overlays sharing a corner

QFont overlayFont(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

// A clock's text measured with its widest digit everywhere, so that its box
// does not twitch as the seconds go by.
double steadyWidth(const QFontMetricsF &metrics, const QString &text)
{
    double digit = 0;
    for (char c = '0'; c <= '9'; ++c)
        digit = qMax(digit, metrics.horizontalAdvance(QLatin1Char(c)));
    double width = 0;
    for (const QChar c : text)
        width += c.isDigit() ? digit : metrics.horizontalAdvance(c);
    return width;
}

QString timeStampText() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

QRectF noticeBox(const QRect &seen)
{
    return QRectF(seen.left() + (seen.width() - 170) / 2, seen.top() + (seen.height() - 170) / 2, 170, 170);
}

// The part of the target the user sees; the whole of it in a saved picture.
QRect seenPart(const SceneOverlays::Frame &frame)
{
    const QRect all(QPoint(0, 0), frame.size);
    return frame.visible.isValid() && !frame.rendering ? frame.visible.intersected(all) : all;
}

} // namespace

void SceneOverlays::setRecordingClock(bool visible)
{
    m_clockVisible = visible;
    if (visible)
        m_clock.start();
}

int SceneOverlays::addCornerOverlay(const CornerOverlay &overlay)
{
    m_corner.insert(m_nextId, overlay);
    return m_nextId++;
}

void SceneOverlays::removeCornerOverlay(int id) { m_corner.remove(id); }

QVector<QRectF> SceneOverlays::Boxes::all() const
{
    QVector<QRectF> list;
    for (const QRectF &r : {clock, notice, timeStamp, scaleBar, reticle}) {
        if (!r.isEmpty())
            list.append(r);
    }
    for (const QRectF &r : extra) {
        if (!r.isEmpty())
            list.append(r);
    }
    return list;
}

SceneOverlays::Boxes SceneOverlays::layout(const Frame &frame) const
{
    Boxes boxes;
    const QRect seen = seenPart(frame);
    const bool partly = seen != QRect(QPoint(0, 0), frame.size);
    // The corners are those of the picture as far as it is in sight.
    const QRectF area = frame.hasPicture ? frame.pictureRect.intersected(QRectF(seen)) : QRectF(seen);
    QVector<QRectF> taken;
    if (m_clockVisible && !frame.rendering) {
        const QFontMetricsF metrics(overlayFont(24));
        const double text = steadyWidth(metrics, QStringLiteral("00:00:00"));
        const double top = qMin(14.0, 30 - metrics.ascent());
        boxes.clock = QRectF(seen.left() + 10, seen.top() + top, 20 + text,
                             qMax(30 - top, metrics.ascent() + metrics.descent()));
        taken.append(boxes.clock);
    }
    if (noDeviceNotice) {
        boxes.notice = noticeBox(seen);
        taken.append(boxes.notice);
    }
    if (timeStampVisible) {
        const QFontMetricsF metrics(overlayFont(16));
        const QSizeF size(steadyWidth(metrics, timeStampText()), 20);
        boxes.timeStamp = overlaylayout::placeInCorner(size, BottomRight, area, 4, taken, kGap);
        taken.append(boxes.timeStamp);
    }
    if (scaleBarVisible && !noDeviceNotice && frame.hasPicture) {
        const QRectF seenArea = partly ? QRectF(seen) : QRectF();
        const QRectF own = scaleBarRect(frame.pictureRect, frame.pictureSize, frame.calibration, scaleBarCorner,
                                        overlayFont(16), seenArea);
        if (!own.isEmpty()) {
            // The margin from the edge, measured to the outline as drawn in its own corner.
            const bool left = scaleBarCorner == TopLeft || scaleBarCorner == BottomLeft;
            const bool top = scaleBarCorner == TopLeft || scaleBarCorner == TopRight;
            const QRectF p = partly ? frame.pictureRect.intersected(seenArea) : frame.pictureRect;
            const double margin = qMin(left ? own.left() - p.left() : p.right() - own.right(),
                                       top ? own.top() - p.top() : p.bottom() - own.bottom());
            boxes.scaleBar = overlaylayout::placeInCorner(own.size(), scaleBarCorner, area, margin, taken, kGap);
            taken.append(boxes.scaleBar);
        }
    }
    if (reticleKind != 0 && !noDeviceNotice && frame.hasPicture) {
        double margin = 0;
        const QSizeF size = reticleLabelSize(frame.pictureRect, frame.pictureSize, frame.calibration, reticleKind,
                                             QRectF(seen), &margin);
        if (!size.isEmpty()) {
            boxes.reticle = overlaylayout::placeInCorner(size, reticleCorner, area, margin, taken, kGap);
            taken.append(boxes.reticle);
        }
    }
    for (auto it = m_corner.cbegin(); it != m_corner.cend(); ++it) {
        const QSizeF size = it->size ? it->size(frame) : QSizeF();
        QRectF box;
        if (!size.isEmpty()) {
            box = overlaylayout::placeInCorner(size, it->corner, area, scaleBarMargin(area), taken, kGap);
            taken.append(box);
        }
        boxes.extra.append(box);
    }
    return boxes;
}

void SceneOverlays::paint(QPainter *painter, const Frame &frame) const
{
    const int w = frame.size.width();
    const int h = frame.size.height();
    const Boxes boxes = layout(frame);
    painter->save();
    painter->resetTransform();

    if (!boxes.clock.isEmpty()) {
        const QString elapsed = QTime(0, 0).addMSecs(int(m_clock.elapsed())).toString(QStringLiteral("HH:mm:ss"));
        painter->setFont(overlayFont(24));
        const QPoint at = seenPart(frame).topLeft();
        painter->fillRect(QRect(at.x() + 10, at.y() + 14, 16, 16), Qt::red);
        painter->setPen(Qt::white);
        painter->drawText(at.x() + 30, at.y() + 30, elapsed);
    }
    if (crossVisible) {
        painter->setPen(QPen(QColor(0, 0, 255), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawLine(0, h / 2, w, h / 2);
        painter->drawLine(w / 2, 0, w / 2, h);
    }
    if (reticleKind != 0 && !noDeviceNotice && frame.hasPicture)
        paintReticle(*painter, frame.pictureRect, frame.pictureSize, frame.calibration, reticleKind, reticleColour,
                     QRectF(seenPart(frame)), reticleCorner, boxes.reticle);
    if (!boxes.scaleBar.isEmpty())
        paintScaleBarAt(*painter, boxes.scaleBar, frame.pictureRect, frame.pictureSize, frame.calibration,
                        overlayFont(16),
                        seenPart(frame) == QRect(QPoint(0, 0), frame.size) ? QRectF() : QRectF(seenPart(frame)));
    int index = 0;
    for (auto it = m_corner.cbegin(); it != m_corner.cend(); ++it, ++index) {
        const QRectF box = boxes.extra.value(index);
        if (!box.isEmpty() && it->paint) {
            painter->save();
            it->paint(painter, box, frame);
            painter->restore();
        }
    }
    if (!boxes.timeStamp.isEmpty()) {
        painter->setFont(overlayFont(16));
        painter->setPen(Qt::red);
        painter->drawText(boxes.timeStamp, Qt::AlignRight | Qt::AlignVCenter, timeStampText());
    }
    if (noDeviceNotice) {
        painter->setFont(overlayFont(20));
        const QRect box = boxes.notice.toRect();
        painter->fillRect(box, QColor(240, 240, 240));
        painter->setPen(Qt::black);
        // The scene's own text, looked up in its context.
        painter->drawText(
            box, 132 | Qt::TextWordWrap,
            QCoreApplication::translate("CameraScene", "没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口"));
    }
    painter->restore();
}
