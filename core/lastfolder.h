#pragma once

#include <QString>

// Where the program's file dialogs start: the folder last chosen in one, or
// until then the photo folder the main window names. Process-wide.
namespace lastfolder {

// The start folder for a dialog; with name, that file in it.
QString start(const QString &name = QString());
// The folder of a file or folder the user just chose.
void remember(const QString &chosen);
// The folder to start in before any choice (the current photo folder).
void setDefault(const QString &folder);

} // namespace lastfolder
