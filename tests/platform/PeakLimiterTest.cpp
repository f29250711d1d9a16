// The synthesizer's limiter: what stays below the ceiling passes untouched;
// a burst above it never gets past it, and the level comes back smoothly
// once the burst is over.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "PeakLimiter.h"

namespace {

constexpr double kRate = 44100.0;

// A stereo sine, interleaved, `amplitude` on the left and half on the right.
std::vector<float> Sine(double amplitude, double seconds) {
    std::vector<float> samples;
    for (int i = 0; i < static_cast<int>(seconds * kRate); ++i) {
        const double x = amplitude * std::sin(2.0 * M_PI * 440.0 * i / kRate);
        samples.push_back(static_cast<float>(x));
        samples.push_back(static_cast<float>(x / 2));
    }
    return samples;
}

float Peak(const std::vector<float>& samples, size_t from = 0) {
    float peak = 0.0f;
    for (size_t i = from; i < samples.size(); ++i) peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

TEST(PeakLimiter, BelowTheCeilingTheSoundPassesUnchanged) {
    PeakLimiter limiter(kRate);
    const std::vector<float> original = Sine(0.85, 0.5);
    std::vector<float> limited = original;
    limiter.Process(limited.data(), limited.data() + 1, static_cast<int>(limited.size() / 2), 2);
    EXPECT_EQ(limited, original);
    EXPECT_EQ(limiter.Gain(), 1.0f);
}

TEST(PeakLimiter, ABurstAboveTheCeilingIsHeldToItAndTheLevelComesBackSmoothly) {
    PeakLimiter limiter(kRate);
    // Four times full scale for 0.2 s, then a quiet tone for a second.
    std::vector<float> samples = Sine(4.0, 0.2);
    const size_t burst = samples.size();
    const std::vector<float> quiet = Sine(0.1, 1.0);
    samples.insert(samples.end(), quiet.begin(), quiet.end());

    // Separate channels, as the sound output hands them over, in periods.
    std::vector<float> left, right;
    for (size_t i = 0; i < samples.size(); i += 2) {
        left.push_back(samples[i]);
        right.push_back(samples[i + 1]);
    }
    std::vector<float> gains;
    for (size_t at = 0; at < left.size(); at += 256) {
        const int frames = static_cast<int>(std::min<size_t>(256, left.size() - at));
        limiter.Process(left.data() + at, right.data() + at, frames, 1);
        gains.push_back(limiter.Gain());
    }
    EXPECT_FLOAT_EQ(Peak(left), PeakLimiter::kCeiling);  // held to it, not far under it
    EXPECT_LT(Peak(right), PeakLimiter::kCeiling);

    // After the burst the level only rises, and is all but back a second later.
    const size_t after = burst / 2 / 256 + 1;
    for (size_t k = after + 1; k < gains.size(); ++k) EXPECT_GE(gains[k], gains[k - 1]) << "period " << k;
    EXPECT_LT(gains[after], 0.5f);
    EXPECT_GT(gains.back(), 0.95f);
}

}  // namespace
