// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's three feedback sounds as short WAV files (16-bit mono PCM), synthesised from scratch:
// "Frog" (a capture), a double croak; "Ping" (copy, paste, pin), a bell-like tone; "Pop" (remove, clear), a drop.
// Usage: tavrin-synthesize-sounds <output folder>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

std::vector<double> render(double seconds, const std::function<double(double)> &signal)
{
    std::vector<double> samples(std::size_t(seconds * kRate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = signal(double(i) / kRate);
    return samples;
}

bool writeWav(const std::string &path, std::vector<double> samples)
{
    double peak = 1e-9;
    for (double s : samples)
        peak = std::max(peak, std::fabs(s));
    std::vector<std::int16_t> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // Short fades at both ends, so no sound starts or stops with a click.
        const double fade = std::min({1.0, double(i) / 64.0, double(samples.size() - 1 - i) / 256.0});
        pcm[i] = std::int16_t(std::lround(samples[i] / peak * 0.6 * fade * 32767.0));
    }
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const auto u32 = [&](std::uint32_t v) { std::fwrite(&v, 4, 1, file); };
    const auto u16 = [&](std::uint16_t v) { std::fwrite(&v, 2, 1, file); };
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    std::fwrite("RIFF", 1, 4, file);
    u32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, file);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, file);
    u32(dataBytes);
    std::fwrite(pcm.data(), 2, pcm.size(), file);
    return std::fclose(file) == 0;
}

double croak(double t, double start)
{
    const double x = t - start;
    if (x < 0 || x > 0.085)
        return 0;
    const double envelope = std::sin(kPi * x / 0.085);
    const double f = 150.0 - 300.0 * x;  // a slight fall in pitch
    double value = 0;
    for (int h = 1; h <= 9; h += 2)  // odd harmonics: a reedy, square-like tone
        value += std::sin(2 * kPi * f * h * x) / h;
    return value * envelope * (0.75 + 0.25 * std::sin(2 * kPi * 38 * x));
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok =
        writeWav(folder + "/frog.wav", render(0.22, [](double t) { return croak(t, 0.0) + croak(t, 0.115); })) &&
        writeWav(folder + "/ping.wav", render(0.45,
                                              [](double t) {
                                                  return std::sin(2 * kPi * 1568 * t) * std::exp(-9 * t) +
                                                         0.3 * std::sin(2 * kPi * 3136 * t) * std::exp(-14 * t);
                                              })) &&
        writeWav(folder + "/pop.wav", render(0.07, [](double t) {
                     const double phase = 2 * kPi * (1100 * t - 6000 * t * t);  // 1100 Hz falling fast
                     return std::sin(phase) * std::exp(-55 * t);
                 }));
    return ok ? 0 : 1;
}
