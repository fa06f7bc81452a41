#include "dialogs/printpicture.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace printing {

QRect printTarget(const QRect &viewport, const QSize &image)
{
    const QSize s = image.scaled(viewport.width() - 20, viewport.height() - 20, Qt::KeepAspectRatio);
    return QRect(viewport.x() + (viewport.width() - s.width()) / 2, viewport.y() + (viewport.height() - s.height()) / 2,
                 s.width(), s.height());
}

void paintPicture(QPrinter *printer, const QImage &picture)
{
    // 24-bit RGB: what print drivers take without a conversion of their own.
    const QImage image = picture.convertToFormat(QImage::Format_RGB888);
    if (image.isNull())
        return;
    QPainter painter(printer);
    // The window maps the photo onto its place in the page.
    painter.setViewport(printTarget(painter.viewport(), image.size()));
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
}

void preview(QWidget *parent, const std::function<QImage()> &picture)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&picture](QPrinter *p) { paintPicture(p, picture()); });
    dialog.resize(800, 600);
    dialog.exec();
}

} // namespace printing
