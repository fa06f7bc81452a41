#include "app/focusstacker.h"

#include "app/camerasession.h"
#include "app/settingsstore.h"
#include "capture/camerahub.h"
#include "core/appsettings.h"
#include "core/imagesafety.h"
#include "core/notifier.h"
#include "core/photofile.h"
#include "files/filebrowser.h"
#include "files/fileoperations.h"
#include "imaging/focusstack.h"
#include "widgets/statusline.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewSide = 360;

} // namespace

// ------------------------------------------------------------ panel

FocusStackPanel::FocusStackPanel(QWidget *parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("focusStackPanel"));
    m_hint = new QLabel(this);
    m_hint->setWordWrap(true);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("labelFocusStackCount"));
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("labelFocusStackPreview"));
    m_preview->setMinimumSize(kPreviewSide, kPreviewSide * 3 / 4);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setStyleSheet(QStringLiteral("background-color: rgb(30, 34, 40);"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progressFocusStack"));
    m_depth = new QCheckBox(this);
    m_depth->setObjectName(QStringLiteral("checkFocusStackDepth"));
    m_finish = new QPushButton(this);
    m_finish->setObjectName(QStringLiteral("btnFocusStackFinish"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("btnFocusStackCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_depth);
    buttons->addStretch();
    buttons->addWidget(m_finish);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_count);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    retranslate();
    setMode(Mode::Live);
}

void FocusStackPanel::setMode(Mode mode)
{
    m_mode = mode;
    m_finish->setVisible(mode == Mode::Live);
    m_progress->setVisible(mode == Mode::Files || mode == Mode::Fusing);
    m_depth->setEnabled(mode == Mode::Live || mode == Mode::Done);
    if (mode == Mode::Fusing)
        m_progress->setRange(0, 0);
    m_hint->setVisible(mode == Mode::Live);
    retranslate();
}

void FocusStackPanel::showPreview(const QImage &image)
{
    if (image.isNull()) {
        m_preview->clear();
        return;
    }
    m_preview->setPixmap(
        QPixmap::fromImage(image.scaled(m_preview->size().boundedTo(QSize(kPreviewSide * 2, kPreviewSide * 2)),
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void FocusStackPanel::retranslate()
{
    setWindowTitle(tr("景深合成"));
    m_hint->setText(tr("转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。"));
    m_depth->setText(tr("保存深度图"));
    m_finish->setText(tr("完成"));
    m_cancel->setText(m_mode == Mode::Done ? tr("关闭") : tr("取消"));
}

// ------------------------------------------------------------ stacker

FocusStacker::FocusStacker(const Widgets &widgets, CameraSession *session, SettingsStore *store, AppSettings *settings,
                           FileOperations *files)
    : QObject(widgets.window)
    , m_window(widgets.window)
    , m_photos(widgets.photos)
    , m_session(session)
    , m_store(store)
    , m_settings(settings)
    , m_hub(CameraHub::instance())
    , m_cancel(std::make_shared<std::atomic<bool>>(false))
{
    m_button = new QToolButton(widgets.toolbar->parentWidget());
    m_button->setObjectName(QStringLiteral("btnFocusStack"));
    m_button->setCheckable(true);
    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_button->setIconSize(QSize(32, 32));
    m_button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_button->setAutoRaise(true);
    m_button->setIcon(QIcon(QStringLiteral(":/Vistrel/image/icon/btnFocusStack.png")));
    // After the picture buttons, before the space that pushes the page buttons right.
    const int at = widgets.toolbar->indexOf(widgets.toolbarEnd);
    widgets.toolbar->insertWidget(at < 0 ? widgets.toolbar->count() : at, m_button);
    connect(m_button, &QToolButton::clicked, this, [this](bool checked) {
        if (checked)
            start();
        else
            finish();
    });

    m_panel = new FocusStackPanel(m_window);
    connect(m_panel->finishButton(), &QPushButton::clicked, this, &FocusStacker::finish);
    connect(m_panel->cancelButton(), &QPushButton::clicked, this, [this] {
        if (m_panel->mode() == FocusStackPanel::Mode::Done)
            m_panel->hide();
        else
            cancel();
    });

    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("vistrel-focusstack"));
    m_worker = new QObject;
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);

    if (files) {
        files->addPhotoAction({QStringLiteral("actionFocusStack"), [] { return tr("景深合成"); }, 2,
                               [this](const QStringList &paths) { stackFiles(paths); }});
    }
    retranslate();
}

FocusStacker::~FocusStacker()
{
    m_cancel->store(true);
    disconnect(m_frames);
    m_thread->quit();
    m_thread->wait();
}

void FocusStacker::retranslate()
{
    m_button->setToolTip(tr("景深合成"));
    fitToolButton(m_button, {tr("景深合成")});
    m_panel->retranslate();
}

void FocusStacker::setButtonChecked(bool checked)
{
    const QSignalBlocker block(m_button);
    m_button->setChecked(checked);
}

bool FocusStacker::start()
{
    if (m_busy || m_collecting) {
        setButtonChecked(m_collecting);
        return false;
    }
    if (!m_session->hasCurrent()) {
        setButtonChecked(false);
        notifier().inform(m_window, QCoreApplication::translate("Vistrel", "设备未启动"));
        return false;
    }
    if (!m_store->checkSaveFolder(SettingsStore::Photo)) {
        setButtonChecked(false);
        return false;
    }
    m_camera = m_session->currentCamera();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    ++m_run;
    imaging::FocusStackOptions options;
    options.depthMap = true; // cheap; the checkbox may change while collecting
    m_stack = std::make_shared<imaging::FocusStack>(options);
    m_collecting = true;
    m_busy = true;
    m_inFlight = false;
    m_finishPending = false;
    m_merged = 0;
    m_offered = 0;
    m_frames = connect(m_hub, &CameraHub::sigFrameReady, this, [this](const QString &camId, bool) { onFrame(camId); });
    setButtonChecked(true);
    m_panel->setMode(FocusStackPanel::Mode::Live);
    m_panel->count()->setText(tr("已合成 %1 帧（已查看 %2 帧）").arg(0).arg(0));
    m_panel->showPreview(QImage());
    m_panel->show();
    m_panel->raise();
    return true;
}

void FocusStacker::onFrame(const QString &camId)
{
    if (!m_collecting || m_inFlight || camId != m_camera)
        return;
    // A copy of the newest full frame, only when the worker can take it.
    QImage frame;
    if (!m_hub->grabFullFrame(camId, &frame) || frame.isNull())
        return;
    m_frameSize = frame.size();
    m_inFlight = true;
    const auto stack = m_stack;
    const auto cancel = m_cancel;
    const int run = m_run;
    QMetaObject::invokeMethod(
        m_worker,
        [this, stack, cancel, frame, run] {
            if (!cancel->load())
                stack->add(frame);
            const QImage preview = stack->preview(kPreviewSide);
            const int merged = stack->merged();
            const int offered = stack->offered();
            QMetaObject::invokeMethod(
                this,
                [this, merged, offered, preview, run] {
                    if (run == m_run)
                        onFrameDone(merged, offered, preview);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void FocusStacker::onFrameDone(int merged, int offered, const QImage &preview)
{
    m_inFlight = false;
    if (m_cancel->load())
        return;
    m_merged = merged;
    m_offered = offered;
    m_panel->count()->setText(tr("已合成 %1 帧（已查看 %2 帧）").arg(merged).arg(offered));
    m_panel->showPreview(preview);
    if (m_finishPending) {
        m_finishPending = false;
        save();
    }
}

void FocusStacker::stopCollecting()
{
    m_collecting = false;
    disconnect(m_frames);
}

void FocusStacker::finish()
{
    if (!m_collecting) {
        setButtonChecked(false);
        return;
    }
    stopCollecting();
    setButtonChecked(false);
    if (m_inFlight)
        m_finishPending = true;
    else
        save();
}

void FocusStacker::cancel()
{
    m_cancel->store(true);
    stopCollecting();
    m_finishPending = false;
    setButtonChecked(false);
    m_panel->hide();
    // A fusion on the worker stops at its next step and reports then.
    if (m_panel->mode() == FocusStackPanel::Mode::Live) {
        m_stack.reset();
        m_busy = false;
        m_inFlight = false;
    }
}

QString FocusStacker::depthPathFor(const QString &photo) const
{
    const QFileInfo info(photo);
    QString path = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("_depth.png");
    for (int n = 1; QFileInfo::exists(path); ++n)
        path = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("_depth_%1.png").arg(n);
    return path;
}

void FocusStacker::save()
{
    if (!m_stack || m_merged == 0) {
        m_stack.reset();
        m_busy = false;
        m_panel->setMode(FocusStackPanel::Mode::Done);
        m_panel->count()->setText(tr("没有可合成的帧"));
        return;
    }
    const QString photo = m_store->makeFilePath(SettingsStore::Photo);
    const QString depth = m_panel->depthMap()->isChecked() ? depthPathFor(photo) : QString();
    const BDInfo scale = m_calibrationFor ? m_calibrationFor(m_frameSize) : BDInfo();
    m_panel->setMode(FocusStackPanel::Mode::Fusing);
    m_panel->count()->setText(tr("正在合成..."));
    const auto stack = std::move(m_stack);
    const auto cancel = m_cancel;
    QMetaObject::invokeMethod(
        m_worker,
        [this, stack, cancel, photo, depth, scale] {
            QString error;
            QString written;
            QString depthWritten;
            if (!cancel->load()) {
                if (photofile::writePhoto(photo, stack->result(), scale, &error)) {
                    written = photo;
                    if (!depth.isEmpty() && photofile::writePhoto(depth, stack->depthMap(), scale, &error))
                        depthWritten = depth;
                }
            }
            const QImage preview = stack->preview(kPreviewSide);
            QMetaObject::invokeMethod(
                this, [this, written, depthWritten, error, preview] { onSaved(written, depthWritten, error, preview); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

bool FocusStacker::stackFiles(const QStringList &paths)
{
    if (m_busy || m_collecting) {
        notifier().inform(m_window, tr("正在进行景深合成。"));
        return false;
    }
    if (paths.size() < 2) {
        notifier().inform(m_window, tr("请选择至少两张照片。"));
        return false;
    }
    if (!m_store->checkSaveFolder(SettingsStore::Photo))
        return false;
    m_busy = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    ++m_run;
    const QString photo = m_store->makeFilePath(SettingsStore::Photo);
    const QString depth = m_panel->depthMap()->isChecked() ? depthPathFor(photo) : QString();
    m_panel->setMode(FocusStackPanel::Mode::Files);
    m_panel->progress()->setRange(0, int(paths.size()));
    m_panel->progress()->setValue(0);
    m_panel->count()->setText(tr("正在合成..."));
    m_panel->showPreview(QImage());
    m_panel->show();
    m_panel->raise();
    const auto cancel = m_cancel;
    QMetaObject::invokeMethod(
        m_worker,
        [this, paths, cancel, photo, depth] {
            imaging::FocusStackOptions options;
            options.depthMap = !depth.isEmpty();
            imaging::FocusStack stack(options);
            imaging::SeriesReport report;
            const bool ok = imaging::fuseSeries(
                &stack, int(paths.size()),
                [&paths](int i, QString *why) {
                    QImage image;
                    imagesafety::readImageSafely(paths[i], &image, why);
                    return image;
                },
                &report,
                [this, &stack](int done, int total) {
                    const QImage preview = stack.preview(kPreviewSide);
                    QMetaObject::invokeMethod(
                        this,
                        [this, done, total, preview] {
                            m_panel->progress()->setRange(0, total);
                            m_panel->progress()->setValue(done);
                            m_panel->showPreview(preview);
                        },
                        Qt::QueuedConnection);
                    return true;
                },
                cancel.get());
            QString error;
            QString written;
            QString depthWritten;
            if (!ok && !report.cancelled) {
                error = tr("无法读取：%1").arg(QFileInfo(paths.value(report.failedIndex)).fileName());
            } else if (ok) {
                QStringList left;
                for (size_t i = 0; i < report.frames.size(); ++i) {
                    const auto outcome = report.frames[i].outcome;
                    if (outcome == imaging::FocusStack::Outcome::WrongSize
                        || outcome == imaging::FocusStack::Outcome::NotAligned)
                        left << QFileInfo(paths[int(i)]).fileName();
                }
                // The scale of the photos fused, taken from the first.
                const BDInfo scale = photofile::readPhotoScale(paths.first()).value_or(BDInfo());
                if (stack.merged() < 2) {
                    error = tr("无法对齐：%1").arg(left.join(QStringLiteral(", ")));
                } else if (photofile::writePhoto(photo, stack.result(), scale, &error)) {
                    written = photo;
                    if (!depth.isEmpty() && photofile::writePhoto(depth, stack.depthMap(), scale, &error))
                        depthWritten = depth;
                    if (!left.isEmpty())
                        error = tr("无法对齐：%1").arg(left.join(QStringLiteral(", ")));
                }
            }
            const QImage preview = stack.preview(kPreviewSide);
            QMetaObject::invokeMethod(
                this, [this, written, depthWritten, error, preview] { onSaved(written, depthWritten, error, preview); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return true;
}

void FocusStacker::listPhoto(const QString &path)
{
    m_settings->imageFiles.append(path);
    m_store->scheduleSave();
    m_photos->addItem(path);
}

void FocusStacker::onSaved(const QString &photo, const QString &depth, const QString &error, const QImage &preview)
{
    m_busy = false;
    const bool cancelled = m_cancel->load();
    if (!photo.isEmpty()) {
        listPhoto(photo);
        if (!depth.isEmpty())
            listPhoto(depth);
        QString text = tr("已保存：%1").arg(QFileInfo(photo).fileName());
        if (!error.isEmpty())
            text += QLatin1Char('\n') + error;
        m_panel->setMode(FocusStackPanel::Mode::Done);
        m_panel->count()->setText(text);
        m_panel->showPreview(preview);
    } else if (!cancelled) {
        m_panel->setMode(FocusStackPanel::Mode::Done);
        m_panel->count()->setText(tr("景深合成失败：%1").arg(error));
        notifier().inform(m_window, tr("景深合成失败：%1").arg(error));
    }
    emit done(photo, depth);
}
