#pragma once

#include <QObject>

struct AppSettings;
class CameraScene;
class QAction;
class QActionGroup;
class QMenu;
class SettingsStore;

// The reticle's menu beside the cross-hair and the scale bar: off, grid,
// concentric circles or both; a disabled line says why while there is no
// calibration. The choice lives in AppSettings and is saved through the store.
class ReticleMenu : public QObject
{
    Q_OBJECT
public:
    // The menu goes into `parent` before `before` (or at its end).
    ReticleMenu(QMenu *parent, QAction *before, CameraScene *scene, AppSettings *settings, SettingsStore *store,
                QObject *parent_ = nullptr);

    QMenu *menu() const { return m_menu; }
    QAction *kindAction(int kind) const;
    QAction *reasonAction() const { return m_reason; }
    // Takes the settings' choice (after they were loaded).
    void apply();
    void choose(int kind);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void updateAvailability();

    QMenu *m_menu;
    QActionGroup *m_group;
    QAction *m_reason;
    CameraScene *m_scene;
    AppSettings *m_settings;
    SettingsStore *m_store;
};
