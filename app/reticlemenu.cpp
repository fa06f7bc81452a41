#include "app/reticlemenu.h"

#include "app/settingsstore.h"
#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "measure/reticle.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>

namespace {
const char *const kKinds[] = {QT_TRANSLATE_NOOP("ReticleMenu", "关闭"), QT_TRANSLATE_NOOP("ReticleMenu", "网格"),
                              QT_TRANSLATE_NOOP("ReticleMenu", "同心圆"),
                              QT_TRANSLATE_NOOP("ReticleMenu", "网格和同心圆")};
}

ReticleMenu::ReticleMenu(QMenu *parent, QAction *before, CameraScene *scene, AppSettings *settings,
                         SettingsStore *store, QObject *parent_)
    : QObject(parent_)
    , m_menu(new QMenu(parent))
    , m_scene(scene)
    , m_settings(settings)
    , m_store(store)
{
    m_menu->setObjectName(QStringLiteral("menuReticle"));
    parent->insertMenu(before, m_menu);
    m_group = new QActionGroup(this);
    static const char *const names[] = {"actionReticleOff", "actionReticleGrid", "actionReticleCircles",
                                        "actionReticleBoth"};
    for (int kind = 0; kind < 4; ++kind) {
        QAction *a = m_menu->addAction(QString());
        a->setObjectName(QLatin1String(names[kind]));
        a->setCheckable(true);
        m_group->addAction(a);
        connect(a, &QAction::triggered, this, [this, kind] { choose(kind); });
    }
    m_reason = m_menu->addAction(QString());
    m_reason->setObjectName(QStringLiteral("actionReticleReason"));
    m_reason->setEnabled(false);
    connect(scene, &CameraScene::shapesChanged, this, &ReticleMenu::updateAvailability);
    connect(scene, &CameraScene::pictureSizeChanged, this, &ReticleMenu::updateAvailability);
    m_menu->installEventFilter(this);
    retranslate();
    apply();
}

QAction *ReticleMenu::kindAction(int kind) const
{
    const QList<QAction *> actions = m_group->actions();
    return kind >= 0 && kind < actions.size() ? actions[kind] : nullptr;
}

void ReticleMenu::apply()
{
    const int kind = qBound(0, int(m_settings->extras.reticle), 3);
    m_scene->setReticle(kind);
    kindAction(kind)->setChecked(true);
    updateAvailability();
}

void ReticleMenu::choose(int kind)
{
    m_settings->extras.reticle = qBound(0, kind, 3);
    apply();
    m_store->scheduleSave();
}

void ReticleMenu::updateAvailability()
{
    const bool available = reticleFor(qMax(1, m_scene->pictureSize().width()), m_scene->calibration()).valid;
    for (int kind = 1; kind < 4; ++kind)
        kindAction(kind)->setEnabled(available);
    m_reason->setVisible(!available);
    m_menu->setToolTip(available ? QString() : m_reason->text());
}

void ReticleMenu::retranslate()
{
    m_menu->setTitle(tr("标线"));
    for (int kind = 0; kind < 4; ++kind)
        kindAction(kind)->setText(tr(kKinds[kind]));
    m_reason->setText(tr("没有标定，无法显示标线"));
    updateAvailability();
}

bool ReticleMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}
