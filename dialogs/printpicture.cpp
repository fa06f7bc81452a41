#include "dialogs/printpicture.h"

#include "core/lastfolder.h"

#include <QDateTime>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

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

void preparePrinter(QPrinter *printer, const QString &documentName)
{
    const QString name = documentName.isEmpty()
                             ? QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"))
                             : documentName;
    printer->setDocName(name);
    // Qt's own default would be a "print.pdf" in the working folder.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer->setOutputFileName(lastfolder::start(name + QStringLiteral(".pdf")));
}

void preview(QWidget *parent, const std::function<QImage()> &picture, const QString &documentName)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    preparePrinter(&printer, documentName);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&picture](QPrinter *p) { paintPicture(p, picture()); });
    dialog.resize(800, 600);
    if (dialog.exec() == QDialog::Accepted && printer.outputFormat() == QPrinter::PdfFormat
        && !printer.outputFileName().isEmpty())
        lastfolder::remember(printer.outputFileName());
}

} // namespace printing
