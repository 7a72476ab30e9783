// The game's sound players on a real sound server: a sound played over
// itself, as the Thing's steps are, still ends and says so.
#include <QCoreApplication>
#include <QTest>

#include <cstdlib>

#include <gtest/gtest.h>

#include "app/sound_backend.h"
#include "real_servers.h"

namespace gorbix::e2e {
namespace {

TEST(SoundPlayer, ASoundPlayedOverItselfStillEndsAndSaysSo) {
  PulseServer pulse;
  ASSERT_TRUE(pulse.ready()) << pulse.log();
  // Read when the first player is made, so set before it.
  ::setenv("PULSE_SERVER", pulse.address().c_str(), 1);
  const std::unique_ptr<SoundBackend> player = qtSoundBackends()();
  std::optional<bool> loaded;
  int ends = 0;
  player->loaded = [&](bool ok) { loaded = ok; };
  player->finished = [&] { ++ends; };
  player->load(GORBIX_PROGRAM_DIR "/MVTHING.WAV");
  ASSERT_TRUE(QTest::qWaitFor([&] { return loaded.has_value(); }, 20000));
  ASSERT_TRUE(*loaded);
  for (int step = 0; step < 20; ++step) {
    player->play();
    QTest::qWait(100);
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return !player->isPlaying(); }, 20000)) << "still playing";
  EXPECT_GE(ends, 1);
  player->unload();
}

}  // namespace
}  // namespace gorbix::e2e

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
