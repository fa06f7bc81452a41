#include "app/tileboard.h"

#include "app/camerasession.h"
#include "app/devicewatcher.h"
#include "app/settingsstore.h"
#include "capture/camerahub.h"
#include "capture/frameratemeter.h"
#include "core/mediafiles.h"
#include "core/notifier.h"
#include "view/cameralabel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

TileBoard::TileBoard(const Widgets &widgets, CameraSession *session, AppSettings *settings, SettingsStore *store,
                     QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_session(session)
    , m_settings(settings)
    , m_store(store)
    , m_hub(CameraHub::instance())
{
    for (int i = 0; i < AppSettings::kTileCount; ++i) {
        CameraLabel *t = m_w.tiles[i];
        t->setIndex(i);
        t->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(t, &CameraLabel::sigCameraDropped, this, [this, i](const QString &camId) { showInTile(camId, i); });
        connect(t, &CameraLabel::toggled, this, &TileBoard::onChecked);
        connect(t, &CameraLabel::sigAddClicked, this, [this, t] { onAddClicked(t); });
        connect(t, &CameraLabel::customContextMenuRequested, this, [this, t](QPoint point) { onMenu(t, point); });
    }
}

CameraLabel *TileBoard::tile(int index) const
{
    return index >= 0 && index < AppSettings::kTileCount ? m_w.tiles[index] : nullptr;
}

void TileBoard::select(int index)
{
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        m_w.tiles[i]->setSelected(i == index);
}

int TileBoard::selected() const
{
    for (int i = 0; i < AppSettings::kTileCount; ++i) {
        if (m_w.tiles[i]->isSelected())
            return i;
    }
    return -1;
}

void TileBoard::layOut()
{
    const int a = (m_w.page->width() - 3) / 2;
    const int b = (m_w.page->height() - 3) / 2;
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        m_w.tiles[i]->setGeometry(i % 2 ? a + 3 : 0, (b + 3) * (i / 2), a, b);
    m_session->applyDisplaySizes();
}

void TileBoard::unfreezeAll()
{
    for (CameraLabel *t : m_w.tiles)
        t->setFrozen(false);
}

QString TileBoard::cameraInTile(int index) const
{
    const auto &cameras = m_session->openCameras();
    for (auto it = cameras.cbegin(); it != cameras.cend(); ++it) {
        if (it->tile == index)
            return it.key();
    }
    return QString();
}

void TileBoard::onChecked(bool check)
{
    if (!check)
        return;
    auto *checked = qobject_cast<CameraLabel *>(sender());
    for (CameraLabel *t : m_w.tiles) {
        if (t != checked)
            t->setSelected(false);
    }
    // The side pages act on the selected tile's camera.
    if (checked) {
        const QString camId = cameraInTile(checked->index());
        if (!camId.isEmpty() && camId != m_session->currentCamera())
            m_session->setCurrentCamera(camId);
    }
}

bool TileBoard::showInTile(const QString &devicePath, int index)
{
    CameraLabel *t = tile(index);
    const DeviceWatcher *watcher = m_session->watcher();
    const int device = watcher->indexOf(devicePath);
    if (!t || device < 0 || !watcher->devices()[device].accessible)
        return false;
    const QString occupant = cameraInTile(index);
    if (occupant == devicePath)
        return true;
    if (!occupant.isEmpty())
        m_session->stopCamera(occupant);
    bool ok = true;
    if (CameraSession::Slot *slot = m_session->slot(devicePath)) {
        if (CameraLabel *old = tile(slot->tile))
            old->clearImage();
        slot->tile = index;
        t->clearImage();
        if (m_session->fourTiles())
            t->setSelected(true);
        m_session->setCurrentCamera(devicePath);
        updateTitle(devicePath);
        m_session->applyDisplaySizes();
    } else {
        ok = m_session->startCamera(devicePath, index, false);
    }
    save();
    return ok;
}

void TileBoard::restore()
{
    m_restored = true;
    const QString large = m_session->currentCamera();
    const DeviceWatcher *watcher = m_session->watcher();
    const QStringList tiles = m_settings->extras.tileCameras;
    for (int i = 1; i < qMin(AppSettings::kTileCount, tiles.size()); ++i) {
        const QString path = tiles[i];
        const int index = watcher->indexOf(path);
        if (path.isEmpty() || index < 0 || !watcher->devices()[index].accessible || m_session->isOpen(path))
            continue;
        m_session->startCamera(path, i, false);
    }
    if (m_session->isOpen(large))
        m_session->setCurrentCamera(large);
}

void TileBoard::fillEmpty()
{
    // Only until the user has put cameras in tiles: then their choice stands.
    if (m_filled)
        return;
    m_filled = true;
    for (int i = 1; i < qMin(AppSettings::kTileCount, m_settings->extras.tileCameras.size()); ++i) {
        if (!m_settings->extras.tileCameras[i].isEmpty())
            return;
    }
    // The other cameras take the free tiles in the list's order.
    int next = 1;
    for (const CameraDeviceInfo &d : m_session->watcher()->devices()) {
        while (next < AppSettings::kTileCount && !cameraInTile(next).isEmpty())
            ++next;
        if (next >= AppSettings::kTileCount)
            break;
        if (d.accessible && !m_session->isOpen(d.devicePath) && m_session->startCamera(d.devicePath, next, false))
            ++next;
    }
}

void TileBoard::save()
{
    // The first camera opens before the other tiles are restored.
    if (!m_restored)
        return;
    QStringList tiles;
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        tiles << cameraInTile(i);
    if (tiles == m_settings->extras.tileCameras)
        return;
    m_settings->extras.tileCameras = tiles;
    // The first tile's camera is the one the list opens at the next start.
    if (!tiles.first().isEmpty())
        m_settings->currentCamera = tiles.first();
    m_store->scheduleSave();
}

void TileBoard::updateTitle(const QString &camId)
{
    const auto it = m_session->openCameras().constFind(camId);
    if (it == m_session->openCameras().cend())
        return;
    if (CameraLabel *t = tile(it->tile)) {
        const double rate = it->rate ? it->rate->rateAt(m_session->now()) : 0.0;
        t->setTitle(m_hub->displayName(camId) + QString::asprintf("  %0.1f fps", rate));
    }
}

void TileBoard::onMenu(CameraLabel *t, QPoint point)
{
    const QString camId = cameraInTile(t->index());
    if (camId.isEmpty())
        return;
    QMenu menu(t);
    QAction *large = menu.addAction(QCoreApplication::translate("Vistrel", "在大视图中显示"));
    QAction *photo = menu.addAction(QCoreApplication::translate("Vistrel", "拍照"));
    QAction *freeze = menu.addAction(t->isFrozen() ? QCoreApplication::translate("CameraLabel", "解冻")
                                                   : QCoreApplication::translate("CameraLabel", "冻结"));
    menu.addSeparator();
    QAction *close = menu.addAction(QCoreApplication::translate("Vistrel", "关闭相机"));
    QAction *chosen = menu.exec(t->mapToGlobal(point));
    if (!chosen || !m_session->isOpen(camId))
        return;
    if (chosen == large) {
        m_session->showLarge(camId);
    } else if (chosen == photo) {
        t->setSelected(true);
        emit photoAsked(camId);
    } else if (chosen == freeze) {
        t->setFrozen(!t->isFrozen());
    } else if (chosen == close) {
        m_session->stopCamera(camId);
        t->clearImage();
        if (!m_session->hasCurrent() && !m_session->openCameras().isEmpty())
            m_session->setCurrentCamera(m_session->openCameras().firstKey());
        save();
    }
}

void TileBoard::onAddClicked(CameraLabel *t)
{
    QMenu menu(t);
    for (const CameraDeviceInfo &d : m_session->watcher()->devices()) {
        if (!d.accessible || m_session->tileOf(d.devicePath) >= 0)
            continue;
        QAction *a = menu.addAction(d.displayName);
        a->setData(d.devicePath);
    }
    if (!menu.isEmpty())
        menu.addSeparator();
    QAction *file = menu.addAction(QCoreApplication::translate("Vistrel", "从文件打开图片…"));
    QAction *chosen = menu.exec(t->mapToGlobal(t->addIconRect().bottomLeft()));
    if (!chosen)
        return;
    if (chosen != file) {
        showInTile(chosen->data().toString(), t->index());
        return;
    }
    const QString path = QFileDialog::getOpenFileName(
        m_w.window, QString(), m_store->makeFilePath(SettingsStore::Photo), media::photoFilter());
    if (path.isEmpty())
        return;
    // A picture replaces a live camera there.
    const QString occupant = cameraInTile(t->index());
    if (!occupant.isEmpty()) {
        m_session->stopCamera(occupant);
        save();
    }
    // A picture too large or damaged is refused before it is decoded.
    if (!t->setFile(path))
        notifier().inform(m_w.window, QCoreApplication::translate("Vistrel", "打开文件失败") + QLatin1Char('\n')
                                          + QDir::toNativeSeparators(path));
}
