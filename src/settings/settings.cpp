#include "settings/settings.h"

#include <limits>

#include "settings/profile_document.h"
#include "support/text.h"

namespace gorbix {

namespace {

std::string nameDetail(std::string_view section, std::string_view key) {
  return "<" + std::string(section) + "><" + std::string(key) + ">";
}

// The platform's integer reading: blanks, an optional sign, then digits up
// to the first other character; no digits reads as 0. A number beyond the
// 16-bit range would wrap into some unrelated value, so it reads as def.
int leadingInt(std::string_view text, int def) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 100000) return def;  // far out of range already; stop before overflow
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    return def;
  }
  return static_cast<int>(value);
}

}  // namespace

Settings::Settings(ErrorTrap& trap, MessageSink& messages) : Settings(trap, messages, ownFiles_) {}

Settings::Settings(ErrorTrap& trap, MessageSink& messages, FileSystem& files)
    : trap_(trap), messages_(messages), files_(files) {}

std::optional<std::string> Settings::readValue(const std::string& file, std::string_view section,
                                               std::string_view key) {
  if (file.empty()) return std::nullopt;
  FileRead content = files_.read(file, kMaxProfileBytes);
  if (content.status == FileRead::kMissing || content.status == FileRead::kFailed) return std::nullopt;
  if (content.status == FileRead::kTooLarge) {
    // The last line was cut at the cap: half a value is no value.
    const auto lastBreak = content.bytes.rfind('\n');
    content.bytes.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
  }
  return ProfileDocument::Parse(content.bytes).Find(section, key);
}

std::size_t Settings::readString(const std::string& file, std::string_view section, std::string_view key,
                                 std::string_view def, std::string& buffer) {
  const auto value = readValue(file, section, key);
  buffer = value ? *value : std::string(def);
  if (buffer.size() > kValueBufferSize - 1) buffer.resize(kValueBufferSize - 1);
  return buffer.size();
}

int Settings::readInt(const std::string& file, std::string_view section, std::string_view key, int def) {
  const auto value = readValue(file, section, key);
  // A key with nothing after "=" has no number at all, not the number 0.
  if (!value || value->empty()) return def;
  return leadingInt(*value, def);
}

bool Settings::writeString(const std::string& file, std::string_view section, std::string_view key,
                           std::string_view value) {
  if (file.empty()) return false;
  const FileRead old = files_.read(file, kMaxProfileBytes);
  // A file we cannot read whole is never rewritten: that would lose its rest.
  if (old.status == FileRead::kFailed || old.status == FileRead::kTooLarge) return false;
  ProfileDocument doc = ProfileDocument::Parse(old.bytes);
  if (!doc.Set(section, key, value)) return false;
  std::string text = doc.Text();
  if (old.status == FileRead::kOk && text == old.bytes) return true;
  return files_.replace(file, text);
}

std::string Settings::GetIniStr(std::string_view Section, std::string_view Key, std::string_view Default,
                                const std::string& File, bool AddIfMissing) {
  if (Section.empty() || Key.empty()) {
    trap_.TrapError("UINI-GIS", nameDetail(Section, Key), false);
    return {};
  }
  std::string buffer;
  const std::size_t n = readString(File, Section, Key, kMissingText, buffer);
  buffer.resize(n);
  if (buffer == kMissingText) {
    if (AddIfMissing) PutIniStr(Section, Key, Default, File);
    return std::string(Default);
  }
  return buffer;
}

std::int16_t Settings::GetIniInt(std::string_view Section, std::string_view Key, std::int16_t Default,
                                 const std::string& File, bool AddIfMissing) {
  const auto answer = static_cast<std::int16_t>(readInt(File, Section, Key, kMissingInt));
  if (answer == kMissingInt) {
    if (AddIfMissing) PutIniInt(Section, Key, Default, File);
    return Default;
  }
  return answer;
}

bool Settings::GetIniBool(std::string_view Section, std::string_view Key, bool Default, const std::string& File,
                          bool AddIfMissing) {
  const std::string s = GetIniStr(Section, Key, Default ? "Y" : "N", File, AddIfMissing);
  return !s.empty() && (s.front() == 'Y' || s.front() == 'y');
}

bool Settings::PutIniStr(std::string_view Section, std::string_view Key, std::string_view Value,
                         const std::string& File) {
  if (Section.empty() || Key.empty()) {
    trap_.TrapError("UINI-PISTR", nameDetail(Section, Key), false);
    return false;
  }
  if (writeString(File, Section, Key, Value)) return true;
  const std::string shown = File.empty() ? "WIN.INI" : File;
  messages_.showMessage(kProgramTitle, "Error updating file " + shown);
  return false;
}

bool Settings::PutIniInt(std::string_view Section, std::string_view Key, std::int16_t Value,
                         const std::string& File) {
  return PutIniStr(Section, Key, IntStr(Value), File);
}

bool Settings::PutIniBool(std::string_view Section, std::string_view Key, bool Value, const std::string& File) {
  return PutIniStr(Section, Key, Value ? "Y" : "N", File);
}

}  // namespace gorbix
