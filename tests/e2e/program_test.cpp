// Starts the real gorbix in a folder of its own, ends it the way a desktop
// session does, and reads what it left in gorbix.ini.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <thread>

#include "program_runner.h"
#include "support/wave_check.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;

// Start-up under a sanitizer on a busy machine can take seconds; this only
// bounds a hang.
constexpr milliseconds kRunLimit{60000};

bool savedTheGame(const std::string& ini, int level) {
  return ini.find("LastLevel=" + std::to_string(level)) != std::string::npos &&
         ini.find("L25=") != std::string::npos;
}

// Started with SIGTERM blocked, as some launchers do, and sent it at once:
// it waits until the program takes it.
int runAndTerminate(ProgramRunner& program) {
  if (!program.start({.blockTerminationSignals = true})) return -1;
  program.signal(SIGTERM);
  return program.waitFor(kRunLimit).value_or(-1);
}

TEST(Program, FirstRunLeavesLevelScoresAndPlacementBesideTheProgram) {
  ProgramRunner program;
  ASSERT_EQ(runAndTerminate(program), 0);
  const std::string ini = program.readIni();
  EXPECT_NE(ini.find("[General]\nLastLevel=1\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[Scores]\nL1=0\n"), std::string::npos);
  EXPECT_NE(ini.find("L25=0\n"), std::string::npos);
  EXPECT_NE(ini.find("[PosnSize]\nfrmMain="), std::string::npos);
  EXPECT_EQ(ini.find("Sounds"), std::string::npos) << "written only when toggled";
  EXPECT_FALSE(fs::exists(program.folder() / "config" / "gorbix")) << "a portable copy keeps its file beside itself";
}

TEST(Program, StoredGameComesBackAndTheRestOfTheFileIsKept) {
  ProgramRunner program;
  program.writeIni("; my notes\r\n[General]\r\nLastLevel=12\r\nSounds=N\r\n[Scores]\r\nL3=abc\r\nL7=140\r\n[Mine]\r\nx=1\r\n");
  ASSERT_EQ(runAndTerminate(program), 0);
  const std::string ini = program.readIni();
  EXPECT_EQ(ini.rfind("; my notes\r\n[General]\r\nLastLevel=12\r\nSounds=N\r\n", 0), 0u) << ini;
  EXPECT_NE(ini.find("L3=0\r\n"), std::string::npos);
  EXPECT_NE(ini.find("L7=140\r\n"), std::string::npos);
  EXPECT_NE(ini.find("[Mine]\r\nx=1\r\n"), std::string::npos);
}

TEST(Program, LevelOutOfRangeStartsLevelOneAndIsStoredSoundly) {
  ProgramRunner program;
  program.writeIni("[General]\nLastLevel=31000\n");
  ASSERT_EQ(runAndTerminate(program), 0);
  EXPECT_NE(program.readIni().find("LastLevel=1\n"), std::string::npos);
}

// The game's own sounds must pass the check that guards the sound layer,
// or the game would be silent.
TEST(Program, TheSoundsBesideTheProgramPassTheWaveCheck) {
  for (const char* name : {"ERROR.WAV", "MVTILE.WAV", "MVTHING.WAV", "EOPUZ.WAV", "BONUS.WAV"}) {
    EXPECT_EQ(checkWave(readFile(programDir() / name)), WaveProblem::None) << name;
  }
}

// A logout's signal can come at any moment of start-up: while the libraries
// start before main, while the window is built, or before the event loop
// runs. Each must still end the game in good order, with its save.
TEST(Program, ASignalWhileTheLibrariesStartEndsTheGameWithItsSave) {
  for (const char* signal : {"TERM", "INT", "HUP"}) {
    ProgramRunner program;
    program.writeIni("[General]\nLastLevel=9\n");
    program.setEnv("GORBIX_SIGNAL_AT_LOAD", signal);
    program.setEnv("LD_PRELOAD", GORBIX_SIGNAL_AT_LOAD_LIBRARY);
    // The library comes before a sanitizer's runtime, which is fine here.
    const char* asan = std::getenv("ASAN_OPTIONS");
    program.setEnv("ASAN_OPTIONS", std::string(asan ? asan : "") + ":verify_asan_link_order=0");
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.waitFor(kRunLimit), 0) << "SIG" << signal;
    EXPECT_TRUE(savedTheGame(program.readIni(), 9)) << "SIG" << signal;
  }
}

// From the moment the program catches the signals (the loader's own work
// before that cannot be helped), through building the window, to the event
// loop.
TEST(Program, ASignalWhileTheWindowIsBuiltEndsTheGameWithItsSave) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    for (int delay : {0, 50, 150, 400}) {
      ProgramRunner program;
      program.writeIni("[General]\nLastLevel=9\n");
      ASSERT_TRUE(program.start());
      ASSERT_TRUE(program.waitUntilCatching(signal, kRunLimit));
      std::this_thread::sleep_for(milliseconds(delay));
      program.signal(signal);
      EXPECT_EQ(program.waitFor(kRunLimit), 0) << strsignal(signal) << " after " << delay << " ms";
      EXPECT_TRUE(savedTheGame(program.readIni(), 9)) << strsignal(signal) << " after " << delay << " ms";
    }
  }
}

// Qt writes its messages to standard error; with it closed, they must not
// land on a descriptor the game uses (the signal socket took its number).
TEST(Program, WithStandardErrorClosedTheGameRunsUntilItIsEnded) {
  ProgramRunner program;
  program.writeIni("[General]\nLastLevel=9\n");
  program.setEnv("QT_LOGGING_RULES", "*.debug=true");
  program.setEnv("QT_FORCE_STDERR_LOGGING", "1");
  ASSERT_TRUE(program.start({.closeStandardError = true}));
  EXPECT_TRUE(program.runsFor(milliseconds(1500))) << "ended by itself";
  program.signal(SIGTERM);
  EXPECT_EQ(program.waitFor(kRunLimit), 0);
  EXPECT_TRUE(savedTheGame(program.readIni(), 9));
}

// A named pipe under the name of a picture or a sound has no writer: an
// ordinary open of it would wait for ever.
TEST(Program, ANamedPipeInPlaceOfAPictureOrSoundNeverStallsTheStart) {
  for (const char* name : {"BG_256.BMP", "ERROR.WAV", "BONUS.WAV"}) {
    ProgramRunner program;
    program.writeIni("[General]\nLastLevel=9\n");
    fs::remove(program.folder() / name);
    ASSERT_EQ(::mkfifo((program.folder() / name).c_str(), 0600), 0);
    ASSERT_EQ(runAndTerminate(program), 0) << name;
    EXPECT_TRUE(savedTheGame(program.readIni(), 9)) << name;
  }
}

}  // namespace
}  // namespace gorbix::e2e
