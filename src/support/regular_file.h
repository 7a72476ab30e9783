// Reads a whole file only when it is an ordinary file: a named pipe, a
// device or a folder under a picture's or a sound's name must never stall
// the game or feed it without end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace gorbix {

// The file's bytes, or nothing when it is missing, unreadable, not a regular
// file, or larger than maxBytes.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes);

// Larger than any picture or sound the game ships, small enough to hold.
inline constexpr std::size_t kMaxAssetBytes = 16U << 20U;

}  // namespace gorbix
