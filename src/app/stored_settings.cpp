#include "app/stored_settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include "settings/form_posn.h"
#include "settings/kept_board.h"

namespace gorbix {

namespace {

FormGeometry geometryOf(const QWidget& window, std::string_view name) {
  // The frame's corner and size, title bar included, as the stored entry holds them.
  const QRect frame = window.frameGeometry();
  FormGeometry g;
  g.name = std::string(name);
  g.left = frame.x();
  g.top = frame.y();
  g.width = frame.width();
  g.height = frame.height();
  g.minimised = window.isMinimized();
  g.maximised = window.isMaximized();
  return g;
}

std::vector<ScreenRect> availableScreens() {
  std::vector<ScreenRect> screens;
  QList<QScreen*> all = QGuiApplication::screens();
  if (QScreen* primary = QGuiApplication::primaryScreen()) {
    all.removeAll(primary);
    all.prepend(primary);
  }
  for (const QScreen* screen : all) {
    const QRect area = screen->availableGeometry();
    screens.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  return screens;
}

}  // namespace

StoredSettings::StoredSettings(ErrorTrap& trap, MessageSink& messages, std::string iniFile)
    : ini_(trap, messages), IniFile_(std::move(iniFile)), ownFile_(!IniFile_.empty()) {
  if (!IniFile_.empty()) store_.emplace(ini_, IniFile_);
}

void StoredSettings::open(const std::string& AppFolder) {
  if (!IniFile_.empty()) return;
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const IniFileChoice choice = FindIniFile(AppFolder, (userFolder + QStringLiteral("/gorbix/")).toStdString());
  IniFile_ = choice.IniFile;
  if (!choice.seed.empty()) ini_.seedFrom(IniFile_, choice.seed);
  store_.emplace(ini_, IniFile_);
}

bool StoredSettings::saveGame(std::int16_t lastLevel, const BestScores& best, const QWidget& mainWindow) {
  return store_->save(lastLevel, best, FormPosnEntry(geometryOf(mainWindow, kMainWindowName)));
}

void StoredSettings::LoadFormPosn(QWidget& window, std::string_view name) {
  const FormPosition at = gorbix::LoadFormPosn(ini_, IniFile_, geometryOf(window, name), availableScreens());
  window.move(at.left, at.top);
}

void StoredSettings::SaveFormPosn(const QWidget& window, std::string_view name) {
  gorbix::SaveFormPosn(ini_, IniFile_, geometryOf(window, name));
}

std::string StoredSettings::keptBoardPath() const {
  const std::string folder = ownFile_ ? IniFile_.substr(0, IniFile_.rfind('/') + 1) : playerDataFolder();
  return folder + std::string(kKeptBoardName);
}

bool StoredSettings::LoadFormPosn(QWidget& window, std::string_view section, std::string_view name) {
  if (ini_.GetIniStr(section, name, "", IniFile_).empty()) return false;
  const FormPosition at =
      gorbix::LoadFormPosn(ini_, IniFile_, geometryOf(window, name), availableScreens(), section);
  window.move(at.left, at.top);
  return true;
}

void StoredSettings::SaveFormPosn(const QWidget& window, std::string_view section, std::string_view name) {
  gorbix::SaveFormPosn(ini_, IniFile_, geometryOf(window, name), section);
}

std::string playerDataFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return (data + QStringLiteral("/gorbix/")).toStdString();
}

}  // namespace gorbix
