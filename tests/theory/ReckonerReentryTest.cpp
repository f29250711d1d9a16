// Handlers that call back into the engine, as the main window's will (its
// mode handler reloads the position list, whose events it hands back to the
// engine): every event raised after a handler has run must describe the
// engine as it then is, and what the listener ends up showing must be what
// the engine now holds.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "DictionaryData.h"
#include "RecordingListener.h"
#include "ScaleTypeTable.h"
#include "clsReckoner.h"

namespace {

// What a main window would show, built from the events alone.
struct Screen {
    int32_t mode = -1;
    std::string display;  // the last OnDisplay, as written
    std::string drawing;  // the last OnChord, OnScale or NoChord since the mode was shown
    std::vector<std::string> matches;

    bool operator==(const Screen&) const = default;
};

void PrintTo(const Screen& s, std::ostream* os) {
    *os << "mode " << s.mode << ", " << s.display << ", drawing " << s.drawing << ", " << s.matches.size()
        << " matches";
    for (const std::string& m : s.matches) *os << " " << m;
}

// Records the events, keeps the screen and checks every event against the
// engine's state as it arrives; then runs the test's callback, if any.
class ScreenListener : public RecordingListener {
public:
    explicit ScreenListener(clsReckoner& engine) : engine_(engine) {}

    Screen screen;
    std::vector<std::string> faults;  // events that contradict the engine's state
    std::function<void(const std::string& event)> callback;

    void ClearMatches() override {
        RecordingListener::ClearMatches();
        screen.matches.clear();
        after();
    }
    void AddMatch(std::string Key, std::string Detail) override {
        RecordingListener::AddMatch(Key, Detail);
        screen.matches.push_back(Events.back());
        after();
    }
    void OnDisplay(std::string Line1, std::string Line2, std::string Line3) override {
        RecordingListener::OnDisplay(Line1, Line2, Line3);
        if (!Line1.empty() && Line1.rfind(engine_.Key() + " ", 0) != 0) fault("with key \"" + engine_.Key() + "\"");
        screen.display = Events.back();
        after();
    }
    void OnChord(std::string Fingering) override {
        RecordingListener::OnChord(Fingering);
        if (engine_.Mode() != 0) fault("in mode " + std::to_string(engine_.Mode()));
        if (offered_ == 0) fault("after OnVariation(0, 0)");
        screen.drawing = Events.back();
        after();
    }
    void OnScale(std::string Position, std::string Description) override {
        RecordingListener::OnScale(Position, Description);
        if (engine_.Mode() != 1) fault("in mode " + std::to_string(engine_.Mode()));
        if (offered_ == 0) fault("after OnVariation(0, 0)");
        screen.drawing = Events.back();
        after();
    }
    void OnVariation(int16_t VariationCount, int16_t Variation) override {
        RecordingListener::OnVariation(VariationCount, Variation);
        offered_ = VariationCount;
        if (VariationCount > 0 && engine_.Mode() != 0 && engine_.Mode() != 1)
            fault("in mode " + std::to_string(engine_.Mode()));
        after();
    }
    void NoChord(std::string Text) override {
        RecordingListener::NoChord(Text);
        if (engine_.Mode() != 0) fault("in mode " + std::to_string(engine_.Mode()));
        if (offered_ != 0) fault("after a chord was offered");
        screen.drawing = Events.back();
        after();
    }
    void OnMode(int32_t Mode, std::string Text) override {
        RecordingListener::OnMode(Mode, Text);
        if (engine_.Mode() != Mode) fault("in mode " + std::to_string(engine_.Mode()));
        screen.mode = Mode;
        screen.drawing.clear();
        after();
    }
    void OnScaleType(int16_t TypeCode) override {
        RecordingListener::OnScaleType(TypeCode);
        if (engine_.Mode() != 1) fault("in mode " + std::to_string(engine_.Mode()));
        after();
    }

private:
    void fault(const std::string& why) { faults.push_back(Events.back() + " " + why); }
    void after() {
        if (callback) callback(Events.back());
    }

    clsReckoner& engine_;
    int16_t offered_ = 0;
};

using Steps = std::function<void(clsReckoner&)>;
bool Starts(const std::string& event, const char* name) { return event.rfind(name, 0) == 0; }
// An OnVariation that offers at least one variation.
const char* const kOffered = "offered";
bool Triggers(const std::string& event, const char* trigger) {
    if (trigger == kOffered) return Starts(event, "OnVariation(") && !Starts(event, "OnVariation(0,");
    return Starts(event, trigger);
}

struct ReentryCase {
    const char* name;
    Steps setup;                  // before any callback is armed
    const char* trigger;          // the first event that starts so (or kOffered) runs `callback`, once
    Steps callback;
    Steps calls;
    Steps straight;               // drives a fresh engine straight to the state the calls leave
};

const ReentryCase kCases[] = {
    {"OnVariation switches to scale mode before the fingering is shown",
     [](clsReckoner& e) { e.SetMode(0); e.SetType(2); e.SetKey("G"); },
     kOffered, [](clsReckoner& e) { e.SetMode(1); },
     [](clsReckoner& e) { e.SetExtension(0); },
     [](clsReckoner& e) { e.SetMode(1); }},
    {"OnVariation goes to scale mode and back to C major",
     [](clsReckoner& e) { e.SetMode(0); e.SetType(2); e.SetKey("G"); },
     kOffered,
     [](clsReckoner& e) {
         e.SetMode(1);
         e.SetMode(0);
         e.SetKey("C");
         e.SetExtension(0);
     },
     [](clsReckoner& e) { e.SetExtension(2); },
     [](clsReckoner& e) { e.SetMode(0); e.SetType(2); e.SetKey("C"); e.SetExtension(0); }},
    {"a chord found from inside the announcement of none",
     [](clsReckoner& e) { e.SetMode(0); e.SetType(2); e.SetKey("C"); },
     "OnVariation(0, 0)", [](clsReckoner& e) { e.SetExtension(0); },
     [](clsReckoner& e) { e.SetExtension(6); },
     [](clsReckoner& e) { e.SetMode(0); e.SetType(2); e.SetKey("C"); e.SetExtension(0); }},
    {"another variation chosen while the first is announced",
     [](clsReckoner& e) { e.SetMode(0); e.SetType(3); e.SetKey("C"); },
     "OnVariation(4", [](clsReckoner& e) { e.SetVariation(3); },
     [](clsReckoner& e) { e.SetExtension(18); },
     [](clsReckoner& e) { e.SetMode(0); e.SetType(3); e.SetKey("C"); e.SetExtension(18); e.SetVariation(3); }},
    {"the key changed from inside the display",
     [](clsReckoner& e) { e.SetMode(0); e.SetType(3); e.SetExtension(18); },
     "OnDisplay(\"C", [](clsReckoner& e) { e.SetKey("D"); },
     [](clsReckoner& e) { e.SetKey("C"); },
     [](clsReckoner& e) { e.SetMode(0); e.SetType(3); e.SetKey("D"); e.SetExtension(18); }},
    {"a scale group chosen while a scale is announced",
     [](clsReckoner& e) { e.SetMode(1); e.SetKey("A"); },
     kOffered, [](clsReckoner& e) { e.SetType(1); },
     [](clsReckoner& e) { e.SetExtension(std::string("Pentatonic Minor")); },
     [](clsReckoner& e) { e.SetMode(1); e.SetKey("A"); e.SetType(1); }},
    {"chord mode left from inside the display of a scale group",
     [](clsReckoner& e) { e.SetMode(1); e.SetKey("A"); },
     "OnDisplay", [](clsReckoner& e) { e.SetMode(0); },
     [](clsReckoner& e) { e.SetType(2); },
     [](clsReckoner& e) { e.SetMode(0); }},
    {"the mode switched again from inside its own announcement",
     nullptr,
     "OnVariation(0, 0)", [](clsReckoner& e) { e.SetMode(1); },
     [](clsReckoner& e) { e.SetMode(0); },
     [](clsReckoner& e) { e.SetMode(1); }},
    {"the mode switched again from inside OnMode",
     nullptr,
     "OnMode(1", [](clsReckoner& e) { e.SetMode(0); e.SetKey("E"); },
     [](clsReckoner& e) { e.SetMode(1); },
     [](clsReckoner& e) { e.SetMode(0); e.SetKey("E"); }},
    {"the chord generator started again from its own match",
     [](clsReckoner& e) { e.SetMode(3); },
     "AddMatch", [](clsReckoner& e) { e.ChordGenerator("48~52~55"); },
     [](clsReckoner& e) { e.ChordGenerator("45~48~52~55"); },
     [](clsReckoner& e) { e.SetMode(3); e.ChordGenerator("48~52~55"); }},
};

Screen ShownAfter(const Steps& steps) {
    clsReckoner engine;
    ScreenListener listener(engine);
    engine.SetListener(&listener);
    steps(engine);
    EXPECT_EQ(listener.faults, std::vector<std::string>{});
    return listener.screen;
}

TEST(ReckonerReentry, HandlersThatCallBackSeeOnlyTheCurrentState) {
    ASSERT_TRUE(data::BarChordDataPresent()) << "the chord dictionary has lost its bar chords";
    ASSERT_TRUE(data::ScaleDataPresent()) << "the scale dictionary has lost its positions";
    for (const ReentryCase& c : kCases) {
        SCOPED_TRACE(c.name);
        clsReckoner engine;
        ScreenListener listener(engine);
        engine.SetListener(&listener);
        if (c.setup) c.setup(engine);
        bool fired = false;
        listener.callback = [&](const std::string& event) {
            if (fired || !Triggers(event, c.trigger)) return;
            fired = true;
            c.callback(engine);
        };
        c.calls(engine);
        EXPECT_TRUE(fired);
        EXPECT_EQ(listener.faults, std::vector<std::string>{});
        EXPECT_EQ(listener.screen, ShownAfter(c.straight));
    }
}

// As the main window does: its mode handler reloads the position list, whose
// two OnType(0) it hands to SetType, and a variation button it hands to
// SetVariation. The usual order of events is kept.
TEST(ReckonerReentry, TheMainWindowsOwnCallbacksKeepTheOrderOfEvents) {
    ASSERT_TRUE(data::BarChordDataPresent());
    clsReckoner engine;
    ScreenListener listener(engine);
    engine.SetListener(&listener);
    listener.callback = [&](const std::string& event) {
        if (Starts(event, "OnMode")) {
            engine.SetType(0);
            engine.SetType(0);
        }
    };
    engine.SetMode(0);
    engine.SetType(3);
    engine.SetKey("C");
    engine.SetExtension(18);
    engine.SetVariation(2);
    using namespace ev;
    EXPECT_EQ(listener.Events,
              (std::vector<std::string>{Variation(0, 0), Mode(0), Display(" ", "", "Select a key..."),
                                        Display("C ", "", "Select an extension..."),
                                        Display("C maj7", "1-3-5-7", "C-E-G-B"), Variation(4, 1),
                                        Chord(data::Fingering(3, 0, 18, 1)), Chord(data::Fingering(3, 0, 18, 2))}));
    EXPECT_EQ(listener.faults, std::vector<std::string>{});
}

// Random calls, and handlers that answer random events with random calls
// (two levels deep at the most): no event ever contradicts the engine.
TEST(ReckonerReentry, RandomCallbacksNeverSeeAStaleEvent) {
    const std::vector<std::string> keys = {"C", "Db", "E", "F#", "G", "A", "Bb", "", "Cb"};
    std::vector<std::string> names = {"Balinese", "7", "99", "-1"};
    for (const ScaleType& type : kScaleTypes) names.push_back(type.Name);
    const std::vector<std::string> noteLists = {"48~52~55", "45~48~52~55", "40~47~52~56~59~64", "40~41", ""};

    std::mt19937 random(20250107);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    clsReckoner engine;
    ScreenListener listener(engine);
    engine.SetListener(&listener);
    auto call = [&] {
        switch (pick(8)) {
            case 0: engine.SetMode(pick(5)); break;
            case 1: engine.SetKey(keys[size_t(pick(int(keys.size())))]); break;
            case 2: engine.SetExtension(pick(37)); break;
            case 3: engine.SetExtension(names[size_t(pick(int(names.size())))]); break;
            case 4: engine.SetType(int16_t(pick(5))); break;
            case 5: engine.SetVariation(int16_t(pick(8))); break;
            case 6: engine.ChordGenerator(noteLists[size_t(pick(int(noteLists.size())))]); break;
            default: engine.Clear();
        }
    };
    int depth = 0;
    int callbacks = 0;
    listener.callback = [&](const std::string&) {
        if (depth >= 2 || pick(4) != 0) return;
        ++depth;
        ++callbacks;
        for (int n = pick(3) + 1; n > 0; --n) call();
        --depth;
    };
    for (int step = 0; step < 5000; ++step) {
        call();
        ASSERT_EQ(listener.faults, std::vector<std::string>{}) << "at step " << step;
    }
    EXPECT_GT(callbacks, 1000);
}

}  // namespace
