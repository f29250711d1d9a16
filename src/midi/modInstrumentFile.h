#pragma once
// The instrument-name file "genmidi.txt" in the program's data folder: one
// name per line, line n naming General MIDI program n.

#include <QString>
#include <QStringList>

namespace modInstrumentFile {

constexpr int kPrograms = 128;

// GetAppPath() & "genmidi.txt".
QString InstrumentFilePath();
// The program's own names of the 128 programs, in program order.
const QStringList& InstrumentNames();
// Writes the 128 names, each line ended by CR LF, replacing the file.
// False when the file cannot be written.
bool WriteInstrumentFile();
// The file's lines as the instrument list: always kPrograms entries, so that
// every entry is a program that can be sent. Lines past the last program are
// left out; programs the file does not name (a short, empty or unreadable
// file) keep their built-in names.
QStringList ReadInstrumentNames(const QString& fileName);

}  // namespace modInstrumentFile
