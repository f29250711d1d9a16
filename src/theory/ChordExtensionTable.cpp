#include "ChordExtensionTable.h"

#include "SplitText.h"

const std::array<ChordExtension, kExtensionCount> kChordExtensions = {{
    {"Major", "1-3-5"},
    {"Minor", "1-b3-5"},
    {"7", "1-3-5-b7"},
    {"sus4", "1-4-5"},
    {"m6", "1-b3-5-6"},
    {"7sus", "1-4-5-b7"},
    {"b5", "1-3-b5"},
    {"m6/9", "1-b3-5-6-9"},
    {"dim7", "1-b3-b5-bb7"},
    {"add9", "1-3-5-9"},
    {"m7", "1-b3-5-b7"},
    {"7#5", "1-3-#5-b7"},
    {"6", "1-3-5-6"},
    {"m7b5", "1-b3-b5-b7"},
    {"7b5", "1-3-b5-b7"},
    {"6/9", "1-3-5-6-9"},
    {"m9", "1-b3-5-b7-9"},
    {"7#9", "1-3-5-b7-#9"},
    {"maj7", "1-3-5-7"},
    {"m9(M7)", "1-b3-5-7-9"},
    {"7b9", "1-3-5-b7-b9"},
    {"m(M7)", "1-b3-5-7"},
    {"m11", "1-b3-5-b7-9-11"},
    {"7#5b9", "1-3-#5-b7-b9"},
    {"maj9", "1-3-5-7-9"},
    {"m13", "1-b3-5-b7-9-13"},
    {"9", "1-3-5-b7-9"},
    {"9#5", "1-3-#5-b7-9"},
    {"9b5", "1-3-b5-b7-9"},
    {"9#11", "1-3-5-b7-9-#11"},
    {"11", "1-5-b7-9-11"},
    {"13", "1-3-5-b7-9-13"},
    {"13b9", "1-3-5-b7-b9-13"},
    {"13b5b9", "1-3-b5-b7-b9-13"},
    {"+", "1-3-#5"},
}};

namespace {

struct Degree {
    std::string_view Token;
    int Semitones;
};

constexpr std::array<Degree, 17> kDegrees = {{
    {"1", 0},  {"b3", 3}, {"3", 4},   {"4", 5},  {"b5", 6},  {"5", 7},
    {"#5", 8}, {"6", 9},  {"bb7", 9}, {"b7", 10}, {"7", 11}, {"b9", 1},
    {"9", 2},  {"#9", 3}, {"11", 5},  {"#11", 6}, {"13", 9},
}};

std::array<uint16_t, kExtensionCount> buildPitchClasses() {
    std::array<uint16_t, kExtensionCount> sets{};
    for (size_t code = 0; code < kChordExtensions.size(); ++code) {
        for (const std::string& token : SplitText(kChordExtensions[code].Formula, "-")) {
            if (auto semitones = DegreeSemitones(token)) sets[code] |= uint16_t(1u << (*semitones % 12));
        }
    }
    return sets;
}

}  // namespace

std::optional<int> DegreeSemitones(std::string_view token) {
    for (const Degree& degree : kDegrees)
        if (degree.Token == token) return degree.Semitones;
    return std::nullopt;
}

int16_t FormulaToExtCode(std::string_view formula) {
    for (size_t code = 0; code < kChordExtensions.size(); ++code)
        if (formula == kChordExtensions[code].Formula) return static_cast<int16_t>(code);
    return kNoExtension;
}

uint16_t ExtensionPitchClasses(int16_t extCode) {
    static const std::array<uint16_t, kExtensionCount> sets = buildPitchClasses();
    if (extCode < 0 || extCode >= kExtensionCount) return 0;
    return sets[static_cast<size_t>(extCode)];
}
