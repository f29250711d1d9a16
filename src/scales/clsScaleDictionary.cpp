#include "clsScaleDictionary.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "KeyNames.h"

namespace {

// The pitch class of the open low E string: a key's fret on that string is
// its distance above E ("E" 0, "F" 1, ... "C" 8, ... "D#" or "Eb" 11).
constexpr int16_t LowEKeyCode = 4;

// A position: shape n at start fret s; shape 0 is a position without fingering.
struct Cell {
    int16_t Shape;
    int16_t Start;
};
using Positions = std::array<Cell, 5>;
constexpr Cell None{0, 0};

// Where the shapes start above the key fret, shapes 1 to 7.
constexpr int16_t SevenNoteAnchor[] = {0, 2, 4, 5, 7, 9, 11};

// Five notes, by key fret. Key fret 0 depends on the name (FiveNoteByName).
constexpr Positions FiveNote[12] = {
    {None, None, None, None, None},
    {{{1, 1}, {2, 3}, {3, 5}, {4, 8}, {5, 10}}},
    {{{1, 2}, {2, 4}, {3, 6}, {4, 9}, {5, 11}}},
    {{{5, 0}, {1, 3}, {2, 5}, {3, 7}, {4, 10}}},
    {{{5, 1}, {1, 4}, {2, 6}, {3, 8}, {4, 11}}},
    {{{5, 2}, {1, 5}, {2, 7}, {3, 9}, {4, 12}}},
    {{{4, 1}, {5, 3}, {1, 6}, {2, 8}, {3, 10}}},
    {{{4, 2}, {5, 4}, {1, 7}, {2, 9}, {3, 11}}},
    {{{3, 0}, {4, 3}, {5, 5}, {1, 8}, {2, 10}}},
    {{{3, 1}, {4, 4}, {5, 6}, {1, 9}, {2, 11}}},
    {{{3, 2}, {4, 5}, {5, 7}, {1, 10}, {2, 12}}},
    {{{2, 1}, {3, 3}, {4, 6}, {5, 8}, {1, 11}}},
};

// Key frets whose positions depend on the scale name. At a key fret listed
// here a name without an entry gets the entry with the empty name, if any,
// else no fingering at all.
struct NamedPositions {
    int16_t KeyFret;
    std::string_view Name;
    Positions Cells;
};

constexpr Positions PentatonicMinorOnE{{{1, 0}, {2, 2}, {3, 4}, {4, 7}, {5, 9}}};
constexpr Positions PentatonicMajorOnE{{{2, 2}, {3, 4}, {4, 7}, {5, 9}, {1, 12}}};

constexpr NamedPositions FiveNoteByName[] = {
    {0, "Pentatonic Minor", PentatonicMinorOnE},
    {0, "Zokugaku", PentatonicMinorOnE},
    {0, "Pentatonic Major", PentatonicMajorOnE},
    {0, "Gagaku (Ryo)", PentatonicMajorOnE},
};

// Six notes: the five-note positions, except at these key frets. "Blues" on
// A shows shape 4 twice and shape 5 not at all; that is how it has always been.
constexpr NamedPositions SixNoteByName[] = {
    {0, "Blues", PentatonicMinorOnE},
    {0, "Major Blues", PentatonicMajorOnE},
    {5, "Blues", {{{4, 0}, {1, 5}, {2, 7}, {3, 9}, {4, 12}}}},
    {5, "Major Blues", {{{5, 2}, {1, 5}, {2, 7}, {3, 9}, {4, 12}}}},
    {5, "", {{None, {1, 5}, {2, 7}, {3, 9}, {4, 12}}}},
    {10, "Blues", {{{2, 0}, {3, 2}, {4, 5}, {5, 7}, {1, 10}}}},
    {10, "Major Blues", {{{3, 2}, {4, 5}, {5, 7}, {1, 10}, {2, 12}}}},
};

// "In Sen Pou" and "Okinawa": the same positions except at key frets 8 and 10.
constexpr Positions JapaneseFiveNote[12] = {
    {{{1, 0}, {2, 2}, {3, 4}, {4, 5}, {5, 7}}},
    {{{1, 1}, {2, 3}, {3, 5}, {4, 6}, {5, 8}}},
    {{{1, 2}, {2, 4}, {3, 6}, {4, 7}, {5, 9}}},
    {{{1, 3}, {2, 5}, {3, 7}, {4, 8}, {5, 10}}},
    {{{1, 4}, {2, 6}, {3, 8}, {4, 9}, {5, 11}}},
    {{{5, 0}, {1, 5}, {2, 7}, {3, 9}, {4, 10}}},
    {{{5, 1}, {1, 6}, {2, 8}, {3, 10}, {4, 11}}},
    {{{4, 0}, {5, 2}, {1, 7}, {2, 9}, {3, 11}}},
    {None, None, None, None, None},
    {{{3, 1}, {4, 2}, {5, 4}, {1, 9}, {2, 11}}},
    {None, None, None, None, None},
    {{{2, 1}, {3, 3}, {4, 4}, {5, 6}, {1, 11}}},
};

constexpr NamedPositions JapaneseByName[] = {
    {8, "In Sen Pou", {{{4, 1}, {5, 3}, {1, 8}, {2, 10}, {3, 12}}}},
    {8, "Okinawa", {{{3, 0}, {4, 1}, {5, 3}, {1, 8}, {2, 10}}}},
    {10, "In Sen Pou", {{{3, 2}, {4, 3}, {5, 5}, {1, 10}, {2, 12}}}},
    {10, "Okinawa", {{{2, 0}, {3, 2}, {4, 3}, {5, 5}, {1, 10}}}},
};

// The position `Index` (1 to 5) for `name` at `keyFret`, or None.
Cell PickCell(const Positions (&byKeyFret)[12], std::span<const NamedPositions> byName, int16_t keyFret,
              std::string_view name, int16_t Index) {
    if (Index < 1 || Index > 5 || keyFret < 0 || keyFret > 11) return None;
    bool named = false;
    for (const NamedPositions& entry : byName) {
        if (entry.KeyFret != keyFret) continue;
        named = true;
        if (entry.Name == name || entry.Name.empty()) return entry.Cells[Index - 1];
    }
    return named ? None : byKeyFret[keyFret][Index - 1];
}

}  // namespace

std::string clsScaleDictionary::ScaleCode(const std::string& scaleName, const std::string& Notes,
                                          int16_t& NoteCount) {
    ScaleName = scaleName;
    // No notes: nothing to anchor or count.
    if (Notes.empty()) return "";

    const std::string_view root = std::string_view(Notes).substr(0, Notes.find('-'));
    if (const std::optional<int16_t> keyCode = KeyNames::FindKeyCode(root))
        KeyFret = static_cast<int16_t>((*keyCode - LowEKeyCode + 12) % 12);

    // One less than the number of names; a list too long for 16 bits keeps the
    // largest count whose loop below still fits.
    const auto upper = std::count(Notes.begin(), Notes.end(), '-');
    NoteCount = static_cast<int16_t>(
        std::min<decltype(upper)>(upper, std::numeric_limits<int16_t>::max() - 1));

    std::string code;
    for (int i = 0; i <= NoteCount + 1; ++i) {
        code += GetScale(static_cast<int16_t>(i), NoteCount);
        code += "||";
    }
    code.resize(code.size() - 2);
    return code;
}

std::string clsScaleDictionary::GetScale(int16_t Index, int16_t NoteCount) {
    Cell cell = None;
    switch (NoteCount) {
    case 6: {
        if (Index < 1 || Index > 7 || KeyFret < 0 || KeyFret > 11) return "";
        // Key frets pair up (0-1, 2-3, ...); each pair starts one shape earlier.
        const int k = Index - 1 - KeyFret / 2;
        const int shape = (k % 7 + 7) % 7 + 1;
        const int start = KeyFret + SevenNoteAnchor[shape - 1] - (k < 0 ? 12 : 0);
        cell = {static_cast<int16_t>(shape), static_cast<int16_t>(start)};
        break;
    }
    case 4:
        if (ScaleName == "In Sen Pou") return GetInSenPouScale(Index, KeyFret);
        if (ScaleName == "Okinawa") return GetOkinawaScale(Index, KeyFret);
        cell = PickCell(FiveNote, FiveNoteByName, KeyFret, ScaleName, Index);
        break;
    case 5:
        cell = PickCell(FiveNote, SixNoteByName, KeyFret, ScaleName, Index);
        break;
    default:
        return "";
    }
    return GetShape(cell.Shape, cell.Start);
}

std::string clsScaleDictionary::GetInSenPouScale(int16_t Index, int16_t keyFret) {
    const Cell cell = PickCell(JapaneseFiveNote, JapaneseByName, keyFret, "In Sen Pou", Index);
    return GetShape(cell.Shape, cell.Start);
}

std::string clsScaleDictionary::GetOkinawaScale(int16_t Index, int16_t keyFret) {
    const Cell cell = PickCell(JapaneseFiveNote, JapaneseByName, keyFret, "Okinawa", Index);
    return GetShape(cell.Shape, cell.Start);
}

std::string clsScaleDictionary::GetShape(int16_t Shape, int16_t StartFret) {
    switch (Shape) {
    case 1: return GetShape1(StartFret);
    case 2: return GetShape2(StartFret);
    case 3: return GetShape3(StartFret);
    case 4: return GetShape4(StartFret);
    case 5: return GetShape5(StartFret);
    case 6: return GetShape6(StartFret);
    case 7: return GetShape7(StartFret);
    default: return "";
    }
}
