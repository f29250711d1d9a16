// Call sequences through the engine and the exact events each raises.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DictionaryData.h"
#include "RecordingListener.h"
#include "ScaleTypeTable.h"
#include "clsReckoner.h"

namespace {

using Steps = std::function<void(clsReckoner&)>;
using Events = std::vector<std::string>;

struct TraceCase {
    const char* name;
    Steps setup;  // run first, not recorded
    Steps calls;  // recorded
    std::function<Events()> expected;
    // OnMode runs SetType(0) twice, as the main window's handler does through the position list.
    bool modeHandlerReloadsTypes = false;
};

void runTraces(const std::vector<TraceCase>& cases) {
    for (const TraceCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingListener listener;
        clsReckoner engine(&listener);
        if (c.modeHandlerReloadsTypes) {
            listener.OnModeHook = [&](int32_t) {
                engine.SetType(0);
                engine.SetType(0);
            };
        }
        if (c.setup) c.setup(engine);
        listener.Events.clear();
        c.calls(engine);
        EXPECT_EQ(listener.Events, c.expected());
    }
}

std::string usage(const char* scale) { return FindScaleType(scale)->Usage; }

// Chord mode with position type `type`, key and extension already shown.
Steps chordShown(int type, const char* key, int ext, int variation = 0) {
    return [=](clsReckoner& e) {
        e.SetMode(0);
        e.SetType(static_cast<int16_t>(type));
        e.SetKey(key);
        e.SetExtension(ext);
        if (variation) e.SetVariation(static_cast<int16_t>(variation));
    };
}

Steps scaleShown(const char* key, const char* scale, int variation = 0) {
    return [=](clsReckoner& e) {
        e.SetMode(1);
        e.SetKey(key);
        e.SetExtension(std::string(scale));
        if (variation) e.SetVariation(static_cast<int16_t>(variation));
    };
}

using namespace ev;

// Sequences whose events do not depend on any fingering.
const std::vector<TraceCase> kPlainTraces = {
    {"mode 0 on a fresh engine", nullptr, [](clsReckoner& e) { e.SetMode(0); },
     [] { return Events{Variation(0, 0), Mode(0), Display(" ", "", "Select a key...")}; }},
    {"mode 1 on a fresh engine", nullptr, [](clsReckoner& e) { e.SetMode(1); },
     [] { return Events{Variation(0, 0), Mode(1), Display(" ", "", "Select a key...")}; }},
    {"modes 2, 3 and 4 raise no display", nullptr,
     [](clsReckoner& e) {
         e.SetMode(2);
         e.SetMode(3);
         e.SetMode(4);
     },
     [] { return Events{Variation(0, 0), Mode(2), Variation(0, 0), Mode(3), Variation(0, 0), Mode(4)}; }},
    {"key without extension", [](clsReckoner& e) { e.SetMode(0); }, [](clsReckoner& e) { e.SetKey("C"); },
     [] { return Events{Display("C ", "", "Select an extension...")}; }},
    {"extension without key", [](clsReckoner& e) { e.SetMode(0); }, [](clsReckoner& e) { e.SetExtension(10); },
     [] { return Events{Display(" m7", "1-b3-5-b7", "Select a key...")}; }},
    {"a code without a row keeps the name and finds no chord", chordShown(0, "C", 0),
     [](clsReckoner& e) { e.SetExtension(99); },
     [] { return Events{Display("C Major", "1-3-5", "C-E-G"), Variation(0, 0), NoChord("In Open Chords")}; }},
    {"the notice names the position type", chordShown(1, "C", 0), [](clsReckoner& e) { e.SetExtension(-1); },
     [] { return Events{Display("C Major", "1-3-5", "C-E-G"), Variation(0, 0), NoChord("In Moveable")}; }},
    {"mode 0 again starts afresh", chordShown(2, "C", 99),
     [](clsReckoner& e) {
         e.SetMode(0);
         e.SetKey("D");
     },
     [] {
         return Events{Variation(0, 0), Mode(0), Display(" ", "", "Select a key..."),
                       Display("D ", "", "Select an extension...")};
     }},
    {"modes 2 to 4 only store", nullptr,
     [](clsReckoner& e) {
         for (int mode : {2, 3, 4}) {
             e.SetMode(mode);
             e.SetKey("C");
             e.SetExtension(0);
             e.SetExtension(std::string("Major"));
             e.SetType(2);
             e.SetVariation(2);
         }
     },
     [] { return Events{Variation(0, 0), Mode(2), Variation(0, 0), Mode(3), Variation(0, 0), Mode(4)}; }},
    {"variation before any chord", [](clsReckoner& e) { e.SetMode(0); },
     [](clsReckoner& e) {
         e.SetVariation(1);
         e.SetVariation(2);
     },
     [] { return Events{}; }},
    {"scale group without key", [](clsReckoner& e) { e.SetMode(1); }, [](clsReckoner& e) { e.SetType(3); },
     [] { return Events{Display(" ", "", "Select a key..."), ScaleGroup(3)}; }},
    {"scale group with key", [](clsReckoner& e) { e.SetMode(1); e.SetKey("A"); },
     [](clsReckoner& e) { e.SetType(4); },
     [] { return Events{Display("A ", "", "Select a scale type..."), ScaleGroup(4)}; }},
    {"position type in scale mode is the group, relayed", [](clsReckoner& e) { e.SetMode(1); },
     [](clsReckoner& e) { e.SetType(6); e.SetKey("E"); },
     [] { return Events{Display(" ", "", "Select a key..."), ScaleGroup(6), Display("E ", "", "Select a scale type...")}; }},
    {"a scale name the dictionary does not know, on a fresh engine", [](clsReckoner& e) { e.SetMode(1); e.SetKey("C"); },
     [](clsReckoner& e) { e.SetExtension(std::string("Balinese")); },
     [] { return Events{Display("C Balinese", "", ""), Variation(1, 1), Scale("", "")}; }},
    {"the main window's mode handler reloads the scale groups", nullptr, [](clsReckoner& e) { e.SetMode(1); },
     [] {
         return Events{Variation(0, 0), Mode(1),
                       Display(" ", "", "Select a key..."), ScaleGroup(0),
                       Display(" ", "", "Select a key..."), ScaleGroup(0),
                       Display(" ", "", "Select a key...")};
     },
     true},
};

// Sequences that show fingerings: the bar-chord tables (position types 2 and 3).
// Root 5 counts: "Major" 1, "7" 2, "7sus" 4, "maj7" 4; root 6 "maj7" 1; "b5" has none.
const std::vector<TraceCase> kChordTraces = {
    {"key, position type, extension", [](clsReckoner& e) { e.SetMode(0); e.SetType(2); e.SetKey("C"); },
     [](clsReckoner& e) { e.SetExtension(0); },
     [] {
         return Events{Display("C Major", "1-3-5", "C-E-G"), Variation(1, 1),
                       Chord("8,1,10,3,10,4,9,2,8,7,8,1;8,6,1")};
     }},
    {"extension first, then key", [](clsReckoner& e) { e.SetMode(0); e.SetType(3); e.SetExtension(10); },
     [](clsReckoner& e) { e.SetKey("A"); },
     [] {
         return Events{Display("A m7", "1-b3-5-b7", "A-C-E-G"), Variation(1, 1), Chord(data::Fingering(3, 9, 10, 1))};
     }},
    {"no fingering for the position type", chordShown(2, "C", 0), [](clsReckoner& e) { e.SetExtension(6); },
     [] { return Events{Display("C b5", "1-3-b5", "C-E-F#"), Variation(0, 0), NoChord("In Root 6 Bar Chords")}; }},
    {"variation 3 kept when the new chord has four", chordShown(3, "C", 18, 3),
     [](clsReckoner& e) { e.SetExtension(5); },
     [] {
         return Events{Display("C 7sus", "1-4-5-b7", "C-F-G-A#"), Variation(4, 3), Chord(data::Fingering(3, 0, 5, 3))};
     }},
    {"variation 3 falls back to 1 when the new chord has two", chordShown(3, "C", 18, 3),
     [](clsReckoner& e) { e.SetExtension(2); },
     [] {
         return Events{Display("C 7", "1-3-5-b7", "C-E-G-A#"), Variation(2, 1), Chord(data::Fingering(3, 0, 2, 1))};
     }},
    {"a new key keeps the variation", chordShown(3, "C", 18, 3), [](clsReckoner& e) { e.SetKey("Db"); },
     [] {
         return Events{Display("Db maj7", "1-3-5-7", "Db-F-Ab-C"), Variation(4, 3), Chord(data::Fingering(3, 1, 18, 3))};
     }},
    {"a new position type looks up without display", chordShown(3, "C", 18, 3),
     [](clsReckoner& e) { e.SetType(2); },
     [] { return Events{Variation(1, 1), Chord(data::Fingering(2, 0, 18, 1))}; }},
    {"variation shown on request", chordShown(3, "C", 18),
     [](clsReckoner& e) { e.SetVariation(4); e.SetVariation(2); },
     [] { return Events{Chord(data::Fingering(3, 0, 18, 4)), Chord(data::Fingering(3, 0, 18, 2))}; }},
    {"variations the last count did not offer raise nothing", chordShown(3, "C", 2),
     [](clsReckoner& e) { e.SetVariation(3); e.SetVariation(0); e.SetVariation(-1); },
     [] { return Events{}; }},
    {"after NoChord a variation raises nothing; it is still stored", chordShown(3, "C", 18, 2),
     [](clsReckoner& e) {
         e.SetExtension(6);
         e.SetVariation(2);
         e.SetExtension(18);
     },
     [] {
         return Events{Display("C b5", "1-3-b5", "C-E-F#"), Variation(0, 0), NoChord("In Root 5 Bar Chords"),
                       Display("C maj7", "1-3-5-7", "C-E-G-B"), Variation(4, 2), Chord(data::Fingering(3, 0, 18, 2))};
     }},
    {"a mode change keeps position type and variation but hides the old chord", chordShown(3, "C", 18, 3),
     [](clsReckoner& e) {
         e.SetMode(0);
         e.SetVariation(3);
         e.SetKey("C");
         e.SetExtension(18);
     },
     [] {
         return Events{Variation(0, 0), Mode(0), Display(" ", "", "Select a key..."),
                       Display("C ", "", "Select an extension..."), Display("C maj7", "1-3-5-7", "C-E-G-B"),
                       Variation(4, 3), Chord(data::Fingering(3, 0, 18, 3))};
     }},
    {"a variation stored in chart play is used back in chord mode", [](clsReckoner& e) { e.SetMode(0); e.SetType(3); },
     [](clsReckoner& e) {
         e.SetMode(2);
         e.SetVariation(2);
         e.SetMode(0);
         e.SetKey("C");
         e.SetExtension(18);
     },
     [] {
         return Events{Variation(0, 0), Mode(2), Variation(0, 0), Mode(0), Display(" ", "", "Select a key..."),
                       Display("C ", "", "Select an extension..."), Display("C maj7", "1-3-5-7", "C-E-G-B"),
                       Variation(4, 2), Chord(data::Fingering(3, 0, 18, 2))};
     }},
};

const std::vector<TraceCase> kScaleTraces = {
    {"key and scale type", [](clsReckoner& e) { e.SetMode(1); e.SetKey("A"); },
     [](clsReckoner& e) { e.SetExtension(std::string("Pentatonic Minor")); },
     [] {
         return Events{Display("A Pentatonic Minor", "1-1/2, 1, 1, 1-1/2, 1", "A-C-D-E-G"), Variation(5, 1),
                       Scale(data::Position("Pentatonic Minor", "A-C-D-E-G", 1), usage("Pentatonic Minor"))};
     }},
    {"every position carries the usage text", scaleShown("C", "Major"),
     [](clsReckoner& e) { e.SetVariation(7); e.SetVariation(3); },
     [] {
         return Events{Scale(data::Position("Major", "C-D-E-F-G-A-B", 7), usage("Major")),
                       Scale(data::Position("Major", "C-D-E-F-G-A-B", 3), usage("Major"))};
     }},
    {"flat key, six positions", [](clsReckoner& e) { e.SetMode(1); e.SetKey("Eb"); },
     [](clsReckoner& e) { e.SetExtension(std::string("Blues")); },
     [] {
         return Events{Display("Eb Blues", "1-1/2, 1, 1/2, 1/2, 1-1/2, 1", "Eb-Gb-Ab-A-Bb-Db"), Variation(6, 1),
                       Scale(data::Position("Blues", "Eb-Gb-Ab-A-Bb-Db", 1), usage("Blues"))};
     }},
    {"position 6 of 7 falls back to 1 on a five-note scale, and is kept on a seven-note one",
     scaleShown("A", "Major", 6),
     [](clsReckoner& e) {
         e.SetExtension(std::string("Pentatonic Major"));
         e.SetVariation(4);
         e.SetExtension(std::string("Natural Minor"));
     },
     [] {
         return Events{Display("A Pentatonic Major", "1, 1, 1-1/2, 1, 1-1/2", "A-B-C#-E-F#"), Variation(5, 1),
                       Scale(data::Position("Pentatonic Major", "A-B-C#-E-F#", 1), usage("Pentatonic Major")),
                       Scale(data::Position("Pentatonic Major", "A-B-C#-E-F#", 4), usage("Pentatonic Major")),
                       Display("A Natural Minor", "1, 1/2, 1, 1, 1/2, 1, 1", "A-B-C-D-E-F-G"), Variation(7, 4),
                       Scale(data::Position("Natural Minor", "A-B-C-D-E-F-G", 4), usage("Natural Minor"))};
     }},
    {"an unknown name keeps the type shown before", scaleShown("C", "Major", 2),
     [](clsReckoner& e) { e.SetExtension(std::string("Balinese")); },
     [] {
         return Events{Display("C Balinese", "1, 1, 1/2, 1, 1, 1, 1/2", "C-D-E-F-G-A-B"), Variation(7, 2),
                       Scale(data::Position("Balinese", "C-D-E-F-G-A-B", 2), usage("Major"))};
     }},
    {"a scale group clears the type; the old positions stay on offer", scaleShown("C", "Major"),
     [](clsReckoner& e) {
         e.SetType(1);
         e.SetVariation(2);
     },
     [] {
         return Events{Display("C ", "", "Select a scale type..."), ScaleGroup(1),
                       Scale(data::Position("Major", "C-D-E-F-G-A-B", 2), "")};
     }},
    {"a mode change hides the old positions", scaleShown("C", "Major"),
     [](clsReckoner& e) {
         e.SetMode(1);
         e.SetVariation(2);
     },
     [] { return Events{Variation(0, 0), Mode(1), Display(" ", "", "Select a key...")}; }},
};

TEST(ReckonerTrace, SequencesWithoutFingerings) { runTraces(kPlainTraces); }

TEST(ReckonerTrace, ChordSequences) {
    ASSERT_TRUE(data::BarChordDataPresent()) << "the chord dictionary has lost its bar chords";
    runTraces(kChordTraces);
}

TEST(ReckonerTrace, ScaleSequences) {
    ASSERT_TRUE(data::ScaleDataPresent()) << "the scale dictionary has lost its positions";
    runTraces(kScaleTraces);
}

TEST(ReckonerState, ModesKeepTypeVariationAndTheTypeCodeOnlyChangesInChordMode) {
    clsReckoner engine;
    engine.SetMode(0);
    engine.SetType(3);
    engine.SetKey("Bb");
    engine.SetExtension(8);
    EXPECT_EQ(engine.Key(), "Bb");
    EXPECT_EQ(engine.KeyCode(), 10);
    EXPECT_EQ(engine.Formula(), "1-b3-b5-bb7");
    EXPECT_EQ(engine.GetMapNotes(), "Bb-Db-E-G");

    engine.SetMode(1);
    EXPECT_EQ(engine.Mode(), 1);
    EXPECT_EQ(engine.Key(), "");
    EXPECT_EQ(engine.KeyCode(), 0);
    EXPECT_EQ(engine.KeyScale(), "");
    EXPECT_EQ(engine.ChromaticScale(), "");
    EXPECT_EQ(engine.Formula(), "");
    EXPECT_EQ(engine.GetMapNotes(), "");
    engine.SetType(5);
    EXPECT_EQ(engine.TypeCode(), 3);

    engine.SetMode(4);
    engine.SetType(1);
    EXPECT_EQ(engine.TypeCode(), 3);
    engine.SetKey("G");
    engine.SetExtension(std::string("Okinawa"));
    EXPECT_EQ(engine.Key(), "G");
    EXPECT_EQ(engine.Formula(), "1-5-6-8-12");
    // Outside scale mode the formula is read as a chord's; "8" and "12" are no degrees.
    EXPECT_EQ(engine.GetMapNotes(), "G-D-E-E-E");

    engine.Clear();
    EXPECT_EQ(engine.Key(), "");
    EXPECT_EQ(engine.Formula(), "");
    EXPECT_EQ(engine.Mode(), 4);

    // Back in chord mode the main window's handler sets position type 0 from inside OnMode.
    RecordingListener listener;
    listener.OnModeHook = [&](int32_t) { engine.SetType(0); };
    engine.SetListener(&listener);
    engine.SetMode(0);
    EXPECT_EQ(engine.TypeCode(), 0);
}

}  // namespace
