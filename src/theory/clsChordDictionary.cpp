#include "clsChordDictionary.h"

namespace {

// Fret of the key's root on string 6, by key code C..B (E at 12, not 0). The
// root-6 templates of 24 maj9, 23 7#5b9 and 32 13b9 put the root above the fret.
constexpr uint8_t kRoot6Fret[12] = {8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7};
constexpr uint8_t kRoot6FretMaj9[12] = {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6};
constexpr uint8_t kRoot6Fret7s5b9And13b9[12] = {6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5};

// Fret of the key's root on string 5 (A at 12, not 0). Templates reaching below
// the root fret take A# at 13, and maj9 (three frets below) C, A# and B higher.
constexpr uint8_t kRoot5Fret[12] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
constexpr uint8_t kRoot5FretBelow[12] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 2};
constexpr uint8_t kRoot5FretMaj9[12] = {15, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

uint8_t Root6Fret(uint8_t Key, uint8_t ExtCode) {
    switch (ExtCode) {
        case 24: return kRoot6FretMaj9[Key];
        case 23:
        case 32: return kRoot6Fret7s5b9And13b9[Key];
        default: return kRoot6Fret[Key];
    }
}

uint8_t Root5Fret(uint8_t Key, uint8_t ExtCode) {
    switch (ExtCode) {
        case 8:
        case 23:
        case 28:
        case 29:
        case 33: return kRoot5FretBelow[Key];
        case 24: return kRoot5FretMaj9[Key];
        default: return kRoot5Fret[Key];
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string> clsChordDictionary::ChordCode(uint8_t TypeCode, uint8_t Key, uint8_t ExtCode) {
    if (TypeCode > 3 || Key > 11) return std::nullopt;
    std::string result;
    switch (TypeCode) {
        case 0: result = GetOpenChord(Key, ExtCode); break;
        case 1: result = GetMoveableChord(Key, ExtCode); break;
        case 2: GetRoot6Chord(ExtCode, Root6Fret(Key, ExtCode), result); break;
        default: GetRoot5Chord(ExtCode, Root5Fret(Key, ExtCode), result); break;
    }
    return result;
}

std::string clsChordDictionary::FillTemplate(std::string_view Template, int Fret) {
    std::string out;
    out.reserve(Template.size() + 8);
    for (size_t i = 0; i < Template.size(); ++i) {
        if (Template[i] != 'f') {
            out += Template[i];
            continue;
        }
        int value = Fret;
        if (i + 1 < Template.size() && (Template[i + 1] == '+' || Template[i + 1] == '-')) {
            const int sign = Template[i + 1] == '+' ? 1 : -1;
            int offset = 0;
            size_t j = i + 2;
            for (; j < Template.size() && IsDigit(Template[j]); ++j) offset = offset * 10 + (Template[j] - '0');
            value += sign * offset;
            i = j - 1;
        }
        out += std::to_string(value);
    }
    return out;
}
