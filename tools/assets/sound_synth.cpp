// The five game sounds, synthesised, and a plain 16-bit PCM wave writer.
#include "assets/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace gorbix::assets {

namespace {

using Buffer = std::vector<double>;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Note {
  double start;      // seconds
  double length;     // seconds, release included
  double fromHz;     // pitch glides from here...
  double toHz;       // ...to here over the note
  double level;
  std::vector<double> harmonics;  // level of partials 1, 2, 3, ...
  double attack = 0.005;
  double decayPerSecond = 0.0;    // exponential fade while the note sounds
  double release = 0.02;          // ramp to silence at the note's end
};

int samplesFor(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

void growTo(Buffer& buffer, int size) {
  if (static_cast<int>(buffer.size()) < size) buffer.resize(static_cast<std::size_t>(size), 0.0);
}

// Attack and release are ramps, so no note starts or stops with a click.
double envelope(double t, double length, double attack, double decayPerSecond, double release) {
  const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
  const double fall = release > 0.0 ? std::clamp((length - t) / release, 0.0, 1.0) : 1.0;
  return rise * fall * std::exp(-decayPerSecond * t);
}

void addNote(Buffer& buffer, const Note& note) {
  const int first = samplesFor(note.start);
  const int count = samplesFor(note.length);
  growTo(buffer, first + count);
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double hz = note.fromHz + (note.toHz - note.fromHz) * (t / note.length);
    phase += kTwoPi * hz / kSampleRate;
    double wave = 0.0;
    for (std::size_t h = 0; h < note.harmonics.size(); ++h) {
      // Partials above the Nyquist frequency would fold back as noise.
      if (hz * static_cast<double>(h + 1) >= kSampleRate / 2.0) break;
      wave += note.harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
    }
    buffer[static_cast<std::size_t>(first + i)] +=
        note.level * wave * envelope(t, note.length, note.attack, note.decayPerSecond, note.release);
  }
}

// A soft swish: white noise through a one-pole low-pass filter.
void addNoise(Buffer& buffer, double start, double length, double level, double smoothing, double attack,
              double decayPerSecond, double release) {
  const int first = samplesFor(start);
  const int count = samplesFor(length);
  growTo(buffer, first + count);
  std::uint32_t state = 0x9e3779b9u;
  double filtered = 0.0;
  for (int i = 0; i < count; ++i) {
    state = state * 1664525u + 1013904223u;
    const double white = static_cast<double>(state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
    filtered += smoothing * (white - filtered);
    const double t = static_cast<double>(i) / kSampleRate;
    buffer[static_cast<std::size_t>(first + i)] += level * filtered * envelope(t, length, attack, decayPerSecond, release);
  }
}

// Scales the loudest sample to peak (well under full scale, so nothing
// clips), then converts; the first and last samples are silence.
std::vector<std::int16_t> toPcm(const Buffer& buffer, double peak) {
  double loudest = 0.0;
  for (const double s : buffer) loudest = std::max(loudest, std::abs(s));
  const double gain = loudest > 0.0 ? peak / loudest : 0.0;
  std::vector<std::int16_t> pcm(buffer.size() + 2, 0);
  for (std::size_t i = 0; i < buffer.size(); ++i)
    pcm[i + 1] = static_cast<std::int16_t>(std::lround(buffer[i] * gain * 32767.0));
  return pcm;
}

// A low, buzzy "uh-uh": clearly a refusal, not a fault alarm.
std::vector<std::int16_t> refusal() {
  Buffer b;
  const std::vector<double> reedy{1.0, 0.0, 0.35, 0.0, 0.18, 0.0, 0.08};
  addNote(b, {0.0, 0.12, 240.0, 228.0, 1.0, reedy, 0.012, 4.0, 0.03});
  addNote(b, {0.15, 0.19, 180.0, 170.0, 1.0, reedy, 0.012, 4.0, 0.05});
  // Sustained and buzzy, so it sounds loud at a lower peak than the others.
  return toPcm(b, 0.45);
}

// A tile sliding over the board: a short swish with a soft knock as it lands.
std::vector<std::int16_t> tileMove() {
  Buffer b;
  addNoise(b, 0.0, 0.11, 0.7, 0.12, 0.015, 10.0, 0.04);
  addNote(b, {0.05, 0.09, 150.0, 90.0, 0.9, {1.0, 0.3}, 0.004, 25.0, 0.03});
  return toPcm(b, 0.6);
}

// One footstep of the Thing: very short, it repeats up to ten times a second.
std::vector<std::int16_t> thingStep() {
  Buffer b;
  addNote(b, {0.0, 0.045, 1250.0, 900.0, 1.0, {1.0, 0.2}, 0.003, 50.0, 0.012});
  return toPcm(b, 0.45);
}

// End of a level: a rising major arpeggio settling on a bright chord.
std::vector<std::int16_t> levelEnd() {
  Buffer b;
  const std::vector<double> bell{1.0, 0.3, 0.12, 0.05};
  const double c5 = 523.25, e5 = 659.25, g5 = 783.99, c6 = 1046.5, e6 = 1318.5;
  addNote(b, {0.00, 0.30, c5, c5, 0.8, bell, 0.005, 5.0, 0.08});
  addNote(b, {0.12, 0.30, e5, e5, 0.8, bell, 0.005, 5.0, 0.08});
  addNote(b, {0.24, 0.30, g5, g5, 0.8, bell, 0.005, 5.0, 0.08});
  addNote(b, {0.36, 0.66, c6, c6, 0.9, bell, 0.005, 3.0, 0.20});
  addNote(b, {0.36, 0.66, e6, e6, 0.35, bell, 0.010, 3.5, 0.20});
  addNote(b, {0.36, 0.66, g5, g5, 0.35, bell, 0.010, 3.5, 0.20});
  return toPcm(b, 0.7);
}

// A bonus: a quick, high sparkle running up the scale.
std::vector<std::int16_t> bonus() {
  Buffer b;
  const std::vector<double> glassy{1.0, 0.15};
  const double notes[] = {1318.5, 1661.2, 1975.5, 2637.0};
  for (int i = 0; i < 4; ++i) {
    const double length = i == 3 ? 0.26 : 0.14;
    addNote(b, {0.055 * i, length, notes[i], notes[i], 0.8, glassy, 0.003, 10.0, 0.06});
  }
  return toPcm(b, 0.65);
}

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xffu));
}

}  // namespace

std::vector<Sound> makeSounds() {
  return {
      {"ERROR.WAV", refusal()},   {"MVTILE.WAV", tileMove()}, {"MVTHING.WAV", thingStep()},
      {"EOPUZ.WAV", levelEnd()},  {"BONUS.WAV", bonus()},
  };
}

bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int sampleRate) {
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write("RIFF", 4);
  putLe(out, 36 + dataBytes, 4);
  out.write("WAVE", 4);
  out.write("fmt ", 4);
  putLe(out, 16, 4);  // size of the format chunk
  putLe(out, 1, 2);   // PCM
  putLe(out, 1, 2);   // mono
  putLe(out, static_cast<std::uint32_t>(sampleRate), 4);
  putLe(out, static_cast<std::uint32_t>(sampleRate) * kBytesPerSample, 4);
  putLe(out, kBytesPerSample, 2);
  putLe(out, 16, 2);  // bits per sample
  out.write("data", 4);
  putLe(out, dataBytes, 4);
  for (const std::int16_t s : samples) putLe(out, static_cast<std::uint16_t>(s), 2);
  out.close();
  return static_cast<bool>(out);
}

bool writeSoundFiles(const std::filesystem::path& folder) {
  bool allWritten = true;
  for (const Sound& sound : makeSounds()) allWritten = writeWav(folder / sound.fileName, sound.samples) && allWritten;
  return allWritten;
}

}  // namespace gorbix::assets
