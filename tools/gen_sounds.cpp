// Synthesizes the game's nine sounds as 16-bit mono WAVE files.
// Usage: gen_sounds <res folder>; writes <res>/sounds/<id>.wav.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;  // -1..1

// A note: a sine with a few soft overtones under an attack-decay envelope.
struct Note {
    double start;      // seconds
    double length;     // seconds
    double frequency;  // Hz
    double level;      // 0..1
    double decay;      // per second, of the exponential tail
};

Samples Silence(double seconds) {
    return Samples(static_cast<std::size_t>(seconds * kSampleRate), 0.0);
}

void AddNote(Samples& out, const Note& note, std::array<double, 3> overtones = {0.3, 0.12, 0.05}) {
    const auto first = static_cast<std::size_t>(note.start * kSampleRate);
    const auto count = static_cast<std::size_t>(note.length * kSampleRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.008);
        const double release = std::min(1.0, (note.length - t) / 0.03);
        const double envelope = attack * release * std::exp(-note.decay * t);
        double wave = std::sin(kTwoPi * note.frequency * t);
        for (std::size_t h = 0; h < overtones.size(); ++h)
            wave +=
                overtones[h] * std::sin(kTwoPi * note.frequency * static_cast<double>(h + 2) * t);
        out[first + i] += note.level * envelope * wave / 1.5;
    }
}

// Deterministic noise, so that every build writes the same bytes.
class Noise {
  public:
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

  private:
    std::uint32_t state_ = 12345u;
};

// Noise through a one-pole low-pass whose cut-off moves from `fromHz` to `toHz`.
void AddNoiseSweep(Samples& out, double start, double length, double fromHz, double toHz,
                   double level, double decay) {
    Noise noise;
    double low = 0.0;
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    const auto count = static_cast<std::size_t>(length * kSampleRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double cutoff = fromHz + (toHz - fromHz) * t / length;
        const double alpha = 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
        low += alpha * (noise.Next() - low);
        const double attack = std::min(1.0, t / 0.01);
        const double release = std::min(1.0, (length - t) / 0.05);
        out[first + i] += level * attack * release * std::exp(-decay * t) * low * 2.0;
    }
}

// A falling thump: the body of a drum.
void AddThump(Samples& out, double start, double fromHz, double toHz, double level) {
    const double length = 0.25;
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    double phase = 0.0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(length * kSampleRate); ++i) {
        if (first + i >= out.size()) break;
        const double t = static_cast<double>(i) / kSampleRate;
        phase += kTwoPi * (toHz + (fromHz - toHz) * std::exp(-t * 30.0)) / kSampleRate;
        out[first + i] += level * std::exp(-t * 14.0) * std::sin(phase);
    }
}

// Armies added: two quick rising chimes.
Samples ArmiesAdded() {
    Samples s = Silence(0.45);
    AddNote(s, {0.00, 0.25, 659.3, 0.55, 9.0});
    AddNote(s, {0.10, 0.35, 987.8, 0.55, 8.0});
    return s;
}

// Attack: a drum hit with a burst of dust.
Samples AttackDrum() {
    Samples s = Silence(0.5);
    AddThump(s, 0.0, 180.0, 55.0, 0.9);
    AddNoiseSweep(s, 0.0, 0.3, 3000.0, 400.0, 0.35, 10.0);
    return s;
}

// Attack, the other: two hits, the second brighter.
Samples AttackClash() {
    Samples s = Silence(0.6);
    AddThump(s, 0.0, 150.0, 60.0, 0.7);
    AddThump(s, 0.16, 220.0, 80.0, 0.7);
    AddNoiseSweep(s, 0.16, 0.35, 6000.0, 1500.0, 0.3, 9.0);
    return s;
}

// Armies moved: a soft whoosh.
Samples ArmiesMoved() {
    Samples s = Silence(0.5);
    AddNoiseSweep(s, 0.0, 0.5, 300.0, 2500.0, 0.6, 2.0);
    return s;
}

// A player out of the game: three falling minor notes.
Samples PlayerOut() {
    Samples s = Silence(1.2);
    AddNote(s, {0.00, 0.35, 440.0, 0.5, 3.0});
    AddNote(s, {0.30, 0.35, 349.2, 0.5, 3.0});
    AddNote(s, {0.60, 0.60, 293.7, 0.55, 2.5});
    return s;
}

// Next player: a bell of two tones.
Samples NextPlayer() {
    Samples s = Silence(0.8);
    AddNote(s, {0.00, 0.80, 880.0, 0.5, 5.0}, {0.0, 0.35, 0.0});
    AddNote(s, {0.00, 0.80, 1318.5, 0.25, 6.0}, {0.0, 0.0, 0.0});
    return s;
}

// Continent conquered: a rising major arpeggio.
Samples ContinentConquered() {
    Samples s = Silence(1.1);
    const double notes[] = {523.3, 659.3, 784.0, 1046.5};
    for (int i = 0; i < 4; ++i) AddNote(s, {0.12 * i, i == 3 ? 0.6 : 0.3, notes[i], 0.45, 4.0});
    return s;
}

// Victory: a short fanfare ending on a held chord.
Samples Victory() {
    Samples s = Silence(2.6);
    const Note fanfare[] = {{0.00, 0.20, 523.3, 0.45, 2.0}, {0.20, 0.20, 523.3, 0.45, 2.0},
                            {0.40, 0.20, 523.3, 0.45, 2.0}, {0.60, 0.55, 659.3, 0.5, 1.5},
                            {1.15, 0.20, 587.3, 0.45, 2.0}, {1.35, 1.20, 784.0, 0.35, 1.2},
                            {1.35, 1.20, 659.3, 0.3, 1.2},  {1.35, 1.20, 523.3, 0.3, 1.2}};
    for (const Note& note : fanfare) AddNote(s, note);
    AddThump(s, 1.35, 120.0, 50.0, 0.5);
    return s;
}

// Sonar while connecting: a ping and its echo; it loops seamlessly (silent at both ends).
Samples Sonar() {
    Samples s = Silence(1.4);
    AddNote(s, {0.00, 0.9, 1200.0, 0.5, 5.0}, {0.0, 0.0, 0.0});
    AddNote(s, {0.45, 0.9, 1200.0, 0.18, 6.0}, {0.0, 0.0, 0.0});
    return s;
}

struct SoundFile {
    int id;
    std::function<Samples()> make;
};

const std::array<SoundFile, 9> kSoundFiles{{
    {236, ArmiesAdded},
    {225, AttackDrum},
    {222, AttackClash},
    {237, ArmiesMoved},
    {238, PlayerOut},
    {230, NextPlayer},
    {229, ContinentConquered},
    {228, Victory},
    {231, Sonar},
}};

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}
void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    PutU16(out, at, value & 0xFFFF);
    PutU16(out, at + 2, value >> 16);
}
void PutTag(std::vector<std::uint8_t>& out, std::size_t at, const char (&tag)[5]) {
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(tag[i]);
}

// The RIFF header, the format chunk and the data chunk at their fixed offsets.
std::vector<std::uint8_t> WaveBytes(const Samples& samples) {
    constexpr std::uint32_t kHeader = 44;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out(kHeader + dataBytes, 0);
    PutTag(out, 0, "RIFF");
    PutU32(out, 4, 36 + dataBytes);
    PutTag(out, 8, "WAVE");
    PutTag(out, 12, "fmt ");
    PutU32(out, 16, 16);  // format chunk size
    PutU16(out, 20, 1);   // PCM
    PutU16(out, 22, 1);   // mono
    PutU32(out, 24, kSampleRate);
    PutU32(out, 28, kSampleRate * 2);  // bytes per second
    PutU16(out, 32, 2);                // bytes per sample frame
    PutU16(out, 34, 16);               // bits per sample
    PutTag(out, 36, "data");
    PutU32(out, 40, dataBytes);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double clipped = std::clamp(samples[i] * 0.8, -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clipped * 32767.0));
        PutU16(out, kHeader + 2 * i, static_cast<std::uint16_t>(value));
    }
    return out;
}

bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (out) return true;
    std::fprintf(stderr, "gen_sounds: cannot write %s\n", path.string().c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_sounds <res folder>\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "sounds";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    bool ok = true;
    for (const SoundFile& sound : kSoundFiles)
        ok &= Write(folder / (std::to_string(sound.id) + ".wav"), WaveBytes(sound.make()));
    return ok ? 0 : 1;
}
