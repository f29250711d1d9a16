#pragma once
// The program's MIDI output: lists the output devices, keeps at most one of
// them open and sends it short messages (note-on, control and program
// change). With no output open, sends go nowhere, silently.
//
// The main window creates one at start-up, hands it to the MIDI panel (which
// hands it to its settings dialog) and closes it at shutdown. It also closes
// itself when the application quits and when it is destroyed. Everything
// runs on the user-interface thread.
//
// The built-in synthesizer opens in the background (its soundfont takes a
// while to load): until it is ready the output is loading, and what is sent
// meanwhile plays, in order, once it is. A failure then is reported as a
// failed open is, and leaves no output open. It loads again for a moment
// when Wake starts its sound output after a silence.

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

class MidiOutDriver;
class MidiOutPort;
class QListWidget;

class MIDI_OUT : public QObject {
    Q_OBJECT
public:
    // The system's devices: the built-in synthesizer as the mapper (-1), then
    // the sequencer's output ports.
    explicit MIDI_OUT(QObject* parent = nullptr);
    // Devices from `driver`, which must outlive this object (tests, benchmarks).
    explicit MIDI_OUT(MidiOutDriver& driver, QObject* parent = nullptr);
    ~MIDI_OUT() override;

    // Fills List with the output devices, the mapper first when present; each
    // entry's data (Qt::UserRole) is the device number to open (-1 = mapper).
    void LoadDeviceList(QListWidget& List);
    // Closes the open output, then opens DeviceID; a failure is reported and
    // leaves no output open. True when an output is then open.
    bool OpenDevice(int16_t DeviceID);
    // Closes the open output, if any; a failed close is reported.
    void CloseDevice();
    bool IsOpen() const;
    // The open output is still getting ready.
    bool IsLoading() const;
    // A playback is about to begin: an output resting gets ready (the
    // built-in synthesizer's sound output, stopped while silent, starts
    // again), loading meanwhile.
    void Wake();

    // All sound off (controller 120) and all notes off (123) on channels 0 to 15.
    void AllNotesOff();
    // Bank select (controller 0), then the program change.
    void SetInstrument(int16_t Channel, int16_t Bank, int16_t Program);
    void ControlChange(int16_t Channel, int16_t Controller, int16_t Value);
    void SendShortMsg(int16_t Status, int16_t Data1, int16_t Data2);
    // Status + Data1 * 256 + Data2 * 65536, each byte kept within its range.
    static int32_t PackShortMsg(int16_t Status, int16_t Data1, int16_t Data2);

    // The "MIDI Device Error" message, with what the driver knows of the failure.
    void ShowMidiError(int ErrorCode);

signals:
    // The output that was loading is ready, has failed (reported, closed) or
    // was closed.
    void LoadingEnded();

private:
    void closeOnQuit();
    void watchPort();
    void portChanged(quint64 serial);
    void showMidiError(int code, const std::string& detail);

    std::unique_ptr<MidiOutDriver> ownDriver_;  // the system's, when no driver was given
    MidiOutDriver& driver_;
    std::unique_ptr<MidiOutPort> hMidiOut_;
    bool loading_ = false;
    quint64 portSerial_ = 0;  // tells the open port's news from a closed one's
};
