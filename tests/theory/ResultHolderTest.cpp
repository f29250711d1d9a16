// clsChord and clsScale: a code split into variations handed out by number.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "clsChord.h"
#include "clsScale.h"

namespace {

TEST(ResultHolders, ChordCodeCountsItsFingeringsNotItsCountText) {
    struct Case {
        const char* code;
        int count;
        int index;
        const char* element;
    };
    const Case cases[] = {
        {"1|8,1,10,3,10,4,9,2,8,7,8,1;8,6,1", 1, 1, "8,1,10,3,10,4,9,2,8,7,8,1;8,6,1"},
        {"1|8,1,10,3,10,4,9,2,8,7,8,1;8,6,1", 1, 0, "1"},
        {"2|a|b|c|d", 4, 4, "d"},
        {"2|a|b|c|d", 4, 0, "2"},
        {"3|x||z", 3, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        clsChord chord;
        EXPECT_EQ(chord.Variation(), 0);
        chord.SetChordCode(c.code);
        EXPECT_EQ(chord.VariationCount(), c.count);
        EXPECT_EQ(chord.GetChord(int16_t(c.index)), c.element);
        EXPECT_EQ(chord.Variation(), c.index);
    }
}

TEST(ResultHolders, ScaleCodeSplitsOnTheDoubleBar) {
    clsScale scale;
    scale.SetScaleCode("||p1||p2||p3||p4||p5");
    EXPECT_EQ(scale.VariationCount(), 5);
    EXPECT_EQ(scale.GetScale(3), "p3");
    EXPECT_EQ(scale.GetScale(0), "");
    EXPECT_EQ(scale.Variation(), 0);

    // The empty sixth position of a six-note scale still counts.
    scale.SetScaleCode("||6,1,1|5,3,3||q2||q3||q4||q5||");
    EXPECT_EQ(scale.VariationCount(), 6);
    EXPECT_EQ(scale.GetScale(6), "");
    EXPECT_EQ(scale.GetScale(1), "6,1,1|5,3,3");
}

TEST(ResultHolders, OutOfRangeFailsAndKeepsTheIndex) {
    clsChord chord;
    EXPECT_THROW(chord.GetChord(1), std::out_of_range);  // before any code
    EXPECT_EQ(chord.Variation(), 1);
    chord.SetChordCode("5|a|b|c|d|e");
    EXPECT_THROW(chord.GetChord(7), std::out_of_range);
    EXPECT_EQ(chord.Variation(), 7);
    EXPECT_THROW(chord.GetChord(-1), std::out_of_range);

    // An empty code holds no element at all.
    clsScale scale;
    scale.SetScaleCode("");
    EXPECT_EQ(scale.VariationCount(), -1);
    EXPECT_THROW(scale.GetScale(0), std::out_of_range);
    // A new code replaces the old elements.
    chord.SetChordCode("1|z");
    EXPECT_EQ(chord.VariationCount(), 1);
    EXPECT_THROW(chord.GetChord(2), std::out_of_range);
}

}  // namespace
