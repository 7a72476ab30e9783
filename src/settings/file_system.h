// How the settings layer reaches the disk: whole-file reads with a size cap,
// and whole-file writes that replace the old file in one step.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace gorbix {

// Settings files are a few hundred bytes. Anything past this is not ours to
// parse; a file that large is read only up to here and never rewritten, so a
// write can never cut off what lies beyond.
inline constexpr std::size_t kMaxProfileBytes = 1024 * 1024;

struct FileRead {
  enum Status {
    kOk,        // bytes holds the whole file
    kMissing,   // no such file (or its folder is missing): reads as empty
    kTooLarge,  // bytes holds the first `limit` bytes only
    kFailed,    // exists but cannot be read (no permission, not a regular file)
  } status = kMissing;
  std::string bytes;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual FileRead read(const std::string& path, std::size_t limit) = 0;
  // Either path holds bytes afterwards, or it holds what it held before and
  // false is returned.
  virtual bool replace(const std::string& path, std::string_view bytes) = 0;
};

// The points of a write at which a test may make it fail.
enum class WriteStep { kTempCreated, kDataWritten, kSynced };

// POSIX files. replace() writes a temporary file beside the target, syncs
// it and renames it over the target, so a crash or a full disk leaves either
// the old file or the new one, never a part of either. A missing folder of
// the target is created first (the per-user settings folder on first run).
class PosixFileSystem final : public FileSystem {
 public:
  // faultHook is asked at each WriteStep whether to go on; false makes the
  // write fail there, as a full disk or a lost device would.
  using FaultHook = std::function<bool(WriteStep)>;
  explicit PosixFileSystem(FaultHook faultHook = {});

  FileRead read(const std::string& path, std::size_t limit) override;
  bool replace(const std::string& path, std::string_view bytes) override;

 private:
  bool goOn(WriteStep step) const { return !faultHook_ || faultHook_(step); }
  FaultHook faultHook_;
};

}  // namespace gorbix
