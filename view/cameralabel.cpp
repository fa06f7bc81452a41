#include "view/cameralabel.h"

#include "core/imagesafety.h"

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <cstring>

namespace {

const char kGreyBorder[] = "border-width: 2px;border-style: solid;border-color: rgb(128, 128, 128);";
const char kBlueBorder[] = "border-width: 2px;border-style: solid;border-color: rgb(0, 0, 255);";
const char kItemListMime[] = "application/x-qabstractitemmodeldatalist";

// The rows of an item-view drag, each with its roles.
QList<QMap<int, QVariant>> draggedRows(const QMimeData *mime)
{
    QList<QMap<int, QVariant>> rows;
    QByteArray encoded = mime->data(QLatin1String(kItemListMime));
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    while (!stream.atEnd()) {
        int row = 0;
        int column = 0;
        QMap<int, QVariant> roles;
        stream >> row >> column >> roles;
        if (stream.status() != QDataStream::Ok)
            break;
        rows.append(roles);
    }
    return rows;
}

bool carriesCamera(const QMimeData *mime)
{
    for (const auto &roles : draggedRows(mime)) {
        if (roles.contains(CameraLabel::kCameraIdRole))
            return true;
    }
    return false;
}

} // namespace

CameraLabel::CameraLabel(QWidget *parent)
    : QLabel(parent)
    , m_addIcon(QStringLiteral(":/Vistrel/image/icon/btnAdd.png"))
{
    setStyleSheet(QString::fromLatin1(kGreyBorder));
    setAcceptDrops(true);
}

void CameraLabel::setIndex(int index)
{
    m_index = index;
    if (index == 0 && !m_freezeButton) {
        m_freezeButton = new QPushButton(this);
        m_freezeButton->setObjectName(QStringLiteral("btnDongJie"));
        m_freezeButton->setStyleSheet(QStringLiteral(
            "background-color:rgba(0,167,246,128); color:rgb(255,255,255); border-radius: 10px; border:none; "));
        m_freezeButton->resize(140, 30);
        retranslate();
        m_freezeButton->show();
        m_freezeButton->move(width() - m_freezeButton->width() - 25, height() - m_freezeButton->height() - 5);
        connect(m_freezeButton, &QPushButton::clicked, this, &CameraLabel::onBtnDongJie);
    }
    update();
}

void CameraLabel::setImage(const QImage &image)
{
    if (m_frozen)
        return;
    // A deep copy: the frame's pixels belong to the camera buffer. A frame
    // of the same size goes into the picture already held, without allocating.
    if (m_image.size() == image.size() && m_image.format() == image.format()
        && m_image.bytesPerLine() == image.bytesPerLine() && !image.isNull())
        memcpy(m_image.bits(), image.constBits(), size_t(image.sizeInBytes()));
    else
        m_image = image.copy();
    m_message.clear();
    update();
}

bool CameraLabel::setFile(const QString &path)
{
    QImage img;
    QString why;
    if (!imagesafety::readImageSafely(path, &img, &why)) {
        qWarning("not shown: %s: %s", qPrintable(path), qPrintable(why));
        return false;
    }
    m_image = img;
    m_fileName = QFileInfo(path).fileName();
    update();
    return true;
}

void CameraLabel::clearImage()
{
    m_image = QImage();
    m_fileName.clear();
    m_title.clear();
    m_message.clear();
    m_frozen = false;
    retranslate();
    update();
}

void CameraLabel::setFrozen(bool frozen)
{
    if (m_frozen != frozen)
        onBtnDongJie();
}

void CameraLabel::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    update();
}

void CameraLabel::setMessage(const QString &message)
{
    if (!message.isEmpty())
        m_image = QImage();
    m_message = message;
    update();
}

void CameraLabel::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    setLineWidth(2);
    setStyleSheet(QString::fromLatin1(selected ? kBlueBorder : kGreyBorder));
    update();
    emit toggled(selected);
}

QRect CameraLabel::addIconRect() const { return QRect((width() - 40) / 2, (height() - 40) / 2, 40, 40); }

void CameraLabel::onBtnDongJie()
{
    m_frozen = !m_frozen;
    retranslate();
}

void CameraLabel::retranslate()
{
    if (m_freezeButton)
        m_freezeButton->setText(m_frozen ? tr("解冻") : tr("冻结"));
}

void CameraLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        update();
    }
    QLabel::changeEvent(event);
}

void CameraLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor edge = m_selected ? QColor(0, 0, 255) : QColor(128, 128, 128);
    p.setPen(QPen(edge, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    QRect r = rect();
    p.drawRect(r);
    r.adjust(2, 2, -2, -2);

    if (m_image.isNull()) {
        p.fillRect(r, QColor(240, 240, 240));
        if (m_message.isEmpty() && !m_addIcon.isNull())
            p.drawImage(addIconRect(), m_addIcon);
    } else {
        const QSize fitted = m_image.size().scaled(r.size(), Qt::KeepAspectRatio);
        const QRect target(r.x() + (r.width() - fitted.width()) / 2, r.y() + (r.height() - fitted.height()) / 2,
                           fitted.width(), fitted.height());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, m_image);
        if (m_index != 0 && !m_fileName.isEmpty()) {
            QFont f = font();
            f.setPixelSize(24);
            p.setFont(f);
            p.setPen(Qt::lightGray);
            p.drawText(QRect(0, 0, width(), 50), Qt::AlignCenter, m_fileName);
        }
    }

    if (!m_message.isEmpty()) {
        p.setPen(Qt::darkRed);
        p.drawText(r.adjusted(10, 40, -10, -10), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_message);
    }
    if (!m_title.isEmpty()) {
        const QRect header(r.x(), r.y(), r.width(), p.fontMetrics().height() + 6);
        p.fillRect(header, QColor(0, 0, 0, 128));
        p.setPen(Qt::white);
        p.drawText(header.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(m_title, Qt::ElideMiddle, header.width() - 12));
    }

    QFont f = font();
    p.setFont(f);
    p.setPen(Qt::red);
    p.drawText(QRect(0, 0, width() - 4, height() - 4), Qt::AlignRight | Qt::AlignBottom, QString::number(m_index + 1));
}

void CameraLabel::mousePressEvent(QMouseEvent *event)
{
    if (m_addEnabled && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        if (m_image.isNull() && addIconRect().contains(event->pos()))
            m_addPressed = true;
        else
            m_pressed = true;
    }
    QLabel::mousePressEvent(event);
}

void CameraLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool addPressed = m_addPressed;
    const bool pressed = m_pressed;
    m_addPressed = false;
    m_pressed = false;
    if (addPressed && addIconRect().contains(event->pos()))
        emit sigAddClicked();
    if (pressed && rect().contains(event->pos()) && !m_selected)
        setSelected(true);
    QLabel::mouseReleaseEvent(event);
}

void CameraLabel::dragEnterEvent(QDragEnterEvent *event)
{
    // The first tile takes cameras only; its picture is the live one.
    if (event->mimeData()->hasFormat(QLatin1String(kItemListMime))
        && (m_index != 0 || carriesCamera(event->mimeData())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CameraLabel::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasFormat(QLatin1String(kItemListMime))) {
        event->ignore();
        return;
    }
    if (m_index == 0 && !carriesCamera(event->mimeData())) {
        event->ignore();
        return;
    }
    for (const auto &roles : draggedRows(event->mimeData())) {
        // A camera from the camera list goes live here; a file only into tiles 2-4.
        if (roles.contains(kCameraIdRole))
            emit sigCameraDropped(roles.value(kCameraIdRole).toString());
        else if (m_index != 0 && roles.contains(Qt::UserRole))
            setFile(roles.value(Qt::UserRole).toString());
    }
    event->acceptProposedAction();
}

void CameraLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_freezeButton)
        m_freezeButton->move(width() - m_freezeButton->width() - 25, height() - m_freezeButton->height() - 5);
}
