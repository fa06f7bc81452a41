#include "app/mosaicbuilder.h"

#include "app/camerasession.h"
#include "app/mosaicworker.h"
#include "app/settingsstore.h"
#include "capture/camerahub.h"
#include "core/appsettings.h"
#include "core/notifier.h"
#include "files/filebrowser.h"
#include "files/fileoperations.h"
#include "imaging/livemosaic.h"
#include "measure/camerascene.h"
#include "view/cameralabel.h"
#include "widgets/iconhelp.h"
#include "widgets/statusline.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString megabytes(qint64 bytes) { return QString::number(double(bytes) / (1024 * 1024), 'f', 0); }

} // namespace

// The panel's picture: the fields taken so far where they lie, the view's
// place outlined; the finished mosaic once there is one.
class MosaicView : public QWidget
{
public:
    explicit MosaicView(QWidget *parent)
        : QWidget(parent)
    {
        setMinimumSize(200, 150);
    }

    QVector<QImage> thumbs;
    QVector<QPointF> positions;
    QSize fieldSize;
    QRectF viewRect;
    bool viewPlaced = true;
    QImage finished;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(30, 33, 38));
        if (!finished.isNull()) {
            const QSize s = finished.size().scaled(size(), Qt::KeepAspectRatio);
            p.drawImage(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), finished);
            return;
        }
        if (thumbs.isEmpty() || fieldSize.isEmpty())
            return;
        QRectF all;
        for (const QPointF &at : positions)
            all |= QRectF(at, QSizeF(fieldSize));
        if (viewRect.isValid())
            all |= viewRect;
        const double k = std::min((width() - 8) / all.width(), (height() - 8) / all.height());
        const QPointF origin(width() / 2.0 - all.center().x() * k, height() / 2.0 - all.center().y() * k);
        auto map = [&](const QRectF &r) { return QRectF(origin + r.topLeft() * k, r.size() * k); };
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < thumbs.size() && i < positions.size(); ++i)
            p.drawImage(map(QRectF(positions[i], QSizeF(fieldSize))), thumbs[i]);
        if (viewRect.isValid()) {
            p.setPen(QPen(viewPlaced ? QColor(255, 170, 0) : QColor(230, 60, 60), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(map(viewRect));
        }
    }
};

MosaicBuilder::MosaicBuilder(const Widgets &widgets, CameraSession *session, CameraScene *scene, SettingsStore *store,
                             AppSettings *settings)
    : QObject(widgets.window)
    , m_window(widgets.window)
    , m_photos(widgets.photos)
    , m_session(session)
    , m_scene(scene)
    , m_store(store)
    , m_settings(settings)
    , m_workerIdle(std::make_shared<std::atomic<bool>>(true))
    , m_cancelFlag(std::make_shared<std::atomic<bool>>(false))
{
    // The button sits with the picture buttons, before the zoom.
    m_button = new QToolButton(widgets.toolbar->parentWidget());
    m_button->setObjectName(QStringLiteral("btnMosaic"));
    m_button->setCheckable(true);
    m_button->setIconSize(QSize(32, 32));
    m_button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_button->setAutoRaise(true);
    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_button->setIcon(IconHelp::icon(QStringLiteral("btnMosaic")));
    widgets.toolbar->insertWidget(widgets.toolbar->indexOf(widgets.toolbarNext), m_button);
    connect(m_button, &QToolButton::clicked, this, [this] {
        toggle();
        m_button->setChecked(m_live);
    });

    // The panel beside the live view, shown while a mosaic is made.
    m_panel = new QWidget(widgets.beside->parentWidget());
    m_panel->setObjectName(QStringLiteral("mosaicPanel"));
    auto *layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new MosaicView(m_panel);
    m_view->setObjectName(QStringLiteral("mosaicView"));
    layout->addWidget(m_view, 1);
    m_note = new QLabel(m_panel);
    m_note->setObjectName(QStringLiteral("labelMosaicNote"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    auto *row = new QHBoxLayout;
    m_progress = new QProgressBar(m_panel);
    m_progress->setObjectName(QStringLiteral("progressMosaic"));
    m_progress->setRange(0, 100);
    m_cancel = new QPushButton(m_panel);
    m_cancel->setObjectName(QStringLiteral("btnMosaicCancel"));
    m_close = new QPushButton(m_panel);
    m_close->setObjectName(QStringLiteral("btnMosaicClose"));
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancel);
    row->addWidget(m_close);
    layout->addLayout(row);
    widgets.beside->insertWidget(1, m_panel, 2);
    m_panel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &MosaicBuilder::cancel);
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (!m_live && !m_busy)
            m_panel->hide();
    });
    setWorking(false);

    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("vistrel-mosaic"));
    m_worker = new MosaicWorker(this, m_workerIdle, m_cancelFlag);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);

    connect(CameraHub::instance(), &CameraHub::sigFrameReady, this, &MosaicBuilder::onFrame);
    retranslate();
}

MosaicBuilder::~MosaicBuilder()
{
    m_cancelFlag->store(true);
    m_thread->quit();
    m_thread->wait();
}

void MosaicBuilder::retranslate()
{
    m_button->setText(tr("拼图"));
    m_button->setToolTip(tr("拼图"));
    fitToolButton(m_button, {m_button->text()});
    m_cancel->setText(tr("取消"));
    m_close->setText(tr("关闭"));
}

void MosaicBuilder::offerIn(FileOperations *files)
{
    files->addPhotoAction({QStringLiteral("actionStitch"), [] { return tr("拼接"); }, 2,
                           [this](const QStringList &paths) { stitchFiles(paths); }});
}

QString MosaicBuilder::note() const { return m_note->text(); }

void MosaicBuilder::setNote(const QString &text) { m_note->setText(text); }

void MosaicBuilder::setWorking(bool working)
{
    m_busy = working;
    m_progress->setVisible(working);
    m_cancel->setVisible(working);
    m_close->setVisible(!working && !m_live);
    if (working)
        m_progress->setValue(0);
}

void MosaicBuilder::toggle()
{
    if (m_live)
        finish();
    else
        start();
}

void MosaicBuilder::start()
{
    if (m_live || m_busy)
        return;
    if (!m_session->hasCurrent()) {
        notifier().inform(m_window, QCoreApplication::translate("Vistrel", "设备未启动"));
        return;
    }
    if (!m_store->checkSaveFolder(SettingsStore::Photo))
        return;
    m_live = true;
    m_camera = m_session->currentCamera();
    m_frameSize = QSize();
    m_thumbs.clear();
    m_view->thumbs.clear();
    m_view->positions.clear();
    m_view->viewRect = QRectF();
    m_view->finished = QImage();
    m_view->update();
    m_cancelFlag->store(false);
    m_workerIdle->store(true);
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->reset(); }, Qt::QueuedConnection);
    // The first field is the view shown at the press: the next frame may
    // already show the stage moved.
    handOver(shownPicture(m_camera));
    setNote(tr("移动载物台以拼图；再按一次完成。"));
    setWorking(false);
    m_panel->show();
    m_button->setChecked(true);
}

void MosaicBuilder::onFrame(const QString &camId)
{
    if (!m_live || camId != m_camera || !m_workerIdle->load())
        return;
    handOver(shownPicture(camId));
}

QImage MosaicBuilder::shownPicture(const QString &camId) const
{
    // The picture the window shows of that camera: the large view's or its tile's.
    if (!m_session->fourTiles() && m_session->currentCamera() == camId)
        return m_scene->image();
    if (CameraLabel *t = m_session->tile(m_session->tileOf(camId)))
        return t->image();
    return QImage();
}

void MosaicBuilder::handOver(const QImage &frame)
{
    if (frame.isNull())
        return;
    m_frameSize = frame.size();
    // The worker keeps what it is given; the view's picture is refilled in place.
    m_workerIdle->store(false);
    const QImage own = frame.copy();
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, own] { w->frame(own); }, Qt::QueuedConnection);
}

void MosaicBuilder::onTracked(int event, QPointF view, int fields, qint64 neededBytes)
{
    if (!m_live)
        return;
    using E = imaging::LiveMosaic::Event;
    m_view->viewRect = QRectF(view, QSizeF(m_frameSize));
    m_view->viewPlaced = E(event) != E::Lost;
    m_view->update();
    switch (E(event)) {
    case E::Added: setNote(tr("已添加第 %1 幅").arg(fields)); break;
    case E::Refined: setNote(tr("已回到拍过的区域：拼接已细化。")); break;
    case E::Blurred: setNote(tr("画面模糊（移动太快），未添加。")); break;
    case E::Lost: setNote(tr("无法定位此画面（重叠太少），未添加。")); break;
    case E::TooLarge: setNote(tr("拼图将需要 %1 MB，超出可用内存；未添加。").arg(megabytes(neededBytes))); break;
    case E::Tracked: break;
    }
}

void MosaicBuilder::onFieldAdded(const QImage &thumb, const QVector<QPointF> &positions, QSize fieldSize)
{
    if (!thumb.isNull()) {
        m_thumbs.append(thumb);
        m_view->thumbs = m_thumbs;
    }
    m_view->positions = positions;
    m_view->fieldSize = fieldSize;
    m_view->update();
}

void MosaicBuilder::finish()
{
    if (!m_live)
        return;
    m_live = false;
    m_button->setChecked(false);
    setWorking(true);
    setNote(tr("正在拼接…"));
    const BDInfo calibration = m_calibrationFor ? m_calibrationFor(m_frameSize) : m_scene->calibration();
    const QString path = m_store->makeFilePath(SettingsStore::Photo);
    const QImage shown = shownPicture(m_camera).copy();
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, path, calibration, shown] { w->finishLive(path, calibration, shown); },
        Qt::QueuedConnection);
}

void MosaicBuilder::stitchFiles(const QStringList &paths)
{
    if (m_live || m_busy)
        return;
    if (paths.size() < 2) {
        notifier().inform(m_window, tr("至少需要两幅视野。"));
        return;
    }
    if (!m_store->checkSaveFolder(SettingsStore::Photo))
        return;
    m_thumbs.clear();
    m_view->thumbs.clear();
    m_view->positions.clear();
    m_view->viewRect = QRectF();
    m_view->finished = QImage();
    m_view->update();
    m_cancelFlag->store(false);
    m_panel->show();
    setWorking(true);
    setNote(tr("正在拼接…"));
    const QString path = m_store->makeFilePath(SettingsStore::Photo);
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, paths, path] { w->stitchFiles(paths, path); }, Qt::QueuedConnection);
}

void MosaicBuilder::cancel() { m_cancelFlag->store(true); }

void MosaicBuilder::onProgress(int percent)
{
    if (m_busy)
        m_progress->setValue(percent);
}

void MosaicBuilder::onOutcome(int kind, const QString &path, const QStringList &names, qint64 bytes,
                              const QString &error, const QImage &preview)
{
    using Outcome = MosaicWorker::Outcome;
    QString text;
    const QString saved = tr("拼图已保存：%1").arg(QFileInfo(path).fileName());
    switch (Outcome::Kind(kind)) {
    case Outcome::Saved: text = saved; break;
    case Outcome::Unplaced:
        text = saved + QLatin1Char('\n') + tr("无法放置：%1").arg(names.join(QStringLiteral(", ")));
        break;
    case Outcome::Cancelled: text = tr("拼接已取消。"); break;
    case Outcome::TooLarge: text = tr("拼图将需要 %1 MB，超出可用内存。").arg(megabytes(bytes)); break;
    case Outcome::WriteFailed: text = tr("拼图未保存：%1").arg(error); break;
    case Outcome::TooFew: text = tr("至少需要两幅视野。"); break;
    case Outcome::Unreadable: text = tr("无法放置：%1").arg(names.join(QStringLiteral(", "))); break;
    }
    const bool ok = Outcome::Kind(kind) == Outcome::Saved || Outcome::Kind(kind) == Outcome::Unplaced;
    if (!preview.isNull()) {
        m_view->finished = preview;
        m_view->update();
    }
    onDone(ok ? path : QString(), text, ok);
}

void MosaicBuilder::onDone(const QString &path, const QString &message, bool ok)
{
    setWorking(false);
    setNote(message);
    if (ok && QFileInfo::exists(path)) {
        m_lastSaved = path;
        m_settings->imageFiles.append(path);
        m_store->scheduleSave();
        m_photos->addItem(path);
    }
}
