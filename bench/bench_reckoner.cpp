// The engine answering every chord cell and every scale code with its events,
// and the chord generator on six-note lists.
// Goals: the whole sweep under 10 ms; one six-note generator call under 20 us.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ReckonerListener.h"
#include "ScaleTypeTable.h"
#include "clsReckoner.h"

namespace {

// Touches every argument, as a window would copy it into its widgets.
class CountingListener : public ReckonerListener {
public:
    size_t Characters = 0;
    size_t Events = 0;

    void ClearMatches() override { ++Events; }
    void AddMatch(std::string Key, std::string Detail) override { take(Key.size() + Detail.size()); }
    void OnDisplay(std::string Line1, std::string Line2, std::string Line3) override {
        take(Line1.size() + Line2.size() + Line3.size());
    }
    void OnChord(std::string Fingering) override { take(Fingering.size()); }
    void OnScale(std::string Position, std::string Description) override { take(Position.size() + Description.size()); }
    void OnVariation(int16_t VariationCount, int16_t Variation) override { take(size_t(VariationCount + Variation)); }
    void NoChord(std::string Text) override { take(Text.size()); }
    void OnMode(int32_t, std::string Text) override { take(Text.size()); }
    void OnScaleType(int16_t TypeCode) override { take(size_t(TypeCode)); }

private:
    void take(size_t n) {
        Characters += n;
        ++Events;
    }
};

const char* const kChordKeys[12] = {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
const char* const kScaleKeys[17] = {"C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#",
                                    "Gb", "G", "G#", "Ab", "A", "A#", "Bb", "B"};

// 4 position types x 12 keys x 35 extensions: one lookup per SetExtension, as the
// mode change before each key leaves no extension for SetKey to look up.
void sweepChords(clsReckoner& engine) {
    for (int16_t type = 0; type < 4; ++type) {
        for (const char* key : kChordKeys) {
            engine.SetMode(0);
            engine.SetType(type);
            engine.SetKey(key);
            for (int ext = 0; ext < 35; ++ext) engine.SetExtension(ext);
        }
    }
}

// 28 scale types x 17 key names.
void sweepScales(clsReckoner& engine) {
    for (const char* key : kScaleKeys) {
        engine.SetMode(1);
        engine.SetKey(key);
        for (const ScaleType& type : kScaleTypes) engine.SetExtension(std::string(type.Name));
    }
}

void sweepAll(clsReckoner& engine) {
    sweepChords(engine);
    sweepScales(engine);
}

void BM_Sweep(benchmark::State& state, void (*sweep)(clsReckoner&), int lookups) {
    CountingListener listener;
    clsReckoner engine(&listener);
    for (auto _ : state) sweep(engine);
    benchmark::DoNotOptimize(listener.Characters);
    state.counters["lookups"] = lookups;
    state.counters["events"] = double(listener.Events) / double(state.iterations());
}
BENCHMARK_CAPTURE(BM_Sweep, chords_and_scales, sweepAll, 1680 + 476)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, chords, sweepChords, 1680)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, scales, sweepScales, 476)->Unit(benchmark::kMillisecond);

// Six strings sounding: open E, G-F-B-E-A-E, a C7#9 spread, a chromatic cluster
// that names nothing, a doubled C dim7 (four matches), and a C major barre shape.
const std::vector<std::string> kSixNoteLists = {
    "40~47~52~56~59~64", "43~53~59~64~69~76", "48~52~58~63~67~72",
    "40~41~42~43~44~45", "48~51~54~57~60~63", "48~52~55~60~64~67",
};

void BM_ChordGeneratorSixNotes(benchmark::State& state) {
    CountingListener listener;
    clsReckoner engine(&listener);
    engine.SetMode(3);
    const std::string& notes = kSixNoteLists[size_t(state.range(0))];
    for (auto _ : state) engine.ChordGenerator(notes);
    benchmark::DoNotOptimize(listener.Characters);
    state.SetLabel(notes);
}
BENCHMARK(BM_ChordGeneratorSixNotes)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
