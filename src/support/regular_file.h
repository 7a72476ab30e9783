// Reads a whole file only when it is an ordinary file: a named pipe, a
// device or a folder under a picture's or a sound's name must never stall
// the game or feed it without end.
#pragma once

#include <fcntl.h>

#include <cstddef>
#include <optional>
#include <string>
#include <system_error>

namespace gorbix {

struct FileRead {
  enum Status {
    kOk,        // bytes holds the whole file
    kMissing,   // no such file (or its folder is missing): reads as empty
    kTooLarge,  // bytes holds the first `limit` bytes only
    kFailed,    // exists but cannot be read (no permission, not a regular file)
  } status = kMissing;
  std::string bytes;
  std::error_code error;  // why, for kFailed
};

// Up to limit bytes of the file name in the folder open as folder (AT_FDCWD:
// name is a path of its own). The open never blocks on a named pipe.
FileRead readRegularFileAt(int folder, const std::string& name, std::size_t limit);

// The file's bytes, or nothing when it is missing, unreadable, not a regular
// file, or larger than maxBytes.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes);

// Larger than any picture or sound the game ships, small enough to hold.
inline constexpr std::size_t kMaxAssetBytes = 16U << 20U;

}  // namespace gorbix
