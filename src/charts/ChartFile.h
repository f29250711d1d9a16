#pragma once
// Chart files: one plain text file per chart, "<name>.cht" in the chart
// folder. The first line "DESC:" holds the description; every other line is
// an item: its display text, "~", and its code (a map's code holds a second
// "~"). Read with LF or CR LF endings, written with CR LF after every line in
// a single-byte code page (Latin-1). Every write is whole or not at all.
// No widgets here: the panel, the viewer and the main window call this.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct ChartItem {
    QString Text;          // everything before the first "~"
    QString Code;          // everything after the first "~"; "" when the line has none
    bool HasCode = false;  // the line held a "~"

    // The item as a chart line: text, "~", code.
    QString Line() const { return Text + QLatin1Char('~') + Code; }
};

struct ChartContent {
    QString Description;
    QVector<ChartItem> Items;
};

namespace ChartFile {

// The kind of an item, told case-sensitively by the beginning of its display text.
enum class Kind { Chord, Scale, Map, Text };
Kind KindOf(const QString& text);

// The root of the name between the first and second ":" of a chord's or
// scale's display text: "Chord: Bb7 (1)" gives "Bb".
QString RootOf(const QString& displayText);

// A map flag, read as every stored Boolean is (PlainText::ParseBool):
// "True"/"False" in any letter case, or a whole number (0 = False, any other
// = True). Nothing else.
std::optional<bool> ParseMapFlag(const QString& text);

// A map item's code: the note list (root first), "~", the flag; anything
// after a second "~" is dropped.
struct MapCode {
    QString Notes;
    bool Flag = false;
};
// Nothing when the code has no "~", its flag does not read, or its note list
// is blank: such a map has nothing to draw, and is shown as its label alone.
std::optional<MapCode> ParseMapCode(const QString& code);

// The chart folder: the program's data folder & "Charts/".
QString ChartFolder();
// folder & name & ".cht"; folder ends in "/".
QString PathOf(const QString& folder, const QString& name);
// Creates the folder when it is missing. False (and why) when it cannot be made.
bool EnsureFolder(const QString& folder, QString* error = nullptr);
// The charts of a folder: regular, visible files ending in ".cht" (exact case),
// named without the extension, sorted by name regardless of case.
QStringList ListCharts(const QString& folder);

// One item line split at its first "~".
ChartItem ParseItemLine(const QString& line);
// The lines of a chart file (ended by CR LF, LF or CR): "DESC:" lines
// (anywhere) make the description, with every "DESC:" taken out and the texts
// joined; empty and blank lines are skipped; every other line is an item.
ChartContent Parse(const QByteArray& bytes);
// "DESC:" & description, then one line per item, each ended by CR LF.
QByteArray Serialize(const ChartContent& content);

enum class ReadStatus { Ok, NotFound, Unreadable };
ReadStatus Read(const QString& path, ChartContent* content, QString* error = nullptr);

// Replaces the file with the content, atomically. A read-only file, or any
// failure, leaves the old file whole and gives false and the reason.
bool Write(const QString& path, const ChartContent& content, QString* error = nullptr);
// The same for bytes written as they stand.
bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Adds one item line at the end of an existing file, ending a last line that
// has no line ending first. True only once the line is on disk; a missing file
// is not created.
bool Append(const QString& path, const QString& text, const QString& code, QString* error = nullptr);
// Creates an empty chart file; fails when a file of that name exists.
bool CreateEmpty(const QString& path, QString* error = nullptr);
// Deletes a chart file; a read-only one is refused and kept. A file that is
// already gone counts as deleted.
bool Remove(const QString& path, QString* error = nullptr);

// A name typed for a new chart, trimmed into *name.
enum class NameProblem {
    None,
    Empty,         // nothing but blanks
    TooLong,       // 18 characters or more (a character outside the BMP counts once)
    BadCharacter,  // "/", "\", a control character (C0, DEL, C1), < > : " | ? *,
                   // half a surrogate pair, or a leading "."
    Exists,        // the folder holds name & ".cht" in some letter case
};
NameProblem CheckNewName(const QString& typed, const QString& folder, QString* name);

constexpr int kMaxNameLength = 17;

}  // namespace ChartFile
