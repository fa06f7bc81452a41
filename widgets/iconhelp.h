#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>

class QAbstractButton;

// Gives buttons their normal and "_Select" icons from ":/Vistrel/image/icon/"
// and shows the "_Select" one while a button is pressed or checked.
class IconHelp : public QObject
{
    Q_OBJECT
public:
    explicit IconHelp(QObject *parent = nullptr);

    static QString iconPath(const QString &name, bool selected);
    static QIcon icon(const QString &name, bool selected = false);

    // Binds the button to the icon pair named name (e.g. "btnCapture").
    void setIcon(QAbstractButton *button, const QString &name);
    // Shows one of the two icons until the next press, release or toggle.
    void setSelected(QAbstractButton *button, bool selected);
    bool isSelected(QAbstractButton *button) const;

private:
    struct Entry
    {
        QPointer<QAbstractButton> button;
        QIcon normal;
        QIcon select;
        bool selected = false;
    };
    void apply(Entry &e, bool selected);

    QHash<QAbstractButton *, Entry> m_entries;
};
