#include "modDefaultCharts.h"

#include <QFileInfo>
#include <QStringList>

#include "AppSettings.h"
#include "ChartFile.h"
#include "Prompter.h"

namespace modDefaultCharts {
namespace {

constexpr int kMostLines = 16;

struct DefaultChart {
    const char* name;
    const char* lines[kMostLines + 1];  // up to the first nullptr
};

// Fingerings as they stand, ";" endings and unplayed strings included: data,
// not worked out from the chord dictionary.
const DefaultChart kCharts[] = {
    {"End_1",
     {"Chord: F Major (1)~1,1,0,6,3,4,2,3,1,2,0,6",
      "Chord: F Minor (1)~4,4,0,6,3,3,1,1,1,7,1,1;1,3,1",
      "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0"}},
    {"Prog_House",
     {"Chord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0",
      "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0",
      "Chord: D Major (1)~0,6,0,6,0,0,2,1,3,3,2,2",
      "Chord: F Major (1)~0,6,0,0,3,3,2,2,1,1,1,1",
      "Chord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0",
      "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0",
      "Chord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0",
      "Chord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0",
      "Chord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0",
      "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0",
      "Chord: D Major (1)~0,6,0,6,0,0,2,1,3,3,2,2",
      "Chord: F Major (1)~0,6,0,0,3,3,2,2,1,1,1,1",
      "Chord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0",
      "Chord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0",
      "Chord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0",
      "Chord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0"}},
    {"Prog_Hotel",
     {"Chord: B Minor (1)~7,1,9,3,9,4,7,7,7,7,7,1;7,6,1",
      "Chord: Gb Major (1)~2,1,4,3,4,4,3,2,2,7,2,1;2,6,1",
      "Chord: A Major (1)~0,6,0,0,2,1,2,2,2,3,0,0",
      "Chord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0",
      "Chord: G Major (1)~3,2,2,1,0,0,0,0,0,0,3,3",
      "Chord: D Major (1)~0,6,0,6,0,0,2,1,3,3,2,2",
      "Chord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0",
      "Chord: Gb Major (1)~2,1,4,3,4,4,3,2,2,7,2,1;2,6,1"}},
    {"Prog_Blues_1",
     {"Chord: A 13 (2)~5,1,7,3,5,7,6,2,7,4,7,4;5,6,1;7,2,1;",
      "Chord: A 13 (1)~5,1,7,3,5,7,6,2,7,4,5,1;5,6,1",
      "Chord: D 9 (3)~0,6,5,2,4,1,5,3,5,7,5,3;5,3,1",
      "Chord: D 13 (1)~5,2,0,6,4,1,5,3,5,3,7,4;5,3,2",
      "Chord: A 11 (1)~5,1,5,7,5,7,6,2,5,1,7,3;5,6,2",
      "Chord: A 9 (1)~5,1,7,3,5,7,6,2,5,1,7,4;5,6,2",
      "Chord: E 9 (3)~0,6,5,2,6,3,4,1,7,4,0,6",
      "Chord: E 9 (4)~0,6,7,2,6,1,7,3,7,7,7,3;7,3,1",
      "Chord: D 9 (4)~8,2,0,6,7,1,9,4,7,1,0,6;7,4,2",
      "Chord: D 9 (3)~0,6,5,2,4,1,5,3,5,7,5,3;5,3,1",
      "Chord: A 9 (3)~0,6,4,1,5,3,4,2,5,4,0,6",
      "Chord: E 7 (3)~0,6,7,3,6,2,7,4,5,1,0,6"}},
    {"Prog_145_Open_G",
     {"Chord: G Major (1)~3,2,2,1,0,0,0,0,0,0,3,3",
      "Chord: G Major (1)~3,2,2,1,0,0,0,0,0,0,3,3",
      "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0",
      "Chord: G Major (1)~3,2,2,1,0,0,0,0,0,0,3,3",
      "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0",
      "Chord: G Major (1)~3,2,2,1,0,0,0,0,0,0,3,3",
      "Chord: D Major (1)~0,6,0,6,0,0,2,1,3,3,2,2",
      "Chord: G Major (1)~3,2,2,1,0,0,0,0,0,0,3,3"}},
    {"Prog_145_R6_A",
     {"Chord: A Major (1)~5,1,7,3,7,4,6,2,5,7,5,1;5,6,1",
      "Chord: A Major (1)~5,1,7,3,7,4,6,2,5,7,5,1;5,6,1",
      "Chord: D Major (1)~0,6,5,1,7,3,7,7,7,3,5,1;5,5,1;7,4,2;",
      "Chord: D Major (1)~0,6,5,1,7,3,7,7,7,3,5,1;5,5,1;7,4,2;",
      "Chord: E 7 (3)~0,6,7,3,6,2,7,4,5,1,0,6",
      "Chord: E 7 (3)~0,6,7,3,6,2,7,4,5,1,0,6",
      "Chord: A Major (1)~5,1,7,3,7,4,6,2,5,7,5,1;5,6,1"}},
};

}  // namespace

bool WriteDefaultCharts() {
    const QString folder = ChartFile::ChartFolder();
    if (QFileInfo(folder).isDir()) return true;
    QString error;
    QString failed;
    if (!ChartFile::EnsureFolder(folder, &error)) {
        failed = QStringLiteral("The chart folder could not be created");
    } else {
        for (const DefaultChart& chart : kCharts) {
            QByteArray bytes;
            for (const char* const* line = chart.lines; *line; ++line) bytes += QByteArray(*line) + "\r\n";
            const QString name = QLatin1String(chart.name);
            if (!ChartFile::WriteBytes(ChartFile::PathOf(folder, name), bytes, &error)) {
                failed = QStringLiteral("The chart \"%1\" could not be written").arg(name);
                break;
            }
        }
    }
    if (failed.isEmpty()) return true;
    Prompter::Current().Message(failed + QStringLiteral(":\r\n") + error, AppSettings::AppTitle(),
                                Prompter::Icon::Exclamation);
    return false;
}

}  // namespace modDefaultCharts
