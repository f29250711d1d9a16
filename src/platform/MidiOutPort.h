#pragma once
// One open MIDI output. Messages are short messages: status byte in bits 0-7,
// first data byte in bits 8-15, second in bits 16-23.
//
// Most outputs work as soon as they are open. One that opens in the
// background (the built-in synthesizer loading its soundfont) is Loading
// until it is ready or has failed, and keeps what is sent meanwhile for
// then; it is Loading again while it wakes from a rest (a sound output
// stopped while silent), and it can fail later (its sound output lost).
// Failed, it sends nowhere.

#include <cstdint>
#include <functional>
#include <string>

class MidiOutPort {
public:
    virtual ~MidiOutPort() = default;

    virtual void Send(uint32_t message) = 0;

    // Closes the output: 0 on success, else a MidiOutDriver result code.
    // The port is closed afterwards either way.
    virtual int Close() { return 0; }

    virtual bool Loading() const { return false; }
    // 0 while the output works, else the MidiOutDriver result code of its
    // failure, with *detail what went wrong.
    virtual int Failure(std::string* detail) const {
        (void)detail;
        return 0;
    }
    // A playback is about to begin: an output resting gets ready (Loading
    // meanwhile), so that its first notes are not late.
    virtual void Wake() {}
    // `changed` runs whenever Loading or Failure changes, on the port's own
    // thread, never once the port is closed: Close returns only after a run
    // in progress has ended. Outputs that open at once never change.
    virtual void OnChange(std::function<void()> changed) { (void)changed; }
};
