#include "core/notifier.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

Notifier *g_installed = nullptr;

// The button words live in this context so lupdate files them where they
// are looked up.
QString trButton(const char *text) { return QCoreApplication::translate("Notifier", text); }

} // namespace

Notifier &notifier()
{
    static MessageBoxNotifier boxes;
    return g_installed ? *g_installed : boxes;
}

void setNotifier(Notifier *n) { g_installed = n; }

void MessageBoxNotifier::inform(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QString(), text, QMessageBox::Ok, parent);
    box.setButtonText(QMessageBox::Ok, trButton(QT_TRANSLATE_NOOP("Notifier", "确定")));
    box.exec();
}

bool MessageBoxNotifier::ask(QWidget *parent, const QString &text, bool defaultYes)
{
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setButtonText(QMessageBox::Yes, trButton(QT_TRANSLATE_NOOP("Notifier", "是")));
    box.setButtonText(QMessageBox::No, trButton(QT_TRANSLATE_NOOP("Notifier", "否")));
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Notifier::Answer MessageBoxNotifier::askSeries(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QString(), text,
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setButtonText(QMessageBox::Yes, trButton(QT_TRANSLATE_NOOP("Notifier", "是")));
    box.setButtonText(QMessageBox::YesToAll, trButton(QT_TRANSLATE_NOOP("Notifier", "全部是")));
    box.setButtonText(QMessageBox::No, trButton(QT_TRANSLATE_NOOP("Notifier", "否")));
    box.setButtonText(QMessageBox::Cancel, trButton(QT_TRANSLATE_NOOP("Notifier", "取消")));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::YesToAll: return Answer::YesToAll;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

Notifier::Answer MessageBoxNotifier::askSave(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QString(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setButtonText(QMessageBox::Save, trButton(QT_TRANSLATE_NOOP("Notifier", "保存")));
    box.setButtonText(QMessageBox::Discard, trButton(QT_TRANSLATE_NOOP("Notifier", "不保存")));
    box.setButtonText(QMessageBox::Cancel, trButton(QT_TRANSLATE_NOOP("Notifier", "取消")));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return Answer::Yes;
    case QMessageBox::Discard: return Answer::No;
    default: return Answer::Cancel;
    }
}
