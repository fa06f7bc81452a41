#pragma once

#include <QString>

class QLocale;
class QTranslator;

// The language menu: index 0 is the built-in Chinese source, then the codes
// of the translation files, "vistrel_<code>.qm".
int languageCount();
QString languageCode(int index);
// The untranslated display name of an entry (a source text of "VistrelClass").
const char *languageName(int index);

// The entry's name in its own language ("Français", "日本語").
QString nativeLanguageName(int index);
// The menu text: the native name, then the translated display name in
// brackets where it differs (in the source language: "Français (法国)").
QString languageMenuText(int index);

// The entry for a desktop language (QLocale::system() at a first start):
// Simplified Chinese for zh_CN/zh_SG/Hans, Traditional for zh_TW/zh_HK/Hant,
// else by language; English (1) for a language the program does not speak.
int languageForLocale(const QLocale &locale);

// Qt's own translation ("qtbase_<name>.qm") for that entry from dir: the
// regional names Qt ships are tried (zh_CN for the source language, zh_TW,
// pt_BR, pt_PT ...), then the bare code. False when dir has none.
bool loadQtTranslation(QTranslator *translator, int index, const QString &dir);

// Loads the translation file of that entry from the first translation
// folder that has it; false for index 0, out of range, or no file.
bool loadLanguage(QTranslator *translator, int index);
