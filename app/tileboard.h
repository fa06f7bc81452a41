#pragma once

#include "core/appsettings.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <array>

class CameraHub;
class CameraLabel;
class CameraSession;
class SettingsStore;
class QWidget;

// The four tiles: which open camera each shows, chosen by the user (the
// tile's "+", a camera dragged from the list, the tile's menu) and kept in
// the settings for the next start; their layout, selection and titles.
class TileBoard : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        std::array<CameraLabel *, AppSettings::kTileCount> tiles{};
        QWidget *page = nullptr;   // the four-tile page they fill
        QWidget *window = nullptr; // parent of the menus' dialogs
    };

    TileBoard(const Widgets &widgets, CameraSession *session, AppSettings *settings, SettingsStore *store,
              QObject *parent = nullptr);

    CameraLabel *tile(int index) const;
    void select(int index);
    int selected() const;
    // Tiles fill the page two by two with a 3-pixel gap.
    void layOut();
    void unfreezeAll();

    // The open camera shown in a tile, empty for none.
    QString cameraInTile(int index) const;
    // Shows a camera live in a tile, opening it if needed; a camera already
    // there is closed, one shown elsewhere moves. False when it cannot open.
    bool showInTile(const QString &devicePath, int index);
    // With no cameras chosen for the tiles yet, the other cameras take the
    // free tiles in order (once, at the first switch to four tiles).
    void fillEmpty();
    // The cameras of the last run back in their tiles (once).
    void restore();
    bool isRestored() const { return m_restored; }
    // The tiles' cameras into the settings.
    void save();
    // Name and frame rate, or "no picture" while it sends nothing.
    void updateTitle(const QString &camId);

signals:
    // The tile's "Take photo": the camera has been made the current one.
    void photoAsked(const QString &camId);

private:
    void onChecked(bool check);
    void onAddClicked(CameraLabel *tile);
    void onMenu(CameraLabel *tile, QPoint point);

    Widgets m_w;
    CameraSession *m_session;
    AppSettings *m_settings;
    SettingsStore *m_store;
    CameraHub *m_hub;
    bool m_restored = false;
    bool m_filled = false;
};
