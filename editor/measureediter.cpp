#include "editor/measureediter.h"
#include "editor/measurereport.h"
#include "view/wheelzoom.h"
#include "files/filedrop.h"
#include "core/mediafiles.h"
#include "dialogs/printpicture.h"

#include "core/appsettings.h"
#include "core/atomicsave.h"
#include "core/lastfolder.h"
#include "core/diskerror.h"
#include "core/imagesafety.h"
#include "core/notifier.h"
#include "core/photofile.h"
#include "calib/bdwidget.h"
#include "calib/measurementrows.h"
#include "measure/annotations.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "ui_measureediter.h"
#include "view/cameraviewer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QStatusBar>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

MeasureEditer::MeasureEditer(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MeasureEditWindow)
    , m_savePicker([this](const QString &filter) {
        const QString path = QFileDialog::getSaveFileName(
            this, QString(), lastfolder::start(QFileInfo(m_filePath).fileName()),
            tr("照片") + QStringLiteral(" (") + filter + QLatin1Char(')'));
        lastfolder::remember(path);
        return path;
    })
{
    ui->setupUi(this);
    if (parent)
        m_productTitle = parent->windowTitle();
    updateTitle();
    // The picture takes the room; the toolbox only what it needs.
    ui->mainLayout->setStretch(0, 1);
    ui->mainLayout->setStretch(1, 0);
    ui->bdWidget->setSizePolicy(QSizePolicy::Maximum, ui->bdWidget->sizePolicy().verticalPolicy());
    {
        // On a short screen the toolbox scrolls instead of making the window taller.
        auto *toolScroll = new QScrollArea(this);
        toolScroll->setObjectName(QStringLiteral("toolboxScrollArea"));
        toolScroll->setFrameShape(QFrame::NoFrame);
        toolScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        toolScroll->setWidgetResizable(true);
        toolScroll->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
        delete ui->mainLayout->replaceWidget(ui->bdWidget, toolScroll);
        toolScroll->setWidget(ui->bdWidget);
        toolScroll->setMinimumWidth(ui->bdWidget->minimumSizeHint().width()
                                    + toolScroll->verticalScrollBar()->sizeHint().width());
    }
    m_scene = ui->cameraViewer->cameraScene();
    m_scene->setTool(Point);
    // The editor exists to measure: its gestures are always on.
    m_scene->setMeasureEnabled(true);

    connect(m_scene, &CameraScene::coorInfo, this, &MeasureEditer::onCoorInfo);
    connect(m_scene, &CameraScene::shapesChanged, this, &MeasureEditer::updateTitle);
    connect(ui->btnPrint, &QPushButton::clicked, this, &MeasureEditer::onImagePrint);
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("menuEditerFile"));
    m_reportAction = report::addReportAction(m_fileMenu, nullptr, this, [this] { onReport(); });
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, this, &MeasureEditer::onBdInfoChanged);
    connect(ui->btnSave, &QPushButton::clicked, this, &MeasureEditer::onImageSave);
    connect(ui->btnSaveAs, &QPushButton::clicked, this, &MeasureEditer::onImageSaveAs);
    // Only here are pictures saved with their shapes: offer the CSV beside them.
    ui->bdWidget->csvOption()->show();
    connect(ui->bdWidget, &BDWidget::optionChanged, this, &MeasureEditer::settingsChanged);

    ui->comboZoom->addItem(tr("Scale"), QStringLiteral("Scale"));
    for (const QString &text : wheelzoom::zoomTexts())
        ui->comboZoom->addItem(text, text);
    ui->comboZoom->setCurrentIndex(2);
    // "Fit" is a long word in some languages: the box grows to its longest entry.
    ui->comboZoom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(ui->comboZoom, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MeasureEditer::onComboZoomChanged);
    // A photo dropped from a file manager opens here.
    for (QWidget *target : {static_cast<QWidget *>(this), ui->cameraViewer->viewport()}) {
        new FileDrop(
            target, [](const QString &path) { return media::isPhoto(path); },
            [this](const QStringList &files) {
                if (!openImage(files.first()))
                    notifier().inform(this,
                                      tr("打开文件失败") + QLatin1Char('\n') + QDir::toNativeSeparators(files.first()));
            });
    }
    // Ctrl+wheel steps the zoom around the pointer.
    wheelzoom::install(ui->comboZoom, ui->scrollArea, ui->cameraViewer, ui->cameraViewer->viewport());
    retranslate();
    updateTitle();
}

MeasureEditer::~MeasureEditer()
{
    // The scene dies with the child widgets, after our members: its last
    // signals must not reach them.
    disconnect(m_scene, nullptr, this, nullptr);
    delete ui;
}

CameraViewer *MeasureEditer::viewer() const { return ui->cameraViewer; }

BDWidget *MeasureEditer::toolbox() const { return ui->bdWidget; }

void MeasureEditer::attach(AppSettings *settings)
{
    m_settings = settings;
    m_scene->setSettings(settings);
    ui->bdWidget->setup(m_scene, settings);
}

bool MeasureEditer::openImage(const QString &path)
{
    QImage img;
    QString why;
    if (!imagesafety::readImageSafely(path, &img, &why)) {
        qWarning("not opened: %s: %s", qPrintable(path), qPrintable(why));
        return false;
    }
    // A photo with its shapes burnt in keeps the pixels under them beside
    // it: the shapes are edited over those, when they still fit.
    // The sidecar is read later (maybe on a worker thread): the original is
    // shown now and given up should the sidecar prove unusable.
    cancelLoading();
    m_photoPixels = QImage();
    QImage original;
    if (QFileInfo(annotations::originalPathFor(path)).isFile() && QFileInfo(annotations::pathFor(path)).isFile()
        && imagesafety::readImageSafely(annotations::originalPathFor(path), &original)
        && original.size() == img.size()) {
        m_photoPixels = img;
        img = original;
    }
    if (img.format() != QImage::Format_RGB32 && img.format() != QImage::Format_ARGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
    m_filePath = path;
    m_savedPath.clear();
    updateTitle();
    // A new photo shows whole first.
    {
        const QSignalBlocker block(ui->comboZoom);
        ui->comboZoom->setCurrentIndex(0);
    }
    ui->bdWidget->setPictureName(QFileInfo(path).fileName());
    // The last picture's pointer readout means nothing on this one.
    ui->labelCoor->clear();
    m_scene->resetImage();
    m_scene->setImage(img);
    ui->labelSize->setText(QString::asprintf("%d * %d", img.width(), img.height()));
    restoreAnnotations();
    if (!m_loading)
        markClean();
    onUpdateCamViewSize();
    return true;
}

namespace {

bool sameShapes(const QVector<ShapeRecord> &a, const QVector<ShapeRecord> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].type != b[i].type || !(a[i].style == b[i].style) || a[i].points != b[i].points
            || a[i].text != b[i].text)
            return false;
    }
    return true;
}

QVector<ShapeRecord> recordsOf(const CameraScene *scene)
{
    QVector<ShapeRecord> out;
    for (const GraphicsItem *shape : scene->shapes())
        out.append(shape->record());
    return out;
}

} // namespace

bool MeasureEditer::isModified() const
{
    // Half-built shapes are no change of the user's.
    return !m_loading && !m_filePath.isEmpty() && !sameShapes(recordsOf(m_scene), m_cleanShapes);
}

void MeasureEditer::markClean()
{
    m_cleanShapes = recordsOf(m_scene);
    updateTitle();
}

QString MeasureEditer::composeTitle() const
{
    if (m_filePath.isEmpty())
        return m_productTitle;
    return (isModified() ? QStringLiteral("*") : QString()) + QFileInfo(m_filePath).fileName() + QStringLiteral(" — ")
           + m_productTitle;
}

void MeasureEditer::updateTitle()
{
    const QString title = composeTitle();
    if (windowTitle() != title)
        setWindowTitle(title);
}

bool MeasureEditer::maybeSave()
{
    if (!isModified())
        return true;
    switch (notifier().askSave(this, tr("%1 中的测量尚未保存。是否保存？").arg(QFileInfo(m_filePath).fileName()))) {
    case Notifier::Answer::Yes:
    case Notifier::Answer::YesToAll: onImageSave(); return !isModified(); // a failed save has said why; the shapes stay
    case Notifier::Answer::No: markClean(); return true;
    case Notifier::Answer::Cancel: break;
    }
    return false;
}

void MeasureEditer::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MeasureEditer::restoreAnnotations()
{
    statusBar()->clearMessage();
    m_foreign = annotations::Document();
    const QFileInfo file(annotations::pathFor(m_filePath));
    if (file.isFile() && file.size() > annotations::kMaxBytes) {
        applyAnnotations(annotations::Load::Missing, annotations::Document(), QString());
        // Not read at all: the limit, in words, and the file.
        const QLocale locale;
        statusBar()->showMessage(tr("测量形状文件过大（%1，上限 %2），未读取：%3")
                                     .arg(locale.formattedDataSize(file.size()),
                                          locale.formattedDataSize(annotations::kMaxBytes),
                                          QDir::toNativeSeparators(file.filePath())));
        return;
    }
    if (!file.isFile() || file.size() <= annotations::kInlineBytes) {
        annotations::Document doc;
        QString error;
        const annotations::Load result = annotations::load(m_filePath, &doc, &error);
        applyAnnotations(result, doc, error);
        return;
    }
    // Up to the reader's limit a file takes a while to parse and check: off
    // this thread, the shapes built in batches, the live view running on.
    m_loading = true;
    m_scene->setMeasureEnabled(false);
    statusBar()->showMessage(tr("正在读取测量形状：%1").arg(QDir::toNativeSeparators(file.filePath())));
    const int generation = ++m_loadGeneration;
    annotations::loadInBackground(
        m_filePath, this,
        [this, generation](annotations::Load result, const annotations::Document &doc, const QString &error) {
            if (generation == m_loadGeneration && m_loading)
                applyAnnotations(result, doc, error);
        });
}

void MeasureEditer::applyAnnotations(annotations::Load result, const annotations::Document &doc, const QString &error)
{
    if (result == annotations::Load::Damaged)
        statusBar()->showMessage(tr("标注文件已损坏，已忽略") + QStringLiteral(": ")
                                 + QDir::toNativeSeparators(annotations::pathFor(m_filePath)) + QStringLiteral(": ")
                                 + error);
    if (result != annotations::Load::Loaded && !m_photoPixels.isNull()) {
        // Without usable shapes the photo's own pixels (shapes burnt in) are the picture.
        m_scene->setImage(m_photoPixels.convertToFormat(QImage::Format_RGB32));
    }
    m_photoPixels = QImage();
    if (result == annotations::Load::Loaded) {
        m_pending = doc.shapes;
        m_pendingNext = 0;
        m_foreign.foreignFields = doc.foreignFields;
        m_foreign.foreignShapes = doc.foreignShapes;
        m_foreign.fileVersion = doc.fileVersion;
    }
    // The calibration the shapes were measured with, else the one the photo
    // carries, is this photo's: in force here only, the list unchanged
    // until the user adds it.
    std::optional<BDInfo> scale;
    if (result == annotations::Load::Loaded && photofile::hasRealScale(doc.calibration))
        scale = doc.calibration;
    else
        scale = photofile::readPhotoScale(m_filePath);
    if (!scale) {
        ui->bdWidget->setPhotoCalibration(nullptr);
    } else {
        if (scale->name.isEmpty())
            scale->name = QFileInfo(m_filePath).completeBaseName();
        if (!scale->pictureSize.isValid())
            scale->pictureSize = m_scene->image().size();
        ui->bdWidget->setPhotoCalibration(&*scale);
        if (result != annotations::Load::Damaged)
            statusBar()->showMessage(tr("已采用照片中的标定：%1").arg(scale->name));
    }
    buildPendingShapes();
}

void MeasureEditer::buildPendingShapes()
{
    // About a frame's work per turn of the event loop.
    constexpr int kBatch = 200;
    {
        // One notice for the whole set: every notice rebuilds the table.
        const QSignalBlocker quiet(m_scene);
        // A small file's few shapes all at once: openImage returns with them.
        const int end = m_loading ? qMin(m_pending.size(), m_pendingNext + kBatch) : m_pending.size();
        for (; m_pendingNext < end; ++m_pendingNext) {
            const ShapeRecord &record = m_pending[m_pendingNext];
            GraphicsItem *shape = createShape(record.type);
            if (!shape)
                continue;
            shape->restore(record);
            m_scene->addShape(shape);
        }
    }
    if (m_pendingNext < m_pending.size()) {
        const int generation = m_loadGeneration;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_loadGeneration && m_loading)
                buildPendingShapes();
        });
        return;
    }
    finishLoading();
}

void MeasureEditer::finishLoading()
{
    const bool any = !m_pending.isEmpty();
    m_pending.clear();
    m_pendingNext = 0;
    if (any)
        m_scene->saveHistory();
    const bool wasLoading = m_loading;
    m_loading = false;
    if (wasLoading) {
        m_scene->setMeasureEnabled(true);
        if (statusBar()->currentMessage().startsWith(tr("正在读取测量形状：%1").arg(QString())))
            statusBar()->clearMessage();
    }
    emit m_scene->shapesChanged();
    markClean();
    emit annotationsLoaded();
}

void MeasureEditer::cancelLoading()
{
    ++m_loadGeneration;
    m_pending.clear();
    m_pendingNext = 0;
    if (m_loading) {
        m_loading = false;
        m_scene->setMeasureEnabled(true);
    }
}

void MeasureEditer::saveAnnotations()
{
    annotations::Document doc;
    for (const GraphicsItem *shape : m_scene->shapes())
        doc.shapes.append(shape->record());
    doc.calibration = m_scene->calibration();
    doc.calibration.pictureSize = m_scene->image().size();
    doc.foreignFields = m_foreign.foreignFields;
    doc.foreignShapes = m_foreign.foreignShapes;
    doc.fileVersion = m_foreign.fileVersion;
    annotations::save(m_filePath, doc);
}

bool MeasureEditer::saveTo(const QString &path)
{
    const QImage img = m_scene->grabImage();
    if (img.isNull())
        return false;
    // Through a temporary file: a failed write never destroys the photo.
    if (!photofile::writePhoto(path, img, m_scene->calibration()))
        return false;
    // The shapes stay editable over the original's pixels; once they are
    // burnt into the original itself a sidecar would draw them twice.
    if (QFileInfo(path) == QFileInfo(m_filePath))
        QFile::remove(annotations::pathFor(m_filePath));
    else
        saveAnnotations();
    // The table beside the photo; a failure here leaves the photo saved.
    if (m_settings && m_settings->extras.csvBesidePhoto && !m_scene->shapes().isEmpty()) {
        const QString csv = csvPathFor(path);
        const QByteArray bytes = measurementsCsv(measurementRows(*m_scene),
                                                 measurementSource(*m_scene, QFileInfo(path).fileName()))
                                 + particlesCsv(particleSection(*m_scene));
        if (!atomicsave::save(csv, bytes).saved)
            notifier().inform(this, tr("保存失败") + QLatin1Char('\n') + diskerror::diagnose(csv));
    }
    return true;
}

QString MeasureEditer::csvPathFor(const QString &photo) { return photo + QStringLiteral(".csv"); }

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
    ui->labelCoor->setText(tr("坐标")
                           + QString::asprintf(" :%d,%d (R:%3d G:%3d B:%3d)", x, y, c.red(), c.green(), c.blue()));
}

void MeasureEditer::onComboZoomChanged() { onUpdateCamViewSize(); }

void MeasureEditer::onUpdateCamViewSize()
{
    // The untranslated entry text decides.
    const QString text = ui->comboZoom->currentData().toString();
    const bool fit = text == QLatin1String("Scale");
    const double factor = wheelzoom::zoomFactor(text);
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

QString MeasureEditer::measuredPathFor(const QString &original)
{
    const QFileInfo info(original);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("_measured");
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString path = stem + suffix;
    for (int n = 1; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = stem + QLatin1Char('_') + QString::number(n) + suffix;
    return path;
}

void MeasureEditer::onImageSave()
{
    // Saved half-read, the sidecar would lose the shapes not yet built.
    if (m_filePath.isEmpty() || m_loading)
        return;
    // The original is never replaced: the measured picture goes beside it.
    // Saving again updates the copy this editor wrote for the open picture.
    const QString path = m_savedPath.isEmpty() ? measuredPathFor(m_filePath) : m_savedPath;
    if (!saveTo(path)) {
        notifier().inform(this, tr("保存失败") + QLatin1Char('\n') + diskerror::diagnose(path));
        return;
    }
    m_savedPath = path;
    markClean();
    emit imageSaved(path);
}

void MeasureEditer::onImageSaveAs()
{
    if (m_filePath.isEmpty() || m_loading)
        return;
    const QString path = m_savePicker(QStringLiteral("*.") + QFileInfo(m_filePath).suffix());
    if (path.isEmpty())
        return;
    // Compared as files, not strings: a link, "..", or "./" name the same photo.
    const QFileInfo target(path);
    const QString original = QFileInfo(m_filePath).canonicalFilePath();
    if (target.exists() && target.canonicalFilePath() == original) {
        notifier().inform(this, tr("不能覆盖正在编辑的原图，请换一个文件名。"));
        return;
    }
    if (!saveTo(path)) {
        notifier().inform(this, tr("保存失败") + QLatin1Char('\n') + diskerror::diagnose(path));
        return;
    }
    markClean(); // the shapes went into the original's sidecar too
    emit imageSaved(path);
}

void MeasureEditer::onReport()
{
    report::Content content = report::fromScene(m_scene);
    content.fileName = QFileInfo(m_filePath).fileName();
    content.camera = content.calibration.camera;
    const QFileInfo photo(m_filePath);
    report::exportReport(this, content,
                         photo.absolutePath() + QLatin1Char('/') + photo.completeBaseName() + QStringLiteral(".pdf"));
}

void MeasureEditer::onImagePrint()
{
    printing::preview(
        this, [this] { return m_scene->grabImage(); }, QFileInfo(m_filePath).completeBaseName());
}

void MeasureEditer::plotPrintPic(QPrinter *printer) { printing::paintPicture(printer, m_scene->grabImage()); }

QRect MeasureEditer::printTarget(const QRect &viewport, const QSize &image)
{
    return printing::printTarget(viewport, image);
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
    m_fileMenu->setTitle(tr("文件"));
    report::retranslateAction(m_reportAction);
    // After the texts: a button's setText replaces its shortcut by the mnemonic.
    ui->btnSave->setShortcut(QKeySequence::Save);
    ui->btnSaveAs->setShortcut(QKeySequence::SaveAs);
    ui->btnPrint->setShortcut(QKeySequence::Print);
    // The keys show where the buttons are.
    for (QPushButton *b : {ui->btnSave, ui->btnSaveAs, ui->btnPrint})
        b->setToolTip(b->text() + QStringLiteral(" (") + b->shortcut().toString(QKeySequence::NativeText)
                      + QLatin1Char(')'));
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
