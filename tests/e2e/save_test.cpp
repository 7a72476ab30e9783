// The real program's saves under the conditions players create: another
// copy writing meanwhile, kills during exit, a save that cannot succeed, a
// settings file owned by someone else or behind a dangling link, a folder
// deeper than the system can name, a window stored off the screen.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <random>
#include <regex>
#include <thread>

#include "program_runner.h"

namespace gorbix::e2e {
namespace {

using namespace std::chrono_literals;

std::string scores(const std::string& value) {
  std::string text = "[Scores]\n";
  for (int level = 1; level <= 25; ++level) text += "L" + std::to_string(level) + "=" + value + "\n";
  return text;
}

std::vector<std::string> strayTemporaryFiles(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(".gorbix.ini.")) names.push_back(name);
  }
  return names;
}

class SaveTest : public ::testing::Test {
 protected:
  // Starts the program and waits until it has read its settings and waits
  // for events.
  void startReady(const ProgramRunner::Options& options = {}) {
    ASSERT_TRUE(game.start(options));
    ASSERT_TRUE(game.waitUntilIdle(20s)) << "start-up did not finish";
  }
  // Ends it as a logout does; true when it ended in good order in time.
  bool endBySignal() {
    game.signal(SIGTERM);
    return game.waitFor(10s) == 0;
  }
  ProgramRunner game;
};

// A second copy of the game stored a reset and a new level while this one
// ran; this one changed nothing and must not bring the old values back.
TEST_F(SaveTest, AnIdleCopyKeepsWhatAnotherCopyStoredMeanwhile) {
  game.writeIni("[General]\nLastLevel=5\n" + scores("150"));
  startReady();
  game.writeIni("[General]\nLastLevel=9\n" + scores("0") + "[Mine]\nnote=kept\n");
  ASSERT_TRUE(endBySignal());
  const std::string ini = game.readIni();
  EXPECT_NE(ini.find("LastLevel=9\n"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("=150"), std::string::npos) << ini;
  EXPECT_NE(ini.find("L25=0\n"), std::string::npos);
  EXPECT_NE(ini.find("[Mine]\nnote=kept\n"), std::string::npos);
}

// Killed at random moments of its exit, again and again: the file holds the
// whole old save or the whole new one, and no temporary file outlives the
// next save.
TEST_F(SaveTest, AKillDuringExitNeverLeavesAHalfSaveOrStrayFiles) {
  const std::string before = "[General]\nLastLevel=abc\n" + scores("abc");
  std::mt19937 draw(20261207);
  int whole = 0;
  for (int run = 0; run < 30; ++run) {
    game.writeIni(before);
    startReady();
    game.signal(SIGTERM);
    std::this_thread::sleep_for(std::chrono::microseconds(draw() % 40000));
    game.signal(SIGKILL);
    game.waitFor(10s);
    const std::string after = game.readIni();
    const bool untouched = after == before;
    const bool saved = after.find("abc") == std::string::npos && after.find("L25=0\n") != std::string::npos &&
                       after.find("LastLevel=1\n") != std::string::npos;
    EXPECT_TRUE(untouched || saved) << "run " << run << ":\n" << after;
    whole += saved;
  }
  EXPECT_GT(whole, 0) << "no kill came late enough to let a save through";
  startReady();
  ASSERT_TRUE(endBySignal());
  EXPECT_EQ(strayTemporaryFiles(game.folder()), std::vector<std::string>{});
}

// A save that cannot succeed, ended by a logout: no message box waits for
// an answer nobody gives; the reason goes to standard error.
TEST_F(SaveTest, AFailingSaveDoesNotHoldUpALogout) {
  writeFile(game.folder() / "blocker", "a file where a folder should be");
  fs::create_symlink("blocker/gorbix.ini", game.folder() / "gorbix.ini");
  startReady({.standardError = game.folder() / "stderr.txt"});
  ASSERT_TRUE(endBySignal()) << "the program waited on a message box";
  const std::string errors = readFile(game.folder() / "stderr.txt");
  EXPECT_NE(errors.find("Error updating file"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Not a directory"), std::string::npos) << errors;
}

// A settings file far over the size the game rewrites, holding already
// everything this run would store: nothing to write, nothing to report.
TEST_F(SaveTest, AHugeFileThatNeedsNoChangeIsNeitherWrittenNorReported) {
  startReady();
  ASSERT_TRUE(endBySignal());
  std::string big = game.readIni() + "[Filler]\n";
  while (big.size() < 2 * 1024 * 1024) big += "x=" + std::string(98, 'y') + "\n";
  game.writeIni(big);
  startReady({.standardError = game.folder() / "stderr.txt"});
  ASSERT_TRUE(endBySignal()) << "the program waited on a message box";
  EXPECT_EQ(game.readIni(), big);
  EXPECT_EQ(readFile(game.folder() / "stderr.txt").find("Error updating file"), std::string::npos);
}

// After a run as root in a player's folder, the player can still save.
TEST_F(SaveTest, ARunAsRootLeavesThePlayersFileThePlayers) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand the file to a player";
  game.writeIni("[General]\nLastLevel=3\n");
  const fs::path ini = game.folder() / "gorbix.ini";
  ASSERT_EQ(::chown(ini.c_str(), 4321, 8765), 0);
  ASSERT_EQ(::chmod(ini.c_str(), 0600), 0);
  startReady();
  ASSERT_TRUE(endBySignal());
  struct stat info {};
  ASSERT_EQ(::stat(ini.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 4321u);
  EXPECT_EQ(info.st_gid, 8765u);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_NE(game.readIni().find("L1=0\n"), std::string::npos) << "the save itself went through";
}

TEST_F(SaveTest, ADanglingLinkGetsItsTargetAndStaysALink) {
  fs::create_symlink("saves/mine.ini", game.folder() / "gorbix.ini");
  startReady();
  ASSERT_TRUE(endBySignal());
  EXPECT_TRUE(fs::is_symlink(game.folder() / "gorbix.ini"));
  EXPECT_NE(readFile(game.folder() / "saves" / "mine.ini").find("LastLevel=1\n"), std::string::npos);
}

// A window stored with only a sliver of its title bar on the screen comes
// back far enough on it to be dragged: 48 px of its width, its whole height.
TEST_F(SaveTest, AWindowStoredAlmostOffTheScreenComesBackWithinReach) {
  // Left at -530 px and top at 790 px: 29 px of the width and 10 px of the
  // title bar's height on the offscreen platform's 800 x 800 screen.
  game.writeIni("[PosnSize]\nfrmMain=-7950 11850 8385 5760\n");
  startReady();
  ASSERT_TRUE(endBySignal());
  std::smatch entry;
  const std::string ini = game.readIni();
  ASSERT_TRUE(std::regex_search(ini, entry, std::regex("frmMain=(-?\\d+) (-?\\d+) (\\d+) (\\d+)"))) << ini;
  const int left = std::stoi(entry[1]) / 15;
  const int top = std::stoi(entry[2]) / 15;
  const int width = std::stoi(entry[3]) / 15;
  EXPECT_GE(std::min(left + width, 800) - std::max(left, 0), 48) << ini;
  EXPECT_GE(top, 0) << ini;
  EXPECT_LE(top + 30, 800) << ini;
}

// A folder deeper than the system can name: the game is started by a
// relative path, finds its folder by it, and saves beside itself, never in
// the root folder.
TEST(DeepFolder, TheGameSavesBesideItselfAndNeverInTheRoot) {
  const bool rootFileBefore = fs::exists("/gorbix.ini");
  ProgramRunner base;  // its folder holds the chain and the player's home
  const std::string step(200, 'd');
  std::vector<int> chain{::open(base.folder().c_str(), O_RDONLY | O_DIRECTORY)};
  for (int depth = 0; depth < 25; ++depth) {
    ASSERT_EQ(::mkdirat(chain.back(), step.c_str(), 0755), 0);
    chain.push_back(::openat(chain.back(), step.c_str(), O_RDONLY | O_DIRECTORY));
    ASSERT_GE(chain.back(), 0);
  }
  const int deep = chain.back();
  for (const char* name : {"gorbix", "BG_256.BMP"}) {
    const std::string bytes = readFile(base.folder() / name);
    const int file = ::openat(deep, name, O_WRONLY | O_CREAT | O_TRUNC, 0755);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::write(file, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(file);
  }
  const std::string home = base.folder().string();
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (::fchdir(deep) != 0) ::_exit(126);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    ::unsetenv("DISPLAY");
    ::execl("./gorbix", "./gorbix", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // Started and waiting for events once its main thread sleeps in poll.
  const std::string wchan = "/proc/" + std::to_string(pid) + "/wchan";
  for (int idle = 0, tries = 0; idle < 10 && tries < 2000; ++tries) {
    idle = readFile(wchan).find("poll") != std::string::npos ? idle + 1 : 0;
    std::this_thread::sleep_for(10ms);
  }
  ::kill(pid, SIGTERM);
  int status = -1;
  for (int tries = 0; tries < 1000 && ::waitpid(pid, &status, WNOHANG) == 0; ++tries) std::this_thread::sleep_for(10ms);
  if (::waitpid(pid, nullptr, WNOHANG) == 0) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ADD_FAILURE() << "the game did not end";
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

  const int saved = ::openat(deep, "gorbix.ini", O_RDONLY);
  EXPECT_GE(saved, 0) << "nothing saved beside the game";
  if (saved >= 0) {
    char text[4096] = {};
    EXPECT_GT(::read(saved, text, sizeof text - 1), 0);
    EXPECT_NE(std::string(text).find("LastLevel=1\n"), std::string::npos) << text;
    ::close(saved);
  }
  EXPECT_FALSE(fs::exists(base.folder() / "config" / "gorbix" / "gorbix.ini"));
  if (!rootFileBefore) {
    EXPECT_FALSE(fs::exists("/gorbix.ini")) << "the root folder was taken for the game's own";
    fs::remove("/gorbix.ini");
  }
  // The chain is too deep to remove by path: undo it one folder at a time.
  for (const char* name : {"gorbix", "BG_256.BMP", "gorbix.ini"}) ::unlinkat(deep, name, 0);
  for (std::size_t depth = chain.size() - 1; depth > 0; --depth) {
    ::close(chain[depth]);
    EXPECT_EQ(::unlinkat(chain[depth - 1], step.c_str(), AT_REMOVEDIR), 0);
  }
  ::close(chain.front());
}

}  // namespace
}  // namespace gorbix::e2e
