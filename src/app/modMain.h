#pragma once
// Start-up of the program: one instance, the splash window, the main window.

#include <QStringList>
#include <cstdint>

class MidiOutDriver;
class QApplication;
class frmMain;

namespace modMain {

// The "already running" check. False when another instance holds the lock:
// that instance is asked to bring its main window to the front, and this
// process then ends; when the command line, taken as one text, is exactly
// "ziridezar", the message is shown first. True when this is the first
// instance: it then brings its main window to the front at each such request.
bool FirstInstance(const QStringList& arguments);
// The application's name, version, icon and desktop entry, and that it
// does not end with its last window: the program and the start-up probe
// describe themselves alike. Call once the QApplication exists.
void DescribeApplication();
// Shows the splash with the version, creates, loads and shows the main
// window (gMain), and closes the splash. Its MIDI devices come from
// `driver` when one is given (tests, benchmarks), else from the system.
void ShowMainWindow(MidiOutDriver* driver = nullptr);
// The program's entry: the two steps above, then the window's events until
// it closes. Returns the process's exit code.
int Main(QApplication& app);
// Releases the main window and the instance lock.
void Shutdown();

// The one main window, or null.
frmMain* gMain();

// Counts this run in "First" and returns the count: 1 on the first run,
// 2 from the second on (a stored count of 2 or more is kept).
int16_t GetRunCount();

}  // namespace modMain
