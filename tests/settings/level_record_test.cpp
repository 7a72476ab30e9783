// The record of levels played: its lines, and the file two copies of the
// game add to at once, that kills cut short and that anything may damage.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "settings/level_record.h"
#include "settings/record_statistics.h"
#include "test_support.h"

namespace gorbix {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

LevelRecord record(std::int16_t level, std::int32_t board, std::int16_t score, bool finished,
                   std::optional<std::int16_t> bestLine = std::nullopt) {
  return {.time = 1'700'000'000, .level = level, .board = board, .score = score, .finished = finished,
          .moves = 12, .slides = 7, .hints = 2, .undos = 1, .seconds = 95, .bestLine = bestLine};
}

TEST(LevelRecord, LinesReadBackAsWrittenAndEveryBadFieldIsRefused) {
  const LevelRecord extremes{.time = 253'402'300'799, .level = 25, .board = 2147483647, .score = 32767,
                             .finished = false, .moves = 2147483647, .slides = 0, .hints = 0,
                             .undos = 2147483647, .seconds = 0, .bestLine = 0};
  EXPECT_EQ(formatRecord(record(3, 42, 310, true, 330)), "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 95 330\n");
  for (const LevelRecord& r : {record(3, 42, 310, true, 330), record(1, 1, 0, false), extremes}) {
    const std::string line = formatRecord(r);
    EXPECT_EQ(parseRecord(std::string_view(line).substr(0, line.size() - 1)), r) << line;
  }
  const std::string good = "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 95 330";
  ASSERT_TRUE(parseRecord(good));
  for (const char* bad : {"", "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 95", good.c_str() + 1,
                          "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 95 330 7",
                          "2023-11-14T22:13:20Z  3 42 310 finished 12 7 2 1 95 330",
                          "2023-02-30T22:13:20Z 3 42 310 finished 12 7 2 1 95 330",
                          "1969-12-31T23:59:59Z 3 42 310 finished 12 7 2 1 95 330",
                          "2023-11-14T24:13:20Z 3 42 310 finished 12 7 2 1 95 330",
                          "2023-11-14 22:13:20Z 3 42 310 finished 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 0 42 310 finished 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 26 42 310 finished 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 3 0 310 finished 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 3 2147483648 310 finished 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 3 42 32768 finished 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 3 42 -5 finished 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 3 42 310 won 12 7 2 1 95 330",
                          "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 95 +330",
                          "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 9x 330",
                          "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 95 33000"}) {
    EXPECT_EQ(parseRecord(bad), std::nullopt) << '"' << bad << '"';
  }
}

RecordScan scan(const std::string& path, std::vector<LevelRecord>* lines = nullptr) {
  return scanRecordFile(path, [lines](const LevelRecord& r) {
    if (lines != nullptr) lines->push_back(r);
  });
}

// A kill between two writes leaves a line without its end; the next line
// must still stand on a line of its own, and the damage costs one line only.
TEST(LevelRecordFile, ACutLineAndDamagedLinesAreSkippedAndCounted) {
  TempDir dir;
  const std::string path = dir.file("folder/history");
  PosixFileSystem files;
  EXPECT_EQ(scan(path).read, 0u) << "no file yet: an empty record";
  ASSERT_FALSE(appendRecord(files, path, record(1, 5, 200, true, 250)));
  const std::string header(kRecordHeader);
  EXPECT_EQ(ReadBytes(path), header + formatRecord(record(1, 5, 200, true, 250)));
  const std::string cut = formatRecord(record(2, 6, 150, true)).substr(0, 30);
  WriteBytes(path, ReadBytes(path) + "junk\n" + std::string("\0\xff\n", 3) + cut);
  ASSERT_FALSE(appendRecord(files, path, record(2, 7, 90, false)));
  std::vector<LevelRecord> lines;
  const RecordScan result = scan(path, &lines);
  EXPECT_EQ(lines, (std::vector{record(1, 5, 200, true, 250), record(2, 7, 90, false)}));
  EXPECT_EQ(result.skipped, 3u);

  WriteBytes(path, ReadBytes(path) + cut);
  EXPECT_EQ(scan(path).skipped, 4u) << "the cut last line too";
  ASSERT_FALSE(clearRecord(files, path));
  EXPECT_EQ(ReadBytes(path), header);
}

TEST(LevelRecordFile, AHundredMegabytesWithLongRunsOfDamageReadInFull) {
  TempDir dir;
  const std::string path = dir.file("history");
  const std::string line = formatRecord(record(4, 9, 120, true, 140));
  std::string block = std::string(kRecordHeader);
  for (int i = 0; i < 1000; ++i) block += line;
  block += std::string(1 << 20, 'x') + "\n" + std::string(1 << 16, '\0') + "\n";
  std::string bytes;
  while (bytes.size() < (100u << 20)) bytes += block;
  WriteBytes(path, bytes);
  const std::size_t blocks = bytes.size() / block.size();
  RecordStatistics statistics;
  const RecordScan result = scanRecordFile(path, [&](const LevelRecord& r) { statistics.add(r); });
  EXPECT_FALSE(result.failed);
  EXPECT_EQ(result.read, blocks * 1000);
  EXPECT_EQ(result.skipped, blocks * 3 - 1) << "the first header is the file's; the rest are damage";
  EXPECT_EQ(statistics.level(4).latest.size(), kChartPlays) << "the chart keeps only the latest boards";
}

TEST(LevelRecordFile, ANamedPipeOrAFolderInItsPlaceNeitherHangsNorIsWritten) {
  TempDir dir;
  PosixFileSystem files;
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
  EXPECT_TRUE(scan(dir.file("pipe")).failed);
  EXPECT_TRUE(appendRecord(files, dir.file("pipe"), record(1, 1, 1, true)));
  std::filesystem::create_directory(dir.file("folder"));
  EXPECT_TRUE(scan(dir.file("folder")).failed);
  EXPECT_TRUE(appendRecord(files, dir.file("folder"), record(1, 1, 1, true)));
}

// Two copies of the game recording at once, a thousand levels each.
TEST(LevelRecordFile, TwoProcessesAppendingNeverMixTheirLines) {
  TempDir dir;
  const std::string path = dir.file("history");
  constexpr int kLines = 1000;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      PosixFileSystem files;
      int failed = 0;
      for (int i = 1; i <= kLines; ++i) failed += appendRecord(files, path, record(c + 1, i, 100, true)) ? 1 : 0;
      ::_exit(failed == 0 ? 0 : 1);
    }
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::vector<LevelRecord> lines;
  const RecordScan result = scan(path, &lines);
  EXPECT_EQ(result.skipped, 0u);
  ASSERT_EQ(lines.size(), 2u * kLines);
  int next[2] = {1, 1};
  for (const LevelRecord& r : lines) EXPECT_EQ(r.board, next[r.level - 1]++) << "each copy's lines in its order";
  EXPECT_EQ(ReadBytes(path).rfind(std::string(kRecordHeader), 0), 0u);
}

}  // namespace
}  // namespace gorbix
