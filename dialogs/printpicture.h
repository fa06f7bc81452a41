#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// Printing a picture, for the main window and the measure editor alike.
namespace printing {

// Scaled into the viewport less a 20-pixel margin, aspect kept, centred.
QRect printTarget(const QRect &viewport, const QSize &image);
// Paints the picture onto the printer's page at printTarget.
void paintPicture(QPrinter *printer, const QImage &picture);
// Names the document; without a printer to print on, printing goes to
// "<documentName>.pdf" in the folder the file dialogs start in (the photo
// folder, or the last one used). An empty name is the time, as photos have.
void preparePrinter(QPrinter *printer, const QString &documentName);
// An A4 print preview; picture() is asked again at each repaint.
void preview(QWidget *parent, const std::function<QImage()> &picture, const QString &documentName = QString());

} // namespace printing
