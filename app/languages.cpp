#include "app/languages.h"

#include "app/storagepaths.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

const char *const kNames[] = {QT_TRANSLATE_NOOP("VistrelClass", "中文"),   QT_TRANSLATE_NOOP("VistrelClass", "英语"),
                              QT_TRANSLATE_NOOP("VistrelClass", "繁体中文"), QT_TRANSLATE_NOOP("VistrelClass", "法国"),
                              QT_TRANSLATE_NOOP("VistrelClass", "意大"),   QT_TRANSLATE_NOOP("VistrelClass", "日语"),
                              QT_TRANSLATE_NOOP("VistrelClass", "韩语"),   QT_TRANSLATE_NOOP("VistrelClass", "俄语"),
                              QT_TRANSLATE_NOOP("VistrelClass", "德语"),   QT_TRANSLATE_NOOP("VistrelClass", "西班牙"),
                              QT_TRANSLATE_NOOP("VistrelClass", "葡萄牙"), QT_TRANSLATE_NOOP("VistrelClass", "荷兰"),
                              QT_TRANSLATE_NOOP("VistrelClass", "波兰"),   QT_TRANSLATE_NOOP("VistrelClass", "乌克兰"),
                              QT_TRANSLATE_NOOP("VistrelClass", "立陶宛"), QT_TRANSLATE_NOOP("VistrelClass", "匈牙利")};
// Each language in its own script, so a user who reads none of the others
// still finds the way back.
const char *const kNative[] = {"简体中文",    "English", "繁體中文",   "Français",   "Italiano", "日本語", "한국어",   "Русский",
                               "Deutsch", "Español", "Português", "Nederlands", "Polski",   "Українська", "Lietuvių", "Magyar"};
const char *const kCodes[] = {"", "en", "zh", "fr", "it", "ja", "ko", "ru", "de", "es", "pt", "nl", "pl", "uk", "lt", "hu"};
static_assert(sizeof kNames == sizeof kCodes, "one code per language");
static_assert(sizeof kNative == sizeof kCodes, "one native name per language");

} // namespace

int languageCount()
{
    return int(sizeof kCodes / sizeof kCodes[0]);
}

QString languageCode(int index)
{
    return index >= 0 && index < languageCount() ? QString::fromLatin1(kCodes[index]) : QString();
}

const char *languageName(int index)
{
    return index >= 0 && index < languageCount() ? kNames[index] : "";
}

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
