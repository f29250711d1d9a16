#include "MidiOutSequencerPort.h"

#include <rtmidi/RtMidi.h>

#include <filesystem>
#include <vector>

#include "MidiOutDriver.h"

namespace {

const char* const kClientName = "Quillfret Pro";

// Without the sequencer device, RtMidi would print its failure before it
// throws; asking the file system first keeps start-up quiet.
bool sequencerPresent() {
    std::error_code ec;
    return std::filesystem::exists("/dev/snd/seq", ec);
}

// Errors reach the callback instead of becoming exceptions or printed warnings.
void keepError(RtMidiError::Type, const std::string& text, void* user) {
    *static_cast<std::string*>(user) = text;
}

// An open port's errors (a send to a port that went away, closing it) are
// dropped, as a failed send is; without a callback RtMidi would print them
// or throw.
void dropError(RtMidiError::Type, const std::string&, void*) {}

std::unique_ptr<RtMidiOut> makeClient(std::string* error) {
    if (!sequencerPresent()) {
        *error = "No /dev/snd/seq.";
        return nullptr;
    }
    try {
        auto out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
        out->setErrorCallback(keepError, error);
        return out;
    } catch (const RtMidiError& e) {
        *error = e.getMessage();
    } catch (const std::exception& e) {
        *error = e.what();
    }
    return nullptr;
}

int sendLength(uint32_t status) {
    switch (status & 0xF0) {
        case 0xC0:
        case 0xD0: return 2;
        default: return 3;
    }
}

}  // namespace

MidiOutSequencerPort::MidiOutSequencerPort(std::unique_ptr<RtMidiOut> out) : out_(std::move(out)) {
    // The callback that Open set writes to its own text, which dies with it.
    out_->setErrorCallback(dropError);
}

MidiOutSequencerPort::~MidiOutSequencerPort() = default;

int MidiOutSequencerPort::PortCount() {
    std::string error;
    auto client = makeClient(&error);
    return client ? static_cast<int>(client->getPortCount()) : 0;
}

int MidiOutSequencerPort::PortName(int port, std::string* name) {
    std::string error;
    auto client = makeClient(&error);
    if (!client) return MidiOutDriver::NoSequencer;
    if (port < 0 || static_cast<unsigned>(port) >= client->getPortCount()) return MidiOutDriver::BadDevice;
    error.clear();
    *name = client->getPortName(static_cast<unsigned>(port));
    return error.empty() ? MidiOutDriver::Ok : MidiOutDriver::BadDevice;
}

std::unique_ptr<MidiOutSequencerPort> MidiOutSequencerPort::Open(int port, int* result,
                                                                 std::string* detail) {
    std::string error;
    auto client = makeClient(&error);
    if (!client) {
        *result = MidiOutDriver::NoSequencer;
        *detail = error;
        return nullptr;
    }
    if (port < 0 || static_cast<unsigned>(port) >= client->getPortCount()) {
        *result = MidiOutDriver::BadDevice;
        detail->clear();
        return nullptr;
    }
    error.clear();
    try {
        client->openPort(static_cast<unsigned>(port), kClientName);
    } catch (const RtMidiError& e) {
        error = e.getMessage();
    }
    if (!client->isPortOpen()) {
        *result = MidiOutDriver::PortBusy;
        *detail = error;
        return nullptr;
    }
    *result = MidiOutDriver::Ok;
    detail->clear();
    return std::unique_ptr<MidiOutSequencerPort>(new MidiOutSequencerPort(std::move(client)));
}

void MidiOutSequencerPort::Send(uint32_t message) {
    const unsigned char bytes[3] = {static_cast<unsigned char>(message & 0xFF),
                                    static_cast<unsigned char>((message >> 8) & 0x7F),
                                    static_cast<unsigned char>((message >> 16) & 0x7F)};
    try {
        out_->sendMessage(bytes, static_cast<size_t>(sendLength(message)));
    } catch (const std::exception&) {
        // A port that went away: sends fail silently, as on a closed output.
    }
}
