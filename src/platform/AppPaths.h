#pragma once
// Where the program keeps its data: the per-user application data folder
// (charts, the instrument-name file), since an installed program's own
// folder is read-only.

#include <QString>

namespace AppPaths {

// Creates the data folder when needed and hands it to the note helpers'
// GetAppPath. Returns the folder.
QString InitAppFolder();

}  // namespace AppPaths
