#include "settings/profile_document.h"

#include <algorithm>

namespace gorbix {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// What one line of the file says.
struct Line {
  enum Kind { kOther, kHeader, kEntry } kind = kOther;
  std::string_view name;   // section name or key
  std::string_view value;  // entries only
};

Line classify(std::string_view raw) {
  const std::string_view text = trim(raw);
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') {
    const std::string_view inside = text.substr(1);
    return {Line::kHeader, trim(inside.substr(0, inside.find(']'))), {}};
  }
  const auto eq = text.find('=');
  if (eq == std::string_view::npos) return {};
  const std::string_view key = trim(text.substr(0, eq));
  if (key.empty()) return {};
  return {Line::kEntry, key, trim(text.substr(eq + 1))};
}

bool hasLineBreakOrNul(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos; }

}  // namespace

ProfileDocument ProfileDocument::Parse(std::string_view bytes) {
  ProfileDocument doc;
  if (bytes.starts_with(kBom)) {
    doc.bom_ = true;
    bytes.remove_prefix(kBom.size());
  }
  if (bytes.ends_with('\n')) {
    doc.finalNewline_ = true;
    bytes.remove_suffix(1);
  }
  if (!bytes.empty() || doc.finalNewline_) {
    std::size_t start = 0;
    for (;;) {
      const auto end = bytes.find('\n', start);
      doc.lines_.emplace_back(bytes.substr(start, end == bytes.npos ? bytes.npos : end - start));
      if (end == bytes.npos) break;
      start = end + 1;
    }
  }
  // The first line that has a break after it tells the file's style.
  const bool firstHasBreak = doc.lines_.size() > 1 || doc.finalNewline_;
  doc.crlf_ = firstHasBreak && doc.lines_.front().ends_with('\r');
  return doc;
}

std::optional<std::size_t> ProfileDocument::findSection(std::string_view name) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line line = classify(lines_[i]);
    if (line.kind == Line::kHeader && sameName(line.name, name)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileDocument::Find(std::string_view section, std::string_view key) const {
  section = trim(section);
  key = trim(key);
  const auto header = findSection(section);
  if (!header) return std::nullopt;
  for (std::size_t i = *header + 1; i < lines_.size(); ++i) {
    const Line line = classify(lines_[i]);
    if (line.kind == Line::kHeader) break;
    if (line.kind == Line::kEntry && sameName(line.name, key)) return std::string(line.value);
  }
  return std::nullopt;
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  section = trim(section);
  key = trim(key);
  if (section.empty() || key.empty() || hasLineBreakOrNul(section) || hasLineBreakOrNul(key) ||
      hasLineBreakOrNul(value) || section.find(']') != section.npos || key.find('=') != key.npos ||
      key.front() == '[' || key.front() == ';') {
    return false;
  }

  const auto header = findSection(section);
  std::size_t insertAt = lines_.size();
  if (header) {
    insertAt = *header + 1;
    for (std::size_t i = *header + 1; i < lines_.size(); ++i) {
      const Line line = classify(lines_[i]);
      if (line.kind == Line::kHeader) break;
      if (line.kind == Line::kEntry && sameName(line.name, key)) {
        // Keep the file's spelling of the key and the line's own ending.
        const bool cr = lines_[i].ends_with('\r');
        lines_[i] = std::string(line.name) + "=" + std::string(value) + (cr ? "\r" : "");
        return true;
      }
      if (!trim(lines_[i]).empty()) insertAt = i + 1;
    }
  }

  std::vector<std::string> added;
  if (!header) added.push_back("[" + std::string(section) + "]" + lineEnd());
  added.push_back(std::string(key) + "=" + std::string(value) + lineEnd());
  if (insertAt == lines_.size()) {
    // The old last line gets the break it lacked; the new last line has one.
    if (!lines_.empty() && !finalNewline_ && crlf_ && !lines_.back().ends_with('\r')) lines_.back() += '\r';
    finalNewline_ = true;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(), added.end());
  return true;
}

std::string ProfileDocument::Text() const {
  std::string text(bom_ ? kBom : std::string_view());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines_[i];
  }
  if (finalNewline_) text += '\n';
  return text;
}

}  // namespace gorbix
