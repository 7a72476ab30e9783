#include "support/wave_check.h"

#include <cstdint>

namespace gorbix {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kPcmFormatBytes = 16;

std::uint32_t le(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;) value = (value << 8U) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

WaveProblem checkFormat(std::string_view fmt) {
  if (fmt.size() < kPcmFormatBytes) return WaveProblem::NoFormat;
  if (le(fmt, 0, 2) != kPcm) return WaveProblem::NotPlainPcm;
  const std::uint32_t channels = le(fmt, 2, 2);
  const std::uint32_t rate = le(fmt, 4, 4);
  const std::uint32_t byteRate = le(fmt, 8, 4);
  const std::uint32_t blockAlign = le(fmt, 12, 2);
  const std::uint32_t bits = le(fmt, 14, 2);
  if (channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < 4000 || rate > 192000) {
    return WaveProblem::UnusualFormat;
  }
  if (blockAlign != channels * bits / 8 || byteRate != rate * blockAlign) return WaveProblem::InconsistentFormat;
  return WaveProblem::None;
}

// The check, and the data's length in bytes a second of sound takes.
WaveProblem inspect(std::string_view bytes, std::uint64_t& dataBytes, std::uint32_t& byteRate) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return WaveProblem::NoRiffHeader;
  }
  if (std::uint64_t{le(bytes, 4, 4)} + 8 != bytes.size()) return WaveProblem::SizeMismatch;

  std::uint32_t blockAlign = 0;
  for (std::size_t at = 12; at < bytes.size();) {
    if (bytes.size() - at < kChunkHeader) return WaveProblem::BrokenChunk;
    const std::string_view id = bytes.substr(at, 4);
    const std::uint64_t size = le(bytes, at + 4, 4);
    const std::size_t body = at + kChunkHeader;
    if (size > bytes.size() - body) return WaveProblem::BrokenChunk;
    const std::string_view content = bytes.substr(body, static_cast<std::size_t>(size));
    if (id == "fmt ") {
      if (const WaveProblem problem = checkFormat(content); problem != WaveProblem::None) return problem;
      blockAlign = le(content, 12, 2);
      byteRate = le(content, 8, 4);
    } else if (id == "data") {
      if (blockAlign == 0) return WaveProblem::NoFormat;
      if (size == 0 || size % blockAlign != 0) return WaveProblem::NoData;
      dataBytes = size;
      return WaveProblem::None;
    }
    // Chunks are padded to an even length; a missing last pad is harmless.
    at = body + static_cast<std::size_t>(size) + (size % 2);
  }
  return blockAlign == 0 ? WaveProblem::NoFormat : WaveProblem::NoData;
}

}  // namespace

WaveProblem checkWave(std::string_view bytes) {
  std::uint64_t dataBytes = 0;
  std::uint32_t byteRate = 0;
  return inspect(bytes, dataBytes, byteRate);
}

std::chrono::milliseconds waveLength(std::string_view bytes) {
  std::uint64_t dataBytes = 0;
  std::uint32_t byteRate = 0;
  if (inspect(bytes, dataBytes, byteRate) != WaveProblem::None) return {};
  return std::chrono::milliseconds(static_cast<std::int64_t>(dataBytes * 1000 / byteRate));
}

}  // namespace gorbix
