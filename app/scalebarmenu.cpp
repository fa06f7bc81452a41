#include "app/scalebarmenu.h"

#include "app/settingsstore.h"
#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "measure/scalebar.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>

namespace {
const char *const kCorners[] = {QT_TRANSLATE_NOOP("ScaleBarMenu", "左上"), QT_TRANSLATE_NOOP("ScaleBarMenu", "右上"),
                                QT_TRANSLATE_NOOP("ScaleBarMenu", "左下"), QT_TRANSLATE_NOOP("ScaleBarMenu", "右下")};
}

ScaleBarMenu::ScaleBarMenu(QMenu *menu, QAction *on, QAction *off, CameraScene *scene, AppSettings *settings,
                           SettingsStore *store, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_on(on)
    , m_off(off)
    , m_scene(scene)
    , m_settings(settings)
    , m_store(store)
{
    auto *onOff = new QActionGroup(this);
    onOff->addAction(on);
    onOff->addAction(off);
    m_corners = menu->addMenu(QString());
    m_corners->setObjectName(QStringLiteral("menuScaleBarCorner"));
    m_cornerGroup = new QActionGroup(this);
    for (int corner = 0; corner < 4; ++corner) {
        QAction *action = m_corners->addAction(QString());
        action->setCheckable(true);
        action->setData(corner);
        m_cornerGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, corner] { choose(m_settings->extras.showScaleBar, corner); });
    }
    m_reason = menu->addAction(QString());
    m_reason->setObjectName(QStringLiteral("actionScaleBarReason"));
    m_reason->setEnabled(false);
    connect(on, &QAction::triggered, this, [this] { choose(true, m_settings->extras.scaleBarCorner); });
    connect(off, &QAction::triggered, this, [this] { choose(false, m_settings->extras.scaleBarCorner); });
    connect(scene, &CameraScene::shapesChanged, this, &ScaleBarMenu::updateAvailability);
    connect(scene, &CameraScene::pictureSizeChanged, this, &ScaleBarMenu::updateAvailability);
    menu->installEventFilter(this);
    retranslate();
    apply();
}

QAction *ScaleBarMenu::cornerAction(int corner) const
{
    const QList<QAction *> actions = m_cornerGroup->actions();
    return corner >= 0 && corner < actions.size() ? actions[corner] : nullptr;
}

void ScaleBarMenu::apply()
{
    const int corner = qBound(0, int(m_settings->extras.scaleBarCorner), 3);
    m_scene->setScaleBarVisible(m_settings->extras.showScaleBar);
    m_scene->setScaleBarCorner(corner);
    (m_settings->extras.showScaleBar ? m_on : m_off)->setChecked(true);
    cornerAction(corner)->setChecked(true);
    updateAvailability();
}

void ScaleBarMenu::choose(bool shown, int corner)
{
    m_settings->extras.showScaleBar = shown;
    m_settings->extras.scaleBarCorner = corner;
    apply();
    m_store->scheduleSave();
}

void ScaleBarMenu::updateAvailability()
{
    // Without a real unit there is nothing to draw: say so instead of
    // offering an "on" that shows nothing.
    const bool available = scaleBarFor(qMax(1, m_scene->pictureSize().width()), m_scene->calibration()).valid;
    m_on->setEnabled(available);
    m_reason->setVisible(!available);
    const QString why = available ? QString() : m_reason->text();
    m_on->setToolTip(why);
    m_menu->setToolTip(why);
}

void ScaleBarMenu::retranslate()
{
    m_corners->setTitle(tr("位置"));
    const QList<QAction *> actions = m_cornerGroup->actions();
    for (int corner = 0; corner < actions.size(); ++corner)
        actions[corner]->setText(tr(kCorners[corner]));
    m_reason->setText(tr("没有标定，无法显示比例尺"));
    updateAvailability();
}

bool ScaleBarMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}
