// libFuzzer target for the chart file layer. Whatever bytes a chart file
// holds: loading, saving and loading again gives the same description and
// items, saving again the same bytes, through memory and through a real file;
// appending adds exactly one item; a name the rules accept names a file in
// the chart folder and nowhere else. Built by scripts/fuzz-charts.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "ChartFile.h"

namespace {

#define FUZZ_CHECK(cond)                                                      \
    do {                                                                      \
        if (!(cond)) {                                                        \
            std::fprintf(stderr, "check failed: %s (line %d)\n", #cond, __LINE__); \
            std::abort();                                                     \
        }                                                                     \
    } while (0)

// A folder in memory when there is one: every save is synced to disk.
const QString& Folder() {
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/qf-chart-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/qf-chart-fuzz-XXXXXX"));
    static const QString folder = dir.path() + QLatin1Char('/');
    return folder;
}

bool SameLists(const ChartContent& a, const ChartContent& b) {
    if (a.Description != b.Description || a.Items.size() != b.Items.size()) return false;
    for (qsizetype i = 0; i < a.Items.size(); ++i)
        if (a.Items[i].Text != b.Items[i].Text || a.Items[i].Code != b.Items[i].Code) return false;
    return true;
}

void CheckRoundTrip(const QByteArray& bytes) {
    const ChartContent first = ChartFile::Parse(bytes);
    const QByteArray saved = ChartFile::Serialize(first);
    FUZZ_CHECK(saved.startsWith("DESC:") && saved.endsWith("\r\n"));
    const ChartContent again = ChartFile::Parse(saved);
    FUZZ_CHECK(SameLists(first, again));
    FUZZ_CHECK(ChartFile::Serialize(again) == saved);
    for (const ChartItem& item : first.Items) {
        FUZZ_CHECK(!item.Text.startsWith(QLatin1String("DESC:")));
        FUZZ_CHECK(!item.Text.contains(QLatin1Char('~')));
        ChartFile::KindOf(item.Text);
        // A map drawn has notes, and they are the code up to its first "~".
        if (const auto map = ChartFile::ParseMapCode(item.Code))
            FUZZ_CHECK(!map->Notes.trimmed().isEmpty() && item.Code.startsWith(map->Notes + QLatin1Char('~')));
    }

    // The same through a file, then one line appended.
    const QString path = ChartFile::PathOf(Folder(), QStringLiteral("Fuzz"));
    FUZZ_CHECK(ChartFile::WriteBytes(path, bytes));
    ChartContent read;
    FUZZ_CHECK(ChartFile::Read(path, &read) == ChartFile::ReadStatus::Ok);
    FUZZ_CHECK(SameLists(read, first));
    FUZZ_CHECK(ChartFile::Write(path, read));
    FUZZ_CHECK(ChartFile::Read(path, &read) == ChartFile::ReadStatus::Ok);
    FUZZ_CHECK(SameLists(read, first));
    FUZZ_CHECK(ChartFile::WriteBytes(path, bytes));
    FUZZ_CHECK(ChartFile::Append(path, QStringLiteral("Chord: E 7 (3)"), QStringLiteral("0,6,7,3,6,2,7,4,5,1,0,6")));
    FUZZ_CHECK(ChartFile::Read(path, &read) == ChartFile::ReadStatus::Ok);
    FUZZ_CHECK(read.Description == first.Description && read.Items.size() == first.Items.size() + 1);
    FUZZ_CHECK(read.Items.back().Line() == QLatin1String("Chord: E 7 (3)~0,6,7,3,6,2,7,4,5,1,0,6"));
}

void CheckName(const QByteArray& bytes) {
    QString name;
    if (ChartFile::CheckNewName(QString::fromUtf8(bytes), Folder(), &name) != ChartFile::NameProblem::None) return;
    // The limit is in characters; no control character, C1 included, gets through.
    FUZZ_CHECK(!name.isEmpty() && name.toUcs4().size() <= ChartFile::kMaxNameLength && name == name.trimmed());
    for (const QChar c : name) FUZZ_CHECK(c.category() != QChar::Other_Control);
    const QString path = ChartFile::PathOf(Folder(), name);
    const QFileInfo info(path);
    FUZZ_CHECK(info.absolutePath() + QLatin1Char('/') == Folder());
    FUZZ_CHECK(info.fileName() == name + QLatin1String(".cht"));
    FUZZ_CHECK(ChartFile::CreateEmpty(path));
    FUZZ_CHECK(ChartFile::ListCharts(Folder()).contains(name));
    FUZZ_CHECK(ChartFile::Remove(path));
}

}  // namespace

// The chart folder comes from the program's data folder; here it is a scratch one.
namespace AppPaths {
QString GetAppPath() { return Folder(); }
}  // namespace AppPaths

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckRoundTrip(bytes);
    if (size <= 64) CheckName(bytes);
    return 0;
}
