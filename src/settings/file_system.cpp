#include "settings/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace gorbix {

namespace {

namespace fs = std::filesystem;

// Closes the descriptor and removes the temporary file unless released.
class TempFile {
 public:
  TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  void release() { path_.clear(); }

 private:
  int fd_;
  std::string path_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Permissions for a new file: what the user's umask allows of rw-rw-rw-.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file a write really goes to: through a symbolic link to its target,
// so the link the user made stays a link.
bool resolveTarget(const std::string& path, fs::path& target) {
  std::error_code ec;
  target = path;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    target = fs::weakly_canonical(target, ec);
    if (ec) return false;
  }
  return true;
}

}  // namespace

PosixFileSystem::PosixFileSystem(FaultHook faultHook) : faultHook_(std::move(faultHook)) {}

FileRead PosixFileSystem::read(const std::string& path, std::size_t limit) {
  FileRead result;
  // Non-blocking, so a FIFO put in the file's place cannot hang the program.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.status = (errno == ENOENT || errno == ENOTDIR) ? FileRead::kMissing : FileRead::kFailed;
    return result;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    result.status = FileRead::kFailed;
    return result;
  }
  result.status = FileRead::kOk;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.status = FileRead::kFailed;
      break;
    }
    if (n == 0) break;
    const auto room = limit - result.bytes.size();
    if (static_cast<std::size_t>(n) > room) {
      result.bytes.append(buffer, room);
      result.status = FileRead::kTooLarge;
      break;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (result.status == FileRead::kFailed) result.bytes.clear();
  return result;
}

bool PosixFileSystem::replace(const std::string& path, std::string_view bytes) {
  fs::path target;
  if (path.empty() || !resolveTarget(path, target)) return false;
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) return false;
  }

  mode_t mode = newFileMode();
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    // Renaming would get round a file the user has made read-only.
    if (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0) return false;
    mode = old.st_mode & 07777;
  }

  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return false;
  TempFile temp(fd, pattern);
  if (!goOn(WriteStep::kTempCreated)) return false;
  if (!writeAll(temp.fd(), bytes) || !goOn(WriteStep::kDataWritten)) return false;
  if (::fchmod(temp.fd(), mode) != 0 || ::fsync(temp.fd()) != 0 || !goOn(WriteStep::kSynced)) return false;
  if (!temp.close()) return false;
  if (::rename(temp.path().c_str(), target.c_str()) != 0) return false;
  temp.release();

  // Make the rename itself durable; the new file is in place either way.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace gorbix
