#include "clsChord.h"

int16_t clsChord::Variation() const { return code_.Variation(); }

int16_t clsChord::VariationCount() { return code_.VariationCount(); }

void clsChord::SetChordCode(const std::string& code) { code_.SetCode(code); }

std::string clsChord::GetChord(int16_t Index) { return code_.Element(Index); }
