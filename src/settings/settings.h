// The six procedures through which the program reads and writes its
// settings file, one value per call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/file_system.h"
#include "support/error_trap.h"

namespace gorbix {

// Marks a missing value in the platform readers' answers.
inline constexpr std::string_view kMissingText = "<=GetIniStr=>";
inline constexpr std::int16_t kMissingInt = -32766;
// The readers copy a value into a buffer of this size, its terminator included.
inline constexpr std::size_t kValueBufferSize = 4096;

// Each call reads or rewrites the whole file and keeps nothing between
// calls. An empty File stands for the old main profile, which this program
// never uses: it reads as missing and every write to it fails.
class Settings {
 public:
  Settings(ErrorTrap& trap, MessageSink& messages);
  Settings(ErrorTrap& trap, MessageSink& messages, FileSystem& files);
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  std::string GetIniStr(std::string_view Section, std::string_view Key, std::string_view Default,
                        const std::string& File, bool AddIfMissing = false);
  std::int16_t GetIniInt(std::string_view Section, std::string_view Key, std::int16_t Default,
                         const std::string& File, bool AddIfMissing = false);
  bool GetIniBool(std::string_view Section, std::string_view Key, bool Default, const std::string& File,
                  bool AddIfMissing = false);

  // Each returns whether the value reached the file; a failure has already
  // been shown to the user, so callers may go on without looking.
  bool PutIniStr(std::string_view Section, std::string_view Key, std::string_view Value, const std::string& File);
  bool PutIniInt(std::string_view Section, std::string_view Key, std::int16_t Value, const std::string& File);
  bool PutIniBool(std::string_view Section, std::string_view Key, bool Value, const std::string& File);

 private:
  // The platform's profile readers and writer.
  std::optional<std::string> readValue(const std::string& file, std::string_view section, std::string_view key);
  std::size_t readString(const std::string& file, std::string_view section, std::string_view key,
                         std::string_view def, std::string& buffer);
  int readInt(const std::string& file, std::string_view section, std::string_view key, int def);
  bool writeString(const std::string& file, std::string_view section, std::string_view key, std::string_view value);

  PosixFileSystem ownFiles_;
  ErrorTrap& trap_;
  MessageSink& messages_;
  FileSystem& files_;
};

}  // namespace gorbix
