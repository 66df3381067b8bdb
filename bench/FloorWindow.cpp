// The floor for start-up and memory: the smallest Qt Widgets window of the
// game's size, with nothing of the game in it.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.setFixedSize(397, 450);
  window.show();
  return QApplication::exec();
}
