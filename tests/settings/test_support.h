// Temporary folders, whole-file helpers and recording fakes for the
// settings tests.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "support/error_trap.h"

namespace gorbix::testing {

// A fresh folder per test, removed with all it holds afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gorbix-settings-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Every name in the folder, hidden ones included.
  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      result.push_back(entry.path().filename().string());
    }
    return result;
  }

 private:
  std::filesystem::path path_;
};

// A string literal with the NUL bytes inside it.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// The lines of a message.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct TrapCall {
  std::string where;
  std::string detail;
  bool endProgram;
};

class RecordingTrap final : public ErrorTrap {
 public:
  void TrapError(std::string_view where, std::string_view detail, bool endProgram) override {
    calls.push_back({std::string(where), std::string(detail), endProgram});
  }
  std::vector<TrapCall> calls;
};

struct Message {
  std::string caption;
  std::string text;
};

class RecordingSink final : public MessageSink {
 public:
  void showMessage(std::string_view caption, std::string_view text) override {
    messages.push_back({std::string(caption), std::string(text)});
  }
  std::vector<Message> messages;
};

// A fresh folder with gorbix.ini's path in it, and Settings reporting to fakes.
class SettingsFixture : public ::testing::Test {
 protected:
  TempDir dir;
  RecordingTrap trap;
  RecordingSink sink;
  Settings ini{trap, sink};
  std::string file = dir.file("gorbix.ini");
};

}  // namespace gorbix::testing
