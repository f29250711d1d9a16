#pragma once
// One open MIDI output. Messages are short messages: status byte in bits 0-7,
// first data byte in bits 8-15, second in bits 16-23.

#include <cstdint>

class MidiOutPort {
public:
    virtual ~MidiOutPort() = default;

    virtual void Send(uint32_t message) = 0;

    // Closes the output: 0 on success, else a MidiOutDriver result code.
    // The port is closed afterwards either way.
    virtual int Close() { return 0; }
};
