#include "PeakLimiter.h"

#include <algorithm>
#include <cmath>

PeakLimiter::PeakLimiter(double sampleRate)
    : release_(static_cast<float>(1.0 - std::exp(-1.0 / (kReleaseSeconds * std::max(sampleRate, 1.0))))) {}

void PeakLimiter::Process(float* left, float* right, int frames, int stride) {
    for (int i = 0; i < frames; ++i) {
        float& l = left[static_cast<long>(i) * stride];
        float& r = right[static_cast<long>(i) * stride];
        gain_ = std::min(1.0f, gain_ + (1.0f - gain_) * release_);
        const float peak = std::max(std::fabs(l), std::fabs(r));
        if (peak * gain_ > kCeiling) gain_ = kCeiling / peak;
        l *= gain_;
        r *= gain_;
    }
}
