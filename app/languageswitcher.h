#pragma once

#include <QObject>
#include <QTranslator>
#include <QVector>

class QAction;
class QMenu;

// The language menu and the translators behind it. Choosing an entry emits
// chosen(); apply() installs that language (and Qt's own texts with it).
class LanguageSwitcher : public QObject
{
    Q_OBJECT
public:
    explicit LanguageSwitcher(QMenu *menu, QObject *parent = nullptr);
    ~LanguageSwitcher() override;

    int count() const { return m_actions.size(); }
    // Out of range falls back to entry 1; returns the entry applied.
    int apply(int index);
    // The menu entries in the current language.
    void retranslate();

signals:
    void chosen(int index);

private:
    void uninstall();

    QVector<QAction *> m_actions;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    bool m_installed = false;
};
