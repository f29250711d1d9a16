#include "clsChordDictionary.h"

// Interface only for now; the fingering tables follow.
std::optional<std::string> clsChordDictionary::ChordCode(uint8_t TypeCode, uint8_t Key, uint8_t) {
    if (TypeCode > 3 || Key > 11) return std::nullopt;
    return std::string();
}
