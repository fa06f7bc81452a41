#include "measure/sceneoverlays.h"

#include "measure/reticle.h"
#include "measure/scalebar.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPainter>
#include <QTime>

void SceneOverlays::setRecordingClock(bool visible)
{
    m_clockVisible = visible;
    if (visible)
        m_clock.start();
}

void SceneOverlays::paint(QPainter *painter, const Frame &frame) const
{
    const int w = frame.size.width();
    const int h = frame.size.height();
    // The labels go in the corners of what is in sight, not of the whole
    // zoomed picture; the cross-hair marks the picture's centre wherever it is.
    const QRect all(0, 0, w, h);
    const QRect seen = frame.visible.isValid() && !frame.rendering ? frame.visible.intersected(all) : all;
    const int x0 = seen.left();
    const int y0 = seen.top();
    painter->save();
    painter->resetTransform();

    if (m_clockVisible && !frame.rendering) {
        const QString elapsed = QTime(0, 0).addMSecs(int(m_clock.elapsed())).toString(QStringLiteral("HH:mm:ss"));
        QFont font = painter->font();
        font.setPixelSize(24);
        painter->setFont(font);
        painter->fillRect(QRect(x0 + 10, y0 + 14, 16, 16), Qt::red);
        painter->setPen(Qt::white);
        painter->drawText(x0 + 30, y0 + 30, elapsed);
    }
    if (crossVisible) {
        painter->setPen(QPen(QColor(0, 0, 255), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawLine(0, h / 2, w, h / 2);
        painter->drawLine(w / 2, 0, w / 2, h);
    }
    if (reticleKind != 0 && !noDeviceNotice && frame.hasPicture)
        paintReticle(*painter, frame.pictureRect, frame.pictureSize, frame.calibration, reticleKind, reticleColour,
                     QRectF(seen), reticleCorner);
    if (scaleBarVisible && !noDeviceNotice && frame.hasPicture)
        paintScaleBar(*painter, frame.pictureRect, frame.pictureSize, frame.calibration, scaleBarCorner,
                      seen == all ? QRectF() : QRectF(seen));
    if (timeStampVisible) {
        QFont font = painter->font();
        font.setPixelSize(16);
        painter->setFont(font);
        painter->setPen(Qt::red);
        painter->drawText(QRect(seen.right() + 1 - 200, seen.bottom() + 1 - 24, 196, 20), 134,
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    if (noDeviceNotice) {
        QFont font = painter->font();
        font.setPixelSize(20);
        painter->setFont(font);
        const QRect box(x0 + (seen.width() - 170) / 2, y0 + (seen.height() - 170) / 2, 170, 170);
        painter->fillRect(box, QColor(240, 240, 240));
        painter->setPen(Qt::black);
        // The scene's own text, looked up in its context.
        painter->drawText(box, 132 | Qt::TextWordWrap,
                          QCoreApplication::translate("CameraScene", "没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口"));
    }
    painter->restore();
}
