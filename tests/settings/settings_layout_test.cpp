#include "settings/settings_layout.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_support.h"

namespace gorbix {
namespace {

using testing::Exists;
using testing::Lines;
using testing::ReadBytes;
using testing::WriteBytes;

// The file system, counting the updates that really wrote, and failing
// every write while `full` is set.
class CountingFiles final : public FileSystem {
 public:
  FileRead read(const std::string& path, std::size_t limit) override { return real.read(path, limit); }
  std::error_code update(const std::string& path, const FileEdit& edit) override {
    ++updates;
    return real.update(path, [&](const FileRead& current) {
      auto bytes = edit(current);
      if (bytes) ++writes;
      return bytes;
    });
  }
  bool full = false;
  int updates = 0;
  int writes = 0;

 private:
  PosixFileSystem real{[this](WriteStep step) {
    return full && step == WriteStep::kDataWritten ? std::make_error_code(std::errc::no_space_on_device)
                                                   : std::error_code();
  }};
};

class SettingsLayoutTest : public testing::SettingsFixture {
 protected:
  // A copy of the game: its own view of the file, as a second process has.
  struct Copy {
    Copy(SettingsLayoutTest& test, const std::string& path)
        : ini(test.trap, test.sink, test.files), store(ini, path), loaded(store.load()) {}
    Settings ini;
    GameStore store;
    GameSettings loaded;
  };
  std::unique_ptr<Copy> start() { return std::make_unique<Copy>(*this, file); }

  static std::string scoresText(const std::vector<int>& scores) {
    std::string text = "[Scores]\n";
    for (std::size_t i = 0; i < scores.size(); ++i) text += "L" + std::to_string(i + 1) + "=" + std::to_string(scores[i]) + "\n";
    return text;
  }
  std::int16_t stored(int level) { return ini.GetIniInt("Scores", ScoreKey(level), -1, file); }

  CountingFiles files;
};

TEST_F(SettingsLayoutTest, LoadReadsDamagedScoresAsZeroKeepsNegativeOnesAndLevelsOutsideTheGameAsOne) {
  WriteBytes(file, "[Scores]\nL1=85\nL3=abc\nL4=-20\nL5=-32768\nL6=-32769\nL25=40000\n");
  const GameSettings loaded = LoadGameSettings(ini, file);
  EXPECT_EQ(loaded.bestScores[0], 85);
  EXPECT_EQ(loaded.bestScores[2], 0);
  EXPECT_EQ(loaded.bestScores[3], -20);
  EXPECT_EQ(loaded.bestScores[4], -32768);
  EXPECT_EQ(loaded.bestScores[5], 0) << "below the 16-bit range: damaged, not negative";
  EXPECT_EQ(loaded.bestScores[24], 0);
  for (const std::string value : {"0", "26", "-3", "40000", "abc", "25", "1"}) {
    WriteBytes(file, "[General]\nLastLevel=" + value + "\n");
    const int expected = (value == "25") ? 25 : 1;
    EXPECT_EQ(LoadGameSettings(ini, file).lastLevel, expected) << value;
  }
}

TEST_F(SettingsLayoutTest, FirstSaveWritesPlacementLevelAndAllScoresInOneReplacement) {
  auto game = start();
  BestScores best = game->loaded.bestScores;
  best[2] = 140;
  game->store.bestScoreChanged(3);
  EXPECT_TRUE(game->store.save(7, best, "1 2 3 4"));
  std::string expected = "[PosnSize]\nfrmMain=1 2 3 4\n[General]\nLastLevel=7\n[Scores]\n";
  for (int level = 1; level <= kLevelCount; ++level) expected += ScoreKey(level) + (level == 3 ? "=140\n" : "=0\n");
  EXPECT_EQ(ReadBytes(file), expected);
  EXPECT_EQ(files.writes, 1) << "one replacement of the file, never one per key";

  // Nothing new since: nothing is written, nothing reported.
  EXPECT_TRUE(game->store.save(7, best, "1 2 3 4"));
  EXPECT_TRUE(game->store.save(7, best, std::nullopt));
  EXPECT_EQ(files.writes, 1);
  EXPECT_TRUE(sink.messages.empty());
}

// Two copies of the game on one file, as after a double-click too many.
// Each save writes what its own run changed over what the file holds now.
TEST_F(SettingsLayoutTest, TwoCopiesKeepEachOthersChanges) {
  struct Step {
    char copy;            // 'A' or 'B'
    const char* action;   // "reset", "best L S", "level N", "save"
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> scores;  // L1.. as expected at the end; the rest as stored at the start
    int lastLevel;
  };
  const std::vector<int> before{100, 110, 120, 130, 140};
  const std::vector<Case> cases{
      {"a reset survives an idle copy", {{'A', "reset"}, {'A', "save"}, {'B', "save"}}, {0, 0, 0, 0, 0}, 3},
      {"a new best survives an idle copy started earlier",
       {{'A', "best 2 300"}, {'A', "save"}, {'B', "save"}},
       {100, 300, 120, 130, 140},
       3},
      {"different keys both stay",
       {{'A', "best 2 300"}, {'B', "best 4 400"}, {'A', "save"}, {'B', "save"}},
       {100, 300, 120, 400, 140},
       3},
      {"the same key: the last save wins",
       {{'A', "best 2 300"}, {'B', "best 2 250"}, {'A', "save"}, {'B', "save"}},
       {100, 250, 120, 130, 140},
       3},
      {"a reset after the other's best clears it",
       {{'B', "best 5 500"}, {'B', "save"}, {'A', "reset"}, {'A', "save"}, {'B', "save"}},
       {0, 0, 0, 0, 0},
       3},
      {"a saved best is not written again over a later one",
       {{'A', "best 2 300"}, {'A', "save"}, {'B', "best 2 350"}, {'B', "save"}, {'A', "save"}},
       {100, 350, 120, 130, 140},
       3},
      {"the level played: only a copy that moved stores it",
       {{'A', "level 9"}, {'A', "save"}, {'B', "save"}},
       {100, 110, 120, 130, 140},
       9},
      {"both moved: the last save wins", {{'A', "level 9"}, {'B', "level 4"}, {'B', "save"}, {'A', "save"}}, before, 9},
  };
  for (const Case& c : cases) {
    WriteBytes(file, "[General]\nLastLevel=3\n" + scoresText(before));
    auto a = start();
    auto b = start();
    std::int16_t level[2] = {3, 3};
    BestScores best[2] = {a->loaded.bestScores, b->loaded.bestScores};
    for (const Step& step : c.steps) {
      const int i = step.copy - 'A';
      Copy& copy = i == 0 ? *a : *b;
      int n = 0;
      int score = 0;
      if (std::string(step.action) == "reset") {
        best[i].fill(0);
        copy.store.allScoresReset();
      } else if (std::sscanf(step.action, "best %d %d", &n, &score) == 2) {
        best[i][static_cast<std::size_t>(n - 1)] = static_cast<std::int16_t>(score);
        copy.store.bestScoreChanged(n);
      } else if (std::sscanf(step.action, "level %d", &n) == 1) {
        level[i] = static_cast<std::int16_t>(n);
      } else {
        EXPECT_TRUE(copy.store.save(level[i], best[i], std::nullopt)) << c.name;
      }
    }
    for (std::size_t l = 0; l < c.scores.size(); ++l) {
      EXPECT_EQ(stored(static_cast<int>(l + 1)), c.scores[l]) << c.name << ": L" << l + 1;
    }
    EXPECT_EQ(stored(25), 0) << c.name;
    EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 0, file), c.lastLevel) << c.name;
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SettingsLayoutTest, ValuesThisRunDidNotChangeGoBackAsStartUpWouldReadThem) {
  WriteBytes(file,
             "[General]\nLastLevel=abc\n[Scores]\nL1=85\nL3=abc\nL4=-20\nL5= 12xyz\nL25=40000\n; mine\nL9=\nL10=-0\n");
  auto game = start();
  WriteBytes(file, ReadBytes(file) + "[Other]\nkeep=1\n");  // another copy was here meanwhile
  EXPECT_TRUE(game->store.save(1, game->loaded.bestScores, std::nullopt));
  EXPECT_EQ(ReadBytes(file), "[General]\nLastLevel=1\n[Scores]\nL1=85\nL3=0\nL4=-20\nL5=12\nL25=0\n; mine\nL9=0\n"
                             "L10=0\nL2=0\nL6=0\nL7=0\nL8=0\nL11=0\nL12=0\nL13=0\nL14=0\nL15=0\nL16=0\nL17=0\n"
                             "L18=0\nL19=0\nL20=0\nL21=0\nL22=0\nL23=0\nL24=0\n[Other]\nkeep=1\n");
}

TEST_F(SettingsLayoutTest, AFailedSaveIsReportedOnceWithWhatWasLostAndTriedAgainNextTime) {
  auto game = start();
  BestScores best{};
  best[6] = 150;
  best[8] = 90;
  game->store.bestScoreChanged(7);
  game->store.bestScoreChanged(9);
  files.full = true;
  EXPECT_FALSE(game->store.save(12, best, "0 0 10 10"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].caption, "Gorbix");
  EXPECT_EQ(Lines(sink.messages[0].text),
            std::vector<std::string>({"Error updating file " + file, "No space left on device",
                                      "Not stored: the window's place, the level played (12) and the best scores of "
                                      "levels 7 and 9."}));
  EXPECT_FALSE(Exists(file));

  files.full = false;
  EXPECT_TRUE(game->store.save(12, best, "0 0 10 10"));
  EXPECT_EQ(stored(7), 150);
  EXPECT_EQ(stored(9), 90);
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 0, file), 12);
}

TEST_F(SettingsLayoutTest, AFailedSaveWithNothingOfThisRunToStoreSaysNothing) {
  WriteBytes(file, "[General]\nLastLevel=2\n[Scores]\nL3=abc\n");
  auto game = start();
  files.full = true;
  EXPECT_FALSE(game->store.save(2, game->loaded.bestScores, std::nullopt));
  EXPECT_TRUE(sink.messages.empty()) << "only a damaged value was to be tidied";
  game->store.allScoresReset();
  EXPECT_FALSE(game->store.save(2, game->loaded.bestScores, std::nullopt));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(Lines(sink.messages[0].text).back(), "Not stored: the best scores of all levels.");
}

TEST(IniFileLocation, BesideTheProgramOnlyWhenItsFolderCanBeWritten) {
  struct Case {
    const char* appFolder;
    bool writable;
    const char* userFolder;
    const char* iniFile;
    const char* seed;
  };
  const Case cases[] = {
      {"/opt/gorbix/", true, "/home/u/.config/gorbix/", "/opt/gorbix/gorbix.ini", ""},
      // A read-only folder cannot take the replacement file, whatever the file's own permissions.
      {"/opt/gorbix/", false, "/home/u/.config/gorbix/", "/home/u/.config/gorbix/gorbix.ini", "/opt/gorbix/gorbix.ini"},
      {"/opt/gorbix/", false, "/home/u/.config/gorbix", "/home/u/.config/gorbix/gorbix.ini", "/opt/gorbix/gorbix.ini"},
      // A folder that is not known is never taken for the root.
      {"", true, "/home/u/.config/gorbix/", "/home/u/.config/gorbix/gorbix.ini", ""},
      {"./", true, "/home/u/.config/gorbix/", "./gorbix.ini", ""},
  };
  for (const Case& c : cases) {
    const IniFileChoice choice = IniFileLocation(c.appFolder, c.writable, c.userFolder);
    EXPECT_EQ(choice.IniFile, c.iniFile) << c.appFolder << c.writable;
    EXPECT_EQ(choice.seed, c.seed) << c.appFolder << c.writable;
  }
  testing::TempDir dir;
  const std::string app = dir.path().string() + "/";
  EXPECT_EQ(FindIniFile(app, "/nowhere/gorbix/").IniFile, app + "gorbix.ini");
  EXPECT_EQ(FindIniFile(app + "missing/", "/nowhere/gorbix/").IniFile, "/nowhere/gorbix/gorbix.ini");
}

// An installed game with a prepared gorbix.ini in its read-only folder: the
// player's own file starts from it, and the prepared one is never touched.
TEST_F(SettingsLayoutTest, ThePlayersFileStartsFromTheFileBesideTheProgram) {
  const std::string prepared = dir.file("prepared.ini");
  const std::string own = dir.file("config/gorbix/gorbix.ini");
  const std::string preparedText = "; prepared\n[General]\nLastLevel=6\nSounds=N\n" + scoresText({50, 60});
  WriteBytes(prepared, preparedText);
  ini.seedFrom(own, prepared);
  GameStore store(ini, own);
  const GameSettings loaded = store.load();
  EXPECT_EQ(loaded.lastLevel, 6);
  EXPECT_EQ(loaded.bestScores[1], 60);
  EXPECT_FALSE(loaded.sounds);
  EXPECT_FALSE(Exists(own)) << "reading never writes";

  // The first write is a single value; the prepared scores must come along.
  EXPECT_TRUE(ini.PutIniBool("General", "Sounds", true, own));
  EXPECT_EQ(ini.GetIniInt("Scores", "L2", 0, own), 60);
  EXPECT_EQ(ReadBytes(own), "; prepared\n[General]\nLastLevel=6\nSounds=Y\n" + scoresText({50, 60}));
  WriteBytes(prepared, "[General]\nLastLevel=2\n");
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 0, own), 6) << "once it exists, the own file alone counts";
  EXPECT_EQ(ReadBytes(prepared), "[General]\nLastLevel=2\n");
}

}  // namespace
}  // namespace gorbix
