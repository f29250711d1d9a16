#include "modFunctions.h"

#include "KeyNames.h"

namespace modFunctions {
namespace {

constexpr int16_t kLowestNote = 40;   // open low E
constexpr int16_t kHighestNote = 88;  // high e, fret 24

bool onFretboard(int16_t note) { return note >= kLowestNote && note <= kHighestNote; }

bool isBlank(char c) { return c == ' '; }

}  // namespace

int16_t NoteToKeyCode(int16_t note) {
    if (!onFretboard(note)) return 0;
    return static_cast<int16_t>(note % 12);
}

std::optional<std::string> GetNoteName(int16_t note) {
    if (!onFretboard(note)) return std::nullopt;
    // A black key carries both spellings, sharp first: "F#,Gb".
    const auto pitchClass = static_cast<size_t>(note % 12);
    const std::string sharp = KeyNames::kSharpNames[pitchClass];
    const std::string flat = KeyNames::kFlatNames[pitchClass];
    return sharp == flat ? sharp : sharp + "," + flat;
}

std::string GetRootName(const std::string& name) {
    size_t first = 0;
    while (first < name.size() && isBlank(name[first])) ++first;
    size_t last = name.size();
    while (last > first && isBlank(name[last - 1])) --last;
    if (first == last) return "";
    if (last - first >= 2 && (name[first + 1] == '#' || name[first + 1] == 'b'))
        return name.substr(first, 2);
    return name.substr(first, 1);
}

int16_t GetInterval(int16_t note, int16_t root) {
    if (!onFretboard(note) || root < 0 || root > 11) return 0;
    return static_cast<int16_t>(((note % 12) - root + 12) % 12);
}

}  // namespace modFunctions
