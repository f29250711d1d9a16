// The bar-chord templates, root on string 6 and root on string 5: per
// extension its fingerings over the root fret f, separated by " / ".
// Extensions not listed have no bar-chord form.
#include "clsChordDictionary.h"

#include <span>
#include <string_view>

namespace {

struct BarRow {
    uint8_t ExtCode;
    std::string_view Fingerings;
};

constexpr BarRow kRoot6[] = {
    {0, "f,1,f+2,3,f+2,4,f+1,2,f,7,f,1;f,6,1"},  // Major
    {1, "f,1,f+2,3,f+2,4,f,7,f,7,f,1;f,6,1"},  // Minor
    {2, "f,1,f+2,3,f,7,f+1,2,f,7,f,1;f,6,1 / f,1,f+2,3,f,7,f+1,2,f+3,4,f,1;f,6,1"},  // 7
    {3, "f,1,f+2,3,0,6,f+2,2,f,7,f,1;f,6,1 / f,1,f,7,f+2,3,f+2,4,f,7,f,1;f,6,1"},  // sus4
    // Mended: the old shape (that of the first m13) held a b7.
    {4, "f,1,f+2,2,f+2,3,f,7,f+2,4,f,1;f,6,1"},  // m6
    {5, "f,1,f+2,3,f,7,f+2,2,f,7,f,1;f,6,1 / f,1,f+2,2,0,6,f+2,3,f+3,4,f,1;f,6,1"},  // 7sus
    {7, "f,1,f+2,2,0,6,f,1,f+2,3,f+2,4;f,6,3;f,3,1;"},  // m6/9
    {8, "f,1,f+1,2,f+2,3,f,7,f+2,4,f,1;f,6,1"},  // dim7
    {9, "f,1,f+2,3,0,6,f+1,2,f,1,f+2,4;f,6,2"},  // add9
    {10, "f,1,f+2,3,f,7,f,7,f,7,f,1;f,6,1 / f,1,f+2,3,f,7,f,7,f+3,4,f,1;f,6,1"},  // m7
    {12, "f,1,f+2,3,0,6,f+1,2,f+2,4,f,1;f,6,1"},  // 6
    {16, "f,1,f+2,3,f,7,f,7,f,1,f+2,4;f,6,2;f,2,1;"},  // m9
    {17, "f,1,f+2,3,f,7,f+1,2,f,1,f+3,4;f,6,2;f,2,1;"},  // 7#9
    {18, "f,1,f+2,4,f+1,2,f+1,3,f,7,f,1;f,6,1"},  // maj7
    {19, "f,1,f+2,3,f+1,2,f,7,f,1,f+2,4;f,6,2"},  // m9(M7)
    {20, "f,1,f+2,4,f,7,f+1,2,f,1,f+1,3;f,6,2"},  // 7b9
    {21, "f,1,f+2,3,f+1,2,f,7,f,7,f,1;f,6,1"},  // m(M7)
    {22, "f,1,f,7,f,7,f,7,f,7,f,1;f,6,1 / f,1,f,7,f,7,f,7,f,1,f+2,3;f,6,2"},  // m11
    {23, "f+2,3,f+1,2,f,1,f,7,f+3,4,f,1;f,4,1"},  // 7#5b9
    {24, "f+1,2,f,1,f+2,4,f,7,f+1,3,f,1;f,5,1"},  // maj9
    {25, "f,1,f+2,3,f,7,f,7,f+2,4,f,1;f,6,1 / f,1,f+2,3,f,7,f,7,f+2,4,f+2,4;f+2,2,1;f,6,1;"},  // m13
    {26, "f,1,f+2,3,f,7,f+1,2,f,1,f+2,4;f,6,2"},  // 9
    {29, "f,1,f+1,2,f,7,f+1,3,f,1,f+2,4;f,6,2"},  // 9#11
    {30, "f,1,f,7,f,7,f+1,2,f,1,f+2,3;f,6,2"},  // 11
    {31, "f,1,f+2,3,f,7,f+1,2,f+2,4,f,1;f,6,1 / f,1,f+2,3,f,7,f+1,2,f+2,4,f+2,4;f,6,1;f+2,2,1;"},  // 13
    {32, "f,1,f+1,2,f+1,3,f,7,f+2,4,f,1;f,6,1"},  // 13b9
};

constexpr BarRow kRoot5[] = {
    {0, "0,6,f,1,f+2,3,f+2,7,f+2,3,f,1;f,5,1;f+2,4,2;"},  // Major
    {1, "0,6,f,1,f+2,3,f+2,4,f+1,2,f,1;f,5,1"},  // Minor
    {2, "0,6,f,1,f+2,3,f,7,f+2,4,f,1;f,5,1 / 0,6,f,1,f+2,3,f+2,7,f+2,3,f+3,4;f,5,1;f+2,4,2;"},  // 7
    {3, "0,6,f,1,f+2,3,f+2,7,f+3,4,f,1;f+2,4,2;f,5,1;"},  // sus4
    {4, "0,6,f,1,f+2,3,0,6,f+1,2,f+2,4;f,5,1 / f,1,f,1,f+2,3,0,6,f+1,2,f+2,4;f,6,5;f,5,1;"},  // m6
    {5, "0,6,f,1,f+2,3,f,7,f+3,4,f,1;f,5,1 / f,1,f,1,f+2,3,f,7,f+3,4,f,1;f,5,1 / 0,6,f,1,f+2,3,f+2,3,f+3,4,f+3,4;f+3,2,1;f+2,4,3;f,5,1 / f,1,f,1,f+2,3,f+2,3,f+3,4,f+3,4;f+3,2,1;f+2,4,3;f,5,1"},  // 7sus
    {8, "f-1,1,f,2,f+1,3,f-1,7,f+1,4,f-1,1;f-1,6,1"},  // dim7
    {10, "0,6,f,1,f+2,3,f,7,f+1,2,f,1;f,5,1"},  // m7
    {11, "0,6,f,1,f+3,4,f,7,f+2,3,f+1,2;f,5,1"},  // 7#5
    {12, "0,6,f,1,f+2,3,f+2,7,f+2,7,f+2,3;f,5,1;f+2,4,1; / f,1,f,1,f+2,3,f+2,7,f+2,7,f+2,3;f+2,4,1;f,6,5;f,5,1"},  // 6
    {14, "0,6,f,1,f+1,2,f,7,f+2,3,f+3,4;f,5,1"},  // 7b5
    {18, "0,6,f,1,f+2,3,f+1,2,f+2,4,f,1;f,5,1 / f,1,f,1,f+2,3,f+1,2,f+2,4,f,1;f,5,1;f,6,5; / 0,6,f,1,f+2,3,f+2,7,f+2,3,f+4,4;f+2,4,2;f,5,1; / f,1,f,1,f+2,3,f+2,7,f+2,3,f+4,4;f+2,4,2;f,5,1;f,6,5"},  // maj7
    {21, "0,6,f,1,f+2,4,f+1,2,f+1,3,f,1;f,5,1 / f,1,f,1,f+2,4,f+1,2,f+1,3,f,1;f,5,1;f,6,5;"},  // m(M7)
    {23, "0,6,f,2,f-1,1,f,3,f-1,7,f+1,4;f-1,4,1"},  // 7#5b9
    {24, "f-3,1,f,4,f-3,7,f-3,7,f-3,7,f-3,1;f-3,6,1"},  // maj9
    {28, "f-1,1,f,2,f-1,7,f,3,f,4,f-1,1;f-1,6,1"},  // 9b5
    {29, "f-1,1,f,2,f-1,7,f,3,f,3,f,3;f-1,6,1;f,3,2;f,2,1"},  // 9#11
    {30, "0,6,f,1,f,7,f,7,f,7,f,1;f,5,1 / f,1,f,1,f,7,f,7,f,7,f,1;f,5,1;f,6,5;"},  // 11
    {31, "0,6,f,1,f+2,2,f,7,f+2,3,f+2,4;f,5,1 / f,1,f,1,f+2,2,f,7,f+2,3,f+2,4;f,5,1;f,6,5;"},  // 13
    {33, "f-1,1,f,2,f-1,7,f,3,f-1,7,f+2,4;f-1,6,1"},  // 13b5b9
};

constexpr std::string_view kSeparator = " / ";

std::string BarChord(std::span<const BarRow> table, uint8_t ExtCode, int RootFret,
                     std::string (*fill)(std::string_view, int)) {
    for (const BarRow& row : table) {
        if (row.ExtCode != ExtCode) continue;
        std::string fingerings;
        int count = 0;
        std::string_view rest = row.Fingerings;
        while (true) {
            const size_t cut = rest.find(kSeparator);
            fingerings += "|" + fill(rest.substr(0, cut), RootFret);
            ++count;
            if (cut == std::string_view::npos) break;
            rest.remove_prefix(cut + kSeparator.size());
        }
        return std::to_string(count) + fingerings;
    }
    return {};
}

}  // namespace

void clsChordDictionary::GetRoot6Chord(uint8_t ExtCode, uint8_t RootFret, std::string& Result) {
    Result = BarChord(kRoot6, ExtCode, RootFret, &FillTemplate);
}

void clsChordDictionary::GetRoot5Chord(uint8_t ExtCode, uint8_t RootFret, std::string& Result) {
    Result = BarChord(kRoot5, ExtCode, RootFret, &FillTemplate);
}
