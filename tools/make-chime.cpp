// Writes Tivvet's own alarm sound: a three-note bell chime, 16-bit mono PCM at 44.1 kHz.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr int SampleRate = 44100;
constexpr double Seconds = 1.6;
constexpr double Pi = 3.14159265358979323846;

struct Note {
    double start;     // seconds
    double frequency; // hertz
};

// A struck bell: a fundamental with a few partials, a quick attack and an exponential decay.
double bell(double t, double frequency) {
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.004);
    const double decay = std::exp(-t / 0.45);
    const double partials = std::sin(2 * Pi * frequency * t) + 0.30 * std::sin(2 * Pi * 2.0 * frequency * t) +
                            0.12 * std::sin(2 * Pi * 3.0 * frequency * t) +
                            0.06 * std::sin(2 * Pi * 4.2 * frequency * t) * std::exp(-t / 0.15);
    return attack * decay * partials;
}

std::vector<double> chime() {
    const Note notes[] = {{0.00, 659.25}, {0.18, 830.61}, {0.36, 987.77}}; // E5, G#5, B5
    std::vector<double> samples(static_cast<size_t>(SampleRate * Seconds));
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / SampleRate;
        for (const Note &note : notes)
            samples[i] += bell(t - note.start, note.frequency);
        const double fadeOut = std::min(1.0, (Seconds - t) / 0.05);
        samples[i] *= fadeOut;
    }
    double peak = 0;
    for (double sample : samples)
        peak = std::max(peak, std::abs(sample));
    for (double &sample : samples)
        sample *= 0.7 / peak;
    return samples;
}

void put16(std::ofstream &out, uint16_t value) {
    const char bytes[] = {char(value & 0xFF), char(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream &out, uint32_t value) {
    put16(out, uint16_t(value & 0xFFFF));
    put16(out, uint16_t(value >> 16));
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make-chime OUTPUT.wav\n";
        return 2;
    }
    const std::vector<double> samples = chime();
    const auto dataBytes = uint32_t(samples.size() * 2);
    std::ofstream out(argv[1], std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double sample : samples)
        put16(out, uint16_t(int16_t(std::lround(sample * 32767))));
    return out.good() ? 0 : 1;
}
