#pragma once
// Shared fixture pieces for the MIDI tests: an output on a recording device,
// captured error messages, clean settings, and a readable form of message
// sequences.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "MIDI_OUT.h"
#include "MidiOutRecorder.h"
#include "QtPrinters.h"
#include "RecordingPrompter.h"
#include "TestSettings.h"
#include "ctlMIDI.h"

namespace miditest {

using testsettings::ClearSettings;
using testsettings::SetSetting;
using testsettings::Setting;

// The 32 messages of all-notes-off: controllers 120 and 123 on every channel.
inline std::vector<uint32_t> AllNotesOffValues() {
    std::vector<uint32_t> values;
    for (uint32_t channel = 0; channel < 16; ++channel) {
        values.push_back(0xB0 + channel + (120u << 8));
        values.push_back(0xB0 + channel + (123u << 8));
    }
    return values;
}

// Messages as words: "off" for a whole all-notes-off, the note number of a
// note-on at velocity 127, "prog25" for bank select 0 and program change 25
// on channel 0, hex for anything else; "|" where a playback step's wait began.
inline std::string Tokens(const std::vector<uint32_t>& values, const std::vector<size_t>& marks = {}) {
    static const std::vector<uint32_t> off = AllNotesOffValues();
    std::string out;
    auto word = [&out](const std::string& w) {
        if (!out.empty()) out += ' ';
        out += w;
    };
    size_t mark = 0;
    auto marksAt = [&](size_t i) {
        while (mark < marks.size() && marks[mark] <= i) {
            word("|");
            ++mark;
        }
    };
    size_t i = 0;
    while (i < values.size()) {
        marksAt(i);
        const uint32_t v = values[i];
        if (i + off.size() <= values.size() && std::equal(off.begin(), off.end(), values.begin() + i)) {
            word("off");
            i += off.size();
        } else if ((v & 0xFF) == 0x90 && (v >> 16) == 127) {
            word(std::to_string((v >> 8) & 0x7F));
            ++i;
        } else if (v == 0xB0 && i + 1 < values.size() && (values[i + 1] & 0xFFFF00FF) == 0xC0) {
            word("prog" + std::to_string((values[i + 1] >> 8) & 0x7F));
            i += 2;
        } else {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%06X", v);
            word(hex);
            ++i;
        }
    }
    marksAt(values.size());
    return out;
}

// Lets events run until `out` has finished loading (the built-in
// synthesizer opens in the background and tells through the event loop);
// fails when it still loads after `limitMs`.
inline ::testing::AssertionResult WaitUntilLoaded(const MIDI_OUT& out, int limitMs = 20000) {
    const QDeadlineTimer giveUp(limitMs);
    while (out.IsLoading()) {
        if (giveUp.hasExpired()) return ::testing::AssertionFailure() << "still loading after " << limitMs << " ms";
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(2);
    }
    return ::testing::AssertionSuccess();
}

// A panel on `out` that notes where each playback step's wait begins.
class StepPanel : public ctlMIDI {
public:
    StepPanel(const MidiOutRecorder& recorder, MIDI_OUT& out) : recorder_(recorder) { SetOutput(&out); }
    std::vector<size_t> marks;

protected:
    void PauseBegins() override { marks.push_back(recorder_.Messages().size()); }

private:
    const MidiOutRecorder& recorder_;
};

// Every test starts with clean settings and an output on the recorder's
// devices, its mapper open.
class MidiFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        recorder.SetDevices(true, {"Port A", "Port B"});
        out.OpenDevice(-1);
        recorder.Clear();
    }
    void TearDown() override {
        out.CloseDevice();
        ClearSettings();
    }
    std::string Recorded(const std::vector<size_t>& marks = {}) const { return Tokens(recorder.Values(), marks); }
    // The messages shown, each as "title|text".
    std::vector<QString> Errors() const {
        std::vector<QString> shown;
        for (const RecordingPrompter::Call& c : prompter.Messages()) shown.push_back(c.title + QLatin1Char('|') + c.text);
        return shown;
    }

    RecordingPrompter prompter;
    MidiOutRecorder recorder;
    MIDI_OUT out{recorder};
};

}  // namespace miditest
