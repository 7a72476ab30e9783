// Start-up and shut-down with a real settings file in a temporary folder.
#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include <filesystem>

#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "app/stored_settings.h"
#include "fake_sounds.h"
#include "main_window_fixture.h"
#include "../settings/test_support.h"
#include "solver/replay.h"
#include "ui/help/frm_tutorial.h"

namespace gorbix {
namespace {

using testing::CountingTrap;
using testing::FakeSounds;

class Messages final : public MessageSink {
 public:
  void showMessage(std::string_view, std::string_view text) override { shown.emplace_back(text); }
  std::vector<std::string> shown;
};

// The real main window, only its dialogs answered in place and its end kept
// from ending the test run.
class SettingsMain : public frmMain {
 public:
  SettingsMain(ErrorTrap& trap, FakeSounds& sounds)
      : frmMain(trap, std::make_unique<SeededRandom>(77), sounds.factory()) {}
  std::function<void(QDialog&)> answer;
  int programEnds = 0;

 protected:
  void runModal(QDialog& dialog) override {
    if (answer) answer(dialog);
  }
  void endProgram() override { ++programEnds; }
  // Room for every zoom, whatever the test platform's screen.
  QRect screenArea() const override { return {0, 0, 3840, 2160}; }
};

class StoredSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  std::string iniPath() const { return folder.filePath("gorbix.ini").toStdString(); }
  void writeIni(const QByteArray& bytes) {
    QFile file(QString::fromStdString(iniPath()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QString readIni() {
    QFile file(QString::fromStdString(iniPath()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
  }

  // A main window started on `path` (the folder's gorbix.ini by default).
  std::unique_ptr<SettingsMain> start(std::string path = {}) {
    // Each window has its own, as each copy of the program does.
    settings.push_back(std::make_unique<StoredSettings>(trap, messages, path.empty() ? iniPath() : path));
    // Each window opens its own five players.
    sounds.push_back(std::make_unique<FakeSounds>());
    auto window = std::make_unique<SettingsMain>(trap, *sounds.back());
    window->useSettings(settings.back().get());
    window->Form_Load();
    return window;
  }

  QTemporaryDir folder;
  CountingTrap trap;
  Messages messages;
  std::vector<std::unique_ptr<FakeSounds>> sounds;
  std::vector<std::unique_ptr<StoredSettings>> settings;
};

TEST_F(StoredSettingsTest, FirstRunStartsLevelOneCentredAndWritesNothing) {
  auto window = start();
  EXPECT_EQ(window->game().CurrentLevel(), 1);
  ASSERT_EQ(window->controls().lstScores->count(), 25);
  for (int line = 0; line < 25; ++line) {
    EXPECT_TRUE(window->controls().lstScores->item(line)->text().endsWith("       0"));
  }
  EXPECT_EQ(window->controls().lblRating->text(), "Beginner Level 1");
  EXPECT_TRUE(window->SoundsOn());
  EXPECT_TRUE(window->menus().mnuSndFX->isChecked());
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect frame = window->frameGeometry();
  EXPECT_NEAR(frame.center().x(), area.center().x(), 1);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(iniPath()))) << "start-up never writes";
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StoredSettingsTest, StoredLastLevelAndScoresComeBack) {
  writeIni("[General]\nLastLevel=12\n[Scores]\nL3=abc\nL4=-20\nL5=-500\nL7=140\n");
  auto window = start();
  EXPECT_EQ(window->game().CurrentLevel(), 12);
  EXPECT_EQ(window->controls().lstScores->currentRow(), 11);
  EXPECT_EQ(window->controls().lstScores->item(6)->text(), "Level  7     140");
  EXPECT_EQ(window->controls().lstScores->item(2)->text(), "Level  3       0");
  EXPECT_EQ(window->controls().lstScores->item(3)->text(), "Level  4     -20");
  // 140 - 20 - 500 = -380: the average, -15.2, floors to -16.
  EXPECT_EQ(window->controls().lblRating->text(), "Universal Overlord!");
  EXPECT_TRUE(window->SoundsOn());

  window->Form_Unload();
  const QString text = readIni();
  EXPECT_TRUE(text.contains("LastLevel=12"));
  EXPECT_TRUE(text.contains("L3=0\n")) << "the damaged value is written back as 0";
  EXPECT_TRUE(text.contains("L4=-20\nL5=-500\n")) << "negative scores go back as they were";
  EXPECT_TRUE(text.contains("L7=140"));
}

TEST_F(StoredSettingsTest, ShutDownWritesLevelScoresAndPlacementButNotTheSoundSwitch) {
  auto window = start();
  window->game().StartLevel(9);
  window->menus().mnuExit->trigger();
  EXPECT_EQ(window->programEnds, 1);
  const QString text = readIni();
  EXPECT_TRUE(text.contains("[General]\nLastLevel=9\n"));
  for (int level = 1; level <= 25; ++level) EXPECT_TRUE(text.contains(QStringLiteral("L%1=0\n").arg(level)));
  EXPECT_TRUE(text.contains("[PosnSize]\nfrmMain="));
  EXPECT_FALSE(text.contains("Sounds"));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StoredSettingsTest, SoundSwitchIsWrittenAtEachToggle) {
  auto window = start();
  window->menus().mnuSndFX->trigger();
  EXPECT_TRUE(readIni().contains("Sounds=N"));
  window->menus().mnuSndFX->trigger();
  EXPECT_TRUE(readIni().contains("Sounds=Y"));
  EXPECT_FALSE(readIni().contains("Sounds=N"));

  writeIni("[General]\nSounds=No\n");
  auto quiet = start();
  EXPECT_FALSE(quiet->SoundsOn());
  EXPECT_FALSE(quiet->menus().mnuSndFX->isChecked());
}

// A power cut or a kill must not take a best score with it: each is in the
// file before the end-of-level dialog opens, and a reset as soon as it is
// answered.
TEST_F(StoredSettingsTest, NewBestScoresAndResetsAreInTheFileWhenTheyHappen) {
  writeIni("[Scores]\nL5=150\nL25=300\n");
  auto window = start();
  window->game().StartLevel(3);
  window->game().SetCell(kTakenBonus, 7, 6);
  window->game().SetCell('G', 8, 6);
  window->game().PlaceThing(7, 6);
  QString duringDialog;
  window->answer = [&](QDialog&) { duringDialog = readIni(); };
  window->game().SendThing(CellToIndex(8, 6));
  while (window->tmrMoveThing().isActive()) QMetaObject::invokeMethod(&window->tmrMoveThing(), "timeout");
  EXPECT_TRUE(duringDialog.contains("L3=105\n")) << duringDialog.toStdString();
  EXPECT_TRUE(duringDialog.contains("L5=150\n"));
  EXPECT_TRUE(duringDialog.contains("LastLevel=3\n"));

  window->answer = [](QDialog& dialog) {
    auto& box = dynamic_cast<QMessageBox&>(dialog);
    box.button(QMessageBox::Yes)->click();
  };
  window->menus().mnuResetScores->trigger();
  const QString afterReset = readIni();
  for (int level = 1; level <= 25; ++level) EXPECT_TRUE(afterReset.contains(QStringLiteral("L%1=0\n").arg(level)));
  EXPECT_TRUE(messages.shown.empty());
}

// Two copies of the game open on one file, as after a double-click too many.
TEST_F(StoredSettingsTest, ASecondCopyDoesNotUndoWhatTheFirstStored) {
  writeIni("[General]\nLastLevel=4\n[Scores]\nL5=150\nL25=300\n");
  auto first = start();
  auto second = start();
  first->answer = [](QDialog& dialog) {
    dynamic_cast<QMessageBox&>(dialog).button(QMessageBox::Yes)->click();
  };
  first->menus().mnuResetScores->trigger();
  first->game().StartLevel(8);
  first->menus().mnuExit->trigger();
  second->menus().mnuExit->trigger();
  const QString text = readIni();
  EXPECT_TRUE(text.contains("L5=0\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("L25=0\n"));
  EXPECT_TRUE(text.contains("LastLevel=8\n")) << "the copy that stayed on its level leaves the other's";
}

// The players wait on the sound system; the run is stored before they close.
TEST_F(StoredSettingsTest, ShutDownStoresTheRunBeforeClosingTheSoundPlayers) {
  class Backend final : public SoundBackend {
   public:
    explicit Backend(std::function<void()> onUnload) : onUnload_(std::move(onUnload)) {}
    void load(const std::string&) override {}
    void play() override {}
    void stop() override {}
    void rewind() override {}
    void unload() override { onUnload_(); }
    bool isPlaying() const override { return false; }

   private:
    std::function<void()> onUnload_;
  };
  std::vector<QString> seenAtUnload;
  StoredSettings stored(trap, messages, iniPath());
  frmMain window(trap, std::make_unique<SeededRandom>(5), [&] {
    return std::make_unique<Backend>([&] { seenAtUnload.push_back(readIni()); });
  });
  window.useSettings(&stored);
  window.Form_Load();
  window.game().StartLevel(6);
  window.Form_Unload();
  ASSERT_EQ(seenAtUnload.size(), 5u);
  for (const QString& text : seenAtUnload) EXPECT_TRUE(text.contains("LastLevel=6\n"));
}

TEST_F(StoredSettingsTest, DamagedFilesStartWithDefaults) {
  QByteArray junk(4096, '\0');
  for (int i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 131 + 7) % 256);
  const std::vector<QByteArray> files = {
      "", junk, "[General]\nLastLevel=99\n", "[General]\nLastLevel=-4\n",
      "[General]\nLastLevel\n=7\n", "[Scores]\nL1=99999\n", QByteArray(100000, 'x'),
  };
  for (const QByteArray& bytes : files) {
    writeIni(bytes);
    auto window = start();
    EXPECT_EQ(window->game().CurrentLevel(), 1) << bytes.left(40).toStdString();
    EXPECT_EQ(window->game().BestScore()[0], 0);
    EXPECT_TRUE(trap.traps.empty());
  }
  // A header that lost its closing bracket still names its section.
  writeIni("[General\nLastLevel=5\n");
  EXPECT_EQ(start()->game().CurrentLevel(), 5);
}

TEST_F(StoredSettingsTest, UnwritableFileGivesOneMessagePerFailedSaveAndGoesOn) {
  // A settings file whose folder is a plain file can never be written, even by root.
  QFile blocker(folder.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const std::string path = folder.filePath("not-a-folder/gorbix.ini").toStdString();
  auto window = start(path);
  EXPECT_EQ(window->game().CurrentLevel(), 1);
  window->menus().mnuSndFX->trigger();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], "Error updating file " + path + "\nNot a directory\nNot stored: [General] Sounds=N");
  window->game().StartLevel(2);
  window->Form_Unload();
  ASSERT_EQ(messages.shown.size(), 2u) << "one for the whole shut-down, not one per value";
  EXPECT_EQ(messages.shown[1], "Error updating file " + path +
                                   "\nNot a directory\nNot stored: the window's place and the level played (2).");
}

TEST_F(StoredSettingsTest, WindowsReopenWhereTheyWereLeft) {
  {
    auto window = start();
    window->move(40, 60);
    window->Form_Unload();
  }
  auto window = start();
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(40, 60));
  EXPECT_TRUE(readIni().contains("frmMain=600 900 "));
}

TEST_F(StoredSettingsTest, ViewChoicesAreWrittenWhenChangedAndComeBackAtTheNextStart) {
  {
    auto window = start();
    window->menus().colourSafeItem->trigger();
    EXPECT_TRUE(readIni().contains("[View]\nColourSafe=Y\n"));
    window->zoomTo(150);
    EXPECT_TRUE(readIni().contains("Zoom=150\n"));
    // The position stays in twips at 15 per pixel, whatever the zoom.
    window->move(40, 60);
    window->Form_Unload();
    EXPECT_TRUE(readIni().contains("frmMain=600 900 "));
    EXPECT_TRUE(readIni().contains("[View]\nColourSafe=Y\nZoom=150\n")) << "the save keeps the section";
  }
  auto window = start();
  EXPECT_TRUE(window->ColourSafe());
  EXPECT_EQ(window->zoom().percent(), 150);
  EXPECT_EQ(window->controls().imgTile[0]->geometry(), QRect(8, 135, 67, 68));

  writeIni("[View]\nColourSafe=\nZoom=175\n");
  auto damaged = start();
  EXPECT_FALSE(damaged->ColourSafe());
  EXPECT_EQ(damaged->zoom().percent(), 100);
  EXPECT_EQ(readIni(), "[View]\nColourSafe=\nZoom=175\n") << "start-up never writes";
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StoredSettingsTest, TutorialPlacementIsKeptUnderItsOwnName) {
  auto window = start();
  window->menus().mnuTutorial->trigger();
  help::frmTutorial* tutorial = help::frmTutorial::instance();
  ASSERT_NE(tutorial, nullptr);
  EXPECT_TRUE(tutorial->isVisible());
  EXPECT_EQ(tutorial->parent(), nullptr) << "the tutorial has no owner";
  tutorial->move(30, 45);
  tutorial->close();
  EXPECT_TRUE(readIni().contains("frmTutorial=450 675 "));
}

// Whatever does not check out is set aside, replacing the one set aside
// before, and the game starts as it would have without it: no window, one
// line on standard error, and the new board kept.
TEST_F(StoredSettingsTest, AKeptBoardThatDoesNotCheckOutIsSetAsideAndANewBoardDealt) {
  writeIni("[General]\nLastLevel=7\n");
  const std::int32_t dealt = start()->game().boardNumber();
  const Cell hole = IndexToCell(solver::dealtPosition(7, 5).hole);
  const std::string head = "gorbix kept board 1\nlevel 7\nboard 5\nscore ";
  const std::string cases[] = {
      head + "100\n",  // made 100 MB below
      "gorbix kept board 2\nlevel 7\nboard 5\nscore 100\n",
      head + "100\nslide 1\n",
      head + "30000\n",  // points never played for
      head + "100\nsend " + std::to_string(hole.col) + " " + std::to_string(hole.row) + "\n",  // refused
      "gorbix kept board 1\nlevel 7\nboard 0\nscore 100\n",
      "gorbix kept board 1\nlevel 8\nboard 5\nscore 100\n",  // not the level played last
  };
  const std::string board = folder.filePath("board").toStdString();
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    writeIni("[General]\nLastLevel=7\n[Play]\nKeepBoard=Y\n");
    testing::WriteBytes(board, text);
    if (&text == cases) std::filesystem::resize_file(board, 100 * 1024 * 1024);
    ::testing::internal::CaptureStderr();
    const auto window = start();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(window->game().CurrentLevel(), 7);
    EXPECT_EQ(window->game().boardNumber(), dealt);
    ASSERT_LT(std::filesystem::file_size(board), 100u) << "not replaced by the new board";
    EXPECT_EQ(testing::ReadBytes(board),
              "gorbix kept board 1\nlevel 7\nboard " + std::to_string(dealt) + "\nscore 100\n");
    const std::string aside = folder.filePath("board.bad").toStdString();
    if (&text == cases) EXPECT_EQ(std::filesystem::file_size(aside), 100u << 20);
    else EXPECT_EQ(testing::ReadBytes(aside), text);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("set aside as board.bad: "), std::string::npos) << said;
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST_F(StoredSettingsTest, WithKeepBoardOffAKeptBoardIsNeitherReadNorWritten) {
  writeIni("[General]\nLastLevel=7\n");
  const std::string board = folder.filePath("board").toStdString();
  testing::WriteBytes(board, "gorbix kept board 1\nlevel 7\nboard 5\nscore 100\n");
  auto window = start();
  EXPECT_NE(window->game().boardNumber(), 5);
  window->Form_Unload();
  EXPECT_EQ(testing::ReadBytes(board), "gorbix kept board 1\nlevel 7\nboard 5\nscore 100\n");
  EXPECT_FALSE(readIni().contains("Play"));
}

}  // namespace
}  // namespace gorbix
