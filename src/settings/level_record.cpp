#include "settings/level_record.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <limits>
#include <vector>

#include "support/descriptor.h"

namespace gorbix {

namespace {

using namespace std::chrono;

// The longest good line is about 110 bytes; longer ones are damage.
constexpr std::size_t kMaxLineBytes = 160;
constexpr std::size_t kReadBytes = 64 * 1024;
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// "2025-06-01T10:20:30Z": the time in UTC, as people and tools read it.
std::string formatTime(std::int64_t time) {
  const sys_seconds at{seconds(time)};
  const sys_days day = floor<days>(at);
  const year_month_day date(day);
  const hh_mm_ss clock(at - day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()), unsigned(date.month()),
                unsigned(date.day()), int(clock.hours().count()), int(clock.minutes().count()),
                int(clock.seconds().count()));
  return text;
}

bool digitsAt(std::string_view text, std::size_t from, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

std::optional<std::int64_t> parseTime(std::string_view text) {
  if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':' || text[19] != 'Z') {
    return std::nullopt;
  }
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  if (!digitsAt(text, 0, 4, y) || !digitsAt(text, 5, 2, mo) || !digitsAt(text, 8, 2, d) || !digitsAt(text, 11, 2, h) ||
      !digitsAt(text, 14, 2, mi) || !digitsAt(text, 17, 2, s)) {
    return std::nullopt;
  }
  const year_month_day date{year(y), month(static_cast<unsigned>(mo)), day(static_cast<unsigned>(d))};
  if (y < 1970 || !date.ok() || h > 23 || mi > 59 || s > 59) return std::nullopt;
  return (sys_days(date) + hours(h) + minutes(mi) + seconds(s)).time_since_epoch().count();
}

std::optional<std::int64_t> number(std::string_view text, std::int64_t low, std::int64_t high) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.front() == '-' || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

std::string formatRecord(const LevelRecord& r) {
  std::string line = formatTime(r.time);
  for (const std::int64_t n : {std::int64_t{r.level}, std::int64_t{r.board}, std::int64_t{r.score}}) {
    line += ' ' + std::to_string(n);
  }
  line += r.finished ? " finished" : " left";
  for (const std::int32_t n : {r.moves, r.slides, r.hints, r.undos, r.seconds}) line += ' ' + std::to_string(n);
  line += r.bestLine ? ' ' + std::to_string(*r.bestLine) : std::string(" -");
  line += '\n';
  return line;
}

std::optional<LevelRecord> parseRecord(std::string_view line) {
  std::vector<std::string_view> f;
  for (std::size_t start = 0;;) {
    const std::size_t space = line.find(' ', start);
    f.push_back(line.substr(start, space - start));
    if (space == std::string_view::npos || f.size() > 11) break;
    start = space + 1;
  }
  if (f.size() != 11 || (f[4] != "finished" && f[4] != "left")) return std::nullopt;
  const auto time = parseTime(f[0]);
  const auto level = number(f[1], 1, 25);
  const auto board = number(f[2], 1, kInt32Max);
  const auto score = number(f[3], 0, 32767);
  if (!time || !level || !board || !score) return std::nullopt;
  LevelRecord r;
  r.time = *time;
  r.level = static_cast<std::int16_t>(*level);
  r.board = static_cast<std::int32_t>(*board);
  r.score = static_cast<std::int16_t>(*score);
  r.finished = f[4] == "finished";
  std::int32_t* counts[] = {&r.moves, &r.slides, &r.hints, &r.undos, &r.seconds};
  for (std::size_t i = 0; i < 5; ++i) {
    const auto n = number(f[5 + i], 0, kInt32Max);
    if (!n) return std::nullopt;
    *counts[i] = static_cast<std::int32_t>(*n);
  }
  if (f[10] != "-") {
    const auto best = number(f[10], 0, 32767);
    if (!best) return std::nullopt;
    r.bestLine = static_cast<std::int16_t>(*best);
  }
  return r;
}

RecordScan scanRecordFile(const std::string& path, const std::function<void(const LevelRecord&)>& each,
                          const std::atomic<bool>* cancel) {
  RecordScan scan;
  // Non-blocking: a named pipe in the file's place must not hang the reader.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (!file.valid()) {
    scan.failed = errno != ENOENT && errno != ENOTDIR;
    return scan;
  }
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    scan.failed = true;
    return scan;
  }
  std::string line;
  bool overlong = false;
  bool first = true;
  const auto endLine = [&] {
    if (first && !overlong && line.starts_with("gorbix record ")) {
      // The header; a file of another version has lines this one cannot parse.
    } else if (const auto record = overlong ? std::nullopt : parseRecord(line)) {
      each(*record);
      ++scan.read;
    } else {
      ++scan.skipped;
    }
    first = false;
    line.clear();
    overlong = false;
  };
  std::vector<char> buffer(kReadBytes);
  for (;;) {
    if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) break;
    const ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      scan.failed = true;
      break;
    }
    if (got == 0) {
      // A last line without its line break was cut short by a kill.
      if (!line.empty() || overlong) ++scan.skipped;
      break;
    }
    for (const char c : std::string_view(buffer.data(), static_cast<std::size_t>(got))) {
      if (c == '\n') {
        endLine();
      } else if (line.size() < kMaxLineBytes) {
        line += c;
      } else {
        overlong = true;
      }
    }
  }
  return scan;
}

std::error_code appendRecord(PosixFileSystem& files, const std::string& path, const LevelRecord& record) {
  return files.append(path, kRecordHeader, formatRecord(record));
}

std::error_code clearRecord(PosixFileSystem& files, const std::string& path) {
  return files.clear(path, kRecordHeader);
}

}  // namespace gorbix
