#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class CameraScene;
class QAction;
class QComboBox;
class QMenu;
class QScrollArea;
class QWidget;

// The main window's keyboard: undo/redo, Delete and Esc on the live
// picture's shapes, photo and recording keys, Ctrl+wheel zoom of the live
// view, and the Help menu entry that lists them all.
class Shortcuts : public QObject
{
    Q_OBJECT
public:
    struct Targets
    {
        QWidget *window = nullptr;
        CameraScene *scene = nullptr;
        // Delete works while the focus is inside it, so that the file
        // browser keeps its own Delete.
        QWidget *pictureArea = nullptr;
        QComboBox *zoomCombo = nullptr;
        QScrollArea *scrollArea = nullptr;
        QWidget *view = nullptr;
        QWidget *viewport = nullptr;
        QMenu *helpMenu = nullptr;
        std::function<void()> photo;
        std::function<void()> record;
        // True when it left full screen.
        std::function<bool()> leaveFullScreen;
        // Menu actions with standard keys (Quit, Print, Open ...): listed
        // in Help with their keys and texts.
        QList<QAction *> menuKeys;
        // Where Undo and Redo are listed as menu entries; may be null.
        QMenu *editMenu = nullptr;
    };

    explicit Shortcuts(const Targets &targets, QObject *parent = nullptr);

    // The Help menu's entry.
    QAction *listAction() const { return m_listAction; }
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    // The keys as the menus and Help show them: the first of a standard
    // key's bindings without the exotic ones (F14 as Undo, Alt+Backspace).
    static QString keysText(const QList<QKeySequence> &keys);
    // The table shown by the Help entry, one "keys<TAB>what" line each.
    QStringList lines() const;
    void showList();
    void retranslate();

private:
    QAction *add(const QList<QKeySequence> &keys, QWidget *owner, Qt::ShortcutContext context,
                 std::function<void()> run);
    void cancelOrLeave();
    void eraseSelected();

    Targets m_t;
    QAction *m_listAction = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
