#include "support/wave_check.h"

#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace gorbix {
namespace {

std::string le(std::uint32_t value, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFFU);
  return bytes;
}

std::string chunk(const std::string& id, const std::string& body) {
  std::string bytes = id + le(static_cast<std::uint32_t>(body.size()), 4) + body;
  if (body.size() % 2 != 0) bytes += '\0';
  return bytes;
}

// A format chunk: 16-bit mono PCM unless told otherwise.
struct Format {
  std::uint32_t tag_ = 1, channels_ = 1, rate_ = 22050, bits_ = 16;
  std::uint32_t blockAlign_ = 0, byteRate_ = 0;  // 0: the consistent value
  std::string extra_;

  Format& tag(std::uint32_t v) { return tag_ = v, *this; }
  Format& channels(std::uint32_t v) { return channels_ = v, *this; }
  Format& rate(std::uint32_t v) { return rate_ = v, *this; }
  Format& bits(std::uint32_t v) { return bits_ = v, *this; }
  Format& blockAlign(std::uint32_t v) { return blockAlign_ = v, *this; }
  Format& byteRate(std::uint32_t v) { return byteRate_ = v, *this; }
  Format& extra(std::string v) { return extra_ = std::move(v), *this; }
};

std::string fmtChunk(const Format& f) {
  const std::uint32_t align = f.blockAlign_ ? f.blockAlign_ : f.channels_ * f.bits_ / 8;
  const std::uint32_t byteRate = f.byteRate_ ? f.byteRate_ : f.rate_ * align;
  return chunk("fmt ", le(f.tag_, 2) + le(f.channels_, 2) + le(f.rate_, 4) + le(byteRate, 4) + le(align, 2) +
                           le(f.bits_, 2) + f.extra_);
}

std::string riff(const std::string& chunks) { return "RIFF" + le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks; }

std::string wave(const Format& f = Format(), std::size_t dataBytes = 200) {
  return riff(fmtChunk(f) + chunk("data", std::string(dataBytes, '\x11')));
}

struct Case {
  const char* name;
  std::string bytes;
  WaveProblem expected;
};

void expectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(checkWave(c.bytes), c.expected) << c.name << " (" << c.bytes.size() << " bytes)";
  }
}

TEST(CheckWave, PlainPcmFilesThatLoadToTheirEndPass) {
  expectAll({
      {"mono 16-bit, as the game's own sounds", wave(), WaveProblem::None},
      {"stereo 8-bit at 8 kHz", wave(Format().channels(2).rate(8000).bits(8), 64), WaveProblem::None},
      {"the extended format chunk of 18 bytes", wave(Format().extra(le(0, 2))), WaveProblem::None},
      {"other chunks around the format, and after the data",
       riff(chunk("LIST", "abc") + fmtChunk(Format()) + chunk("fact", "1234") + chunk("data", std::string(4, 'x')) +
            chunk("note", "x")),
       WaveProblem::None},
      {"a single frame", wave({}, 2), WaveProblem::None},
      {"the last odd chunk without its pad byte",
       [] {
         std::string w = riff(fmtChunk(Format().bits(8)) + chunk("data", std::string(3, 'x')));
         w.pop_back();
         return "RIFF" + le(static_cast<std::uint32_t>(w.size() - 8), 4) + w.substr(8);
       }(),
       WaveProblem::None},
  });
}

// Every length a truncated copy can have stops short of a playable file.
TEST(CheckWave, EveryTruncationOfAGoodFileFails) {
  const std::string good = wave();
  for (std::size_t size = 0; size < good.size(); ++size) {
    EXPECT_NE(checkWave(good.substr(0, size)), WaveProblem::None) << size << " bytes";
  }
}

TEST(CheckWave, DamagedHeadersAndChunksAreNamed) {
  const std::string good = wave();
  const std::string header44 = riff(fmtChunk(Format()) + "data" + le(0, 4));
  expectAll({
      {"empty", "", WaveProblem::NoRiffHeader},
      {"one byte", "R", WaveProblem::NoRiffHeader},
      {"11 bytes", good.substr(0, 11), WaveProblem::NoRiffHeader},
      {"12 bytes: RIFF header only", good.substr(0, 12), WaveProblem::SizeMismatch},
      {"a RIFF header alone and consistent", riff(""), WaveProblem::NoFormat},
      {"not RIFF", "RIFX" + good.substr(4), WaveProblem::NoRiffHeader},
      {"not WAVE", good.substr(0, 8) + "AVI " + good.substr(12), WaveProblem::NoRiffHeader},
      {"RIFF size larger than the file", "RIFF" + le(static_cast<std::uint32_t>(good.size()), 4) + good.substr(8),
       WaveProblem::SizeMismatch},
      {"RIFF size smaller than the file", good + "xx", WaveProblem::SizeMismatch},
      {"RIFF size at its largest", "RIFF" + le(0xFFFFFFFFU, 4) + good.substr(8), WaveProblem::SizeMismatch},
      {"44-byte header with an empty data chunk", header44, WaveProblem::NoData},
      {"header whose data chunk claims bytes it lacks",
       riff(fmtChunk(Format()) + "data" + le(1000, 4) + std::string(10, 'x')), WaveProblem::BrokenChunk},
      {"data chunk size at its largest", riff(fmtChunk(Format()) + "data" + le(0xFFFFFFFFU, 4) + "xx"),
       WaveProblem::BrokenChunk},
      {"a chunk header cut short", riff(fmtChunk(Format()) + "dat"), WaveProblem::BrokenChunk},
      {"format chunk only", riff(fmtChunk(Format())), WaveProblem::NoData},
      {"data before the format", riff(chunk("data", "xxxx") + fmtChunk(Format())), WaveProblem::NoFormat},
      {"format chunk too short", riff(chunk("fmt ", std::string(14, '\x01')) + chunk("data", "xx")),
       WaveProblem::NoFormat},
      {"data of half a frame", wave(Format().channels(2), 6), WaveProblem::NoData},
  });
}

TEST(CheckWave, FormatsTheSoundLayerCannotPlayFail) {
  expectAll({
      {"compressed (ADPCM)", wave(Format().tag(2)), WaveProblem::NotPlainPcm},
      {"floating point", wave(Format().tag(3).bits(32)), WaveProblem::NotPlainPcm},
      {"extensible", wave(Format().tag(0xFFFE).extra(le(22, 2) + std::string(22, '\0'))), WaveProblem::NotPlainPcm},
      {"format tag 0", wave(Format().tag(0)), WaveProblem::NotPlainPcm},
      {"no channels", wave(Format().channels(0)), WaveProblem::UnusualFormat},
      {"six channels", wave(Format().channels(6)), WaveProblem::UnusualFormat},
      {"24 bits", wave(Format().bits(24), 201), WaveProblem::UnusualFormat},
      {"32 bits", wave(Format().bits(32)), WaveProblem::UnusualFormat},
      {"0 bits", wave(Format().bits(0).blockAlign(1)), WaveProblem::UnusualFormat},
      {"rate 0", wave(Format().rate(0)), WaveProblem::UnusualFormat},
      {"rate 1 Hz", wave(Format().rate(1)), WaveProblem::UnusualFormat},
      {"rate 4 GHz", wave(Format().rate(0xFFFFFFFFU)), WaveProblem::UnusualFormat},
      {"block align off", wave(Format().blockAlign(4)), WaveProblem::InconsistentFormat},
      {"byte rate off", wave(Format().byteRate(1)), WaveProblem::InconsistentFormat},
  });
}

TEST(CheckWave, RandomBytesFail) {
  std::mt19937 random(7);
  for (std::size_t size : {1, 12, 44, 100, 4096}) {
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    EXPECT_NE(checkWave(bytes), WaveProblem::None) << size;
    // Even behind a correct RIFF/WAVE header.
    bytes = riff(bytes);
    EXPECT_NE(checkWave(bytes), WaveProblem::None) << size;
  }
}

}  // namespace
}  // namespace gorbix
