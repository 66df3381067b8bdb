// The floors for start-up and memory, of the game's size with nothing of the
// game in it: the smallest Qt Widgets window, or with --menu the smallest one
// that shows text, a main window with a one-item menu bar.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool menu = argc > 1 && std::strcmp(argv[1], "--menu") == 0;
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Floor"));
  if (menu) window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
  window.setFixedSize(397, menu ? 450 : 431);
  window.show();
  return QApplication::exec();
}
