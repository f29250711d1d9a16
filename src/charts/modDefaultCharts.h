#pragma once
// The six ready-made charts a first run gives the user.

#include <QString>

namespace modDefaultCharts {

// Creates the chart folder and writes the six charts, each line ended by
// CR LF, when the folder does not exist yet; an existing folder, even an
// empty one, is left alone. A file that cannot be written stops the writing
// (the files written so far stay) with a message naming the chart and why.
// True when the folder was there or every chart was written.
bool WriteDefaultCharts();

}  // namespace modDefaultCharts
