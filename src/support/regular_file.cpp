#include "support/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "support/descriptor.h"

namespace gorbix {

FileRead readRegularFileAt(int folder, const std::string& name, std::size_t limit) {
  FileRead result;
  // O_NONBLOCK: opening a named pipe would otherwise wait for a writer.
  const Descriptor file(::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file.valid()) {
    result.error = {errno, std::generic_category()};
    result.status = (errno == ENOENT || errno == ENOTDIR) ? FileRead::kMissing : FileRead::kFailed;
    return result;
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    result.status = FileRead::kFailed;
    result.error = {errno, std::generic_category()};
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.status = FileRead::kFailed;
    result.error =
        std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory : std::errc::invalid_argument);
    return result;
  }
  result.status = FileRead::kOk;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.status = FileRead::kFailed;
      result.error = {errno, std::generic_category()};
      result.bytes.clear();
      return result;
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
  return result;
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes) {
  FileRead content = readRegularFileAt(AT_FDCWD, path, maxBytes);
  if (content.status != FileRead::kOk) return std::nullopt;
  return std::move(content.bytes);
}

}  // namespace gorbix
