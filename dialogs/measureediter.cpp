#include "dialogs/measureediter.h"

#include "core/appsettings.h"
#include "calib/bdwidget.h"
#include "measure/camerascene.h"
#include "ui_measureediter.h"
#include "view/cameraviewer.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTimer>

namespace {

// Zoom entries after "Scale" and their factors.
const char *const kZoomTexts[] = {"0.5x", "1.0x", "2.0x", "2.5x", "4.0x", "5.0x", "10.0x"};
const double kZoomFactors[] = {0.5, 1, 2, 2.5, 4, 5, 10};

} // namespace

MeasureEditer::MeasureEditer(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MeasureEditWindow)
    , m_savePicker([this](const QString &filter) {
        return QFileDialog::getSaveFileName(this, QString(), QString(), filter);
    })
{
    ui->setupUi(this);
    if (parent)
        setWindowTitle(parent->windowTitle());
    m_scene = ui->cameraViewer->cameraScene();
    m_scene->setTool(65538);
    // The editor exists to measure: its gestures are always on.
    m_scene->setMeasureEnabled(true);

    connect(m_scene, &CameraScene::coorInfo, this, &MeasureEditer::onCoorInfo);
    connect(ui->btnPrint, &QPushButton::clicked, this, &MeasureEditer::onImagePrint);
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, this, &MeasureEditer::onBdInfoChanged);
    connect(ui->btnSave, &QPushButton::clicked, this, &MeasureEditer::onImageSave);
    connect(ui->btnSaveAs, &QPushButton::clicked, this, &MeasureEditer::onImageSaveAs);

    ui->comboZoom->addItem(tr("Scale"), QStringLiteral("Scale"));
    for (const char *text : kZoomTexts)
        ui->comboZoom->addItem(QString::fromLatin1(text), QString::fromLatin1(text));
    ui->comboZoom->setCurrentIndex(2);
    connect(ui->comboZoom, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &MeasureEditer::onComboZoomChanged);
    retranslate();
}

MeasureEditer::~MeasureEditer()
{
    delete ui;
}

CameraViewer *MeasureEditer::viewer() const
{
    return ui->cameraViewer;
}

BDWidget *MeasureEditer::toolbox() const
{
    return ui->bdWidget;
}

void MeasureEditer::attach(AppSettings *settings)
{
    m_settings = settings;
    m_scene->setSettings(settings);
    ui->bdWidget->setup(m_scene, settings);
}

bool MeasureEditer::openImage(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage img = reader.read();
    if (img.isNull())
        return false;
    if (img.format() != QImage::Format_RGB32 && img.format() != QImage::Format_ARGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
    m_filePath = path;
    // The last picture's pointer readout means nothing on this one.
    ui->labelCoor->clear();
    m_scene->resetImage();
    m_scene->setImage(img);
    ui->labelSize->setText(QString::asprintf("%d * %d", img.width(), img.height()));
    onUpdateCamViewSize();
    return true;
}

bool MeasureEditer::saveTo(const QString &path)
{
    const QImage img = m_scene->grabImage();
    if (img.isNull())
        return false;
    // Through a temporary file: a failed write never destroys the photo.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!img.save(&file, format.isEmpty() ? nullptr : format.constData())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void MeasureEditer::onBdInfoChanged()
{
    if (sender() != ui->bdWidget)
        ui->bdWidget->refresh();
}

void MeasureEditer::onCoorInfo(QPoint point, QColor c)
{
    const QSize size = m_scene->image().size();
    const int x = point.x() - size.width() / 2;
    const int y = size.height() / 2 - point.y();
    ui->labelCoor->setText(tr("坐标") + QString::asprintf(" :%d,%d (R:%3d G:%3d B:%3d)", x, y, c.red(), c.green(), c.blue()));
}

void MeasureEditer::onComboZoomChanged()
{
    onUpdateCamViewSize();
}

void MeasureEditer::onUpdateCamViewSize()
{
    // The untranslated entry text decides.
    const QString text = ui->comboZoom->currentData().toString();
    const bool fit = text == QLatin1String("Scale");
    double factor = 1.0;
    for (size_t i = 0; i < sizeof kZoomFactors / sizeof kZoomFactors[0]; ++i) {
        if (text == QLatin1String(kZoomTexts[i]))
            factor = kZoomFactors[i];
    }
    const QSize photo = m_scene->image().size();
    if (!photo.isValid() || photo.isEmpty())
        return;
    ui->scrollArea->setAlignment(Qt::Alignment(132));
    QSize viewSize;
    if (fit)
        // The room inside the frame, so that fitting never brings up scroll bars.
        viewSize = photo.scaled(ui->scrollArea->maximumViewportSize(), Qt::KeepAspectRatio);
    else
        viewSize = QSize(qRound(photo.width() * factor), qRound(photo.height() * factor));
    ui->cameraViewer->setFixedSize(viewSize);
    m_scene->fitToView(photo);
    QCoreApplication::processEvents();
    QTimer::singleShot(0, ui->cameraViewer->viewport(), qOverload<>(&QWidget::update));
}

void MeasureEditer::onImageSave()
{
    if (m_filePath.isEmpty())
        return;
    if (!saveTo(m_filePath))
        QMessageBox::information(this, QString(), tr("保存失败"));
}

void MeasureEditer::onImageSaveAs()
{
    if (m_filePath.isEmpty())
        return;
    const QString path = m_savePicker(QStringLiteral("*.") + QFileInfo(m_filePath).suffix());
    if (path.isEmpty())
        return;
    if (!saveTo(path))
        QMessageBox::information(this, QString(), tr("保存失败"));
}

void MeasureEditer::onImagePrint()
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &MeasureEditer::plotPrintPic);
    preview.resize(800, 600);
    preview.exec();
}

void MeasureEditer::plotPrintPic(QPrinter *printer)
{
    const QImage img = m_scene->grabImage();
    if (img.isNull())
        return;
    QPainter painter(printer);
    // The window maps the photo onto its place in the page.
    painter.setViewport(printTarget(painter.viewport(), img.size()));
    painter.setWindow(img.rect());
    painter.drawImage(0, 0, img);
}

QRect MeasureEditer::printTarget(const QRect &viewport, const QSize &image)
{
    // Scaled into the viewport less a 20-pixel margin, aspect kept, centred.
    const QSize s = image.scaled(viewport.width() - 20, viewport.height() - 20, Qt::KeepAspectRatio);
    return QRect(viewport.x() + (viewport.width() - s.width()) / 2, viewport.y() + (viewport.height() - s.height()) / 2,
                 s.width(), s.height());
}

void MeasureEditer::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    ui->bdWidget->refresh();
    QTimer::singleShot(0, this, &MeasureEditer::onUpdateCamViewSize);
}

void MeasureEditer::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    QTimer::singleShot(0, this, &MeasureEditer::onUpdateCamViewSize);
}

void MeasureEditer::retranslate()
{
    ui->comboZoom->setItemText(0, tr("Scale"));
    ui->btnSave->setText(tr("保存"));
    ui->btnSaveAs->setText(tr("另存为"));
    ui->btnPrint->setText(tr("打印"));
    if (m_scene && !m_scene->image().isNull())
        ui->labelCoor->setText(QString());
}

void MeasureEditer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QMainWindow::changeEvent(event);
}
