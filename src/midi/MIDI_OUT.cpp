#include "MIDI_OUT.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <memory>
#include <string>

#include "MidiOutDriver.h"
#include "MidiOutPort.h"
#include "MidiOutSystem.h"

namespace MIDI_OUT {
namespace {

struct State {
    MidiOutDriver* driver = nullptr;
    std::unique_ptr<MidiOutPort> hMidiOut;
    std::function<void(const QString&, const QString&)> presenter;
};

State& state() {
    static State s;
    return s;
}

MidiOutDriver& driver() {
    State& s = state();
    if (s.driver) return *s.driver;
    static MidiOutSystem system;
    return system;
}

void showMessageBox(const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox::warning(QApplication::activeWindow(), title, shown);
}

}  // namespace

void LoadDeviceList(QListWidget& List) {
    List.clear();
    MidiOutDriver& d = driver();
    auto add = [&List](const std::string& name, int deviceId) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), &List);
        item->setData(Qt::UserRole, deviceId);
    };
    std::string name;
    if (d.DeviceName(MidiOutDriver::kMapper, &name) == MidiOutDriver::Ok) add(name, MidiOutDriver::kMapper);
    const int count = d.DeviceCount();
    for (int i = 0; i < count; ++i) {
        name.clear();
        if (d.DeviceName(i, &name) == MidiOutDriver::Ok) add(name, i);
    }
}

void CloseDevice() {
    std::unique_ptr<MidiOutPort> port = std::move(state().hMidiOut);
    if (!port) return;
    const int result = port->Close();
    port.reset();
    if (result != MidiOutDriver::Ok) ShowMidiError(result);
}

bool OpenDevice(int16_t DeviceID) {
    CloseDevice();
    std::unique_ptr<MidiOutPort> port;
    const int result = driver().Open(DeviceID, &port);
    if (result != MidiOutDriver::Ok) {
        port.reset();
        ShowMidiError(result);
    }
    state().hMidiOut = std::move(port);
    return IsOpen();
}

bool IsOpen() { return state().hMidiOut != nullptr; }

void SetInstrument(int16_t Channel, int16_t Bank, int16_t Program) {
    ControlChange(Channel, 0, Bank);
    SendShortMsg(static_cast<int16_t>(0xC0 + Channel), Program, 0);
}

void ControlChange(int16_t Channel, int16_t Controller, int16_t Value) {
    SendShortMsg(static_cast<int16_t>(0xB0 + Channel), Controller, Value);
}

void SendShortMsg(int16_t Status, int16_t Data1, int16_t Data2) {
    MidiOutPort* port = state().hMidiOut.get();
    if (port) port->Send(static_cast<uint32_t>(PackShortMsg(Status, Data1, Data2)));
}

int32_t PackShortMsg(int16_t Status, int16_t Data1, int16_t Data2) {
    return (Status & 0xFF) | ((Data1 & 0x7F) << 8) | ((Data2 & 0x7F) << 16);
}

QString MidiErrorText(int ErrorCode) {
    QString text = QStringLiteral(
        "\r\nMIDI Device in use. Check your MIDI devices and make sure they are \r\n"
        "working correctly and\\or are not already in use, then re-start the application.");
    const std::string reason = driver().ErrorText(ErrorCode);
    if (!reason.empty()) text += QStringLiteral("\r\n\r\n") + QString::fromStdString(reason);
    return text;
}

void ShowMidiError(int ErrorCode) {
    const QString title = QStringLiteral("MIDI Device Error");
    const QString text = MidiErrorText(ErrorCode);
    if (state().presenter)
        state().presenter(title, text);
    else
        showMessageBox(title, text);
}

void SetDriver(MidiOutDriver* newDriver) {
    state().hMidiOut.reset();
    state().driver = newDriver;
}

void SetErrorPresenter(std::function<void(const QString&, const QString&)> presenter) {
    state().presenter = std::move(presenter);
}

}  // namespace MIDI_OUT
