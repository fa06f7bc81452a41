#pragma once

#include <QString>

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

// Loads the translation file of that entry from the first translation
// folder that has it; false for index 0, out of range, or no file.
bool loadLanguage(QTranslator *translator, int index);
