#include "MIDI_OUT.h"

#include <QCoreApplication>
#include <QListWidget>
#include <string>

#include "MidiOutDriver.h"
#include "MidiOutPort.h"
#include "MidiOutSystem.h"
#include "Prompter.h"

MIDI_OUT::MIDI_OUT(QObject* parent)
    : QObject(parent), ownDriver_(std::make_unique<MidiOutSystem>()), driver_(*ownDriver_) {
    closeOnQuit();
}

MIDI_OUT::MIDI_OUT(MidiOutDriver& driver, QObject* parent) : QObject(parent), driver_(driver) { closeOnQuit(); }

void MIDI_OUT::closeOnQuit() {
    // Quitting closes the output while everything it uses (the synthesizer's
    // audio thread, its log) is still there, before any static is destroyed.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &MIDI_OUT::CloseDevice);
}

MIDI_OUT::~MIDI_OUT() { CloseDevice(); }

void MIDI_OUT::LoadDeviceList(QListWidget& List) {
    List.clear();
    auto add = [&List](const std::string& name, int deviceId) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), &List);
        item->setData(Qt::UserRole, deviceId);
    };
    std::string name;
    if (driver_.DeviceName(MidiOutDriver::kMapper, &name) == MidiOutDriver::Ok) add(name, MidiOutDriver::kMapper);
    const int count = driver_.DeviceCount();
    for (int i = 0; i < count; ++i) {
        name.clear();
        if (driver_.DeviceName(i, &name) == MidiOutDriver::Ok) add(name, i);
    }
}

void MIDI_OUT::CloseDevice() {
    std::unique_ptr<MidiOutPort> port = std::move(hMidiOut_);
    if (!port) return;
    const int result = port->Close();
    port.reset();
    const bool wasLoading = loading_;
    loading_ = false;
    if (result != MidiOutDriver::Ok) ShowMidiError(result);
    if (wasLoading) emit LoadingEnded();
}

bool MIDI_OUT::OpenDevice(int16_t DeviceID) {
    CloseDevice();
    std::unique_ptr<MidiOutPort> port;
    const int result = driver_.Open(DeviceID, &port);
    if (result != MidiOutDriver::Ok) {
        port.reset();
        ShowMidiError(result);
    }
    hMidiOut_ = std::move(port);
    if (hMidiOut_) watchPort();
    return IsOpen();
}

void MIDI_OUT::watchPort() {
    const quint64 serial = ++portSerial_;
    // The port tells from a thread of its own; its news is taken here, on
    // this object's thread, and only while that port is still the open one.
    hMidiOut_->OnChange([this, serial] {
        QMetaObject::invokeMethod(this, [this, serial] { portChanged(serial); }, Qt::QueuedConnection);
    });
    portChanged(serial);  // what it was before it could tell
}

void MIDI_OUT::portChanged(quint64 serial) {
    if (serial != portSerial_ || !hMidiOut_) return;
    std::string detail;
    const int failure = hMidiOut_->Failure(&detail);
    const bool wasLoading = loading_;
    loading_ = failure == MidiOutDriver::Ok && hMidiOut_->Loading();
    if (failure != MidiOutDriver::Ok) {
        // As after a failed open: nothing open, sends go nowhere.
        std::unique_ptr<MidiOutPort> port = std::move(hMidiOut_);
        port->Close();
        port.reset();
        showMidiError(failure, detail);
    }
    if (wasLoading && !loading_) emit LoadingEnded();
}

bool MIDI_OUT::IsOpen() const { return hMidiOut_ != nullptr; }

bool MIDI_OUT::IsLoading() const { return hMidiOut_ && loading_; }

void MIDI_OUT::Wake() {
    if (!hMidiOut_) return;
    hMidiOut_->Wake();
    portChanged(portSerial_);
}

void MIDI_OUT::AllNotesOff() {
    for (int16_t channel = 0; channel <= 15; ++channel) {
        ControlChange(channel, 120, 0);
        ControlChange(channel, 123, 0);
    }
}

void MIDI_OUT::SetInstrument(int16_t Channel, int16_t Bank, int16_t Program) {
    ControlChange(Channel, 0, Bank);
    SendShortMsg(static_cast<int16_t>(0xC0 + Channel), Program, 0);
}

void MIDI_OUT::ControlChange(int16_t Channel, int16_t Controller, int16_t Value) {
    SendShortMsg(static_cast<int16_t>(0xB0 + Channel), Controller, Value);
}

void MIDI_OUT::SendShortMsg(int16_t Status, int16_t Data1, int16_t Data2) {
    if (hMidiOut_) hMidiOut_->Send(static_cast<uint32_t>(PackShortMsg(Status, Data1, Data2)));
}

int32_t MIDI_OUT::PackShortMsg(int16_t Status, int16_t Data1, int16_t Data2) {
    return (Status & 0xFF) | ((Data1 & 0x7F) << 8) | ((Data2 & 0x7F) << 16);
}

void MIDI_OUT::ShowMidiError(int ErrorCode) { showMidiError(ErrorCode, std::string()); }

void MIDI_OUT::showMidiError(int code, const std::string& detail) {
    QString text = QStringLiteral(
        "\r\nMIDI Device in use. Check your MIDI devices and make sure they are \r\n"
        "working correctly and\\or are not already in use, then re-start the application.");
    std::string reason = driver_.ErrorText(code);
    if (!detail.empty()) reason += (reason.empty() ? "" : "\r\n") + detail;
    if (!reason.empty()) text += QStringLiteral("\r\n\r\n") + QString::fromStdString(reason);
    Prompter::Current().Message(text, QStringLiteral("MIDI Device Error"), Prompter::Icon::Exclamation);
}
