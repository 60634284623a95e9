// soundgen: writes the program's sounds, synthesized here, as WAV files (mono, 16-bit,
// 22 050 Hz) into a directory:
//
//   build/tools/soundgen/soundgen assets/sounds
//
// stone.wav   a stone set on a wooden board: a short knock, about 70 ms
// won.wav     a rising major arpeggio, C E G C, like small bells
// lost.wav    a falling minor line, G E♭ C, softer and slower
// drawn.wav   the same note twice
//
// The noise of the knock comes from a fixed generator, so every run writes the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;

using Samples = std::vector<double>;

Samples silence(double seconds) {
    return Samples(static_cast<std::size_t>(seconds * kRate), 0.0);
}

// A struck note: the fundamental with two quieter overtones, a quick attack and an
// exponential decay of `decay` seconds, added into `out` from `start` seconds on.
void addNote(Samples& out, double start, double frequency, double decay, double level) {
    const double attack = 0.005;
    std::size_t from = static_cast<std::size_t>(start * kRate);
    for (std::size_t i = from; i < out.size(); ++i) {
        double t = static_cast<double>(i - from) / kRate;
        double envelope = std::min(t / attack, 1.0) * std::exp(-t / decay);
        double tone = std::sin(kTwoPi * frequency * t) +
                      0.3 * std::sin(kTwoPi * 2 * frequency * t) +
                      0.1 * std::sin(kTwoPi * 3 * frequency * t);
        out[i] += level * envelope * tone;
    }
}

// The knock of a stone: a burst of low-passed noise for the contact, and the board's two
// resonances ringing out quickly.
Samples stone() {
    Samples out = silence(0.07);
    std::uint32_t seed = 12345;
    double filtered = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        seed = seed * 1664525u + 1013904223u;
        double noise = static_cast<double>(seed >> 8) / (1 << 24) * 2 - 1;
        filtered += 0.35 * (noise - filtered);
        double contact = filtered * std::exp(-t / 0.002);
        double body = 0.8 * std::sin(kTwoPi * 820 * t) * std::exp(-t / 0.012) +
                      0.35 * std::sin(kTwoPi * 2350 * t) * std::exp(-t / 0.004);
        out[i] = contact + body;
    }
    return out;
}

Samples won() {
    Samples out = silence(0.8);
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    for (int k = 0; k < 4; ++k)
        addNote(out, 0.09 * k, notes[k], k == 3 ? 0.25 : 0.12, 1.0);
    return out;
}

Samples lost() {
    Samples out = silence(0.9);
    const double notes[] = {392.00, 311.13, 261.63};
    for (int k = 0; k < 3; ++k)
        addNote(out, 0.16 * k, notes[k], k == 2 ? 0.3 : 0.15, 1.0);
    return out;
}

Samples drawn() {
    Samples out = silence(0.6);
    addNote(out, 0.0, 587.33, 0.12, 1.0);
    addNote(out, 0.15, 587.33, 0.2, 1.0);
    return out;
}

// Scaled so that the loudest sample reaches `peak` of full scale, the last few
// milliseconds faded out so that no sound ends on a step.
std::vector<std::int16_t> finish(Samples samples, double peak) {
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    std::size_t fade = std::min<std::size_t>(samples.size(), kRate / 200);
    for (std::size_t k = 0; k < fade; ++k)
        samples[samples.size() - 1 - k] *= static_cast<double>(k) / fade;
    std::vector<std::int16_t> out;
    for (double s : samples)
        out.push_back(static_cast<std::int16_t>(std::lround(s / loudest * peak * 32767)));
    return out;
}

void put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k)
        out.put(static_cast<char>((value >> (8 * k)) & 0xff));
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    auto data = static_cast<std::uint32_t>(samples.size() * 2);
    out << "RIFF";
    put(out, 36 + data, 4);
    out << "WAVEfmt ";
    put(out, 16, 4);        // the format chunk's size
    put(out, 1, 2);         // PCM
    put(out, 1, 2);         // mono
    put(out, kRate, 4);     // samples a second
    put(out, kRate * 2, 4); // bytes a second
    put(out, 2, 2);         // bytes a frame
    put(out, 16, 2);        // bits a sample
    out << "data";
    put(out, data, 4);
    for (std::int16_t s : samples)
        put(out, static_cast<std::uint16_t>(s), 2);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen DIRECTORY\n");
        return 2;
    }
    std::string dir = argv[1];
    // The knock a little quieter than the tunes: it comes at every move.
    struct Sound {
        const char* name;
        std::vector<std::int16_t> samples;
    } sounds[] = {{"stone.wav", finish(stone(), 0.4)},
                  {"won.wav", finish(won(), 0.5)},
                  {"lost.wav", finish(lost(), 0.5)},
                  {"drawn.wav", finish(drawn(), 0.5)}};
    for (const Sound& sound : sounds) {
        std::string path = dir + "/" + sound.name;
        if (!writeWav(path, sound.samples)) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu samples\n", path.c_str(), sound.samples.size());
    }
    return 0;
}
