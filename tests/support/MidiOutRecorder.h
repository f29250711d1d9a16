#pragma once
// A MIDI output that keeps every short message with the time it was sent (on
// the monotonic clock), for tests and benchmarks. Its devices are whatever the
// test sets up; any of them can be made to fail on open, or to open loading
// (as the built-in synthesizer does) until the test ends the loading. It
// counts the Wake calls its ports get.

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "MidiOutDriver.h"

class MidiOutRecorder : public MidiOutDriver {
public:
    using Clock = std::chrono::steady_clock;
    struct Message {
        uint32_t value;
        Clock::time_point time;
        int device;  // the device it was sent to
    };

    // Starts with the mapper "Recorder" and no numbered devices.
    MidiOutRecorder();
    ~MidiOutRecorder() override;

    void SetDevices(bool withMapper, std::vector<std::string> names);
    // Opening deviceId gives `result` (0 again lets it open).
    void SetOpenResult(int deviceId, int result);
    // Ports opened from now on are loading until FinishLoading.
    void SetOpensLoading(bool loading);
    // The open port stops loading: ready (0) or failed with `result`; its
    // owner hears of it as from the port's own thread.
    void FinishLoading(int result = Ok, const std::string& detail = std::string());

    int DeviceCount() override;
    int DeviceName(int deviceId, std::string* name) override;
    int Open(int deviceId, std::unique_ptr<MidiOutPort>* port) override;

    const std::vector<Message>& Messages() const;
    std::vector<uint32_t> Values() const;
    void Clear();
    // Wake calls on the ports opened, as a playback to come asks for them.
    int WakeCount() const;
    int OpenCount() const;
    int CloseCount() const;
    // The device of the open port, or nothing open.
    bool IsOpen(int* deviceId = nullptr) const;

    // Runs after each message is kept (a test can react to a given note).
    void SetListener(std::function<void(const Message&)> listener);

private:
    struct Log;
    class Port;
    std::shared_ptr<Log> log_;
    bool withMapper_ = true;
    bool opensLoading_ = false;
    std::vector<std::string> names_;
    std::map<int, int> openResults_;
};
