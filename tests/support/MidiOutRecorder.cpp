#include "MidiOutRecorder.h"

struct MidiOutRecorder::Log {
    Port* openPort = nullptr;
    std::vector<Message> messages;
    std::function<void(const Message&)> listener;
    int openCount = 0;
    int closeCount = 0;
    int wakeCount = 0;
    int openDevice = 0;
    bool open = false;
};

// Shares the log, so that a port closed after its recorder is gone stays harmless.
class MidiOutRecorder::Port : public MidiOutPort {
public:
    Port(std::shared_ptr<Log> log, int device, bool loading)
        : log_(std::move(log)), device_(device), loading_(loading) {
        ++log_->openCount;
        log_->open = true;
        log_->openDevice = device_;
        log_->openPort = this;
    }
    ~Port() override { Close(); }

    void Send(uint32_t message) override {
        if (closed_) return;
        log_->messages.push_back({message, Clock::now(), device_});
        if (log_->listener) {
            auto listener = log_->listener;  // a listener may replace itself
            listener(log_->messages.back());
        }
    }

    int Close() override {
        if (closed_) return Ok;
        closed_ = true;
        ++log_->closeCount;
        log_->open = false;
        if (log_->openPort == this) log_->openPort = nullptr;
        return Ok;
    }

    void Wake() override {
        if (!closed_) ++log_->wakeCount;
    }
    bool Loading() const override { return loading_; }
    int Failure(std::string* detail) const override {
        if (detail) *detail = detail_;
        return failure_;
    }
    void OnChange(std::function<void()> changed) override { changed_ = std::move(changed); }

    void Finish(int result, const std::string& detail) {
        loading_ = false;
        failure_ = result;
        detail_ = detail;
        if (changed_) changed_();
    }

private:
    std::shared_ptr<Log> log_;
    int device_;
    bool closed_ = false;
    bool loading_;
    int failure_ = Ok;
    std::string detail_;
    std::function<void()> changed_;
};

MidiOutRecorder::MidiOutRecorder() : log_(std::make_shared<Log>()) {}

MidiOutRecorder::~MidiOutRecorder() = default;

void MidiOutRecorder::SetDevices(bool withMapper, std::vector<std::string> names) {
    withMapper_ = withMapper;
    names_ = std::move(names);
}

void MidiOutRecorder::SetOpenResult(int deviceId, int result) { openResults_[deviceId] = result; }

void MidiOutRecorder::SetOpensLoading(bool loading) { opensLoading_ = loading; }

void MidiOutRecorder::FinishLoading(int result, const std::string& detail) {
    if (log_->openPort) log_->openPort->Finish(result, detail);
}

int MidiOutRecorder::DeviceCount() { return static_cast<int>(names_.size()); }

int MidiOutRecorder::DeviceName(int deviceId, std::string* name) {
    if (deviceId == kMapper && withMapper_) {
        *name = "Recorder";
        return Ok;
    }
    if (deviceId < 0 || deviceId >= DeviceCount()) return BadDevice;
    *name = names_[static_cast<size_t>(deviceId)];
    return Ok;
}

int MidiOutRecorder::Open(int deviceId, std::unique_ptr<MidiOutPort>* port) {
    port->reset();
    const bool exists = (deviceId == kMapper && withMapper_) || (deviceId >= 0 && deviceId < DeviceCount());
    if (!exists) return BadDevice;
    const auto it = openResults_.find(deviceId);
    if (it != openResults_.end() && it->second != Ok) return it->second;
    *port = std::make_unique<Port>(log_, deviceId, opensLoading_);
    return Ok;
}

const std::vector<MidiOutRecorder::Message>& MidiOutRecorder::Messages() const { return log_->messages; }

std::vector<uint32_t> MidiOutRecorder::Values() const {
    std::vector<uint32_t> values;
    values.reserve(log_->messages.size());
    for (const Message& m : log_->messages) values.push_back(m.value);
    return values;
}

void MidiOutRecorder::Clear() { log_->messages.clear(); }

int MidiOutRecorder::WakeCount() const { return log_->wakeCount; }

int MidiOutRecorder::OpenCount() const { return log_->openCount; }

int MidiOutRecorder::CloseCount() const { return log_->closeCount; }

bool MidiOutRecorder::IsOpen(int* deviceId) const {
    if (log_->open && deviceId) *deviceId = log_->openDevice;
    return log_->open;
}

void MidiOutRecorder::SetListener(std::function<void(const Message&)> listener) {
    log_->listener = std::move(listener);
}
