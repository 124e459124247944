// Writes the default alarm sound: a two-strike chime, 22050 Hz, 16-bit mono PCM, 1.2 s.
// Each strike is a bell partial series (1, 2, 3 and an inharmonic 4.2 times the note) with
// a 5 ms attack and an exponential decay; the second strike sounds a fifth below the first.
// Plain C++ so it runs on the build machine before anything else is built.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Seconds = 1.2;
constexpr double Pi = 3.14159265358979323846;

struct Strike
{
    double start; // seconds
    double note;  // Hz
};

double bell(double t, double note)
{
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.005);
    const struct
    {
        double ratio, amplitude, decay;
    } partials[] = {{1.0, 1.0, 0.45}, {2.0, 0.5, 0.30}, {3.0, 0.25, 0.20}, {4.2, 0.12, 0.12}};
    double v = 0;
    for (const auto &p : partials)
        v += p.amplitude * std::exp(-t / p.decay) * std::sin(2 * Pi * note * p.ratio * t);
    return attack * v;
}

void put16(std::FILE *f, std::uint16_t v)
{
    std::fputc(v & 0xff, f);
    std::fputc(v >> 8, f);
}

void put32(std::FILE *f, std::uint32_t v)
{
    put16(f, v & 0xffff);
    put16(f, v >> 16);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
        return 2;
    }
    const Strike strikes[] = {{0.0, 1318.51}, {0.3, 880.0}}; // E6, then A5
    const int count = int(Seconds * Rate);
    std::vector<double> mix(count);
    double peak = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        for (const Strike &s : strikes)
            mix[i] += bell(t - s.start, s.note);
        // The last 50 ms fade out, so the file ends on silence without a click.
        mix[i] *= std::min(1.0, (Seconds - t) / 0.05);
        peak = std::max(peak, std::fabs(mix[i]));
    }
    std::FILE *f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    const std::uint32_t bytes = count * 2;
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + bytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, Rate);
    put32(f, Rate * 2);
    put16(f, 2);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, bytes);
    // Peak at -3 dBFS.
    const double gain = 0.708 * 32767 / peak;
    for (double v : mix)
        put16(f, std::uint16_t(std::int16_t(std::lround(v * gain))));
    return std::fclose(f) == 0 ? 0 : 1;
}
