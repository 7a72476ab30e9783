#include "settings/settings.h"

#include <limits>

#include "settings/profile_document.h"
#include "support/text.h"
#include "support/translatable.h"

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

// A file cut at the read cap ends in half a line: half a value is no value.
std::string_view wholeLines(const FileRead& content) {
  std::string_view bytes = content.bytes;
  if (content.status == FileRead::kTooLarge) {
    const auto lastBreak = bytes.rfind('\n');
    bytes = bytes.substr(0, lastBreak == std::string_view::npos ? 0 : lastBreak + 1);
  }
  return bytes;
}

}  // namespace

std::int16_t IniInt(const ProfileDocument& doc, std::string_view section, std::string_view key, std::int16_t def) {
  const auto value = doc.Find(section, key);
  // A key with nothing after "=" has no number at all, not the number 0.
  if (!value || value->empty()) return def;
  const auto answer = static_cast<std::int16_t>(leadingInt(*value, kMissingInt));
  return answer == kMissingInt ? def : answer;
}

Settings::Settings(ErrorTrap& trap, MessageSink& messages) : Settings(trap, messages, ownFiles_) {}

Settings::Settings(ErrorTrap& trap, MessageSink& messages, FileSystem& files)
    : trap_(trap), messages_(messages), files_(files) {}

std::optional<std::string> Settings::seedBytes(const std::string& file) {
  const auto seed = seeds_.find(file);
  if (seed == seeds_.end()) return std::nullopt;
  FileRead content = files_.read(seed->second, kMaxProfileBytes);
  if (content.status == FileRead::kMissing || content.status == FileRead::kFailed) return std::nullopt;
  return std::string(wholeLines(content));
}

std::optional<ProfileDocument> Settings::readDocument(const std::string& file) {
  if (file.empty()) return std::nullopt;
  const FileRead content = files_.read(file, kMaxProfileBytes);
  if (content.status == FileRead::kMissing) {
    if (auto seed = seedBytes(file)) return ProfileDocument::Parse(*seed);
    return std::nullopt;
  }
  if (content.status == FileRead::kFailed) return std::nullopt;
  return ProfileDocument::Parse(wholeLines(content));
}

std::optional<std::string> Settings::readValue(const std::string& file, std::string_view section,
                                               std::string_view key) {
  const auto doc = readDocument(file);
  if (!doc) return std::nullopt;
  return doc->Find(section, key);
}

std::size_t Settings::readString(const std::string& file, std::string_view section, std::string_view key,
                                 std::string_view def, std::string& buffer) {
  const auto value = readValue(file, section, key);
  buffer = value ? *value : std::string(def);
  if (buffer.size() > kValueBufferSize - 1) buffer.resize(kValueBufferSize - 1);
  return buffer.size();
}

int Settings::readInt(const std::string& file, std::string_view section, std::string_view key, int def) {
  const auto doc = readDocument(file);
  if (!doc) return def;
  return IniInt(*doc, section, key, static_cast<std::int16_t>(def));
}

std::error_code Settings::write(const std::string& file, const DocumentEdit& edit) {
  if (file.empty()) return std::make_error_code(std::errc::invalid_argument);
  bool refused = false;
  const std::error_code error = files_.update(file, [&](const FileRead& current) -> std::optional<std::string> {
    std::string base(wholeLines(current));
    if (current.status == FileRead::kMissing) {
      if (auto seed = seedBytes(file)) base = std::move(*seed);
    }
    ProfileDocument doc = ProfileDocument::Parse(base);
    if (!edit(doc)) {
      refused = true;
      return std::nullopt;
    }
    std::string text = doc.Text();
    if (text == base) return std::nullopt;
    return text;
  });
  if (refused && !error) return std::make_error_code(std::errc::invalid_argument);
  return error;
}

bool Settings::Update(const std::string& File, const DocumentEdit& edit, std::string_view notStored, bool report) {
  const std::error_code error = write(File, edit);
  if (!error) return true;
  if (!report) return false;
  const std::string shown = File.empty() ? "WIN.INI" : File;
  std::string text = GORBIX_TR("Settings", "Error updating file %1").arg(shown).str();
  text.append(LineBreak).append(error.message());
  if (!notStored.empty()) text.append(LineBreak).append(notStored);
  messages_.showMessage(kProgramTitle, text);
  return false;
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
  const std::string notStored = GORBIX_TR("Settings", "Not stored: [%1] %2=%3").arg(Section).arg(Key).arg(Value).str();
  return Update(
      File, [&](ProfileDocument& doc) { return doc.Set(Section, Key, Value); }, notStored);
}

bool Settings::PutIniInt(std::string_view Section, std::string_view Key, std::int16_t Value,
                         const std::string& File) {
  return PutIniStr(Section, Key, IntStr(Value), File);
}

bool Settings::PutIniBool(std::string_view Section, std::string_view Key, bool Value, const std::string& File) {
  return PutIniStr(Section, Key, Value ? "Y" : "N", File);
}

}  // namespace gorbix
