// Feeds arbitrary bytes to the settings layer as a gorbix.ini, reads keys,
// writes one and checks that the write did exactly what it should.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_document.h"
#include "settings/settings.h"
#include "support/text.h"

namespace {

using gorbix::ProfileDocument;

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

class NullTrap final : public gorbix::ErrorTrap {
 public:
  void TrapError(std::string_view, std::string_view, bool) override { ++calls; }
  int calls = 0;
};

class CountingSink final : public gorbix::MessageSink {
 public:
  void showMessage(std::string_view, std::string_view) override { ++messages; }
  int messages = 0;
};

// The file in memory: a disk write per run would slow the fuzzer a
// hundredfold, and the disk side has tests of its own.
class MemoryFileSystem final : public gorbix::FileSystem {
 public:
  gorbix::FileRead read(const std::string&, std::size_t limit) override {
    if (!exists) return {gorbix::FileRead::kMissing, {}, {}};
    if (bytes.size() > limit) return {gorbix::FileRead::kTooLarge, bytes.substr(0, limit), {}};
    return {gorbix::FileRead::kOk, bytes, {}};
  }
  std::error_code update(const std::string& path, const gorbix::FileEdit& edit) override {
    const gorbix::FileRead current = read(path, gorbix::kMaxProfileBytes);
    const auto newBytes = edit(current);
    if (!newBytes) return {};
    if (current.status == gorbix::FileRead::kTooLarge) return std::make_error_code(std::errc::file_too_large);
    bytes = *newBytes;
    exists = true;
    ++writes;
    return {};
  }
  std::string bytes;
  bool exists = false;
  int writes = 0;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool sameName(std::string_view a, std::string_view b) {
  a = trim(a);
  b = trim(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// The file's lines without the byte-order mark and without line endings.
std::vector<std::string> linesOf(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  if (text.ends_with('\n')) text.remove_suffix(1);
  std::size_t start = 0;
  for (;;) {
    const auto end = text.find('\n', start);
    std::string line(text.substr(start, end == text.npos ? text.npos : end - start));
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(line);
    if (end == text.npos) break;
    start = end + 1;
  }
  return lines;
}

// A write changes one line, inserts one, or appends a header and a line.
bool isOneEdit(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  if (after.size() == before.size()) {
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) changed += before[i] != after[i];
    return changed <= 1;
  }
  if (after.size() == before.size() + 1) {
    for (std::size_t skip = 0; skip < after.size(); ++skip) {
      bool same = true;
      for (std::size_t i = 0, j = 0; i < before.size(); ++i, ++j) {
        if (j == skip) ++j;
        if (before[i] != after[j]) {
          same = false;
          break;
        }
      }
      if (same) return true;
    }
    return false;
  }
  return after.size() == before.size() + 2 && std::equal(before.begin(), before.end(), after.begin()) &&
         after[before.size()].starts_with('[');
}

struct Key {
  std::string section;
  std::string key;
};

// The keys the game uses, and some the input itself names.
std::vector<Key> probeKeys(std::string_view data) {
  std::vector<Key> keys{{"General", "LastLevel"}, {"General", "Sounds"}, {"Scores", "L1"},
                        {"Scores", "L25"},        {"PosnSize", "frmMain"}, {"posnsize", "FRMTUTORIAL"}};
  std::string section = "General";
  std::size_t start = 0;
  while (start < data.size() && keys.size() < 12) {
    auto end = data.find('\n', start);
    if (end == data.npos) end = data.size();
    const std::string_view line = data.substr(start, end - start);
    if (line.starts_with('[')) {
      section = std::string(line.substr(1, line.find(']') == line.npos ? line.npos : line.find(']') - 1));
    } else if (const auto eq = line.find('='); eq != line.npos) {
      keys.push_back({section, std::string(line.substr(0, eq))});
    }
    start = end + 1;
  }
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view data(reinterpret_cast<const char*>(bytes), size);

  // Untouched, the file comes back byte for byte.
  const ProfileDocument doc = ProfileDocument::Parse(data);
  check(doc.Text() == data, "parse and print keeps the bytes");

  const auto keys = probeKeys(data);
  const std::string path = "gorbix.ini";
  MemoryFileSystem files;
  files.bytes = data;
  files.exists = true;
  NullTrap trap;
  CountingSink sink;
  gorbix::Settings ini(trap, sink, files);

  // The six procedures read what the document holds.
  for (const Key& k : keys) {
    const auto value = doc.Find(k.section, k.key);
    if (k.section.empty() || k.key.empty()) continue;
    std::string expected = value ? value->substr(0, gorbix::kValueBufferSize - 1) : "dflt";
    if (expected == gorbix::kMissingText) expected = "dflt";
    check(ini.GetIniStr(k.section, k.key, "dflt", path) == expected, "GetIniStr reads the document's value");
    int n = 0;
    if (value && std::from_chars(value->data(), value->data() + value->size(), n).ptr == value->data() + value->size() &&
        n >= -32768 && n <= 32767 && n != gorbix::kMissingInt && gorbix::IntStr(static_cast<std::int16_t>(n)) == *value) {
      check(ini.GetIniInt(k.section, k.key, 3, path) == n, "GetIniInt reads a stored number");
    }
  }
  check(sink.messages == 0, "reading shows no message");
  check(files.writes == 0 && files.bytes == data, "reading leaves the file alone");

  // One write: a key chosen by the input, a value from its last bytes.
  if (size == 0) return 0;
  const Key& target = keys[bytes[0] % keys.size()];
  const std::string value(data.substr(size > 12 ? size - 12 : 1));
  ProfileDocument changed = doc;
  const bool storable = changed.Set(target.section, target.key, value);
  const bool named = !target.section.empty() && !target.key.empty();
  const bool written = ini.PutIniStr(target.section, target.key, value, path);
  const std::string after = files.bytes;
  if (!storable || !named) {
    check(!written, "a value that cannot be stored is refused");
    check(after == data, "a refused write leaves the file byte for byte");
    check(changed.Text() == data, "a refused Set changes nothing");
    return 0;
  }
  check(written, "a storable value is written");
  check(after == changed.Text(), "the file holds what the document says");
  check(sink.messages == 0, "a good write shows no message");
  check(isOneEdit(linesOf(data), linesOf(after)), "a write touches one line only (or adds a section)");

  // What was written reads back; every other key reads as before.
  const auto reread = ProfileDocument::Parse(after);
  check(reread.Find(target.section, target.key) == std::string(trim(value)), "the written value reads back");
  if (trim(value) != gorbix::kMissingText) {
    check(ini.GetIniStr(target.section, target.key, "dflt", path) == trim(value), "GetIniStr reads it back");
  }
  for (const Key& k : keys) {
    if (sameName(k.section, target.section) && sameName(k.key, target.key)) continue;
    check(reread.Find(k.section, k.key) == doc.Find(k.section, k.key), "other keys keep their values");
  }
  return 0;
}
