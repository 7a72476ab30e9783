// The floor the game's memory is held against: a bare Qt window of the main
// window's size, with a menu bar and a line of text as every window has, and
// the game's five sounds loaded in QSoundEffect players.
//   bare_window FOLDER    (the folder holding the five .WAV files)
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSoundEffect>
#include <QUrl>

#include <memory>
#include <vector>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  window.setCentralWidget(new QLabel(QStringLiteral("A bare window"), &window));
  window.resize(559, 365);
  window.show();
  std::vector<std::unique_ptr<QSoundEffect>> sounds;
  for (const char* name : {"ERROR.WAV", "MVTILE.WAV", "MVTHING.WAV", "EOPUZ.WAV", "BONUS.WAV"}) {
    sounds.push_back(std::make_unique<QSoundEffect>());
    sounds.back()->setSource(QUrl::fromLocalFile(folder.filePath(QString::fromLatin1(name))));
  }
  return QApplication::exec();
}
