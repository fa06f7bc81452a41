#include "app/languageswitcher.h"

#include "app/languages.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMenu>

// Which translation file was loaded: QT_LOGGING_RULES="vistrel.lang.debug=true".
Q_LOGGING_CATEGORY(lcLang, "vistrel.lang", QtWarningMsg)

LanguageSwitcher::LanguageSwitcher(QMenu *menu, QObject *parent)
    : QObject(parent)
{
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < ::languageCount(); ++i) {
        QAction *a = menu->addAction(languageMenuText(i));
        a->setCheckable(true);
        a->setActionGroup(group);
        connect(a, &QAction::triggered, this, [this, i] { emit chosen(i); });
        m_actions << a;
    }
}

LanguageSwitcher::~LanguageSwitcher() { uninstall(); }

void LanguageSwitcher::uninstall()
{
    if (!m_installed)
        return;
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    m_installed = false;
}

int LanguageSwitcher::apply(int index)
{
    if (index < 0 || index >= m_actions.size())
        index = 1;
    uninstall();
    // Qt's own dialogs (standard buttons, file and print dialogs) follow too,
    // in the source language as well.
    if (loadQtTranslation(&m_qtTranslator, index, QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        qCDebug(lcLang).noquote() << "loaded" << m_qtTranslator.filePath();
        QCoreApplication::installTranslator(&m_qtTranslator);
        m_installed = true;
    }
    if (index != 0 && loadLanguage(&m_translator, index)) {
        qCDebug(lcLang).noquote() << "loaded" << m_translator.filePath();
        QCoreApplication::installTranslator(&m_translator);
        m_installed = true;
    }
    for (int i = 0; i < m_actions.size(); ++i)
        m_actions[i]->setChecked(i == index);
    return index;
}

void LanguageSwitcher::retranslate()
{
    for (int i = 0; i < m_actions.size(); ++i)
        m_actions[i]->setText(languageMenuText(i));
}
