#include "app/flatfieldcontrol.h"
#include "core/diskerror.h"

#include "app/settingsstore.h"
#include "capture/camerahub.h"
#include "core/atomicsave.h"
#include "core/notifier.h"
#include "imaging/flatfield.h"
#include "widgets/qswitchbutton.h"

#include <QBoxLayout>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QThread>

namespace {

QImage loadPicture(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    QImageReader reader(path);
    return reader.read();
}

bool savePicture(const QString &path, const QImage &image)
{
    return atomicsave::save(path,
                            [&image](QFileDevice &file, QString *) { return QImageWriter(&file, "png").write(image); })
        .saved;
}

QString problemText(imaging::FlatFieldProblem p)
{
    switch (p) {
    case imaging::FlatFieldProblem::TooDark: return FlatFieldControl::tr("平场太暗：请打开照明，对准空白视野");
    case imaging::FlatFieldProblem::Saturated: return FlatFieldControl::tr("平场过曝：请降低曝光或亮度");
    case imaging::FlatFieldProblem::SizeMismatch:
    case imaging::FlatFieldProblem::Missing: return FlatFieldControl::tr("请先采集平场");
    case imaging::FlatFieldProblem::None: break;
    }
    return QString();
}

} // namespace

FlatFieldControl::FlatFieldControl(QWidget *container, QWidget *before, CameraHub *hub, AppSettings *settings,
                                   SettingsStore *store, std::function<QString()> currentCamera, QObject *parent)
    : QObject(parent)
    , m_hub(hub)
    , m_settings(settings)
    , m_store(store)
    , m_currentCamera(std::move(currentCamera))
{
    m_header = new QPushButton(container);
    m_header->setObjectName(QStringLiteral("btnFlatField"));
    m_header->setFlat(true);
    m_header->setStyleSheet(QStringLiteral("text-align: left; padding: 6px;"));
    m_header->setIcon(QIcon(QStringLiteral(":/Vistrel/image/icon/arrow_off.png")));
    m_group = new QWidget(container);
    m_group->setObjectName(QStringLiteral("groupFlatField"));
    auto *rows = new QVBoxLayout(m_group);
    rows->setContentsMargins(9, 4, 9, 4);
    auto *line = new QHBoxLayout;
    m_switchLabel = new QLabel(m_group);
    m_switchLabel->setWordWrap(true);
    m_switch = new QSwitchButton(m_group);
    m_switch->setObjectName(QStringLiteral("switchFlatField"));
    m_switch->setChecked(false);
    line->addWidget(m_switchLabel, 1);
    line->addWidget(m_switch);
    rows->addLayout(line);
    auto *buttons = new QHBoxLayout;
    m_flatButton = new QPushButton(m_group);
    m_flatButton->setObjectName(QStringLiteral("btnFlatCapture"));
    m_darkButton = new QPushButton(m_group);
    m_darkButton->setObjectName(QStringLiteral("btnDarkCapture"));
    buttons->addWidget(m_flatButton);
    buttons->addWidget(m_darkButton);
    rows->addLayout(buttons);
    m_state = new QLabel(m_group);
    m_state->setObjectName(QStringLiteral("labelFlatField"));
    m_state->setWordWrap(true);
    rows->addWidget(m_state);
    m_group->setVisible(false);
    if (auto *layout = qobject_cast<QBoxLayout *>(container->layout())) {
        int at = before ? layout->indexOf(before) : -1;
        if (at > 0 && layout->itemAt(at - 1)->spacerItem())
            --at; // above the stretch, with the other groups
        layout->insertWidget(at < 0 ? layout->count() : at, m_header);
        layout->insertWidget(at < 0 ? layout->count() : at + 1, m_group);
    }
    connect(m_header, &QPushButton::clicked, this, [this] {
        m_group->setVisible(!m_group->isVisible());
        m_header->setIcon(QIcon(m_group->isVisible() ? QStringLiteral(":/Vistrel/image/icon/arrow_on.png")
                                                     : QStringLiteral(":/Vistrel/image/icon/arrow_off.png")));
    });
    connect(m_flatButton, &QPushButton::clicked, this, &FlatFieldControl::captureFlat);
    connect(m_darkButton, &QPushButton::clicked, this, &FlatFieldControl::captureDark);
    connect(m_switch, qOverload<bool>(&QSwitchButton::clicked), this, &FlatFieldControl::setEnabled);
    connect(m_hub, &CameraHub::sigFrameReady, this, [this](const QString &camId, bool) { onFrame(camId); });
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(5000);
    connect(&m_timeout, &QTimer::timeout, this, [this] { finishCapture(tr("采集失败：相机没有送来画面")); });
    retranslate();
}

FlatFieldControl::~FlatFieldControl()
{
    for (const QPointer<QThread> &t : qAsConst(m_threads)) {
        if (t)
            t->wait();
    }
}

QString FlatFieldControl::sizeKey(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString FlatFieldControl::folder() const
{
    return QFileInfo(m_store->paths().configFile).absolutePath() + QStringLiteral("/flatfield");
}

CameraConfig::FlatField *FlatFieldControl::record(const QString &camId, const QSize &size)
{
    auto cam = m_settings->cameras.find(camId);
    if (cam == m_settings->cameras.end())
        return nullptr;
    auto it = cam->flatFields.find(sizeKey(size));
    return it == cam->flatFields.end() ? nullptr : &it.value();
}

void FlatFieldControl::retranslate()
{
    m_header->setText(tr("平场校正"));
    m_switchLabel->setText(tr("平场校正"));
    m_flatButton->setText(tr("采集平场"));
    m_darkButton->setText(tr("采集暗场"));
    m_flatButton->setToolTip(tr("对准空白、均匀照明的视野后采集"));
    m_darkButton->setToolTip(tr("关闭照明或盖上镜头后采集"));
    refresh();
}

void FlatFieldControl::refresh()
{
    const QString camId = m_currentCamera ? m_currentCamera() : QString();
    const bool open = m_hub->isOpen(camId);
    const CameraConfig::FlatField *r = open ? record(camId, m_hub->cameraSize(camId)) : nullptr;
    m_flatButton->setEnabled(open && !isBusy());
    m_darkButton->setEnabled(open && !isBusy());
    m_switch->setEnabled(r != nullptr && !isBusy());
    m_switch->setChecked(r && r->enabled);
    if (isCapturing())
        m_state->setText(tr("正在采集…"));
    else if (!open)
        m_state->setText(tr("设备未启动"));
    else if (!r)
        m_state->setText(tr("此分辨率尚未采集平场"));
    else
        m_state->setText(tr("平场：%1%2")
                             .arg(QLocale().toString(r->made, QLocale::ShortFormat),
                                  r->darkFile.isEmpty() ? QString() : tr("，含暗场")));
}

void FlatFieldControl::setEnabled(bool on)
{
    const QString camId = m_currentCamera ? m_currentCamera() : QString();
    CameraConfig::FlatField *r = m_hub->isOpen(camId) ? record(camId, m_hub->cameraSize(camId)) : nullptr;
    if (!r) {
        refresh();
        return;
    }
    r->enabled = on;
    m_store->scheduleSave();
    sync(camId);
    refresh();
}

void FlatFieldControl::onFrame(const QString &camId)
{
    if (camId == m_captureCam) {
        if (m_skip > 0) {
            --m_skip; // may still have been corrected
            return;
        }
        QImage frame;
        if (!m_hub->grabFullFrame(camId, &frame))
            return;
        const QPair<bool, bool> flips = m_hub->getFlip(camId);
        // Back to the sensor's orientation, as the tables are kept.
        if (flips.first || flips.second)
            frame = frame.mirrored(flips.first, flips.second);
        if (!m_average->add(frame)) {
            finishCapture(tr("采集失败：分辨率已改变"));
            return;
        }
        if (m_average->count() >= kFrames)
            finishCapture(QString());
        return;
    }
    sync(camId);
    const QString shown = (m_currentCamera ? m_currentCamera() : QString()) + QLatin1Char('|')
                          + sizeKey(m_hub->cameraSize(camId));
    if (shown != m_shownKey) {
        m_shownKey = shown;
        refresh();
    }
}

void FlatFieldControl::sync(const QString &camId)
{
    if (!m_hub->isOpen(camId) || camId == m_captureCam)
        return;
    const QSize size = m_hub->cameraSize(camId);
    const CameraConfig::FlatField *r = record(camId, size);
    const QString want = r && r->enabled ? sizeKey(size) + QLatin1Char('|') + r->made.toString(Qt::ISODateWithMs)
                                         : QString();
    FlatFieldCorrection::Table now = m_hub->flatField(camId);
    const bool matches = want.isEmpty() ? !now
                                        : now && m_installed.value(camId) == want && now->width == size.width()
                                              && now->height == size.height();
    if (matches)
        return;
    if (want.isEmpty()) {
        m_hub->setFlatField(camId, nullptr);
        m_installed.remove(camId);
        emit installed(camId, false);
        return;
    }
    if (m_installed.value(camId) == QLatin1String("pending:") + want)
        return;
    m_installed.insert(camId, QLatin1String("pending:") + want);
    build(camId, size, *r, QImage(), QImage(), false);
}

void FlatFieldControl::startCapture(bool dark)
{
    const QString camId = m_currentCamera ? m_currentCamera() : QString();
    if (!m_hub->isOpen(camId)) {
        notifier().inform(m_group->window(), tr("设备未启动"));
        return;
    }
    if (isBusy())
        return;
    if (dark && !record(camId, m_hub->cameraSize(camId))) {
        // The dark offset is taken off the flat's average: a flat comes first.
        notifier().inform(m_group->window(), tr("请先采集平场"));
        return;
    }
    m_captureCam = camId;
    m_captureDark = dark;
    m_skip = 2;
    m_average = std::make_shared<imaging::LuminanceAverage>();
    // The frames are averaged as the camera sends them.
    m_hub->setFlatField(camId, nullptr);
    m_installed.remove(camId);
    m_timeout.start();
    refresh();
}

void FlatFieldControl::finishCapture(const QString &why)
{
    m_timeout.stop();
    const QString camId = m_captureCam;
    m_captureCam.clear();
    const std::shared_ptr<imaging::LuminanceAverage> average = std::move(m_average);
    if (!why.isEmpty() || !average || average->count() == 0) {
        notifier().inform(m_group->window(), why);
        sync(camId);
        refresh();
        emit captureFinished(false);
        return;
    }
    const QSize size = m_hub->cameraSize(camId);
    CameraConfig::FlatField r;
    if (const CameraConfig::FlatField *old = record(camId, size))
        r = *old;
    const QImage picture = average->result();
    build(camId, size, r, m_captureDark ? QImage() : picture, m_captureDark ? picture : QImage(), true);
    refresh();
}

void FlatFieldControl::build(const QString &camId, const QSize &size, const CameraConfig::FlatField &record,
                             const QImage &newFlat, const QImage &newDark, bool capture)
{
    struct Work
    {
        CameraConfig::FlatField record;
        QImage flat, dark;
        imaging::FlatFieldTable table;
        imaging::FlatFieldProblem problem = imaging::FlatFieldProblem::None;
        bool saved = true;
    };
    auto work = std::make_shared<Work>();
    work->record = record;
    const QString dir = folder();
    const QString stem = QString::fromLatin1(
                             QCryptographicHash::hash(camId.toUtf8(), QCryptographicHash::Sha1).toHex().left(12))
                         + QLatin1Char('-') + sizeKey(size);
    ++m_computing;
    m_threads.removeAll(nullptr);
    QThread *thread = QThread::create([work, dir, stem, newFlat, newDark] {
        const QString flatPath = dir + QLatin1Char('/')
                                 + (newFlat.isNull() ? work->record.flatFile : stem + QStringLiteral("-flat.png"));
        const QString darkPath = dir + QLatin1Char('/')
                                 + (newDark.isNull() ? work->record.darkFile : stem + QStringLiteral("-dark.png"));
        work->flat = newFlat.isNull() ? loadPicture(work->record.flatFile.isEmpty() ? QString() : flatPath) : newFlat;
        work->dark = newDark.isNull() ? loadPicture(work->record.darkFile.isEmpty() ? QString() : darkPath) : newDark;
        work->table = imaging::flatFieldTable(work->flat, work->dark, 1.5, &work->problem);
        if (!work->table.isValid() || (newFlat.isNull() && newDark.isNull()))
            return;
        // Only what was just captured is written, and only when it works.
        QDir().mkpath(dir);
        if (!newFlat.isNull()) {
            work->saved = savePicture(flatPath, newFlat) && work->saved;
            work->record.flatFile = QFileInfo(flatPath).fileName();
        }
        if (!newDark.isNull()) {
            work->saved = savePicture(darkPath, newDark) && work->saved;
            work->record.darkFile = QFileInfo(darkPath).fileName();
        }
    });
    thread->setObjectName(QStringLiteral("vistrel-flatfield"));
    m_threads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread, work, camId, size, capture] {
        thread->deleteLater();
        --m_computing;
        const bool same = m_hub->isOpen(camId) && m_hub->cameraSize(camId) == size;
        if (capture) {
            if (!work->table.isValid()) {
                notifier().inform(m_group->window(), problemText(work->problem));
                sync(camId);
                refresh();
                emit captureFinished(false);
                return;
            }
            if (!work->saved)
                notifier().inform(m_group->window(), tr("无法保存平场图片，校正只在本次运行有效") + QLatin1Char('\n')
                                                         + diskerror::diagnose(folder()));
            work->record.made = QDateTime::currentDateTime();
            work->record.enabled = true;
            m_settings->cameras[camId].flatFields.insert(sizeKey(size), work->record);
            m_store->scheduleSave();
        }
        const QString key = sizeKey(size) + QLatin1Char('|') + work->record.made.toString(Qt::ISODateWithMs);
        if (same && work->table.isValid()) {
            m_hub->setFlatField(camId, std::make_shared<const imaging::FlatFieldTable>(std::move(work->table)));
            m_installed.insert(camId, key);
            emit installed(camId, true);
        } else {
            // The pictures are gone or damaged: off, without asking again each frame.
            m_installed.insert(camId, QLatin1String("pending:") + key);
        }
        refresh();
        if (capture)
            emit captureFinished(true);
    });
    thread->start();
}
