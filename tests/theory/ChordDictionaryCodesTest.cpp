// Literal chord codes of the chord dictionary: the root-fret rules and their
// exceptions, the moveable selection order, template filling, the mended
// open cells and the answers to arguments out of range.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include "clsChordDictionary.h"

namespace {

struct CodeCase {
    uint8_t type, key, ext;
    const char* code;
};

void ExpectCodes(const CodeCase* begin, const CodeCase* end) {
    for (const CodeCase* c = begin; c != end; ++c) {
        EXPECT_EQ(clsChordDictionary().ChordCode(c->type, c->key, c->ext), std::optional<std::string>(c->code))
            << "type " << int(c->type) << " key " << int(c->key) << " extension " << int(c->ext);
    }
}

// Bar chords at the root fret of the key, including every kind of exception.
const CodeCase kBarChords[] = {
    {2, 0, 0, "1|8,1,10,3,10,4,9,2,8,7,8,1;8,6,1"},          // C at 8
    {2, 4, 0, "1|12,1,14,3,14,4,13,2,12,7,12,1;12,6,1"},     // E at 12, not 0
    {2, 5, 24, "1|13,2,12,1,14,4,12,7,13,3,12,1;12,5,1"},    // F maj9: 1 - 1 -> 12
    {2, 5, 23, "1|13,3,12,2,11,1,11,7,14,4,11,1;11,4,1"},    // F 7#5b9: 1 - 2 -> 11
    {2, 6, 32, "1|12,1,13,2,13,3,12,7,14,4,12,1;12,6,1"},    // F# 13b9: 2 - 2 -> 12
    {2, 6, 24, "1|2,2,1,1,3,4,1,7,2,3,1,1;1,5,1"},           // F# maj9: 2 - 1
    {2, 0, 4, "1|8,1,10,2,10,3,8,7,10,4,8,1;8,6,1"},         // m6, mended
    {3, 10, 8, "1|12,1,13,2,14,3,12,7,14,4,12,1;12,6,1"},    // A# dim7 at 13
    {3, 10, 0, "1|0,6,1,1,3,3,3,7,3,3,1,1;1,5,1;3,4,2;"},    // A# Major at 1
    {3, 0, 24, "1|12,1,15,4,12,7,12,7,12,7,12,1;12,6,1"},    // C maj9 at 15
    {3, 1, 24, "1|1,1,4,4,1,7,1,7,1,7,1,1;1,6,1"},           // C# maj9 keeps 4
    {3, 9, 0, "1|0,6,12,1,14,3,14,7,14,3,12,1;12,5,1;14,4,2;"},  // A at 12, not 0
    {3, 0, 23, "1|0,6,3,2,2,1,3,3,2,7,4,4;2,4,1"},           // reaches one fret below
};

TEST(ChordDictionaryCodes, BarChordsAtTheRootFret) {
    ExpectCodes(std::begin(kBarChords), std::end(kBarChords));
}

// Moveable chords: key C's lists, other keys' rotation, the A dim7 exception
// and the 13b9 order (shape 2 before shape 1 at a shared base fret).
const CodeCase kMoveable[] = {
    {1, 0, 0,
     "7|0,6,7,3,5,1,5,7,5,1,0,6;5,4,2|8,1,0,6,10,4,9,3,8,2,0,6|0,6,10,3,10,4,9,2,8,1,0,6"
     "|12,3,10,1,10,1,12,4,0,6,0,6;10,5,4|12,2,0,6,10,1,12,3,13,4,0,6|0,6,15,4,14,3,12,1,13,2,0,6"
     "|0,6,0,6,14,4,12,1,13,3,12,2"},
    {1, 2, 0,
     "7|0,6,5,4,4,3,2,1,3,2,0,6|0,6,0,6,4,4,2,1,3,3,2,2|0,6,9,3,7,1,7,7,7,1,0,6;7,4,2"
     "|10,1,0,6,12,4,11,3,10,2,0,6|0,6,12,3,12,4,11,2,10,1,0,6|14,3,12,1,12,1,14,4,0,6,0,6;12,5,4"
     "|14,2,0,6,12,1,14,3,15,4,0,6"},
    {1, 11, 1,
     "7|0,6,0,6,4,3,4,4,3,2,2,1|0,6,5,4,4,2,4,3,3,1,0,6|10,4,0,6,9,3,7,1,7,7,7,1;7,3,1"
     "|10,2,0,6,9,1,11,3,12,4,0,6|10,1,0,6,12,3,11,2,12,4,0,6|0,6,0,6,12,3,11,2,12,4,10,1"
     "|0,6,14,4,12,2,11,1,12,3,0,6"},
    {1, 6, 8,
     "5|0,6,3,2,4,3,2,1,4,4,0,6|5,2,0,6,4,1,5,3,4,1,5,4;4,4,2|5,2,6,4,4,1,5,3,0,6,0,6"
     "|0,6,6,1,7,2,0,6,7,3,8,4|11,2,0,6,10,1,11,3,10,1,0,6;10,4,2"},
    {1, 9, 8,
     "5|2,2,0,6,1,1,2,3,1,1,0,6;1,4,2|0,6,6,2,7,3,5,1,7,4,0,6|5,2,0,6,4,1,5,3,4,1,5,4;4,4,2"
     "|8,2,9,4,7,1,8,3,0,6,0,6|0,6,9,1,10,2,0,6,10,3,11,4"},
    {1, 7, 20, "2|3,3,2,2,0,6,1,1,3,4,1,1;1,3,1|0,6,10,3,9,1,10,4,9,2,0,6"},
    {1, 1, 32,
     "5|0,6,2,2,0,6,3,3,3,4,1,1|0,6,5,2,0,6,4,1,6,4,6,4;6,2,1|7,2,0,6,6,1,7,3,6,7,6,1;6,4,1"
     "|9,3,0,6,9,4,7,2,6,1,6,1;6,2,1|10,2,0,6,9,1,10,3,11,4,0,6"},
    {1, 0, 20, "2|0,6,3,3,2,1,3,4,2,2,0,6|8,3,7,2,0,6,6,1,8,4,6,1;6,3,1"},
};

TEST(ChordDictionaryCodes, MoveableSelectionOrder) {
    ExpectCodes(std::begin(kMoveable), std::end(kMoveable));
}

struct VariationCase {
    uint8_t type, key, ext;
    size_t variation;
    const char* fingering;
};

std::string Variation(const VariationCase& c) {
    const std::string code = clsChordDictionary().ChordCode(c.type, c.key, c.ext).value_or("");
    size_t start = 0;
    for (size_t v = 0; v < c.variation && start != std::string::npos; ++v) {
        start = code.find('|', start);
        if (start != std::string::npos) ++start;
    }
    if (start == std::string::npos) return "<no variation>";
    return code.substr(start, code.find('|', start) - start);
}

// Single shapes filled in at a base fret: two-digit frets, the highest fret,
// trailing ";" after two barre parts, all six strings played, three strings.
const VariationCase kShapes[] = {
    {1, 0, 0, 2, "8,1,0,6,10,4,9,3,8,2,0,6"},                  // Major 2 at 8
    {1, 8, 6, 4, "16,4,15,3,12,1,0,6,0,6,0,6"},                // b5 1 at 12
    {1, 0, 12, 2, "5,2,0,6,5,3,5,3,5,3,0,6;5,4,3;5,3,2;"},    // 6 1 at 5
    {1, 0, 18, 1, "7,3,0,6,5,1,5,1,5,1,7,4;5,4,3;5,3,2;"},    // maj7 1 at 5
    {1, 0, 18, 3, "0,6,0,6,10,4,9,3,8,2,7,1"},                 // maj7 3 at 7
    {1, 11, 25, 2, "14,2,0,6,12,1,14,3,14,3,16,4;14,3,2"},     // m13 1 at 12
    {1, 0, 31, 3, "6,2,0,6,5,1,5,1,0,6,5,1;5,3,1;5,4,3;"},     // 13 1 at 5
    {1, 6, 23, 1, "2,2,1,1,2,3,3,4,3,7,3,4;3,3,1"},            // 7#5b9 1 at 1
    {1, 0, 34, 3, "12,3,0,6,10,1,13,4,0,6,0,6"},               // + 3 at 10
    {0, 9, 2, 2, "0,6,0,0,2,1,2,7,2,1,3,2;2,4,2"},             // open A 7
    {0, 6, 25, 1, "0,0,0,0,1,1,1,1,2,3,2,3;1,4,3;2,2,1;"},     // open F# m13
    {0, 10, 0, 1, "0,6,0,6,0,0,3,3,3,4,1,1"},                  // open A# Major
};

TEST(ChordDictionaryCodes, SingleFingerings) {
    for (const VariationCase& c : kShapes)
        EXPECT_EQ(Variation(c), c.fingering)
            << "type " << int(c.type) << " key " << int(c.key) << " extension " << int(c.ext) << " v"
            << c.variation;
}

// Open cells whose fingerings sounded notes outside the chord or paired a fret
// with an impossible finger, as they now read.
const CodeCase kMendedOpenCells[] = {
    {0, 1, 15, "2|0,6,1,1,1,7,1,7,2,2,1,1;1,5,1|0,6,4,2,3,1,3,1,4,3,4,4;3,4,3"},  // C# 6/9
    {0, 1, 29, "1|0,6,4,2,3,1,4,3,4,4,3,1;3,4,1"},                                 // C# 9#11
    {0, 2, 32, "1|0,6,3,2,0,0,4,3,4,4,2,1"},                                       // D 13b9
    {0, 3, 31, "1|0,6,3,3,1,1,0,0,2,2,3,4"},                                       // D# 13
    {0, 5, 24, "2|1,1,0,0,2,3,0,0,1,2,0,0|0,0,0,0,3,3,0,0,1,1,0,0"},               // F maj9
    {0, 5, 31, "1|1,1,0,6,1,1,2,2,3,3,3,4"},                                       // F 13
    {0, 6, 12, "1|0,6,0,6,1,1,3,4,2,2,2,3"},                                       // F# 6
    {0, 6, 13, "3|0,6,0,6,2,2,2,3,1,1,2,4|0,0,0,0,4,4,2,2,1,1,0,0|2,2,0,6,2,3,2,4,1,1,0,0"},  // F# m7b5
    {0, 6, 31, "1|2,1,0,6,2,1,3,2,4,3,4,4"},                                       // F# 13
    {0, 7, 16, "1|3,1,5,3,3,7,3,7,3,1,5,4;3,6,2"},                                 // G m9
    {0, 8, 28, "2|4,2,3,1,4,3,3,7,3,1,0,6;3,5,2|0,6,1,1,0,0,1,2,1,3,2,4"},         // G# 9b5
    {0, 11, 19, "2|0,6,2,1,0,0,3,3,2,2,0,6|0,6,2,1,0,0,3,4,2,2,2,3"},              // B m9(M7)
};

TEST(ChordDictionaryCodes, MendedOpenCells) {
    ExpectCodes(std::begin(kMendedOpenCells), std::end(kMendedOpenCells));
}

struct RangeCase {
    uint8_t type, key, ext;
    std::optional<std::string> code;
};

// No value for a position type or key out of range; "" for an extension code
// out of range and for a cell without a fingering.
const RangeCase kRange[] = {
    {4, 0, 0, std::nullopt},  {255, 0, 0, std::nullopt}, {0, 12, 0, std::nullopt},
    {1, 12, 0, std::nullopt}, {2, 12, 0, std::nullopt},  {3, 255, 34, std::nullopt},
    {0, 0, 35, ""},           {0, 11, 255, ""},          {1, 0, 35, ""},
    {1, 5, 99, ""},           {1, 11, 255, ""},          {2, 0, 99, ""},
    {3, 0, 35, ""},           {0, 0, 1, ""},             {0, 3, 0, ""},
    {0, 11, 0, ""},           {2, 0, 6, ""},             {3, 0, 7, ""},
};

TEST(ChordDictionaryCodes, ArgumentsOutOfRangeAndEmptyCells) {
    for (const RangeCase& c : kRange)
        EXPECT_EQ(clsChordDictionary().ChordCode(c.type, c.key, c.ext), c.code)
            << "type " << int(c.type) << " key " << int(c.key) << " extension " << int(c.ext);
}

}  // namespace
