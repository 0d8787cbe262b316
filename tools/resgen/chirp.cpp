#include "chirp.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace resgen {

namespace {

constexpr int SampleRate = 22050;

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A sine tone with a short attack and an exponential release, so it starts
// and stops without clicks.
void Tone(std::vector<int16_t>& samples, double frequency, double seconds, double amplitude) {
    const int count = static_cast<int>(seconds * SampleRate);
    const int attack = SampleRate / 200;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double envelope = i < attack ? static_cast<double>(i) / attack : std::exp(-(t - 0.005) * 14.0);
        if (i > count - attack) envelope *= static_cast<double>(count - i) / attack;
        const double value = amplitude * envelope * std::sin(2.0 * std::numbers::pi * frequency * t);
        samples.push_back(static_cast<int16_t>(std::lround(value * 32767.0)));
    }
}

} // namespace

std::string ChirpWave() {
    std::vector<int16_t> samples;
    Tone(samples, 1046.5, 0.09, 0.5); // C6
    samples.insert(samples.end(), SampleRate / 50, 0);
    Tone(samples, 1568.0, 0.16, 0.5); // G6

    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, SampleRate);
    Put32(out, SampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out += "data";
    Put32(out, dataBytes);
    for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
    return out;
}

} // namespace resgen
