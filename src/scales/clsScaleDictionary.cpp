#include "clsScaleDictionary.h"

// Interface only for now; the fingering tables follow.
std::string clsScaleDictionary::ScaleCode(const std::string& scaleName, const std::string&, int16_t&) {
    ScaleName = scaleName;
    return "";
}

std::string clsScaleDictionary::GetScale(int16_t, int16_t) { return ""; }
