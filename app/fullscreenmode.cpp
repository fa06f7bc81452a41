#include "app/fullscreenmode.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>

FullScreenMode::FullScreenMode(QMainWindow *window, QVector<QWidget *> chrome, QAction *menuAction)
    : QObject(window)
    , m_window(window)
    , m_chrome(std::move(chrome))
    , m_menuAction(menuAction)
{
    m_hint = new QLabel(window);
    m_hint->setStyleSheet(QStringLiteral("color:rgb(255,0,0); font-size:32px;"));
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_hint->hide();
    connect(&m_timer, &QTimer::timeout, this, &FullScreenMode::check);
    m_timer.start(100);
}

void FullScreenMode::retranslate() { m_hint->setText(QCoreApplication::translate("Vistrel", "按ESC退出全屏")); }

void FullScreenMode::showHint()
{
    m_hint->setGeometry(10, m_window->height() - 240, 480, 200);
    m_hint->show();
    m_hint->raise();
}

void FullScreenMode::enter()
{
    m_wasMaximized = m_window->isMaximized();
    if (!m_wasMaximized)
        m_normalGeometry = m_window->geometry();
    m_active = true;
    m_window->setWindowFlag(Qt::FramelessWindowHint, true);
    m_menuAction->setVisible(false);
    for (QWidget *w : m_chrome)
        w->hide();
    m_window->showFullScreen();
    showHint();
}

void FullScreenMode::leave()
{
    m_active = false;
    m_window->setWindowFlag(Qt::FramelessWindowHint, false);
    m_menuAction->setVisible(true);
    for (QWidget *w : m_chrome)
        w->show();
    m_hint->hide();
    if (m_wasMaximized) {
        m_window->showMaximized();
    } else {
        m_window->showNormal();
        if (m_normalGeometry.isValid())
            m_window->setGeometry(m_normalGeometry);
    }
}

bool FullScreenMode::handle(QEvent *event)
{
    const bool leaving = m_active
                         && ((event->type() == QEvent::KeyPress
                              && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
                             || event->type() == QEvent::MouseButtonDblClick);
    if (leaving) {
        leave();
        event->accept();
    }
    return leaving;
}

void FullScreenMode::watch(QWidget *picture) { picture->installEventFilter(this); }

bool FullScreenMode::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && handle(event))
        return true;
    return QObject::eventFilter(watched, event);
}

void FullScreenMode::check()
{
    // The head frame stands for the whole chrome.
    const bool shown = m_chrome.size() > 1 && m_chrome[1]->isVisible();
    if (m_active && shown) {
        for (QWidget *w : m_chrome)
            w->hide();
        showHint();
    } else if (!m_active && !shown) {
        for (QWidget *w : m_chrome)
            w->show();
    }
}
