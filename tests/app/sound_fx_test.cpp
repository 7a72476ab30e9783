#include "app/sound_fx.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "fake_sounds.h"

namespace gorbix {
namespace {

using Log = std::vector<std::string>;

void deliverNotices() { QCoreApplication::sendPostedEvents(); }

class SoundFxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    effects.openAll("/games/gorbix/");
    for (auto* backend : fakes.made) backend->finishLoad(true);
    deliverNotices();
    for (auto& log : fakes.logs) log.clear();
  }

  testing::FakeSoundBackend& backend(SoundIndex n) { return *fakes.made.at(static_cast<std::size_t>(n)); }
  Log& log(SoundIndex n) { return fakes.logs.at(static_cast<std::size_t>(n)); }

  testing::FakeSounds fakes;
  SoundEffects effects{fakes.factory()};
};

TEST(SoundFxOpen, EachPlayerOpensItsFileInTheProgramFolderAndRewindsWhenOpened) {
  testing::FakeSounds fakes;
  SoundEffects effects(fakes.factory());
  effects.openAll("/games/gorbix/");
  const char* files[] = {"ERROR.WAV", "MVTILE.WAV", "MVTHING.WAV", "EOPUZ.WAV", "BONUS.WAV"};
  for (int i = 0; i < kSoundCount; ++i) {
    EXPECT_EQ(fakes.logs[static_cast<std::size_t>(i)], Log({std::string("load /games/gorbix/") + files[i]}));
  }
  for (auto* backend : fakes.made) backend->finishLoad(true);
  // The notice comes as an event of its own, not inside the load.
  EXPECT_EQ(fakes.logs[0].size(), 1U);
  deliverNotices();
  for (const Log& log : fakes.logs) EXPECT_EQ(log.back(), "rewind");
  EXPECT_EQ(effects.sndFX(0).Mode(), kModeStopped);
}

TEST_F(SoundFxTest, PlaySendsPlayAndRewindsWhenTheSoundHasRunOut) {
  effects.PlaySound(SoundIndex::MoveThing);
  EXPECT_EQ(log(SoundIndex::MoveThing), Log({"play"}));
  EXPECT_EQ(effects.sndFX(2).Mode(), kModePlaying);
  backend(SoundIndex::MoveThing).runOut();
  deliverNotices();
  EXPECT_EQ(log(SoundIndex::MoveThing), Log({"play", "rewind"}));
  EXPECT_EQ(effects.sndFX(2).Mode(), kModeStopped);
  for (SoundIndex other : {SoundIndex::Error, SoundIndex::MoveTile, SoundIndex::EndOfLevel, SoundIndex::Bonus}) {
    EXPECT_TRUE(log(other).empty());
  }
}

TEST_F(SoundFxTest, ASecondPlayWhilePlayingGivesTheNoticeThatStopsAndRewinds) {
  effects.PlaySound(SoundIndex::Bonus);
  effects.PlaySound(SoundIndex::Bonus);
  EXPECT_EQ(log(SoundIndex::Bonus), Log({"play", "play"}));
  deliverNotices();
  EXPECT_EQ(log(SoundIndex::Bonus), Log({"play", "play", "stop", "rewind"}));
  EXPECT_FALSE(backend(SoundIndex::Bonus).isPlaying());
  // The stop's own notice finds the player stopped and changes nothing.
  deliverNotices();
  EXPECT_EQ(log(SoundIndex::Bonus).size(), 4U);
  // The next request plays again.
  effects.PlaySound(SoundIndex::Bonus);
  EXPECT_EQ(log(SoundIndex::Bonus).back(), "play");
}

TEST_F(SoundFxTest, WithTheSwitchOffNoPlayIsSentAndSwitchingOnNeedsNoReopen) {
  effects.setSoundsOn(false);
  for (int i = 0; i < kSoundCount; ++i) effects.PlaySound(static_cast<SoundIndex>(i));
  for (const Log& log : fakes.logs) EXPECT_TRUE(log.empty());
  effects.setSoundsOn(true);
  effects.PlaySound(SoundIndex::Error);
  EXPECT_EQ(log(SoundIndex::Error), Log({"play"}));
}

TEST_F(SoundFxTest, SwitchingOffLetsAPlayingSoundRunToItsEnd) {
  effects.PlaySound(SoundIndex::EndOfLevel);
  effects.setSoundsOn(false);
  deliverNotices();
  EXPECT_TRUE(backend(SoundIndex::EndOfLevel).isPlaying());
  backend(SoundIndex::EndOfLevel).runOut();
  deliverNotices();
  EXPECT_EQ(log(SoundIndex::EndOfLevel), Log({"play", "rewind"}));
}

TEST(SoundFxFailure, APlayerWhoseFileDidNotLoadStaysSilentAndTheOthersPlay) {
  testing::FakeSounds fakes;
  SoundEffects effects(fakes.factory());
  effects.openAll("/nowhere/");
  fakes.made[1]->finishLoad(false);
  fakes.made[2]->finishLoad(true);
  deliverNotices();
  // A failed open's notice is neither success nor playing: nothing is sent.
  EXPECT_EQ(fakes.logs[1], Log({"load /nowhere/MVTILE.WAV"}));
  effects.PlaySound(SoundIndex::MoveTile);
  effects.PlaySound(SoundIndex::MoveThing);
  EXPECT_EQ(fakes.logs[1].back(), "load /nowhere/MVTILE.WAV");
  EXPECT_EQ(fakes.logs[2].back(), "play");
  EXPECT_EQ(effects.sndFX(1).Mode(), kModeNotReady);
}

TEST(SoundFxFailure, UnknownIndexAndUnknownCommandsAreIgnored) {
  testing::FakeSounds fakes;
  SoundEffects effects(fakes.factory());
  effects.openAll("/x/");
  effects.PlaySound(static_cast<SoundIndex>(7));
  effects.sndFX(0).Command("Record");
  for (const Log& log : fakes.logs) EXPECT_EQ(log.size(), 1U);
}

TEST_F(SoundFxTest, CloseReachesEveryPlayerAndLaterRequestsAreSilent) {
  effects.PlaySound(SoundIndex::MoveTile);
  effects.closeAll();
  for (int i = 0; i < kSoundCount; ++i) {
    EXPECT_EQ(fakes.logs[static_cast<std::size_t>(i)].back(), "unload");
    EXPECT_EQ(effects.sndFX(i).Mode(), kModeNotReady);
  }
  effects.PlaySound(SoundIndex::MoveTile);
  EXPECT_EQ(log(SoundIndex::MoveTile).back(), "unload");
}

// The smallest wave file that plays: 16-bit mono PCM with one frame.
std::string oneFrameWave() {
  const unsigned char bytes[] = {'R', 'I', 'F', 'F', 38, 0,  0,   0,   'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                 16,  0,   0,   0,   1,  0,  1,   0,   0x22, 0x56, 0, 0,  0x44, 0xAC, 0, 0,
                                 2,   0,   16,  0,   'd', 'a', 't', 'a', 2,   0,   0,   0,  0x10, 0x20};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// The check stands between the players and the sound layer: a file that
// could leave the layer loading for ever never reaches it, and its player
// fails to open as for a missing file.
TEST(SoundFxChecked, OnlyFilesThatPassTheWaveCheckReachTheSoundLayer) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string dir = folder.path().toStdString() + "/";
  struct Case {
    const char* what;
    std::function<void(const std::string& path)> make;
    bool reachesLayer;
  };
  const auto write = [](std::string bytes) {
    return [bytes](const std::string& path) { std::ofstream(path, std::ios::binary) << bytes; };
  };
  const Case cases[] = {
      {"a good file", write(oneFrameWave()), true},
      {"an empty file", write(""), false},
      {"a header without its data", write(oneFrameWave().substr(0, 44)), false},
      {"a named pipe", [](const std::string& path) { ::mkfifo(path.c_str(), 0600); }, false},
      {"no file", [](const std::string&) {}, false},
  };
  static_assert(sizeof cases / sizeof cases[0] == kSoundCount);
  for (int i = 0; i < kSoundCount; ++i) cases[i].make(dir + std::string(kSoundFiles[static_cast<std::size_t>(i)]));
  testing::FakeSounds fakes;
  SoundEffects effects(checkedSoundBackends(fakes.factory()));
  std::vector<int> notices(kSoundCount, 0);
  for (int i = 0; i < kSoundCount; ++i) {
    effects.sndFX(i).Done = [&notices](int index, int code) { notices[static_cast<std::size_t>(index)] = code; };
  }
  effects.openAll(dir);
  fakes.made[0]->finishLoad(true);
  deliverNotices();
  for (int i = 0; i < kSoundCount; ++i) {
    const Case& c = cases[i];
    const Log& log = fakes.logs[static_cast<std::size_t>(i)];
    EXPECT_EQ(!log.empty(), c.reachesLayer) << c.what;
    EXPECT_EQ(notices[static_cast<std::size_t>(i)], c.reachesLayer ? kNotifySuccessful : kNotifyFailure) << c.what;
    EXPECT_EQ(effects.sndFX(i).Mode(), c.reachesLayer ? kModeStopped : kModeNotReady) << c.what;
    effects.PlaySound(static_cast<SoundIndex>(i));
    EXPECT_EQ(!log.empty() && log.back() == "play", c.reachesLayer) << c.what;
  }
  // The layer reads the bytes that passed, whatever becomes of the file.
  std::ofstream(dir + "ERROR.WAV", std::ios::trunc) << "";
  const std::string handed = fakes.logs[0].at(0).substr(std::string("load ").size());
  std::ifstream copy(handed, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), oneFrameWave()) << handed;
}

}  // namespace
}  // namespace gorbix
