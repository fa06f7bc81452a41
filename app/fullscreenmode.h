#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>
#include <QVector>

class QAction;
class QEvent;
class QLabel;
class QMainWindow;
class QWidget;

// Full screen for the main window: the chrome hidden, a hint how to leave,
// the window's geometry or maximised state back afterwards. A 100 ms check
// keeps the chrome in step when the window manager changes the state.
class FullScreenMode : public QObject
{
    Q_OBJECT
public:
    // chrome: what is hidden in full screen; menuAction: the menu's entry.
    FullScreenMode(QMainWindow *window, QVector<QWidget *> chrome, QAction *menuAction);

    bool isActive() const { return m_active; }
    void enter();
    void leave();
    void toggle() { m_active ? leave() : enter(); }
    // Esc and a double click leave full screen; true when event did that.
    bool handle(QEvent *event);
    // Double clicks anywhere on `picture` (the view's viewport, which gets the
    // mouse events, not the view) leave full screen.
    void watch(QWidget *picture);
    // The hint in the current language.
    void retranslate();
    // The periodic check (the window's full-screen timer slot).
    void check();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHint();

    QMainWindow *m_window;
    QVector<QWidget *> m_chrome;
    QAction *m_menuAction;
    QLabel *m_hint;
    QTimer m_timer;
    QRect m_normalGeometry;
    bool m_wasMaximized = false;
    bool m_active = false;
};
