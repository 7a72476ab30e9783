// The six procedures through which the program reads and writes its
// settings file, one value per call.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "settings/file_system.h"
#include "settings/profile_document.h"
#include "support/error_trap.h"

namespace gorbix {

// Marks a missing value in the platform readers' answers.
inline constexpr std::string_view kMissingText = "<=GetIniStr=>";
inline constexpr std::int16_t kMissingInt = -32766;
// The readers copy a value into a buffer of this size, its terminator included.
inline constexpr std::size_t kValueBufferSize = 4096;

// GetIniInt's reading of a value in a document already in memory: the
// missing mark, an empty value and a number beyond 16 bits give def.
std::int16_t IniInt(const ProfileDocument& doc, std::string_view section, std::string_view key, std::int16_t def);

// Each call reads or rewrites the whole file and keeps nothing between
// calls. An empty File stands for the old main profile, which this program
// never uses: it reads as missing and every write to it fails.
//
// A failed write shows one message: "Error updating file " and the path,
// then the system's reason, then what was not stored.
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

  // One save of many values: the file as it is now is read into a document,
  // edit changes it, and the file is replaced once, only when its bytes
  // change. edit returns false to store nothing. Returns whether the file
  // holds the edit; a failure has been shown, naming notStored, unless
  // there was nothing of the player's to lose (report false).
  using DocumentEdit = std::function<bool(ProfileDocument&)>;
  bool Update(const std::string& File, const DocumentEdit& edit, std::string_view notStored, bool report = true);

  // Until File exists, its values are read from seedFile, and the first
  // write to it starts from seedFile's lines (an installed game's prepared
  // settings, when the player's own file is elsewhere).
  void seedFrom(const std::string& File, std::string seedFile) { seeds_[File] = std::move(seedFile); }

 private:
  // The platform's profile readers and writer.
  std::optional<std::string> readValue(const std::string& file, std::string_view section, std::string_view key);
  std::size_t readString(const std::string& file, std::string_view section, std::string_view key,
                         std::string_view def, std::string& buffer);
  int readInt(const std::string& file, std::string_view section, std::string_view key, int def);
  // The file's document as reads see it; nothing when it cannot be read.
  std::optional<ProfileDocument> readDocument(const std::string& file);
  // The seed's bytes when file is missing and has a seed.
  std::optional<std::string> seedBytes(const std::string& file);
  std::error_code write(const std::string& file, const DocumentEdit& edit);

  PosixFileSystem ownFiles_;
  ErrorTrap& trap_;
  MessageSink& messages_;
  FileSystem& files_;
  std::map<std::string, std::string> seeds_;
};

}  // namespace gorbix
