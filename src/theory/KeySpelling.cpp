#include "KeySpelling.h"

#include <array>
#include <optional>
#include <vector>

#include "ChordExtensionTable.h"
#include "KeyNames.h"
#include "SplitText.h"

namespace {

constexpr std::array<int, 7> kMajorSteps = {0, 2, 4, 5, 7, 9, 11};

// A scale formula's position 1..13 as an index 0..11.
std::optional<int> scalePosition(const std::string& token) {
    if (token.empty() || token.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 13) return std::nullopt;
    return value == 13 ? 0 : value - 1;
}

}  // namespace

int16_t KeyNameToCode(const std::string& key) { return KeyNames::FindKeyCode(key).value_or(0); }

KeyScales BuildKeyScales(const std::string& key) {
    KeyScales scales;
    if (key.empty()) return scales;
    const auto& names = key.find('b') != std::string::npos ? KeyNames::kFlatNames : KeyNames::kSharpNames;
    scales.KeyCode = KeyNameToCode(key);
    std::vector<std::string> chromatic;
    for (int i = 0; i < 12; ++i) chromatic.emplace_back(names[static_cast<size_t>((scales.KeyCode + i) % 12)]);
    std::vector<std::string> major;
    for (int step : kMajorSteps) major.push_back(chromatic[static_cast<size_t>(step)]);
    scales.ChromaticScale = JoinText(chromatic, ",");
    scales.KeyScale = JoinText(major, ",");
    return scales;
}

std::string GetNotes(const std::string& formula, const std::string& chromaticScale, bool scaleFormula) {
    const std::vector<std::string> chromatic = SplitText(chromaticScale, ",");
    std::vector<std::string> notes;
    int index = 0;
    for (const std::string& token : SplitText(formula, "-")) {
        const std::optional<int> read = scaleFormula ? scalePosition(token) : DegreeSemitones(token);
        if (read) index = *read;
        notes.push_back(static_cast<size_t>(index) < chromatic.size() ? chromatic[static_cast<size_t>(index)] : "");
    }
    return JoinText(notes, "-");
}
