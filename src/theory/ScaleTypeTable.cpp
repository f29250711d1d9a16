#include "ScaleTypeTable.h"

#include <string_view>

// Name, group, formula, construction and usage text; the names are compared in this order.
const std::array<ScaleType, kScaleTypeCount> kScaleTypes = {{
    {"Major", 0, "1-3-5-6-8-10-12", "1, 1, 1/2, 1, 1, 1, 1/2",
     "The Major scale can be used with any chords from the major key. Example: The C "
     "Major scale can be used with C, Dm, Em, F, G, Am, and Bdim chords and their "
     "extensions."},
    {"Harmonic Major", 0, "1-3-5-6-8-9-12", "1, 1, 1/2, 1, 1/2, 1-1/2, 1/2",
     "The Harmonic Major scale can be used with major, M7, M7#5, and + chords."},
    {"Hungarian Major", 0, "1-4-5-7-8-10-11", "1-1/2, 1/2, 1, 1/2, 1, 1/2, 1",
     "The Hungarian Major scale can be used with 7th chords (especially the 7b5#9 "
     "chord)."},
    {"Neopolitan Major", 0, "1-2-4-6-8-10-12", "1/2, 1, 1, 1, 1, 1, 1/2",
     "The Neopolitan Major scale can be used with minor, m6th, and m+7 chords."},
    {"Pentatonic Major", 2, "1-3-5-8-10", "1, 1, 1-1/2, 1, 1-1/2",
     "The Pentatonic Major scale can be used with major type chords.  This is also "
     "known as the Country Lead scale and is usually one of the first scales learned "
     "because of it's ease of use."},
    {"Pentatonic Minor", 2, "1-4-6-8-11", "1-1/2, 1, 1, 1-1/2, 1",
     "The Pentatonic Minor scale can be used with all chord types.  Also known as the "
     "Lead scale it is also one of the first scales learned because of it's ease of "
     "use."},
    {"Natural Minor", 1, "1-3-4-6-8-9-11", "1, 1/2, 1, 1, 1/2, 1, 1",
     "The Natural Minor scale can be used with all minor type chords (min, m7, m9 "
     "etc.). "},
    {"Harmonic Minor", 1, "1-3-4-6-8-9-12", "1, 1/2, 1, 1, 1/2, 1-1/2, 1/2",
     "The Harmonic Minor scale can be used with min, m7, m9, m+7 and other chords "
     "within a minor key.  Example: You can use an A Harmonic Minor scale over Am, "
     "Bm7b5, Dm, and E7."},
    {"Jazz Minor", 1, "1-3-4-6-8-10-12", "1, 1/2, 1, 1, 1, 1, 1/2",
     "Use the Jazz Minor scale with all Minor type chords."},
    {"Lydian Minor", 1, "1-3-5-7-8-9-11", "1, 1, 1, 1/2, 1/2, 1, 1",
     "The Lydian Minor scale can be used with 7b5 or 7#5 chords"},
    {"Hungarian Minor", 1, "1-3-4-7-8-9-12", "1, 1/2, 1-1/2, 1/2, 1/2, 1-1/2, 1/2",
     "The Hungarian Minor scale can be used with Minor or m+7 type chords."},
    {"Neopolitan Minor", 1, "1-2-4-6-8-9-12", "1/2, 1, 1, 1, 1/2, 1-1/2, 1/2",
     "The Neopolitan Minor scale can be used with Minor or m+7 type chords."},
    {"Blues", 3, "1-4-6-7-8-11", "1-1/2, 1, 1/2, 1/2, 1-1/2, 1",
     "The Blues Scale is one of the most frequently used scales on the guitar.  It "
     "can be used with anything.  When using the Blues scale in a progression, use "
     "the scale with the same root keynote of the chord you begin with.  Example: If "
     "the first chord is A (or A7) - use the A Blues scale. When the chords in the "
     "progression change, it is not necessary to change the scale."},
    {"Major Blues", 3, "1-3-4-5-8-10", "1, 1/2, 1/2, 1-1/2, 1, 1-1/2",
     "The Major Blues scale can be used with all Major type chords as well as add9, "
     "6/9, and 7th chords."},
    {"Leading Whole Tone", 4, "1-3-5-7-9-11-12", "1, 1, 1, 1, 1, 1/2, 1/2",
     "The Leading Whole Tone scale can be used with Major, M7b5, M7#11, and M7#5 "
     "chords."},
    {"Arabian", 5, "1-3-5-6-7-9-11", "1, 1, 1/2, 1/2, 1, 1, 1",
     "The Arabian scale can be used with 7b5 and 7#5 chords."},
    {"Byzantine", 5, "1-2-5-6-8-9-12", "1/2, 1-1/2, 1/2, 1, 1/2, 1-1/2, 1/2",
     "The Byzantine scale can be used with all Major type chords."},
    {"Hungarian Gypsy", 5, "1-3-5-7-8-9-11", "1, 1, 1, 1/2, 1/2, 1, 1",
     "The Hungarian Gypsy scale can be used with 7b5 and 7#5 chords."},
    {"Persian", 5, "1-2-5-6-7-9-12", "1/2, 1-1/2, 1/2, 1/2, 1, 1-1/2, 1/2",
     "The Persian scale can be used with M7b5 and M7#5 chords."},
    {"East Indian Purvi", 5, "1-2-5-7-8-9-12", "1/2, 1-1/2, 1, 1/2, 1/2, 1-1/2, 1/2",
     "The East Indian Purvi scale can be used with Major, M7, and M7#11 chords."},
    {"Oriental", 5, "1-2-5-6-7-10-11", "1/2, 1-1/2, 1/2, 1/2, 1-1/2, 1/2, 1",
     "The Oriental scale can be used with 7b5 and 7b9 chords."},
    {"Double Harmonic", 5, "1-2-5-6-8-9-12", "1/2, 1-1/2, 1/2, 1, 1/2, 1-1/2, 1/2",
     "The Double Harmonic scale can be used with Major and M7 type chords."},
    {"Enigmatic", 5, "1-2-5-7-9-11-12", "1/2, 1-1/2, 1, 1, 1, 1/2, 1/2",
     "The Enigmatic scale can be used with Major, M7#11, M7#5, and 7b5b9 chords."},
    {"Overtone", 5, "1-3-5-7-8-10-11", "1, 1, 1, 1/2, 1, 1/2, 1",
     "The Overtone scale can be used with 7#11 and 7b5 chords."},
    {"Gagaku (Ryo)", 6, "1-3-5-8-10", "1, 1, 1-1/2, 1, 1-1/2",
     "The Gagaku (Ryo) scale can be used with major type chords.  Notice that it is "
     "the same as the pentatonic major scale."},
    {"Zokugaku", 6, "1-4-6-8-11", "1-1/2, 1, 1, 1-1/2, 1",
     "The Zokugaku scale can be used with minor or minor 7th chords.  Notice that it "
     "is the same as the pentatonic minor scale."},
    {"In Sen Pou", 6, "1-2-6-8-9", "1/2, 2, 1, 1/2, 2",
     "The In Sen Pou scale can be used with minor, m7 or major type chords that have "
     "a root that starts on the scale's second note."},
    {"Okinawa", 6, "1-5-6-8-12", "2, 1/2, 1, 2, 1/2",
     "The Okinawa scale can be used with major type chords."},
}};

const ScaleType* FindScaleType(std::string_view name) {
    for (const ScaleType& type : kScaleTypes)
        if (name == type.Name) return &type;
    return nullptr;
}

std::vector<std::string_view> ScaleNamesInGroup(int group) {
    std::vector<std::string_view> names;
    for (const ScaleType& type : kScaleTypes)
        if (type.Group == group) names.emplace_back(type.Name);
    return names;
}
