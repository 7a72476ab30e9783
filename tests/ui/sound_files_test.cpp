// The generated wave files: well-formed, audible, unclipped and click-free.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/sound_synth.h"

namespace gorbix::assets {
namespace {

std::vector<unsigned char> readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::vector<unsigned char>& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

std::string tag(const std::vector<unsigned char>& bytes, std::size_t at) {
  return {bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + 4)};
}

struct Wave {
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::vector<std::int16_t> samples;
};

// Reads back a canonical 44-byte-header PCM file, checking every field.
Wave parse(const std::filesystem::path& path) {
  const std::vector<unsigned char> bytes = readAll(path);
  Wave wave;
  EXPECT_GE(bytes.size(), 44u) << path;
  if (bytes.size() < 44) return wave;
  EXPECT_EQ(tag(bytes, 0), "RIFF");
  EXPECT_EQ(le(bytes, 4, 4), bytes.size() - 8);
  EXPECT_EQ(tag(bytes, 8), "WAVE");
  EXPECT_EQ(tag(bytes, 12), "fmt ");
  EXPECT_EQ(le(bytes, 16, 4), 16u);
  EXPECT_EQ(le(bytes, 20, 2), 1u) << "PCM";
  wave.channels = static_cast<int>(le(bytes, 22, 2));
  wave.rate = static_cast<int>(le(bytes, 24, 4));
  wave.bits = static_cast<int>(le(bytes, 34, 2));
  EXPECT_EQ(le(bytes, 28, 4), static_cast<std::uint32_t>(wave.rate * wave.channels * wave.bits / 8));
  EXPECT_EQ(le(bytes, 32, 2), static_cast<std::uint32_t>(wave.channels * wave.bits / 8));
  EXPECT_EQ(tag(bytes, 36), "data");
  const std::uint32_t dataBytes = le(bytes, 40, 4);
  EXPECT_EQ(dataBytes, bytes.size() - 44);
  for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
    wave.samples.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(le(bytes, at, 2))));
  return wave;
}

int peakOf(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (const std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

class SoundFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(writeSoundFiles(folder()));
  }
  std::filesystem::path folder() const { return dir_.path().toStdString(); }
  double seconds(const char* name) {
    const Wave w = parse(folder() / name);
    return static_cast<double>(w.samples.size()) / w.rate;
  }

 private:
  QTemporaryDir dir_;
};

const char* const kNames[] = {"ERROR.WAV", "MVTILE.WAV", "MVTHING.WAV", "EOPUZ.WAV", "BONUS.WAV"};

// Audible but never at full scale, and starting and ending at silence: a
// sound that starts or stops away from zero clicks.
TEST_F(SoundFiles, AreAudibleUnclippedMonoPcmWithoutClicks) {
  for (const char* name : kNames) {
    SCOPED_TRACE(name);
    const Wave w = parse(folder() / name);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
    const std::vector<std::int16_t>& s = w.samples;
    ASSERT_GE(s.size(), 64u);
    const int peak = peakOf(s);
    EXPECT_LT(peak, 32767 * 9 / 10);
    EXPECT_GT(peak, 32767 / 4);
    EXPECT_LE(std::abs(s.front()), 64);
    EXPECT_LE(std::abs(s.back()), 64);
    // The first and last half millisecond ramp, staying well under the peak.
    EXPECT_LT(peakOf({s.begin(), s.begin() + 11}), peak / 3);
    EXPECT_LT(peakOf({s.end() - 11, s.end()}), peak / 3);
  }
}

TEST_F(SoundFiles, LengthsSuitWhenEachIsPlayed) {
  // A step sounds up to ten times a second, so it must be over well before the next.
  EXPECT_LT(seconds("MVTHING.WAV"), 0.08);
  EXPECT_LT(seconds("MVTILE.WAV"), 0.3);
  EXPECT_LT(seconds("ERROR.WAV"), 0.6);
  EXPECT_LT(seconds("BONUS.WAV"), 0.8);
  EXPECT_GT(seconds("EOPUZ.WAV"), 0.7);
  EXPECT_LT(seconds("EOPUZ.WAV"), 1.5);
}

TEST(Sounds, AreFiveDistinctSoundsInSoundNumberOrder) {
  const std::vector<Sound> sounds = makeSounds();
  ASSERT_EQ(sounds.size(), 5u);
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    EXPECT_EQ(sounds[i].fileName, kNames[i]);
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(sounds[i].samples, sounds[j].samples) << i << " vs " << j;
  }
  // The same files on every build.
  EXPECT_EQ(makeSounds()[1].samples, sounds[1].samples);
}

TEST(WavWriter, WritesTheSamplesItIsGivenAndRefusesAnUnwritablePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "t.wav";
  const std::vector<std::int16_t> samples{0, 1, -1, 32767, -32768, 1234, 0};
  ASSERT_TRUE(writeWav(path, samples, 44100));
  const Wave w = parse(path);
  EXPECT_EQ(w.rate, 44100);
  EXPECT_EQ(w.samples, samples);
  EXPECT_FALSE(writeWav(std::filesystem::path(dir.path().toStdString()) / "no" / "such" / "t.wav", samples));
  EXPECT_FALSE(writeSoundFiles(std::filesystem::path(dir.path().toStdString()) / "missing"));
}

}  // namespace
}  // namespace gorbix::assets
