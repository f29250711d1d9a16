// Whatever order the calls come in, the engine neither throws nor offers a
// fingering or position that the last OnVariation did not announce.

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "DictionaryData.h"
#include "RecordingListener.h"
#include "ScaleTypeTable.h"
#include "clsReckoner.h"

namespace {

class CheckingListener : public ReckonerListener {
public:
    int16_t offered = 0;
    int chords = 0;
    int scales = 0;

    void OnVariation(int16_t count, int16_t variation) override {
        offered = count;
        if (count > 0)
            EXPECT_TRUE(variation >= 1 && variation <= count) << count << ", " << variation;
        else
            EXPECT_EQ(variation, 0);
    }
    void OnChord(std::string) override {
        ++chords;
        EXPECT_GT(offered, 0) << "a fingering after NoChord or a mode change";
    }
    void OnScale(std::string, std::string) override {
        ++scales;
        EXPECT_GT(offered, 0) << "a position after a mode change";
    }
    void NoChord(std::string text) override {
        EXPECT_EQ(offered, 0);
        EXPECT_EQ(text.rfind("In ", 0), 0u);
    }
};

TEST(ReckonerRobustness, RandomCallOrders) {
    const std::vector<std::string> keys = {"C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#", "Gb", "G", "G#",
                                           "Ab", "A", "A#", "Bb", "B", "", "Cb", "H", "bbbb", "C#m7 (2)"};
    std::vector<std::string> names = {"Balinese", "", "x", "7", "99", "-9", "Major ", "major", "1-3-5"};
    for (const ScaleType& type : kScaleTypes) names.push_back(type.Name);
    const std::vector<std::string> noteParts = {"40", "45", "47", "48", "52", "55", "56", "57", "59", "64",
                                                "88", "89", "39", "", "x", "-5", "0", "4.5", "70000"};

    std::mt19937 random(20240613);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    CheckingListener listener;
    clsReckoner engine(&listener);
    for (int step = 0; step < 20000; ++step) {
        switch (pick(9)) {
            case 0: engine.SetMode(pick(7) - 1); break;
            case 1: engine.SetKey(keys[size_t(pick(int(keys.size())))]); break;
            case 2: engine.SetExtension(pick(45) - 4); break;
            case 3: engine.SetExtension(names[size_t(pick(int(names.size())))]); break;
            case 4: engine.SetType(int16_t(pick(11) - 2)); break;
            case 5:
            case 6: engine.SetVariation(int16_t(pick(11) - 2)); break;
            case 7: {
                std::string notes;
                for (int n = pick(9); n > 0; --n) notes += noteParts[size_t(pick(int(noteParts.size())))] + "~";
                engine.ChordGenerator(notes);
                break;
            }
            default:
                engine.GetMapNotes();
                if (pick(20) == 0) engine.Clear();
        }
        ASSERT_FALSE(HasFailure()) << "at step " << step;
    }
    // The run reached fingerings and positions, so the checks above were put to work.
    EXPECT_GT(listener.chords, 100);
    EXPECT_GT(listener.scales, 100);

    // And whatever came before, a fresh request is answered exactly.
    RecordingListener recording;
    engine.SetListener(&recording);
    engine.SetMode(0);
    engine.SetType(3);
    engine.SetKey("C");
    engine.SetExtension(18);
    engine.SetVariation(2);
    ASSERT_FALSE(recording.Events.empty());
    EXPECT_EQ(recording.Events.back(), ev::Chord(data::Fingering(3, 0, 18, 2)));
    EXPECT_EQ(engine.TypeCode(), 3);
    EXPECT_EQ(engine.GetMapNotes(), "C-E-G-B");
}

class ThrowingListener : public RecordingListener {
public:
    void OnDisplay(std::string, std::string, std::string) override { throw std::runtime_error("handler failed"); }
};

TEST(ReckonerRobustness, AHandlerThatThrowsStopsAtTheEngine) {
    ThrowingListener throwing;
    clsReckoner engine(&throwing);
    EXPECT_NO_THROW(engine.SetMode(0));
    EXPECT_NO_THROW(engine.SetKey("C"));
    EXPECT_NO_THROW(engine.ChordGenerator("48~52~55"));
    EXPECT_EQ(throwing.Events, (std::vector<std::string>{ev::Variation(0, 0), ev::Mode(0), ev::kClear,
                                                         ev::Match("C", "Major (1-3-5)")}));

    RecordingListener recording;
    engine.SetListener(&recording);
    engine.SetMode(0);
    engine.SetKey("G");
    EXPECT_EQ(recording.Events, (std::vector<std::string>{ev::Variation(0, 0), ev::Mode(0),
                                                          ev::Display(" ", "", "Select a key..."),
                                                          ev::Display("G ", "", "Select an extension...")}));
}

// What the engine swallows goes to its reporter, with the engine's call and
// what was thrown; reporting changes nothing that the listener sees, and a
// reporter that fails is swallowed too.
TEST(ReckonerRobustness, WhatTheEngineSwallowsIsReportedWithItsPlace) {
    ThrowingListener throwing;
    clsReckoner engine(&throwing);
    std::vector<std::string> reports;
    engine.SetFaultReporter([&reports](std::string_view where, std::string_view what) {
        reports.push_back(std::string(where) + ": " + std::string(what));
    });
    engine.SetMode(0);
    engine.SetKey("C");
    engine.ChordGenerator("48~52~55");
    EXPECT_EQ(throwing.Events, (std::vector<std::string>{ev::Variation(0, 0), ev::Mode(0), ev::kClear,
                                                         ev::Match("C", "Major (1-3-5)")}));
    // The generator's own SetKey and SetExtension carry on inside it, then its read-out fails.
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "clsReckoner::SetMode: handler failed", "clsReckoner::SetKey: handler failed",
                           "clsReckoner::SetKey: handler failed", "clsReckoner::SetExtension: handler failed",
                           "clsReckoner::ChordGenerator: handler failed"}));

    struct OddThrower : ReckonerListener {
        void OnMode(int32_t, std::string) override { throw 7; }
    } odd;
    engine.SetListener(&odd);
    reports.clear();
    engine.SetMode(1);
    EXPECT_EQ(reports, std::vector<std::string>{"clsReckoner::SetMode: unknown exception"});

    engine.SetFaultReporter([](std::string_view, std::string_view) { throw std::runtime_error("log full"); });
    EXPECT_NO_THROW(engine.SetMode(1));
}

}  // namespace
