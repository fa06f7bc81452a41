#include "app/shortcuts.h"

#include "core/notifier.h"
#include "view/wheelzoom.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Keys typed into a text field belong to it, and so does Space in a list
// (it selects there).
bool focusOwnsKey(int key)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return false;
    if (qobject_cast<QLineEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus))
        return true;
    if (key == Qt::Key_Space && qobject_cast<QAbstractItemView *>(focus))
        return true;
    if (auto *text = qobject_cast<QTextEdit *>(focus))
        return !text->isReadOnly();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(focus))
        return !plain->isReadOnly();
    if (auto *combo = qobject_cast<QComboBox *>(focus))
        return combo->isEditable();
    return false;
}

} // namespace

QString Shortcuts::keysText(const QList<QKeySequence> &keys)
{
    QStringList texts;
    for (const QKeySequence &key : keys) {
        const int code = key[0] & ~Qt::KeyboardModifierMask;
        // Sun keyboards' Undo/Again keys (F14, F12 with modifiers) and the
        // old Alt+Backspace bindings only lengthen the list.
        const bool exotic = (code >= Qt::Key_F13 && code <= Qt::Key_F35) || (key[0] & Qt::AltModifier);
        if (!exotic || (texts.isEmpty() && key == keys.last()))
            texts << key.toString(QKeySequence::NativeText);
    }
    return texts.join(QStringLiteral(", "));
}

Shortcuts::Shortcuts(const Targets &targets, QObject *parent)
    : QObject(parent)
    , m_t(targets)
{
    QWidget *window = m_t.window;
    m_undo = add(QKeySequence::keyBindings(QKeySequence::Undo), window, Qt::WindowShortcut, [this] {
        if (m_t.scene && m_t.view && m_t.view->isVisible())
            m_t.scene->undo();
    });
    m_undo->setObjectName(QStringLiteral("shortcutUndo"));
    m_redo = add(QKeySequence::keyBindings(QKeySequence::Redo), window, Qt::WindowShortcut, [this] {
        if (m_t.scene && m_t.view && m_t.view->isVisible())
            m_t.scene->redo();
    });
    m_redo->setObjectName(QStringLiteral("shortcutRedo"));
    if (m_t.editMenu) {
        m_t.editMenu->addAction(m_undo);
        m_t.editMenu->addAction(m_redo);
    }
    // Menu entries keep working in full screen, where the menu bar is hidden.
    for (QAction *a : qAsConst(m_t.menuKeys))
        window->addAction(a);
    add({QKeySequence(Qt::Key_Delete)}, m_t.pictureArea ? m_t.pictureArea : window,
        m_t.pictureArea ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut, [this] { eraseSelected(); })
        ->setObjectName(QStringLiteral("shortcutDelete"));
    add({QKeySequence(Qt::Key_Escape)}, window, Qt::WindowShortcut, [this] {
        cancelOrLeave();
    })->setObjectName(QStringLiteral("shortcutEscape"));
    // One action per key: a key handed back must be the one pressed.
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_F5}) {
        add({QKeySequence(key)}, window, Qt::WindowShortcut, [this] {
            if (m_t.photo)
                m_t.photo();
        })->setObjectName(QStringLiteral("shortcutPhoto"));
    }
    add({QKeySequence(Qt::Key_F9)}, window, Qt::WindowShortcut, [this] {
        if (m_t.record)
            m_t.record();
    })->setObjectName(QStringLiteral("shortcutRecord"));

    if (m_t.zoomCombo && m_t.scrollArea && m_t.view)
        wheelzoom::install(m_t.zoomCombo, m_t.scrollArea, m_t.view, m_t.viewport);

    m_listAction = new QAction(this);
    m_listAction->setObjectName(QStringLiteral("actionShortcuts"));
    connect(m_listAction, &QAction::triggered, this, &Shortcuts::showList);
    if (m_t.helpMenu) {
        const QList<QAction *> existing = m_t.helpMenu->actions();
        m_t.helpMenu->insertAction(existing.isEmpty() ? nullptr : existing.first(), m_listAction);
    }
    retranslate();
}

QAction *Shortcuts::add(const QList<QKeySequence> &keys, QWidget *owner, Qt::ShortcutContext context,
                        std::function<void()> run)
{
    auto *action = new QAction(this);
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    connect(action, &QAction::triggered, this, [action, run] {
        const int key = action->shortcut()[0] & ~Qt::KeyboardModifierMask;
        if (!focusOwnsKey(key)) {
            run();
            return;
        }
        // Hand the key back to the widget it was typed into.
        const Qt::KeyboardModifiers mods(action->shortcut()[0] & Qt::KeyboardModifierMask);
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        // Disabled meanwhile, or the shortcut would catch the key again.
        action->setEnabled(false);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
        QApplication::sendEvent(QApplication::focusWidget(), &release);
        action->setEnabled(true);
    });
    owner->addAction(action);
    return action;
}

void Shortcuts::eraseSelected()
{
    if (!m_t.scene || (m_t.view && !m_t.view->isVisible()))
        return;
    if (GraphicsItem *shape = m_t.scene->selectedShape(); shape && !m_t.scene->shapeUnderConstruction())
        m_t.scene->eraseShape(shape);
}

void Shortcuts::cancelOrLeave()
{
    // A half-built shape first; the next Esc leaves full screen.
    if (m_t.scene && m_t.scene->shapeUnderConstruction()) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(m_t.scene, &esc);
        return;
    }
    if (m_t.leaveFullScreen)
        m_t.leaveFullScreen();
}

QStringList Shortcuts::lines() const
{
    const QString tab = QStringLiteral("\t");
    QStringList out{
        keysText(QKeySequence::keyBindings(QKeySequence::Undo)) + tab + tr("撤销上一步"),
        keysText(QKeySequence::keyBindings(QKeySequence::Redo)) + tab + tr("重做"),
        keysText({QKeySequence(Qt::Key_Delete)}) + tab + tr("删除选中的图形"),
        keysText({QKeySequence(Qt::Key_Escape)}) + tab + tr("取消正在绘制的图形；否则退出全屏"),
        keysText({QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_F5)}) + tab + tr("拍照"),
        keysText({QKeySequence(Qt::Key_F9)}) + tab + tr("开始或停止录像"),
        QStringLiteral("Ctrl+") + tr("滚轮") + tab + tr("以鼠标指针为中心缩放"),
    };
    for (const QAction *a : m_t.menuKeys) {
        if (!a->shortcuts().isEmpty())
            out << keysText(a->shortcuts()) + tab + a->text().remove(QLatin1Char('&'));
    }
    return out;
}

void Shortcuts::showList()
{
    // A table: tabs do not line up in a message box.
    QString html = QStringLiteral("<p><b>%1</b></p><table cellspacing=\"4\">").arg(tr("键盘快捷键").toHtmlEscaped());
    for (const QString &line : lines()) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        html += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;</td><td nowrap>%2</td></tr>")
                    .arg(cells.value(0).toHtmlEscaped(), cells.value(1).toHtmlEscaped());
    }
    notifier().inform(m_t.window, html + QStringLiteral("</table>"));
}

void Shortcuts::retranslate()
{
    m_listAction->setText(tr("键盘快捷键"));
    m_undo->setText(tr("撤销"));
    m_redo->setText(tr("重做"));
}
