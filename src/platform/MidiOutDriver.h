#pragma once
// Where MIDI output devices come from: how many there are, their names, and
// opening one. Device -1 is the mapper, the default output. Every call gives
// 0 for success or one of the result codes below, which ErrorText explains.

#include <memory>
#include <string>

#include "MidiOutPort.h"

class MidiOutDriver {
public:
    enum Result : int {
        Ok = 0,
        BadDevice = 1,      // no device of that number
        NoSoundfont = 2,    // the built-in synthesizer has no soundfont to play
        NoAudioOutput = 3,  // the built-in synthesizer cannot reach the sound output
        PortBusy = 4,       // a MIDI port refused the connection
        NoSequencer = 5,    // the MIDI port system is not available
        DriverFailed = 6,   // anything else
    };
    static constexpr int kMapper = -1;

    virtual ~MidiOutDriver() = default;

    // Numbered devices 0..n-1; the mapper is not counted.
    virtual int DeviceCount() = 0;
    // The product name of device deviceId (-1 = the mapper).
    virtual int DeviceName(int deviceId, std::string* name) = 0;
    // Opens device deviceId; on success *port holds the open output.
    virtual int Open(int deviceId, std::unique_ptr<MidiOutPort>* port) = 0;

    // A text the user can act on; drivers add what they learnt of the last failure.
    virtual std::string ErrorText(int result) const;
};
