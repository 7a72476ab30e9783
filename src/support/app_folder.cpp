#include "support/app_folder.h"

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
    return withSeparator(std::string(currentDir), separator);
  }
  // A program in the root folder lives in the root, not in the current folder.
  if (last == 0) return std::string(1, separator);
  return withSeparator(std::string(programPath.substr(0, last)), separator);
}

}  // namespace gorbix
