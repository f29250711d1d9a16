#pragma once
// The one MIDI output of the program: listing, opening and closing devices,
// and sending short messages to whichever device is open. With no output open
// sends go nowhere, silently. All on the user-interface thread.

#include <QString>
#include <cstdint>
#include <functional>

class MidiOutDriver;
class QListWidget;

namespace MIDI_OUT {

// Fills List with the output devices, the mapper first when present; each
// entry's data (Qt::UserRole) is the device number to open (-1 = mapper).
void LoadDeviceList(QListWidget& List);
// Closes the open output, if any; a failed close is reported.
void CloseDevice();
// Closes the open output, then opens DeviceID; a failure is reported and
// leaves no output open. True when an output is then open.
bool OpenDevice(int16_t DeviceID);
bool IsOpen();

void SetInstrument(int16_t Channel, int16_t Bank, int16_t Program);
void ControlChange(int16_t Channel, int16_t Controller, int16_t Value);
void SendShortMsg(int16_t Status, int16_t Data1, int16_t Data2);
// Status + Data1 * 256 + Data2 * 65536, each byte kept within its range.
int32_t PackShortMsg(int16_t Status, int16_t Data1, int16_t Data2);

// The "MIDI Device Error" message, with what the driver knows of the failure.
void ShowMidiError(int ErrorCode);
QString MidiErrorText(int ErrorCode);

// Where devices come from: nullptr gives the system's (built-in synthesizer
// and sequencer ports). Closes the open output first, without a message.
void SetDriver(MidiOutDriver* driver);
// Who shows the error message (title, text); nullptr gives a message box.
void SetErrorPresenter(std::function<void(const QString&, const QString&)> presenter);

}  // namespace MIDI_OUT
