#pragma once
// Where the program keeps its data: the per-user application data folder
// (charts, the instrument-name file), since an installed program's own
// folder is read-only.

#include <QString>

namespace AppPaths {

// Finds the per-user data folder, creates it when needed and makes it the
// folder GetAppPath gives. Returns the folder.
QString InitAppFolder();

// The data folder with exactly one trailing "/": it holds "Charts/" and
// "genmidi.txt". "./" until InitAppFolder or SetAppFolder ran.
QString GetAppPath();
// Points GetAppPath elsewhere (tests use a temporary folder).
void SetAppFolder(const QString& folder);

}  // namespace AppPaths
