#include "support/app_folder.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace gorbix {

namespace {

bool endsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string withSeparator(std::string folder, char separator) {
  if (folder.empty() || folder.back() != separator) folder.push_back(separator);
  return folder;
}

}  // namespace

std::string FindAppFolder(std::string_view programPath, std::string_view currentDir, char separator) {
  const bool hosted = endsWith(programPath, "VB.EXE") || endsWith(programPath, "VB5.EXE") ||
                      endsWith(programPath, "VB32.EXE");
  const auto last = programPath.rfind(separator);
  if (programPath.empty() || hosted || last == std::string_view::npos) {
    if (currentDir.empty()) return {};
    return withSeparator(std::string(currentDir), separator);
  }
  // A program in the root folder lives in the root, not in the current folder.
  if (last == 0) return std::string(1, separator);
  return withSeparator(std::string(programPath.substr(0, last)), separator);
}

namespace {

constexpr const char* kSelf = "/proc/self/exe";

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

std::string RunningProgramPath(std::string_view argv0) {
  std::string buffer(256, '\0');
  // The kernel hands back at most a page; past that the loop ends in failure.
  while (buffer.size() <= 64 * 1024) {
    const ssize_t n = ::readlink(kSelf, buffer.data(), buffer.size());
    if (n < 0) break;
    if (static_cast<std::size_t>(n) < buffer.size()) return buffer.substr(0, static_cast<std::size_t>(n));
    buffer.resize(buffer.size() * 2);
  }
  // A launcher may put anything in argv[0]: it counts only as the same file.
  const std::string given(argv0);
  struct stat self {};
  struct stat named {};
  if (given.find('/') == std::string::npos || ::stat(given.c_str(), &named) != 0) return {};
  if (::stat(kSelf, &self) == 0 && !sameFile(self, named)) return {};
  return given;
}

std::string CurrentFolder() {
  const std::unique_ptr<char, decltype(&std::free)> path(::getcwd(nullptr, 0), &std::free);
  if (path) {
    std::string folder(path.get());
    return folder.size() < PATH_MAX ? folder : ".";
  }
  return (errno == ENAMETOOLONG || errno == ERANGE) ? "." : "";
}

}  // namespace gorbix
