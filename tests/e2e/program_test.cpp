// Starts the real gorbix in a folder of its own, ends it the way a desktop
// session does, and reads what it left in gorbix.ini.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/gorbix-e2e-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder = pattern;
    for (const auto& entry : fs::directory_iterator(GORBIX_PROGRAM_DIR)) {
      if (entry.path().filename() == "gorbix.ini") continue;  // someone's own game
      fs::copy(entry.path(), folder / entry.path().filename());
    }
  }
  void TearDown() override { fs::remove_all(folder); }

  void writeIni(const std::string& text) { std::ofstream(folder / "gorbix.ini", std::ios::binary) << text; }
  std::string readIni() const {
    std::ifstream file(folder / "gorbix.ini", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  // Runs the program and sends it SIGTERM at once. The signal is blocked
  // while it starts, so it waits until the program is ready to take it.
  int runAndTerminate() {
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setsigmask(&attributes, &blocked);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "HOME=" + folder.string(),
                                    "XDG_CONFIG_HOME=" + (folder / "config").string()};
    for (char** e = environ; *e; ++e) {
      const std::string entry = *e;
      if (!entry.starts_with("QT_QPA_PLATFORM=") && !entry.starts_with("HOME=") &&
          !entry.starts_with("XDG_CONFIG_HOME=")) {
        env.push_back(entry);
      }
    }
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = (folder / "gorbix").string();
    char* argv[] = {program.data(), nullptr};

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), nullptr, &attributes, argv, envp.data());
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) return -1;
    ::kill(pid, SIGTERM);
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  fs::path folder;
};

TEST_F(ProgramTest, FirstRunLeavesLevelScoresAndPlacementBesideTheProgram) {
  ASSERT_EQ(runAndTerminate(), 0);
  const std::string ini = readIni();
  EXPECT_NE(ini.find("[General]\nLastLevel=1\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[Scores]\nL1=0\n"), std::string::npos);
  EXPECT_NE(ini.find("L25=0\n"), std::string::npos);
  EXPECT_NE(ini.find("[PosnSize]\nfrmMain="), std::string::npos);
  EXPECT_EQ(ini.find("Sounds"), std::string::npos) << "written only when toggled";
  EXPECT_FALSE(fs::exists(folder / "config" / "gorbix")) << "a portable copy keeps its file beside itself";
}

TEST_F(ProgramTest, StoredGameComesBackAndTheRestOfTheFileIsKept) {
  writeIni("; my notes\r\n[General]\r\nLastLevel=12\r\nSounds=N\r\n[Scores]\r\nL3=abc\r\nL7=140\r\n[Mine]\r\nx=1\r\n");
  ASSERT_EQ(runAndTerminate(), 0);
  const std::string ini = readIni();
  EXPECT_EQ(ini.rfind("; my notes\r\n[General]\r\nLastLevel=12\r\nSounds=N\r\n", 0), 0u) << ini;
  EXPECT_NE(ini.find("L3=0\r\n"), std::string::npos);
  EXPECT_NE(ini.find("L7=140\r\n"), std::string::npos);
  EXPECT_NE(ini.find("[Mine]\r\nx=1\r\n"), std::string::npos);
}

TEST_F(ProgramTest, LevelOutOfRangeStartsLevelOneAndIsStoredSoundly) {
  writeIni("[General]\nLastLevel=31000\n");
  ASSERT_EQ(runAndTerminate(), 0);
  EXPECT_NE(readIni().find("LastLevel=1\n"), std::string::npos);
}

}  // namespace
