#include "settings/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <random>
#include <thread>

#include "support/descriptor.h"

namespace gorbix {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }
std::error_code errorOf(std::errc e) { return std::make_error_code(e); }

// The folder part of a path, with its final separator ("" for a bare name,
// which lives in the current folder), and the name after it.
std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }
std::string nameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::error_code readLink(const std::string& path, std::string& target) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return lastError();
    if (static_cast<std::size_t>(n) < buffer.size()) {
      target.assign(buffer.data(), static_cast<std::size_t>(n));
      return {};
    }
    buffer.resize(buffer.size() * 2);
  }
}

// The file a write really goes to: the end of a chain of symbolic links,
// which need not exist yet, so the link the user made stays a link.
std::error_code resolveTarget(const std::string& path, std::string& target) {
  target = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) return errno == ENOENT ? std::error_code() : lastError();
    if (!S_ISLNK(info.st_mode)) return {};
    std::string link;
    if (const auto error = readLink(target, link)) return error;
    if (link.empty()) return errorOf(std::errc::no_such_file_or_directory);
    target = link.front() == '/' ? link : folderOf(target) + link;
  }
  return errorOf(std::errc::too_many_symbolic_link_levels);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;
      return false;
    }
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

// Temporary files are named "." + the file's name + "." + this many letters.
constexpr std::size_t kTempLetters = 6;

std::string tempName(const std::string& name) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static thread_local std::minstd_rand draw(std::random_device{}());
  std::string result = "." + name + ".";
  for (std::size_t i = 0; i < kTempLetters; ++i) result += kLetters[draw() % (sizeof kLetters - 1)];
  return result;
}

bool isTempName(const std::string& candidate, const std::string& name) {
  const std::string head = "." + name + ".";
  return candidate.size() == head.size() + kTempLetters && candidate.starts_with(head);
}

// Takes the folder's lock, waiting a little for another copy of the game
// to finish its save. A copy that holds it for longer (stopped, or stuck on
// a dead network share) must not hang this one: then it goes on unlocked.
bool lockFolder(int folder) {
  using namespace std::chrono;
  const auto giveUp = steady_clock::now() + seconds(2);
  for (;;) {
    if (::flock(folder, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (steady_clock::now() >= giveUp) return false;
    std::this_thread::sleep_for(milliseconds(5));
  }
}

// Under the lock no other update is under way, so any temporary file of
// ours in the folder was left by one that was interrupted.
void removeStaleTemps(int folder, const std::string& name) {
  const int copy = ::dup(folder);
  if (copy < 0) return;
  DIR* entries = ::fdopendir(copy);
  if (entries == nullptr) {
    ::close(copy);
    return;
  }
  while (const dirent* entry = ::readdir(entries)) {
    if (isTempName(entry->d_name, name)) ::unlinkat(folder, entry->d_name, 0);
  }
  ::closedir(entries);
}

std::error_code openFolder(const std::string& folder, Descriptor& fd) {
  const std::string path = folder.empty() ? "." : folder;
  int opened = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (opened < 0 && errno == ENOENT) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec) return ec;
    opened = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  }
  if (opened < 0) return lastError();
  fd.reset(opened);
  return {};
}

// Who the new file belongs to and how it may be used.
struct FileAttributes {
  mode_t mode = 0;
  uid_t owner = static_cast<uid_t>(-1);
  gid_t group = static_cast<gid_t>(-1);
};

FileAttributes attributesFor(int folder, const struct stat* old) {
  FileAttributes attributes;
  if (old != nullptr) {
    attributes.mode = old->st_mode & 07777;
    attributes.owner = old->st_uid;
    attributes.group = old->st_gid;
    return attributes;
  }
  attributes.mode = newFileMode();
  struct stat info {};
  if (::geteuid() == 0 && ::fstat(folder, &info) == 0) {
    attributes.owner = info.st_uid;
    attributes.group = info.st_gid;
  }
  return attributes;
}

void applyOwner(int fd, const FileAttributes& attributes) {
  if (attributes.owner == static_cast<uid_t>(-1)) return;
  // Only root may give a file away; anyone may keep a group they are in.
  if (::fchown(fd, attributes.owner, attributes.group) != 0) {
    [[maybe_unused]] const int kept = ::fchown(fd, static_cast<uid_t>(-1), attributes.group);
  }
}

// The folder of the file a write really goes to, open and locked (or not,
// when another copy holds the lock too long), and the file's name in it.
struct LockedFolder {
  Descriptor folder;
  std::string name;
  bool locked = false;
};

std::error_code lockTargetFolder(const std::string& path, LockedFolder& out) {
  if (path.empty() || path.back() == '/') return errorOf(std::errc::invalid_argument);
  std::string target;
  if (const auto error = resolveTarget(path, target)) return error;
  out.name = nameOf(target);
  if (const auto error = openFolder(folderOf(target), out.folder)) return error;
  out.locked = lockFolder(out.folder.get());
  return {};
}

// Opens the file for writing (and reading its last byte) as an ordinary
// file only: never blocks on a named pipe, and refuses a device or a folder
// in its place.
std::error_code openRegularForWriting(const LockedFolder& at, int flags, Descriptor& file, struct stat& info) {
  file.reset(::openat(at.folder.get(), at.name.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | flags, newFileMode()));
  if (!file.valid()) return lastError();
  if (::fstat(file.get(), &info) != 0) return lastError();
  if (!S_ISREG(info.st_mode)) return errorOf(std::errc::invalid_argument);
  return {};
}

}  // namespace

PosixFileSystem::PosixFileSystem(FaultHook faultHook) : faultHook_(std::move(faultHook)) {}

FileRead PosixFileSystem::read(const std::string& path, std::size_t limit) {
  if (path.empty()) return {};
  return readRegularFileAt(AT_FDCWD, path, limit);
}

std::error_code PosixFileSystem::update(const std::string& path, const FileEdit& edit) {
  LockedFolder at;
  if (const auto error = lockTargetFolder(path, at)) return error;
  const Descriptor& folder = at.folder;
  const std::string& name = at.name;
  const bool locked = at.locked;
  if (const auto error = fault(WriteStep::kLocked)) return error;
  if (locked) removeStaleTemps(folder.get(), name);

  const FileRead current = readRegularFileAt(folder.get(), name, kMaxProfileBytes);
  if (current.status == FileRead::kFailed) return current.error;
  const std::optional<std::string> bytes = edit(current);
  if (!bytes) return {};
  // A file we cannot read whole is never rewritten: that would lose its rest.
  if (current.status == FileRead::kTooLarge) return errorOf(std::errc::file_too_large);

  struct stat old {};
  const bool exists = ::fstatat(folder.get(), name.c_str(), &old, 0) == 0;
  // Renaming would get round a file the user has made read-only.
  if (exists && ::faccessat(folder.get(), name.c_str(), W_OK, 0) != 0) return lastError();
  const FileAttributes attributes = attributesFor(folder.get(), exists ? &old : nullptr);

  // Without a name until it is linked in, a temporary file cannot outlive a
  // crash; file systems without that fall back to a named one.
  Descriptor temp(::openat(folder.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, attributes.mode));
  std::string tempPath;
  if (!temp.valid()) {
    for (int attempt = 0; attempt < 100 && !temp.valid(); ++attempt) {
      tempPath = tempName(name);
      temp.reset(::openat(folder.get(), tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, attributes.mode));
      if (!temp.valid() && errno != EEXIST) break;
    }
    if (!temp.valid()) return lastError();
  }
  struct Unlinker {
    int folder;
    std::string& name;
    ~Unlinker() {
      if (!name.empty()) ::unlinkat(folder, name.c_str(), 0);
    }
  } removeTemp{folder.get(), tempPath};

  if (const auto error = fault(WriteStep::kTempCreated)) return error;
  if (!writeAll(temp.get(), *bytes)) return lastError();
  if (const auto error = fault(WriteStep::kDataWritten)) return error;
  applyOwner(temp.get(), attributes);
  // fchmod after fchown: a change of owner clears the set-id bits.
  if (::fchmod(temp.get(), attributes.mode) != 0 || ::fsync(temp.get()) != 0) return lastError();
  if (const auto error = fault(WriteStep::kSynced)) return error;

  if (tempPath.empty()) {
    const std::string self = "/proc/self/fd/" + std::to_string(temp.get());
    for (int attempt = 0; attempt < 100 && tempPath.empty(); ++attempt) {
      const std::string candidate = tempName(name);
      if (::linkat(AT_FDCWD, self.c_str(), folder.get(), candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        tempPath = candidate;
      } else if (errno != EEXIST) {
        return lastError();
      }
    }
    if (tempPath.empty()) return errorOf(std::errc::file_exists);
  }
  if (!temp.close()) return lastError();
  if (const auto error = fault(WriteStep::kNamed)) return error;
  if (::renameat(folder.get(), tempPath.c_str(), folder.get(), name.c_str()) != 0) return lastError();
  tempPath.clear();

  // Make the rename itself durable; the new file is in place either way.
  ::fsync(folder.get());
  return {};
}

std::error_code PosixFileSystem::append(const std::string& path, std::string_view header, std::string_view text) {
  LockedFolder at;
  if (const auto error = lockTargetFolder(path, at)) return error;
  if (const auto error = fault(WriteStep::kLocked)) return error;
  Descriptor file;
  struct stat info {};
  if (const auto error = openRegularForWriting(at, O_APPEND | O_CREAT, file, info)) return error;
  std::string bytes;
  if (info.st_size == 0) {
    applyOwner(file.get(), attributesFor(at.folder.get(), nullptr));
    bytes = header;
  } else {
    char last = '\n';
    if (::pread(file.get(), &last, 1, info.st_size - 1) != 1) return lastError();
    if (last != '\n') bytes = "\n";
  }
  bytes += text;
  if (!writeAll(file.get(), bytes)) return lastError();
  if (const auto error = fault(WriteStep::kDataWritten)) return error;
  return file.close() ? std::error_code() : lastError();
}

std::error_code PosixFileSystem::clear(const std::string& path, std::string_view header) {
  LockedFolder at;
  if (const auto error = lockTargetFolder(path, at)) return error;
  Descriptor file;
  struct stat info {};
  if (const auto error = openRegularForWriting(at, 0, file, info)) {
    return error == errorOf(std::errc::no_such_file_or_directory) ? std::error_code() : error;
  }
  if (::ftruncate(file.get(), 0) != 0 || !writeAll(file.get(), header)) return lastError();
  return file.close() ? std::error_code() : lastError();
}

}  // namespace gorbix
