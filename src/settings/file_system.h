// How the settings layer reaches the disk: whole-file reads with a size cap,
// and whole-file updates that replace the old file in one step.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "support/regular_file.h"

namespace gorbix {

// Settings files are a few hundred bytes. Anything past this is not ours to
// parse; a file that large is read only up to here and never rewritten, so a
// write can never cut off what lies beyond.
inline constexpr std::size_t kMaxProfileBytes = 1024 * 1024;

// What an update makes of the file's bytes as they are now: the new bytes,
// or nothing when the file is to stay as it is.
using FileEdit = std::function<std::optional<std::string>(const FileRead& current)>;

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual FileRead read(const std::string& path, std::size_t limit) = 0;
  // Reads the file (up to kMaxProfileBytes), hands it to edit and writes
  // what edit returns in its place. Another update of the same file, from
  // this process or another, never comes between the read and the write.
  // Afterwards the file holds either the new bytes or, when an error is
  // returned, what it held before.
  virtual std::error_code update(const std::string& path, const FileEdit& edit) = 0;
};

// The points of an update at which a test may make it fail or look around.
// kNamed: the complete temporary file has its name, just before it replaces
// the target.
enum class WriteStep { kLocked, kTempCreated, kDataWritten, kSynced, kNamed };

// POSIX files. update() locks the target's folder, writes a temporary file
// beside the target, syncs it and renames it over the target, so a crash or
// a full disk leaves either the old file or the new one, never a part of
// either, and two copies of the game take turns. The temporary file has no
// name until it is complete (where the file system allows), and what an
// interrupted update left behind is removed by the next one. A missing
// folder of the target is created first (the per-user settings folder on
// first run). A symbolic link is written through: its target is replaced
// (or created) and the link stays. The new file keeps the old one's mode,
// owner and group; a file that root creates takes its folder's owner, so the
// player it belongs to can still save.
class PosixFileSystem final : public FileSystem {
 public:
  // faultHook is asked at each WriteStep whether to go on; an error makes
  // the update fail there with it, as a full disk or a lost device would.
  using FaultHook = std::function<std::error_code(WriteStep)>;
  explicit PosixFileSystem(FaultHook faultHook = {});

  FileRead read(const std::string& path, std::size_t limit) override;
  std::error_code update(const std::string& path, const FileEdit& edit) override;

  // For a file that only grows, too large to be rewritten at each change:
  // under the same folder lock as update, `text` goes to the end of the
  // file in one write with O_APPEND, so two copies of the game never mix
  // their lines. A new or empty file gets `header` first, and after a line
  // that a crash cut short `text` starts on a line of its own.
  std::error_code append(const std::string& path, std::string_view header, std::string_view text);
  // Under the same lock, the file is cut back to `header` alone. A missing
  // file stays missing.
  std::error_code clear(const std::string& path, std::string_view header);

 private:
  std::error_code fault(WriteStep step) const { return faultHook_ ? faultHook_(step) : std::error_code(); }
  FaultHook faultHook_;
};

}  // namespace gorbix
