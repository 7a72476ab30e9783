// The five game sounds, synthesised, and a plain 16-bit PCM wave writer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gorbix::assets {

inline constexpr int kSampleRate = 22050;

struct Sound {
  std::string fileName;
  std::vector<std::int16_t> samples;  // mono, kSampleRate per second
};

// ERROR.WAV, MVTILE.WAV, MVTHING.WAV, EOPUZ.WAV, BONUS.WAV in sound-number
// order. The same every time: the noise comes from a fixed seed.
std::vector<Sound> makeSounds();

// Writes a mono 16-bit PCM RIFF/WAVE file; false if it cannot be written.
bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
              int sampleRate = kSampleRate);

// Writes all five sounds into folder; false if any could not be written.
bool writeSoundFiles(const std::filesystem::path& folder);

}  // namespace gorbix::assets
