#include "clsScale.h"

int16_t clsScale::Variation() const { return code_.Variation(); }

int16_t clsScale::VariationCount() { return code_.VariationCount(); }

void clsScale::SetScaleCode(const std::string& code) { code_.SetCode(code); }

std::string clsScale::GetScale(int16_t Index) { return code_.Element(Index); }
