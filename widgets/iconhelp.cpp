#include "widgets/iconhelp.h"

#include <QAbstractButton>

IconHelp::IconHelp(QObject *parent)
    : QObject(parent)
{}

QString IconHelp::iconPath(const QString &name, bool selected)
{
    return QStringLiteral(":/Vistrel/image/icon/") + name
           + (selected ? QStringLiteral("_Select.png") : QStringLiteral(".png"));
}

QIcon IconHelp::icon(const QString &name, bool selected) { return QIcon(iconPath(name, selected)); }

void IconHelp::setIcon(QAbstractButton *button, const QString &name)
{
    if (!button)
        return;
    if (m_entries.contains(button))
        disconnect(button, nullptr, this, nullptr);
    Entry &e = m_entries[button];
    e.button = button;
    e.normal = icon(name, false);
    e.select = icon(name, true);
    apply(e, button->isChecked());

    connect(button, &QAbstractButton::pressed, this, [this, button] {
        if (m_entries.contains(button))
            apply(m_entries[button], true);
    });
    connect(button, &QAbstractButton::released, this, [this, button] {
        if (m_entries.contains(button))
            apply(m_entries[button], button->isChecked());
    });
    connect(button, &QAbstractButton::toggled, this, [this, button](bool on) {
        if (m_entries.contains(button))
            apply(m_entries[button], on);
    });
    connect(button, &QObject::destroyed, this, [this, button] { m_entries.remove(button); });
}

void IconHelp::setSelected(QAbstractButton *button, bool selected)
{
    auto it = m_entries.find(button);
    if (it != m_entries.end())
        apply(*it, selected);
}

bool IconHelp::isSelected(QAbstractButton *button) const
{
    auto it = m_entries.constFind(button);
    return it != m_entries.constEnd() && it->selected;
}

void IconHelp::apply(Entry &e, bool selected)
{
    e.selected = selected;
    if (e.button)
        e.button->setIcon(selected ? e.select : e.normal);
}
