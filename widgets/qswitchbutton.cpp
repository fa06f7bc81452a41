#include "widgets/qswitchbutton.h"

#include <QMouseEvent>
#include <QPainter>

QSwitchButton::QSwitchButton(QWidget *parent)
    : QWidget(parent)
    , m_onImage(QStringLiteral(":/Vistrel/image/icon/switch_on.png"))
    , m_offImage(QStringLiteral(":/Vistrel/image/icon/switch_off.png"))
{
    setMouseTracking(true);
    setFixedSize(m_width, m_height);
}

void QSwitchButton::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    update();
}

void QSwitchButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap &img = m_checked ? m_onImage : m_offImage;
    if (!img.isNull()) {
        // The images are drawn at twice the size for sharp high-DPI screens.
        p.drawPixmap(QRect(0, 0, m_width, m_height), img);
        if (!isEnabled())
            p.fillRect(rect(), QColor(255, 255, 255, 110));
        return;
    }
    // Without the images: a rounded track and knob in the same colours.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(m_checked ? m_colors[2] : m_colors[1]);
    p.drawRoundedRect(rect(), m_height / 2.0, m_height / 2.0);
    p.setBrush(m_colors[0]);
    const int d = m_height - 4;
    p.drawEllipse(m_checked ? m_width - d - 2 : 2, 2, d, d);
}

void QSwitchButton::mousePressEvent(QMouseEvent *event)
{
    if (m_enabled && isEnabled() && event->button() == Qt::LeftButton) {
        m_checked = !m_checked;
        update();
        emit clicked();
        emit clicked(m_checked);
    }
    QWidget::mousePressEvent(event);
}

void QSwitchButton::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}
