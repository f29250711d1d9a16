#include "clsScaleDictionary.h"

#include <charconv>
#include <span>
#include <string_view>

// The seven shape tables. A row is written as a template, one group per string
// from 6 (low E) to 1, the groups joined by " · ", each group the string number,
// ":" and its notes as offset/finger, lowest fret first. The fret is the start
// fret plus the offset; a finger marked ' drops by one when the start fret is
// the row's open-position fret (its lowest note then lies on the open string).

namespace {

constexpr int16_t NoPrime = -1;  // a row with no primed finger

struct ShapeRow {
    std::string_view Name;
    int16_t OpenAt;  // start fret at which primed fingers drop by one
    std::string_view Template;
    std::string_view SameAs;  // the name whose row this name shares
};

constexpr ShapeRow Row(std::string_view name, int16_t openAt, std::string_view tmpl) {
    return {name, openAt, tmpl, {}};
}
constexpr ShapeRow Same(std::string_view name, std::string_view sameAs) { return {name, NoPrime, {}, sameAs}; }
constexpr ShapeRow Empty(std::string_view name) { return {name, NoPrime, {}, {}}; }

const ShapeRow* FindRow(std::span<const ShapeRow> rows, std::string_view name) {
    for (const ShapeRow& row : rows)
        if (row.Name == name) return &row;
    return nullptr;
}

bool ParseInt(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// The row of `name` at `startFret` as a position string: "string,fret,finger"
// joined by "|"; "" when the name has no row or its row is empty.
std::string Position(std::span<const ShapeRow> rows, std::string_view name, int16_t startFret) {
    const ShapeRow* row = FindRow(rows, name);
    if (row && !row->SameAs.empty()) row = FindRow(rows, row->SameAs);
    if (!row) return "";

    const int drop = (row->OpenAt != NoPrime && startFret == row->OpenAt) ? 1 : 0;
    std::string position;
    int stringNumber = 0;
    std::string_view rest = row->Template;
    while (!rest.empty()) {
        const size_t blank = rest.find(' ');
        const std::string_view token = rest.substr(0, blank);
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);

        if (token.size() > 1 && token.back() == ':') {
            ParseInt(token.substr(0, token.size() - 1), stringNumber);
            continue;
        }
        const size_t slash = token.find('/');
        if (slash == std::string_view::npos) continue;  // the group separator
        const bool primed = token.back() == '\'';
        int offset = 0, finger = 0;
        if (!ParseInt(token.substr(0, slash), offset) ||
            !ParseInt(token.substr(slash + 1, token.size() - slash - 1 - (primed ? 1 : 0)), finger))
            continue;
        if (!position.empty()) position += '|';
        position += std::to_string(stringNumber) + ',' + std::to_string(startFret + offset) + ',' +
                    std::to_string(primed ? finger - drop : finger);
    }
    return position;
}

constexpr ShapeRow Shape1[] = {
    Row("Major", 0, "6: 0/1' 2/2 4/4 · 5: 0/1' 2/2 4/4 · 4: 1/1 2/2 4/4 · 3: 1/1 2/2 4/4 · 2: 2/1 4/3 5/4 · 1: 2/1 4/3 5/4"),
    Row("Harmonic Major", 0, "6: 0/1' 2/2 4/4 · 5: 0/1' 2/3 3/4 · 4: 1/1 2/2 4/4 · 3: 1/1 2/2 4/4 · 2: 1/1 4/3 5/4 · 1: 2/1 4/3 5/4"),
    Row("Hungarian Major", 0, "6: 0/1' 3/3 4/4 · 5: 1/1 2/2 4/4 · 4: 0/1' 2/2 5/4 · 3: 1/1 3/3 4/4 · 2: 2/1 3/2 5/4 · 1: 3/1 4/2 6/4"),
    Row("Neopolitan Major", 0, "6: 0/1' 1/2 3/4 · 5: 0/1' 2/2 4/4 · 4: 1/1 2/2 3/3 · 3: 0/1' 2/2 4/4 · 2: 2/1 4/3 5/4 · 1: 1/1 3/2 5/4"),
    Row("Pentatonic Major", 1, "6: 0/2' 2/4' · 5: -1/1' 2/4' · 4: -1/1' 2/4' · 3: -1/1' 1/3' · 2: 0/2' 2/4' · 1: 0/2' 2/4'"),
    Same("Gagaku (Ryo)", "Pentatonic Major"),
    Row("Pentatonic Minor", 0, "6: 0/1' 3/4' · 5: 0/1' 2/3' · 4: 0/1' 2/3' · 3: 0/1' 2/3' · 2: 0/1' 3/4' · 1: 0/1' 3/4'"),
    Same("Zokugaku", "Pentatonic Minor"),
    Row("Blues", 0, "6: 0/1' 3/4' · 5: 0/1' 1/2' 2/3' · 4: 0/1' 2/3' · 3: 0/1' 2/3' 3/4' · 2: 0/1' 3/4' · 1: 0/1' 3/4'"),
    Row("Major Blues", 1, "6: 0/1 2/3 3/4 · 5: -1/1' 2/4' · 4: -1/1' 2/4' · 3: -1/1' 0/2' 1/3' · 2: 0/2' 2/4' · 1: 0/2' 2/4'"),
    Row("Natural Minor", 0, "6: 0/1' 2/3 3/4 · 5: 0/1' 2/3 3/4 · 4: 0/1' 2/2 4/4 · 3: 0/1' 2/2 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 5/4"),
    Row("Harmonic Minor", 0, "6: 0/1' 2/3 3/4 · 5: 0/1' 2/3 3/4 · 4: 1/1 2/2 4/4 · 3: 0/1' 2/2 4/4 · 2: 1/1 4/3 5/4 · 1: 2/1 3/2 5/4"),
    Row("Jazz Minor", 0, "6: 0/1' 2/3 3/4 · 5: 0/1' 2/2 4/4 · 4: 1/1 2/2 4/4 · 3: 0/1' 2/2 4/4 · 2: 2/1 4/3 5/4 · 1: 2/1 3/2 5/4"),
    Row("Lydian Minor", 0, "6: 0/1' 2/2 4/4 · 5: 1/1 2/2 3/3 · 4: 0/1' 2/2 4/4 · 3: 1/1 3/3 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 4/2 6/4"),
    Row("Hungarian Minor", 0, "6: 0/1' 2/3 3/4 · 5: 1/1 2/2 3/3 · 4: 1/1 2/2 4/4 · 3: 0/1' 3/3 4/4 · 2: 1/1 4/3 5/4 · 1: 2/1 3/2 6/4"),
    Row("Neopolitan Minor", 0, "6: 0/1' 1/2 3/4 · 5: 0/1' 2/3 3/4 · 4: 1/1 2/2 3/3 · 3: 0/1' 2/2 4/4 · 2: 1/1 4/3 5/4 · 1: 1/1 3/2 5/4"),
    Row("Dim Whole Tone", NoPrime, "6: 0/1 1/2 3/4 · 5: 1/1 3/2 4/4 · 4: 0/1 2/2 3/4 · 3: 0/1 3/2 5/4 · 2: 2/1 3/3 5/4 · 1: 1/1 3/3 6/4"),
    Row("Leading Whole Tone", 0, "6: 0/1' 2/2 4/4 · 5: 1/1 3/2 5/4 · 4: 1/1 2/2 4/4 · 3: 1/1 3/2 5/4 · 2: 3/1 4/3 5/4 · 1: 2/1 4/3 6/4"),
    Row("Arabian", 0, "6: 0/1' 2/2 4/4 · 5: 0/1' 1/2 3/4 · 4: 0/1' 2/2 4/4 · 3: 1/1 2/2 3/3 · 2: 1/1 3/2 5/4 · 1: 2/1 4/3 5/4"),
    Row("Byzantine", 0, "6: 0/1' 1/2 4/4 · 5: 0/1' 2/3 3/4 · 4: 1/1 2/2 3/3 · 3: 1/1 2/2 4/4 · 2: 1/1 4/3 5/4 · 1: 1/1 4/3 5/4"),
    Row("Hungarian Gypsy", 0, "6: 0/1' 2/2 4/4 · 5: 1/1 2/2 3/3 · 4: 0/1' 2/2 4/4 · 3: 1/1 3/3 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 4/2 6/4"),
    Row("Persian", 0, "6: 0/1' 1/2 4/4 · 5: 0/1' 1/2 3/4 · 4: 1/1 2/2 3/3 · 3: 1/1 2/2 3/3 · 2: 1/1 4/3 5/4 · 1: 1/1 4/3 5/4"),
    Row("East Indian Purvi", 0, "6: 0/1' 1/2 4/4 · 5: 1/1 2/2 3/3 · 4: 1/1 2/2 3/3 · 3: 1/1 3/3 4/4 · 2: 1/1 4/3 5/4 · 1: 1/1 4/3 6/4"),
    Row("Oriental", 0, "6: 0/1' 1/2 4/4 · 5: 0/1' 1/2 4/4 · 4: 0/1' 2/3 3/4 · 3: 1/1 2/2 3/3 · 2: 2/1 3/2 5/4 · 1: 1/1 4/3 5/4"),
    Row("Double Harmonic", 0, "6: 0/1' 1/2 4/4 · 5: 0/1' 2/3 3/4 · 4: 1/1 2/2 3/3 · 3: 1/1 2/2 4/4 · 2: 1/1 4/3 5/4 · 1: 1/1 4/3 5/4"),
    Row("Enigmatic", 0, "6: 0/1' 1/2 4/4 · 5: 1/1 3/2 5/4 · 4: 1/1 2/2 3/3 · 3: 1/1 3/2 5/4 · 2: 3/1 4/2 5/3 · 1: 1/1 4/3 6/4"),
    Row("Overtone", 0, "6: 0/1' 2/2 4/4 · 5: 1/1 2/2 4/4 · 4: 0/1' 2/2 4/4 · 3: 1/1 3/3 4/4 · 2: 2/1 3/2 5/4 · 1: 2/1 4/2 6/4"),
    Row("Balinese", NoPrime, "6: 0/1 1/2 3/4 · 5: 2/3 3/4 · 4: 2/3 3/4 · 3: 0/1 4/4 · 2: 1/1 5/4 · 1: 1/1 3/3"),
    Row("Okinawa", 0, "6: 0/1' 4/4 · 5: 0/1' 2/2 · 4: 1/1 2/2 · 3: 1/1 2/2 4/4 · 2: 4/3 5/4 · 1: 4/3 5/4"),
    Row("In Sen Pou", 0, "6: 0/1' 1/2 · 5: 0/1' 2/3 3/4 · 4: 2/1 3/2 · 3: 2/1 4/3 · 2: 1/1 5/4 · 1: 1/1 5/4"),
};

constexpr ShapeRow Shape2[] = {
    Row("Major", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 2/2 4/4 · 3: 0/1 2/2 4/4 · 2: 2/1 3/2 5/4 · 1: 2/1 3/2 5/4"),
    Row("Harmonic Major", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 1/2 4/4 · 4: 0/1 2/2 4/4 · 3: 0/1 2/3 3/4 · 2: 2/1 3/2 5/4 · 1: 2/1 3/2 5/4"),
    Row("Hungarian Major", NoPrime, "6: 1/1 2/2 4/4 · 5: 0/1 2/3 3/4 · 4: 0/1 3/3 4/4 · 3: 1/1 2/2 4/4 · 2: 1/1 3/2 6/4 · 1: 2/1 4/3 5/4"),
    Row("Neopolitan Major", NoPrime, "6: -1/1 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 2/1 3/2 4/3 · 1: 1/1 3/2 5/4"),
    Row("Pentatonic Major", 1, "6: 0/1 2/3 · 5: 0/1 2/3 · 4: 0/1 2/3 · 3: -1/1' 2/4 · 2: 0/1 3/4 · 1: 0/1 2/3"),
    Same("Gagaku (Ryo)", "Pentatonic Major"),
    Row("Pentatonic Minor", 0, "6: 1/2' 3/4' · 5: 0/1' 3/4' · 4: 0/1' 3/4' · 3: 0/1' 2/3' · 2: 1/2' 3/4' · 1: 1/2' 3/4'"),
    Same("Zokugaku", "Pentatonic Minor"),
    Row("Blues", 0, "6: 1/1 3/3 4/4 · 5: 0/1' 3/4' · 4: 0/1' 3/4' · 3: 0/1' 1/2' 2/3' · 2: 1/2' 3/4' · 1: 1/2' 3/4'"),
    Row("Major Blues", 1, "6: 0/1 1/2 2/3 · 5: 0/1 2/3 · 4: 0/1 2/3 3/4 · 3: -1/1' 2/4 · 2: 0/1 3/4 · 1: 0/1 1/2"),
    Row("Natural Minor", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/3 3/4 · 3: 0/1 2/3 3/4 · 2: 1/1 3/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Harmonic Minor", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 1/2 4/4 · 4: 0/1 2/3 3/4 · 3: 0/1 2/3 3/4 · 2: 2/1 3/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Jazz Minor", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 2/3 3/4 · 3: 0/1 2/2 4/4 · 2: 2/1 3/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Lydian Minor", NoPrime, "6: 0/1 2/2 4/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 1/1 2/2 3/3 · 2: 1/1 3/2 5/4 · 1: 2/1 4/3 5/4"),
    Row("Hungarian Minor", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 1/2 4/4 · 4: 0/1 2/3 3/4 · 3: 1/1 2/2 3/3 · 2: 2/1 3/2 5/4 · 1: 1/1 4/3 5/4"),
    Row("Neopolitan Minor", NoPrime, "6: -1/1 1/2 3/4 · 5: 0/1 1/2 4/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/3 3/4 · 2: 2/1 3/2 4/3 · 1: 1/1 3/2 5/4"),
    Row("Dim Whole Tone", NoPrime, "6: -1/1 1/3 4/4 · 5: 1/1 2/2 3/4 · 4: 0/1 1/2 3/4 · 3: 1/1 3/2 4/4 · 2: 1/1 3/2 4/4 · 1: 1/1 4/2 6/4"),
    Row("Leading Whole Tone", NoPrime, "6: 0/1 2/3 4/4 · 5: 1/1 3/2 4/4 · 4: 0/1 2/2 4/4 · 3: 1/1 3/2 5/4 · 2: 2/1 3/2 5/4 · 1: 2/1 4/2 6/4"),
    Row("Arabian", NoPrime, "6: 0/1 2/3 3/4 · 5: -1/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 0/1 1/2 3/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 4/3"),
    Row("Byzantine", NoPrime, "6: -1/1 2/3 3/4 · 5: 0/1 1/2 4/4 · 4: 0/1 1/2 4/4 · 3: 0/1 2/3 3/4 · 2: 2/1 3/2 4/3 · 1: 2/1 3/2 5/4"),
    Row("Hungarian Gypsy", NoPrime, "6: 0/1 2/2 4/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 1/1 2/2 3/3 · 2: 1/1 3/2 5/4 · 1: 2/1 4/3 5/4"),
    Row("Persian", NoPrime, "6: -1/1 2/3 3/4 · 5: -1/1 1/2 4/4 · 4: 0/1 1/2 4/4 · 3: 0/1 1/2 3/4 · 2: 2/1 3/2 4/3 · 1: 2/1 3/2 4/3"),
    Row("East Indian Purvi", NoPrime, "6: -1/1 2/3 4/4 · 5: 0/1 1/2 4/4 · 4: 0/1 1/2 4/4 · 3: 1/1 2/2 3/3 · 2: 2/1 3/2 4/3 · 1: 2/1 4/3 5/4"),
    Row("Oriental", NoPrime, "6: -1/1 2/3 3/4 · 5: -1/1 2/3 3/4 · 4: 0/1 1/2 4/4 · 3: 0/1 1/2 4/4 · 2: 1/1 3/3 4/4 · 1: 2/1 3/2 4/3"),
    Row("Double Harmonic", NoPrime, "6: -1/1 2/3 3/4 · 5: 0/1 1/2 4/4 · 4: 0/1 1/2 4/4 · 3: 0/1 2/3 3/4 · 2: 2/1 3/2 4/3 · 1: 2/1 3/2 5/4"),
    Row("Enigmatic", NoPrime, "6: -1/1 2/3 4/4 · 5: 1/1 3/3 4/4 · 4: 0/1 1/2 4/4 · 3: 1/1 3/2 5/4 · 2: 2/1 3/2 4/3 · 1: 2/1 4/2 6/4"),
    Row("Overtone", NoPrime, "6: 0/1 2/2 4/4 · 5: 0/1 2/3 3/4 · 4: 0/1 2/2 4/4 · 3: 1/1 2/2 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 4/3 5/4"),
    Row("Balinese", NoPrime, "6: -1/1 1/3 · 5: 0/1 1/2 · 4: 0/1 1/2 3/4 · 3: 2/3 3/4 · 2: 3/3 4/4 · 1: 1/1 5/4"),
    Row("Okinawa", 0, "6: 2/3 3/4 · 5: 0/1' 4/4 · 4: 0/1' 4/4 · 3: 0/1' 2/2 · 2: 2/1 3/2 · 1: 2/1 3/2 5/4"),
    Row("In Sen Pou", 1, "6: -1/1' 3/4 · 5: 0/1 1/2 · 4: 0/1 1/2 · 3: 0/1 2/3 3/4 · 2: 3/1 4/2 · 1: 3/1 5/3"),
};

constexpr ShapeRow Shape3[] = {
    Row("Major", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: 0/1 2/3 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 3/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Harmonic Major", NoPrime, "6: 0/1 1/2 3/4 · 5: -1/1 2/3 3/4 · 4: 0/1 2/3 3/4 · 3: 0/1 1/2 4/4 · 2: 1/1 3/2 5/4 · 1: 1/1 3/2 4/4"),
    Row("Hungarian Major", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 1/2 3/4 · 4: 1/1 2/2 4/4 · 3: 0/1 2/3 3/4 · 2: 1/1 4/3 5/4 · 1: 2/1 3/2 5/4"),
    Row("Neopolitan Major", NoPrime, "6: -1/1 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: -1/1 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 2/2 4/4 · 1: 1/1 3/2 5/4"),
    Row("Pentatonic Major", 0, "6: 0/1' 3/4' · 5: 0/1' 3/4' · 4: 0/1' 2/3' · 3: 0/1' 2/3' · 2: 1/2' 3/4' · 1: 0/1' 3/4'"),
    Same("Gagaku (Ryo)", "Pentatonic Major"),
    Row("Pentatonic Minor", 0, "6: 1/1 3/3 · 5: 1/1 3/3 · 4: 1/1 3/3 · 3: 0/1' 3/4' · 2: 1/1 4/4 · 1: 1/1 3/3"),
    Same("Zokugaku", "Pentatonic Minor"),
    Row("Blues", 0, "6: 1/1 2/2 3/3 · 5: 1/1 3/3 · 4: 1/1 3/3 4/4 · 3: 0/1' 3/4' · 2: 1/1 4/4 · 1: 1/1 2/2 3/3"),
    Row("Major Blues", 0, "6: 0/1' 3/4' · 5: 0/1' 3/4' · 4: 0/1' 1/2' 2/3' · 3: 0/1' 2/3' · 2: 1/2' 3/3' 4/4' · 1: 0/1' 3/4'"),
    Row("Natural Minor", NoPrime, "6: -1/1 1/2 3/4 · 5: -1/1 1/2 3/4 · 4: 0/1 1/2 3/4 · 3: 0/1 1/2 3/4 · 2: 1/1 3/3 4/4 · 1: 1/1 3/3 4/4"),
    Row("Harmonic Minor", NoPrime, "6: -1/1 1/2 3/4 · 5: -1/1 2/3 3/4 · 4: 0/1 1/2 3/4 · 3: 0/1 1/2 4/4 · 2: 1/1 3/3 4/4 · 1: 1/1 3/3 4/4"),
    // Sounds only the scale: major seventh on string 5, not the minor one.
    Row("Jazz Minor", NoPrime, "6: -1/1 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 3/3 4/4 · 1: 1/1 3/2 5/4"),
    Row("Lydian Minor", NoPrime, "6: 0/1 2/3 3/4 · 5: -1/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 0/1 1/2 3/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 4/3"),
    Row("Hungarian Minor", NoPrime, "6: -1/1 2/3 3/4 · 5: -1/1 2/3 3/4 · 4: 0/1 1/2 4/4 · 3: 0/1 1/2 4/4 · 2: 1/1 3/3 4/4 · 1: 2/1 3/2 4/3"),
    Row("Neopolitan Minor", NoPrime, "6: -1/1 1/2 3/4 · 5: -1/1 2/3 3/4 · 4: -1/1 1/2 3/4 · 3: 0/1 1/2 4/4 · 2: 1/1 2/2 4/4 · 1: 1/1 3/3 4/4"),
    Empty("Dim Whole Tone"),
    Row("Leading Whole Tone", NoPrime, "6: 0/1 2/2 4/4 · 5: 1/1 2/3 3/4 · 4: 0/1 2/3 4/4 · 3: 1/1 3/2 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 4/2 6/4"),
    Row("Arabian", NoPrime, "6: 0/1 1/2 2/3 · 5: -1/1 1/2 3/4 · 4: 0/1 2/3 3/4 · 3: -1/1 1/2 3/4 · 2: 1/1 3/2 5/4 · 1: 1/1 2/2 4/4"),
    Row("Byzantine", NoPrime, "6: 0/1 1/2 3/4 · 5: -1/1 2/3 3/4 · 4: -1/1 2/3 3/4 · 3: 0/1 1/2 4/4 · 2: 1/1 2/2 5/4 · 1: 1/1 3/3 4/4"),
    Row("Hungarian Gypsy", NoPrime, "6: 0/1 2/3 3/4 · 5: -1/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 0/1 1/2 3/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 4/3"),
    Row("Persian", NoPrime, "6: 0/1 1/2 2/3 · 5: -1/1 2/3 3/4 · 4: -1/1 2/3 3/4 · 3: -1/1 1/2 4/4 · 2: 1/1 2/2 5/4 · 1: 1/1 2/2 4/4"),
    Row("East Indian Purvi", NoPrime, "6: 0/1 2/3 3/4 · 5: -1/1 2/3 3/4 · 4: -1/1 2/3 4/4 · 3: 0/1 1/2 4/4 · 2: 1/1 2/2 5/4 · 1: 2/1 3/2 4/3"),
    Row("Oriental", NoPrime, "6: 0/1 1/2 2/3 · 5: 0/1 1/2 3/4 · 4: -1/1 2/3 3/4 · 3: -1/1 2/3 3/4 · 2: 1/1 2/2 5/4 · 1: 1/1 2/2 5/4"),
    Row("Double Harmonic", NoPrime, "6: 0/1 1/2 3/4 · 5: -1/1 2/3 3/4 · 4: -1/1 2/3 3/4 · 3: 0/1 1/2 4/4 · 2: 1/1 2/2 5/4 · 1: 1/1 3/3 4/4"),
    Row("Enigmatic", NoPrime, "6: 0/1 2/2 4/4 · 5: 1/1 2/2 3/3 · 4: -1/1 2/3 4/4 · 3: 1/1 3/3 4/4 · 2: 1/1 2/2 5/4 · 1: 2/1 4/2 6/4"),
    Row("Overtone", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 0/1 2/3 3/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 5/4"),
    Row("Balinese", NoPrime, "6: -1/1 3/4 · 5: -1/1 3/4 · 4: -1/1 1/3 · 3: 0/1 1/2 · 2: 1/1 2/2 4/4 · 1: 3/3 4/4"),
    Row("Okinawa", 0, "6: 0/1' 1/2 3/4 · 5: 2/3 3/4 · 4: 2/3 3/4 · 3: 0/1' 4/4 · 2: 1/1 5/4 · 1: 1/1 3/2"),
    // Sounds only the scale: minor sixth on string 5, not the major one.
    Row("In Sen Pou", 1, "6: 1/2 3/4 · 5: -1/1' 3/4 · 4: -1/1' 3/4 · 3: 0/1 1/2 · 2: 1/1 2/2 · 1: 1/1 3/3 4/4"),
};

constexpr ShapeRow Shape4[] = {
    Row("Major", NoPrime, "6: 0/1 2/2 4/4 · 5: 1/1 2/2 4/4 · 4: 1/1 2/2 4/4 · 3: 1/1 3/2 4/4 · 2: 2/1 4/3 5/4 · 1: 2/1 4/2 6/4"),
    Row("Harmonic Major", NoPrime, "6: 0/1 2/3 3/4 · 5: 1/1 2/2 4/4 · 4: 1/1 2/2 4/4 · 3: 0/1 3/3 4/4 · 2: 2/1 4/3 5/4 · 1: 2/1 3/2 6/4"),
    Row("Hungarian Major", NoPrime, "6: 1/1 2/2 4/4 · 5: 0/1 2/2 5/4 · 4: 1/1 3/3 4/4 · 3: 1/1 2/3 4/4 · 2: 3/1 4/2 6/4 · 1: 2/1 4/3 5/4"),
    // Sounds only the scale: minor second and third, not the major ones.
    Row("Neopolitan Major", NoPrime, "6: 0/1 2/2 4/4 · 5: 1/1 2/2 3/3 · 4: 0/1 2/2 4/4 · 3: 1/1 3/3 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 4/3 6/4"),
    Row("Pentatonic Major", 1, "6: 0/2' 2/4' · 5: 0/2' 2/4' · 4: -1/1' 2/4' · 3: -1/1' 2/4' · 2: 0/2' 2/4' · 1: 0/2' 2/4'"),
    Same("Gagaku (Ryo)", "Pentatonic Major"),
    Row("Pentatonic Minor", 0, "6: 0/1' 3/4' · 5: 0/1' 3/4' · 4: 0/1' 2/3' · 3: 0/1' 2/3' · 2: 1/2' 3/4' · 1: 0/1' 3/4'"),
    Same("Zokugaku", "Pentatonic Minor"),
    Row("Blues", 0, "6: 0/1' 3/4' · 5: 0/1' 3/4' · 4: 0/1' 1/2' 2/3' · 3: 0/1' 2/3' · 2: 1/2' 3/3' 4/4' · 1: 0/1' 3/4'"),
    Row("Major Blues", 1, "6: 0/2' 2/4' · 5: 0/2' 2/3' 3/4' · 4: -1/1' 2/4' · 3: -1/1' 2/4' · 2: 0/2' 1/3' 2/4' · 1: 0/2' 2/4'"),
    Row("Natural Minor", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 2/2 4/4 · 3: 0/1 2/2 4/4 · 2: 2/1 3/2 5/4 · 1: 2/1 3/2 5/4"),
    Row("Harmonic Minor", NoPrime, "6: 0/1 2/3 3/4 · 5: 1/1 2/2 4/4 · 4: 0/1 2/2 4/4 · 3: 0/1 3/3 4/4 · 2: 2/1 3/2 5/4 · 1: 2/1 3/2 6/4"),
    // Sounds only the scale: no minor seventh on top; the major seventh lies beyond the hand.
    Row("Jazz Minor", NoPrime, "6: 0/1 2/2 4/4 · 5: 1/1 2/2 4/4 · 4: 0/1 2/2 4/4 · 3: 1/1 3/3 4/4 · 2: 2/1 3/2 5/4 · 1: 2/1 4/3"),
    Row("Lydian Minor", NoPrime, "6: 1/1 2/2 3/3 · 5: 0/1 2/2 4/4 · 4: 1/1 3/3 4/4 · 3: 0/1 2/2 4/4 · 2: 2/1 4/2 6/4 · 1: 2/1 3/2 5/4"),
    Row("Hungarian Minor", NoPrime, "6: 1/1 2/2 3/3 · 5: 1/1 2/2 4/4 · 4: 0/1 3/3 4/4 · 3: 0/1 3/3 4/4 · 2: 2/1 3/2 6/4 · 1: 2/1 3/2 6/4"),
    Row("Neopolitan Minor", NoPrime, "6: 0/1 2/3 3/4 · 5: 1/1 2/2 3/3 · 4: 0/1 2/2 4/4 · 3: 0/1 3/3 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 6/4"),
    Empty("Dim Whole Tone"),
    Row("Leading Whole Tone", NoPrime, "6: 1/1 3/2 5/4 · 5: 1/1 2/2 4/4 · 4: 1/1 3/2 5/4 · 3: 2/1 3/2 4/4 · 2: 2/1 4/3 6/4 · 1: 3/1 5/2 6/4"),
    Row("Arabian", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 1/1 2/2 3/3 · 3: 0/1 2/2 4/4 · 2: 2/1 4/3 5/4 · 1: 1/1 3/2 5/4"),
    Same("Byzantine", "Double Harmonic"),
    Row("Hungarian Gypsy", NoPrime, "6: 1/1 2/2 3/3 · 5: 0/1 2/2 4/4 · 4: 1/1 3/3 4/4 · 3: 0/1 2/2 4/4 · 2: 2/1 4/2 6/4 · 1: 2/1 3/2 5/4"),
    Row("Persian", NoPrime, "6: 0/1 1/2 3/4 · 5: 1/1 2/2 3/3 · 4: 1/1 2/2 3/3 · 3: 0/1 3/3 4/4 · 2: 1/1 4/3 5/4 · 1: 1/1 3/2 6/4"),
    Row("East Indian Purvi", NoPrime, "6: 1/1 2/2 3/3 · 5: 1/1 2/2 3/3 · 4: 1/1 3/3 4/4 · 3: 0/1 3/3 4/4 · 2: 1/1 4/3 6/4 · 1: 2/1 3/2 6/4"),
    Row("Oriental", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 2/3 3/4 · 4: 1/1 2/2 3/3 · 3: 1/1 2/2 4/4 · 2: 1/1 4/3 5/4 · 1: 1/1 4/3 5/4"),
    Row("Double Harmonic", NoPrime, "6: 0/1 2/3 3/4 · 5: 1/1 2/2 3/3 · 4: 1/1 2/2 4/4 · 3: 0/1 3/3 4/4 · 2: 1/1 4/3 5/4 · 1: 2/1 3/2 6/4"),
    Row("Enigmatic", NoPrime, "6: 1/1 3/2 5/4 · 5: 1/1 2/2 3/3 · 4: 1/1 3/2 5/4 · 3: 2/1 3/2 4/3 · 2: 1/1 4/3 6/4 · 1: 3/1 5/3 6/4"),
    Row("Overtone", NoPrime, "6: 1/1 2/2 4/4 · 5: 0/1 2/2 4/4 · 4: 1/1 3/3 4/4 · 3: 1/1 2/2 4/4 · 2: 2/1 4/2 6/4 · 1: 2/1 4/3 5/4"),
    Row("Balinese", NoPrime, "6: 0/3 1/4 · 5: 0/2 1/4 · 4: -1/1 2/4 · 3: -2/1 2/4 · 2: -1/1 1/3 · 1: 0/1 1/2 5/4"),
    Row("Okinawa", NoPrime, "6: 0/1 2/3 · 5: 1/1 2/2 · 4: 1/1 2/2 4/4 · 3: 3/1 4/2 · 2: 4/1 5/2 · 1: 2/1 6/4"),
    // Sounds only the scale: top note is the scale's fifth note, not a semitone above it.
    Row("In Sen Pou", 0, "6: 0/1' 2/3 3/4 · 5: 2/1 3/2 · 4: 2/1 4/3 · 3: 0/1' 4/4 · 2: 1/1 5/4 · 1: 2/1 3/2"),
};

constexpr ShapeRow Shape5[] = {
    Row("Major", NoPrime, "6: 0/1 2/2 4/4 · 5: 0/1 2/2 4/4 · 4: 0/1 2/2 4/4 · 3: 1/1 2/2 4/4 · 2: 2/1 3/2 5/4 · 1: 2/1 4/3 5/4"),
    Row("Harmonic Major", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 2/2 4/4 · 4: 0/1 2/3 3/4 · 3: 1/1 2/2 4/4 · 2: 2/1 3/2 5/4 · 1: 1/1 4/3 5/4"),
    Row("Hungarian Major", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 3/3 4/4 · 4: 1/1 2/2 4/4 · 3: 0/1 2/2 5/4 · 2: 2/1 4/3 5/4 · 1: 2/1 3/2 5/4"),
    Row("Neopolitan Major", NoPrime, "6: 0/1 2/2 4/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 1/1 2/2 3/3 · 2: 1/1 3/2 5/4 · 1: 2/1 4/3 5/4"),
    Row("Pentatonic Major", 0, "6: 0/1' 3/4' · 5: 0/1' 2/3' · 4: 0/1' 2/3' · 3: 0/1' 2/3' · 2: 0/1' 3/4' · 1: 0/1' 3/4'"),
    Same("Gagaku (Ryo)", "Pentatonic Major"),
    Row("Pentatonic Minor", 0, "6: 1/2' 3/4' · 5: 1/2' 3/4' · 4: 0/1' 3/4' · 3: 0/1' 3/4' · 2: 1/2' 3/4' · 1: 1/2' 3/4'"),
    Same("Zokugaku", "Pentatonic Minor"),
    // Sounds only the scale: no minor sixth on string 4.
    Row("Blues", 0, "6: 1/2' 3/4' · 5: 1/2' 3/4' · 4: 0/1' 3/4' · 3: 0/1' 3/4' · 2: 1/2' 2/3' 3/4' · 1: 1/2' 3/4'"),
    Row("Major Blues", 0, "6: 0/1' 3/4 · 5: 0/1' 1/2 2/3 · 4: 0/1' 2/3 · 3: 0/1' 2/3 3/4 · 2: 0/1' 3/4 · 1: 0/1' 3/4"),
    Row("Natural Minor", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: 0/1 2/3 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 3/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Harmonic Minor", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 2/3 3/4 · 4: 0/1 2/3 3/4 · 3: 1/1 2/2 4/4 · 2: 1/1 3/2 5/4 · 1: 1/1 4/3 5/4"),
    Row("Jazz Minor", NoPrime, "6: 0/1 2/2 4/4 · 5: 0/1 2/3 3/4 · 4: 0/1 2/2 4/4 · 3: 1/1 2/2 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 4/3 5/4"),
    Row("Lydian Minor", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/3 4/4 · 4: 1/1 2/2 3/3 · 3: 0/1 2/2 4/4 · 2: 2/1 4/3 5/4 · 1: 1/1 3/2 5/4"),
    Row("Hungarian Minor", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 2/3 3/4 · 4: 1/1 2/2 3/3 · 3: 1/1 2/2 4/4 · 2: 1/1 4/3 5/4 · 1: 1/1 4/3 5/4"),
    Row("Neopolitan Minor", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/3 3/4 · 3: 1/1 2/2 3/3 · 2: 1/1 3/2 5/4 · 1: 1/1 4/3 5/4"),
    Empty("Dim Whole Tone"),
    Row("Leading Whole Tone", NoPrime, "6: 1/1 3/2 4/4 · 5: 0/1 2/2 4/4 · 4: 1/1 3/2 5/4 · 3: 1/1 2/2 4/4 · 2: 2/1 4/2 6/4 · 1: 3/1 4/3 5/4"),
    Row("Arabian", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 2/1 3/2 4/3 · 1: 1/1 3/2 5/4"),
    Row("Byzantine", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 1/2 4/4 · 4: 0/1 2/3 3/4 · 3: 1/1 2/2 3/3 · 2: 2/1 3/2 5/4 · 1: 1/1 4/3 5/4"),
    Row("Hungarian Gypsy", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 1/1 2/2 3/3 · 3: 0/1 2/2 4/4 · 2: 2/1 4/3 5/4 · 1: 1/1 3/2 5/4"),
    Row("Persian", 1, "6: -1/1' 1/2 4/4 · 5: 0/1 1/2 4/4 · 4: 0/1 1/2 3/4 · 3: 1/1 2/2 3/3 · 2: 2/1 3/2 4/3 · 1: 1/1 4/3 5/4"),
    Row("East Indian Purvi", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 1/2 4/4 · 4: 1/1 2/2 3/3 · 3: 1/1 2/2 3/3 · 2: 2/1 4/3 5/4 · 1: 1/1 4/3 5/4"),
    Row("Oriental", 1, "6: -1/1' 2/3 3/4 · 5: 0/1 1/2 4/4 · 4: 0/1 1/2 4/4 · 3: 0/1 2/3 3/4 · 2: 2/1 3/2 4/3 · 1: 2/1 3/2 5/4"),
    Row("Double Harmonic", NoPrime, "6: 0/1 1/2 4/4 · 5: 0/1 1/2 4/4 · 4: 0/1 2/3 3/4 · 3: 1/1 2/2 3/3 · 2: 2/1 3/2 5/4 · 1: 1/1 4/3 5/4"),
    Row("Enigmatic", NoPrime, "6: 1/1 3/3 4/4 · 5: 0/1 1/2 4/4 · 4: 1/1 3/2 5/4 · 3: 1/1 2/2 3/3 · 2: 2/1 4/2 6/4 · 1: 3/1 4/2 5/3"),
    Row("Overtone", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 2/2 4/4 · 4: 1/1 2/2 4/4 · 3: 0/1 2/2 4/4 · 2: 2/1 4/3 5/4 · 1: 2/1 3/2 5/4"),
    Row("Balinese", NoPrime, "6: -2/1 -1/2 · 5: -2/1 0/3 1/4 · 4: 0/3 1/4 · 3: 0/2 2/4 · 2: -1/1 3/4 · 1: -1/1 3/4"),
    Row("Okinawa", 0, "6: 0/1' 4/4 · 5: 0/1' 4/4 · 4: 0/1' 2/2 · 3: 1/1 2/2 · 2: 2/1 3/2 5/4 · 1: 4/3 5/4"),
    Row("In Sen Pou", 0, "6: 0/1' 1/2 · 5: 0/1' 1/2 · 4: 0/1' 2/3 3/4 · 3: 2/1 3/2 · 2: 3/1 5/3 · 1: 1/1 5/4"),
};

constexpr ShapeRow Shape6[] = {
    Row("Major", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 2/3 3/4 · 4: 0/1 2/2 4/4 · 3: 0/1 2/2 4/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 5/4"),
    Row("Harmonic Major", 1, "6: -1/1' 2/3 3/4 · 5: 0/1 2/3 3/4 · 4: 0/1 1/2 4/4 · 3: 0/1 2/2 4/4 · 2: 1/1 3/3 4/4 · 1: 2/1 3/2 5/4"),
    Row("Hungarian Major", NoPrime, "6: 0/1 1/2 3/4 · 5: 1/1 2/2 4/4 · 4: 0/1 2/3 3/4 · 3: 0/1 3/3 4/4 · 2: 2/1 3/2 5/4 · 1: 1/1 3/2 6/4"),
    Row("Neopolitan Major", 1, "6: 0/1 2/3 3/4 · 5: -1/1' 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 0/1 1/2 3/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 4/3"),
    Row("Natural Minor", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 1/2 3/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/3 3/4 · 2: 1/1 3/3 4/4 · 1: 1/1 3/2 5/4"),
    Row("Harmonic Minor", 1, "6: -1/1' 2/3 3/4 · 5: 0/1 1/2 3/4 · 4: 0/1 1/2 4/4 · 3: 0/1 2/3 3/4 · 2: 1/1 3/3 4/4 · 1: 2/1 3/2 5/4"),
    Row("Jazz Minor", NoPrime, "6: 0/1 2/3 3/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/2 4/4 · 3: 0/1 2/3 3/4 · 2: 1/1 3/2 5/4 · 1: 2/1 3/2 5/4"),
    Row("Lydian Minor", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/3 4/4 · 2: 2/1 3/2 4/4 · 1: 1/1 3/2 5/3"),
    Row("Hungarian Minor", 1, "6: -1/1' 2/3 3/4 · 5: 0/1 1/2 4/4 · 4: 0/1 1/2 4/4 · 3: 0/1 2/3 3/4 · 2: 2/1 3/2 4/3 · 1: 2/1 3/2 5/4"),
    Row("Neopolitan Minor", 1, "6: -1/1' 2/3 3/4 · 5: -1/1' 1/2 3/4 · 4: 0/1 1/2 4/4 · 3: 0/1 1/2 3/4 · 2: 1/1 3/3 4/4 · 1: 2/1 3/2 4/3"),
    Empty("Dim Whole Tone"),
    Row("Leading Whole Tone", NoPrime, "6: 1/1 2/3 3/4 · 5: 0/1 2/3 4/4 · 4: 1/1 3/2 4/4 · 3: 0/1 2/2 4/4 · 2: 2/1 4/2 6/4 · 1: 2/1 3/2 5/4"),
    Row("Arabian", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: -1/1' 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 2/2 4/4 · 1: 1/1 3/2 5/4"),
    Row("Byzantine", 1, "6: -1/1' 2/3 3/4 · 5: -1/1' 2/3 3/4 · 4: 0/1 1/2 4/4 · 3: 0/1 1/2 4/4 · 2: 1/1 3/3 4/4 · 1: 2/1 3/2 4/3"),
    Row("Hungarian Gypsy", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 2/1 3/2 4/3 · 1: 1/1 3/2 5/4"),
    Row("Persian", 1, "6: -1/1' 2/3 3/4 · 5: -1/1' 2/3 3/4 · 4: -1/1' 1/2 4/4 · 3: 0/1 1/2 4/4 · 2: 1/1 2/2 4/4 · 1: 2/1 3/2 4/3"),
    Row("East Indian Purvi", 1, "6: -1/1' 2/3 3/4 · 5: -1/1' 2/3 4/4 · 4: 0/1 1/2 4/4 · 3: 0/1 1/2 4/4 · 2: 2/1 3/2 4/3 · 1: 2/1 3/2 4/3"),
    Row("Oriental", 1, "6: 0/1 1/2 3/4 · 5: -1/1' 2/3 3/4 · 4: -1/1' 2/3 3/4 · 3: 0/1 1/2 4/4 · 2: 1/1 2/2 5/4 · 1: 1/1 3/3 4/4"),
    Row("Double Harmonic", 1, "6: -1/1' 2/3 3/4 · 5: -1/1' 2/3 3/4 · 4: 0/1 1/2 4/4 · 3: 0/1 1/2 4/4 · 2: 1/1 3/3 4/4 · 1: 2/1 3/2 4/3"),
    Row("Enigmatic", 1, "6: 1/1 2/2 3/3 · 5: -1/1' 2/3 4/4 · 4: 1/1 3/3 4/4 · 3: 0/1 1/2 4/4 · 2: 2/1 4/2 6/4 · 1: 2/1 3/2 4/3"),
    Row("Overtone", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 0/1 2/3 3/4 · 3: 0/1 2/2 4/4 · 2: 2/1 3/2 5/4 · 1: 1/1 3/2 5/4"),
};

constexpr ShapeRow Shape7[] = {
    Row("Major", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 1/2 3/4 · 4: 0/1 2/3 3/4 · 3: 0/1 2/3 3/4 · 2: 1/1 3/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Harmonic Major", 1, "6: 0/1 1/2 3/4 · 5: 0/1 1/2 3/4 · 4: -1/1' 2/3 3/4 · 3: 0/1 2/3 3/4 · 2: 1/1 2/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Hungarian Major", 1, "6: -1/1' 1/2 4/4 · 5: 0/1 2/3 3/4 · 4: 0/1 1/2 3/4 · 3: 1/1 2/2 4/4 · 2: 1/1 3/3 4/4 · 1: 1/1 4/3 5/4"),
    Row("Neopolitan Major", 1, "6: 0/1 1/2 2/3 · 5: -1/1' 1/2 3/4 · 4: 0/1 2/3 3/4 · 3: -1/1' 1/2 3/4 · 2: 1/1 3/2 5/4 · 1: 1/1 2/2 4/4"),
    Row("Natural Minor", 1, "6: -1/1' 1/2 3/4 · 5: -1/1' 1/2 3/4 · 4: -1/1' 1/2 3/4 · 3: 0/1 1/2 3/4 · 2: 1/1 2/2 4/4 · 1: 1/1 3/3 4/4"),
    Row("Harmonic Minor", 1, "6: 0/1 1/2 3/4 · 5: -1/1' 1/2 3/4 · 4: -1/1' 2/3 3/4 · 3: 0/1 1/2 3/4 · 2: 1/1 2/2 5/4 · 1: 1/1 3/3 4/4"),
    Row("Jazz Minor", 1, "6: 0/1 1/2 3/4 · 5: -1/1' 1/2 3/4 · 4: 0/1 2/3 3/4 · 3: 0/1 1/2 3/4 · 2: 1/1 3/2 5/4 · 1: 1/1 3/3 4/4"),
    Row("Lydian Minor", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: -1/1' 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 2/2 4/4 · 1: 1/1 3/2 5/4"),
    Row("Hungarian Minor", 1, "6: 0/1 1/2 3/4 · 5: -1/1' 2/3 3/4 · 4: -1/1' 2/3 3/4 · 3: 0/1 1/2 4/4 · 2: 1/1 2/2 5/4 · 1: 1/1 3/3 4/4"),
    Row("Neopolitan Minor", 1, "6: 0/1 1/2 2/3 · 5: -1/1' 1/2 3/4 · 4: -1/1' 2/3 3/4 · 3: -1/1' 1/2 3/4 · 2: 1/1 2/2 5/4 · 1: 1/1 2/2 4/4"),
    Empty("Dim Whole Tone"),
    Row("Leading Whole Tone", NoPrime, "6: 0/1 1/2 3/4 · 5: 0/1 2/2 4/4 · 4: 1/1 2/3 3/4 · 3: 0/1 2/3 4/4 · 2: 2/1 4/2 5/4 · 1: 1/1 3/2 5/4"),
    Row("Arabian", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 1/2 2/3 · 4: -1/1' 1/2 3/4 · 3: 0/1 2/3 3/4 · 2: 0/1 2/2 4/4 · 1: 1/1 3/2 5/4"),
    Row("Byzantine", 1, "6: 0/1 1/2 2/3 · 5: 0/1 1/2 3/4 · 4: -1/1' 2/3 3/4 · 3: -1/1' 2/3 3/4 · 2: 1/1 2/2 5/4 · 1: 1/1 2/2 5/4"),
    Row("Hungarian Gypsy", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: -1/1' 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 2/2 4/4 · 1: 1/1 3/2 5/4"),
    Row("Persian", 1, "6: 0/1 1/2 2/3 · 5: 0/1 1/2 2/3 · 4: -1/1' 2/3 3/4 · 3: -1/1' 2/3 3/4 · 2: 0/1 2/2 5/4 · 1: 1/1 2/2 5/4"),
    Row("East Indian Purvi", 1, "6: 0/1 1/2 2/3 · 5: 0/1 2/3 3/4 · 4: -1/1' 2/3 3/4 · 3: -1/1' 2/3 4/4 · 2: 1/1 2/2 5/4 · 1: 1/1 2/2 5/4"),
    Row("Oriental", 1, "6: -1/1' 1/3 2/4 · 5: 0/1 1/2 2/3 · 4: 0/1 1/2 3/4 · 3: -1/1' 2/3 3/4 · 2: 0/1 3/3 4/4 · 1: 1/1 2/2 5/4"),
    Row("Double Harmonic", 1, "6: 0/1 1/2 2/3 · 5: 0/1 1/2 3/4 · 4: -1/1' 2/3 3/4 · 3: -1/1' 2/3 3/4 · 2: 1/1 2/2 5/4 · 1: 1/1 2/2 5/4"),
    Row("Enigmatic", 1, "6: 0/1 1/2 2/3 · 5: 0/1 2/2 4/4 · 4: 1/1 2/2 3/3 · 3: -1/1' 2/3 4/4 · 2: 2/1 4/3 5/4 · 1: 1/1 2/2 5/4"),
    Row("Overtone", 1, "6: -1/1' 1/2 3/4 · 5: 0/1 2/3 3/4 · 4: 0/1 1/2 3/4 · 3: 0/1 2/2 4/4 · 2: 1/1 3/3 4/4 · 1: 1/1 3/2 5/4"),
};

}  // namespace

std::string clsScaleDictionary::GetShape1(int16_t StartFret) { return Position(Shape1, ScaleName, StartFret); }
std::string clsScaleDictionary::GetShape2(int16_t StartFret) { return Position(Shape2, ScaleName, StartFret); }
std::string clsScaleDictionary::GetShape3(int16_t StartFret) { return Position(Shape3, ScaleName, StartFret); }
std::string clsScaleDictionary::GetShape4(int16_t StartFret) { return Position(Shape4, ScaleName, StartFret); }
std::string clsScaleDictionary::GetShape5(int16_t StartFret) { return Position(Shape5, ScaleName, StartFret); }
std::string clsScaleDictionary::GetShape6(int16_t StartFret) { return Position(Shape6, ScaleName, StartFret); }
std::string clsScaleDictionary::GetShape7(int16_t StartFret) { return Position(Shape7, ScaleName, StartFret); }
