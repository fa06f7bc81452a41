#pragma once

#include <QObject>

struct AppSettings;
class CameraScene;
class QAction;
class QActionGroup;
class QMenu;
class SettingsStore;

// The scale bar's menu: on and off like the cross-hair, the corner, and a
// disabled line that says why no bar shows while there is no calibration.
// The choice lives in AppSettings and is saved through the store.
class ScaleBarMenu : public QObject
{
    Q_OBJECT
public:
    ScaleBarMenu(QMenu *menu, QAction *on, QAction *off, CameraScene *scene, AppSettings *settings,
                 SettingsStore *store, QObject *parent = nullptr);

    // Takes the settings' choice (after they were loaded).
    void apply();
    QAction *cornerAction(int corner) const;
    QAction *reasonAction() const { return m_reason; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void updateAvailability();
    void choose(bool shown, int corner);

    QMenu *m_menu;
    QAction *m_on;
    QAction *m_off;
    QMenu *m_corners;
    QActionGroup *m_cornerGroup;
    QAction *m_reason;
    CameraScene *m_scene;
    AppSettings *m_settings;
    SettingsStore *m_store;
};
