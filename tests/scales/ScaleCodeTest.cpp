#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ScaleTestSupport.h"
#include "clsScaleDictionary.h"

using namespace scaletest;

namespace {

std::string ScaleCode(const std::string& name, const std::string& notes, int16_t& noteCount) {
    clsScaleDictionary dictionary;
    return dictionary.ScaleCode(name, notes, noteCount);
}

// Every scale type in every key, with the note list the engine builds: one
// position per note (the sixth of a six-note scale empty), each a playable
// fingering of the scale's notes only, inside frets 0..19, open strings and
// only they with finger 0.
TEST(ScaleCode, EveryScaleTypeInEveryKeyGivesPlayablePositionsOfItsNotes) {
    int exceptions = 0;
    for (const ScaleType& type : kScaleTypes) {
        const std::vector<int> degrees = Degrees(type.Formula);
        const int noteCount = static_cast<int>(degrees.size());
        for (const Key& key : kKeys) {
            const std::string notes = NoteList(key, type.Formula);
            SCOPED_TRACE(std::string(type.Name) + " in " + key.Name + " (" + notes + ")");
            std::set<int> pitchClasses;
            for (int degree : degrees) pitchClasses.insert((key.Code + degree) % 12);

            int16_t count = -99;
            const std::vector<std::string> positions = Split(ScaleCode(type.Name, notes, count), "||");
            EXPECT_EQ(count, noteCount - 1);
            ASSERT_EQ(positions.size(), static_cast<size_t>(noteCount + 1));
            EXPECT_EQ(positions[0], "");

            for (int p = 1; p <= noteCount; ++p) {
                SCOPED_TRACE("position " + std::to_string(p) + ": " + positions[p]);
                if (noteCount == 6 && p == 6) {
                    EXPECT_EQ(positions[p], "");
                    continue;
                }
                bool ok = false;
                const std::vector<Note> fingering = ParsePosition(positions[p], ok);
                ASSERT_TRUE(ok);
                EXPECT_EQ(LayoutFault(fingering), "");
                std::set<int> sounded;
                for (const Note& note : fingering) {
                    SCOPED_TRACE(Describe(note));
                    EXPECT_TRUE(pitchClasses.count(note.Pitch() % 12));
                    sounded.insert(note.Pitch() % 12);
                    EXPECT_LE(note.Fret, 19);
                    EXPECT_LE(note.Finger, 4);
                    // Shape 4 of Okinawa has no open-position fingers: on B it
                    // starts at fret 0 and keeps finger 1 there.
                    const bool okinawaOnB = std::string(type.Name) == "Okinawa" && key.Code == 11 && p == 1 &&
                                            note == Note{6, 0, 1};
                    if (okinawaOnB)
                        ++exceptions;
                    else
                        EXPECT_EQ(note.Fret == 0, note.Finger == 0);
                }
                EXPECT_EQ(sounded, pitchClasses) << "a position holds every note of the scale";
            }
        }
    }
    EXPECT_EQ(exceptions, 1);
}

TEST(ScaleCode, MajorInA) {
    int16_t count = 0;
    const std::vector<std::string> positions = Split(ScaleCode("Major", "A-B-C#-D-E-F#-G#", count), "||");
    EXPECT_EQ(count, 6);
    ASSERT_EQ(positions.size(), 8u);
    EXPECT_EQ(positions[3],
              "6,5,1|6,7,2|6,9,4|5,5,1|5,7,2|5,9,4|4,6,1|4,7,2|4,9,4|3,6,1|3,7,2|3,9,4|2,7,1|2,9,3|2,10,4|1,7,1|"
              "1,9,3|1,10,4");
}

// Whole scale codes where every position is empty: the element count follows
// the number of names whatever they are.
TEST(ScaleCode, CodesWithoutFingerings) {
    struct Case {
        const char* name;
        const char* notes;
        int16_t noteCount;
        const char* code;
    };
    const Case cases[] = {
        {"Major", "C", 0, "||"},
        {"Major", "-", 1, "||||"},
        {"Major", "C--", 2, "||||||"},
        {"Pentatonic Minor", "E-G-A-B", 3, "||||||||"},
        {"Major", "C-D-E-F-G-A-B-C", 7, "||||||||||||||||"},
        {"Nonsense", "C-D-E-F-G-A-B", 6, "||||||||||||||"},
        {"Nonsense", "A-C-D-E-G", 4, "||||||||||"},
        {"Nonsense", "A-C-D-D#-E-G", 5, "||||||||||||"},
    };
    for (const Case& c : cases) {
        int16_t count = -1;
        EXPECT_EQ(ScaleCode(c.name, c.notes, count), c.code) << c.name << " / " << c.notes;
        EXPECT_EQ(count, c.noteCount) << c.name << " / " << c.notes;
    }
}

// Names compare exactly: another case, a blank, or a name of no table give no fingering.
TEST(ScaleCode, NamesOfNoScaleGiveEmptyPositions) {
    const char* const names[] = {"major", "MAJOR", "Major ", " Major", "", "Minor", "Pentatonic minor",
                                 "In sen pou", "okinawa", "Blues\t", "Gagaku"};
    const char* const lists[] = {"C-D-E-F-G-A-B", "E-G-A-B-D", "A-C-D-D#-E-G"};
    for (const char* name : names) {
        for (const char* notes : lists) {
            int16_t count = 0;
            const std::string code = ScaleCode(name, notes, count);
            const bool anyPosition = code.find_first_not_of('|') != std::string::npos;
            EXPECT_FALSE(anyPosition) << '"' << name << "\" / " << notes << ": " << code;
            EXPECT_EQ(code.size(), 2u * (count + 1)) << '"' << name << "\" / " << notes;
        }
    }
}

TEST(ScaleCode, EmptyNoteListGivesNothingAndChangesNoCountOrKey) {
    clsScaleDictionary dictionary;
    int16_t count = 0;
    dictionary.ScaleCode("Major", "A-B-C#-D-E-F#-G#", count);

    count = 42;
    EXPECT_EQ(dictionary.ScaleCode("Pentatonic Minor", "", count), "");
    EXPECT_EQ(count, 42);
    // The name is taken, the key fret of A stays: position 1 of A minor pentatonic.
    EXPECT_EQ(dictionary.GetScale(1, 4), clsScaleDictionaryProbe::Shape("Pentatonic Minor", 5, 2));

    clsScaleDictionary fresh;
    count = 7;
    EXPECT_EQ(fresh.ScaleCode("Major", "", count), "");
    EXPECT_EQ(count, 7);
}

// A root spelled in none of the 17 ways keeps the key fret the instance holds:
// that of E in a new one, that of the last lookup in a used one.
TEST(ScaleCode, UnknownRootKeepsTheKeyFret) {
    int16_t count = 0;
    const std::string inE = ScaleCode("Major", "E-F#-G#-A-B-C#-D#", count);
    for (const char* root : {"Cb", "E#", "c", "H", "", " E", "E "}) {
        EXPECT_EQ(ScaleCode("Major", std::string(root) + "-X-X-X-X-X-X", count), inE) << '"' << root << '"';
    }

    clsScaleDictionary used;
    const std::string inBb = used.ScaleCode("Major", "Bb-C-D-Eb-F-G-A", count);
    EXPECT_NE(inBb, inE);
    EXPECT_EQ(used.ScaleCode("Major", "Cb-X-X-X-X-X-X", count), inBb);
}

TEST(ScaleCode, OverlongNoteListKeepsTheLargestCount) {
    std::string notes = "C";
    for (int i = 0; i < 40000; ++i) notes += "-D";
    int16_t count = 0;
    const std::string code = ScaleCode("Major", notes, count);
    EXPECT_EQ(count, 32766);
    EXPECT_EQ(code, std::string(2 * 32767, '|'));
}

TEST(GetScale, IndexOutsideThePositionsOrUnknownCountIsEmpty) {
    struct Case {
        const char* name;
        const char* notes;
    };
    const Case scales[] = {{"Major", "A-B-C#-D-E-F#-G#"}, {"Pentatonic Minor", "A-C-D-E-G"},
                           {"Blues", "A-C-D-D#-E-G"},      {"In Sen Pou", "C-Db-F-G-Ab"},
                           {"Okinawa", "C-E-F-G-B"},       {"In Sen Pou", "E-F-A-B-C"}};
    for (const Case& c : scales) {
        clsScaleDictionary dictionary;
        int16_t count = 0;
        dictionary.ScaleCode(c.name, c.notes, count);
        for (int16_t noteCount : {int16_t(-1), int16_t(0), int16_t(3), int16_t(4), int16_t(5), int16_t(6),
                                  int16_t(7), int16_t(32767)}) {
            EXPECT_EQ(dictionary.GetScale(0, noteCount), "") << c.name << " count " << noteCount;
            EXPECT_EQ(dictionary.GetScale(-1, noteCount), "") << c.name << " count " << noteCount;
        }
        for (int16_t noteCount : {int16_t(-1), int16_t(0), int16_t(3), int16_t(7), int16_t(12)})
            EXPECT_EQ(dictionary.GetScale(1, noteCount), "") << c.name << " count " << noteCount;
        EXPECT_EQ(dictionary.GetScale(8, 6), "") << c.name;
        EXPECT_EQ(dictionary.GetScale(6, 4), "") << c.name;
        EXPECT_EQ(dictionary.GetScale(6, 5), "") << c.name;
    }
}

}  // namespace
