#include "app/languages.h"

#include "app/storagepaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const char *const kNames[] = {
    QT_TRANSLATE_NOOP("VistrelClass", "中文"),     QT_TRANSLATE_NOOP("VistrelClass", "英语"),
    QT_TRANSLATE_NOOP("VistrelClass", "繁体中文"), QT_TRANSLATE_NOOP("VistrelClass", "法国"),
    QT_TRANSLATE_NOOP("VistrelClass", "意大"),     QT_TRANSLATE_NOOP("VistrelClass", "日语"),
    QT_TRANSLATE_NOOP("VistrelClass", "韩语"),     QT_TRANSLATE_NOOP("VistrelClass", "俄语"),
    QT_TRANSLATE_NOOP("VistrelClass", "德语"),     QT_TRANSLATE_NOOP("VistrelClass", "西班牙"),
    QT_TRANSLATE_NOOP("VistrelClass", "葡萄牙"),   QT_TRANSLATE_NOOP("VistrelClass", "荷兰"),
    QT_TRANSLATE_NOOP("VistrelClass", "波兰"),     QT_TRANSLATE_NOOP("VistrelClass", "乌克兰"),
    QT_TRANSLATE_NOOP("VistrelClass", "立陶宛"),   QT_TRANSLATE_NOOP("VistrelClass", "匈牙利")};
// Each language in its own script, so a user who reads none of the others
// still finds the way back.
const char *const kNative[] = {"简体中文", "English",    "繁體中文", "Français", "Italiano",  "日本語",
                               "한국어",   "Русский",    "Deutsch",  "Español",  "Português", "Nederlands",
                               "Polski",   "Українська", "Lietuvių", "Magyar"};
const char *const kCodes[] = {"",   "en", "zh", "fr", "it", "ja", "ko", "ru",
                              "de", "es", "pt", "nl", "pl", "uk", "lt", "hu"};
static_assert(sizeof kNames == sizeof kCodes, "one code per language");
static_assert(sizeof kNative == sizeof kCodes, "one native name per language");

} // namespace

int languageCount() { return int(sizeof kCodes / sizeof kCodes[0]); }

QString languageCode(int index)
{
    return index >= 0 && index < languageCount() ? QString::fromLatin1(kCodes[index]) : QString();
}

const char *languageName(int index) { return index >= 0 && index < languageCount() ? kNames[index] : ""; }

bool loadLanguage(QTranslator *translator, int index)
{
    if (index <= 0 || index >= languageCount())
        return false;
    for (const QString &dir : translationDirs()) {
        if (translator->load(QStringLiteral("vistrel_") + languageCode(index), dir))
            return true;
    }
    return false;
}

QString nativeLanguageName(int index)
{
    return index >= 0 && index < languageCount() ? QString::fromUtf8(kNative[index]) : QString();
}

QString languageMenuText(int index)
{
    const QString native = nativeLanguageName(index);
    const QString name = QCoreApplication::translate("VistrelClass", languageName(index));
    if (name.isEmpty() || name == native)
        return native;
    return native + QStringLiteral(" (") + name + QLatin1Char(')');
}

int languageForLocale(const QLocale &locale)
{
    // The desktop's list of languages in order of preference, then the locale's own name.
    QStringList names = locale.uiLanguages();
    names << locale.name();
    for (QString name : qAsConst(names)) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString lang = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (lang == QLatin1String("zh")) {
            const bool traditional = name.contains(QLatin1String("Hant")) || name.endsWith(QLatin1String("_TW"))
                                     || name.endsWith(QLatin1String("_HK")) || name.endsWith(QLatin1String("_MO"));
            return traditional ? 2 : 0;
        }
        for (int i = 1; i < languageCount(); ++i) {
            if (lang == QLatin1String(kCodes[i]))
                return i;
        }
    }
    return 1;
}

bool loadQtTranslation(QTranslator *translator, int index, const QString &dir)
{
    if (index < 0 || index >= languageCount())
        return false;
    QStringList names;
    if (index == 0)
        names << QStringLiteral("zh_CN") << QStringLiteral("zh_SG") << QStringLiteral("zh");
    else if (index == 2)
        names << QStringLiteral("zh_TW") << QStringLiteral("zh_HK");
    else if (index == 10)
        names << QStringLiteral("pt_BR") << QStringLiteral("pt_PT") << QStringLiteral("pt");
    else
        names << languageCode(index);
    // Any other regional file Qt ships for the language ("qtbase_xx_YY.qm").
    if (index != 0 && index != 2) {
        const QStringList regional = QDir(dir).entryList({QStringLiteral("qtbase_%1_*.qm").arg(languageCode(index))},
                                                         QDir::Files, QDir::Name);
        for (const QString &file : regional)
            names << file.mid(7, file.size() - 7 - 3);
    }
    for (const QString &name : qAsConst(names)) {
        if (QFileInfo(dir + QStringLiteral("/qtbase_") + name + QStringLiteral(".qm")).isFile()
            && translator->load(QStringLiteral("qtbase_") + name, dir))
            return true;
    }
    return false;
}
