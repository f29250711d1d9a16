#pragma once
// What the two dictionaries hold, read the way the engine reads it, so that
// expected events can name "fingering v of this chord" without copying tables.

#include <cstdint>
#include <string>
#include <vector>

#include "SplitText.h"
#include "clsChordDictionary.h"
#include "clsScaleDictionary.h"

namespace data {

inline std::vector<std::string> Fingerings(int type, int key, int ext) {
    std::vector<std::string> parts =
        SplitText(clsChordDictionary().ChordCode(uint8_t(type), uint8_t(key), uint8_t(ext)).value_or(""), "|");
    if (!parts.empty()) parts.erase(parts.begin());
    return parts;
}

inline std::string Fingering(int type, int key, int ext, int variation) {
    const std::vector<std::string> all = Fingerings(type, key, ext);
    if (variation < 1 || size_t(variation) > all.size()) return "<no fingering>";
    return all[size_t(variation) - 1];
}

inline std::vector<std::string> Positions(const std::string& scale, const std::string& notes) {
    int16_t count = 0;
    return SplitText(clsScaleDictionary().ScaleCode(scale, notes, count), "||");
}

inline std::string Position(const std::string& scale, const std::string& notes, int position) {
    const std::vector<std::string> all = Positions(scale, notes);
    if (position < 1 || size_t(position) >= all.size()) return "<no position>";
    return all[size_t(position)];
}

// The tables the traces rely on hold their data: C maj7 with the root on
// string 5, and the positions of C major.
inline bool BarChordDataPresent() { return !Fingerings(3, 0, 18).empty(); }
inline bool ScaleDataPresent() {
    const std::vector<std::string> all = Positions("Major", "C-D-E-F-G-A-B");
    return all.size() > 1 && !all[1].empty();
}

}  // namespace data
