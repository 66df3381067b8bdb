// Time from a key event on the board to the board redrawn, offscreen: the key
// handler, the window's update from the data and the repaint of what changed;
// and the window made in a language, against English.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <chrono>
#include <vector>

#include "main_window/frmMain.h"
#include "platform/Memory.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtLanguage.h"

namespace novemo {
namespace {

void BM_KeyToRedrawnBoard(benchmark::State& run) {
  MemoryPlatform memory(3);
  frmMain form(memory.platform());
  MainWindow window(form);
  form.Form_Load();
  window.Sync();
  window.show();
  QApplication::processEvents();

  BoardView& board = window.Board();
  std::vector<double> micros;
  long cells = 0;
  bool right = true;
  for (auto _ : run) {
    const auto start = std::chrono::steady_clock::now();
    QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&board, &press);
    QApplication::processEvents();  // delivers the repaint
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
    cells += board.LastPaintCells();
    right = !right;
  }
  std::sort(micros.begin(), micros.end());
  run.counters["median_us"] = micros[micros.size() / 2];
  run.counters["p99_us"] = micros[micros.size() * 99 / 100];
  run.counters["cells_repainted"] = static_cast<double>(cells) / static_cast<double>(micros.size());
}
BENCHMARK(BM_KeyToRedrawnBoard)->Iterations(5000);

// What a language costs at start: its two catalogues found, read and installed,
// and the window made in it, against the same window in English.
void BM_WindowInLanguage(benchmark::State& run, const char* name) {
  for (auto _ : run) {
    const QtLanguage language(QString::fromLatin1(name));
    MemoryPlatform memory(3, &language);
    frmMain form(memory.platform());
    MainWindow window(form);
    benchmark::DoNotOptimize(window.Hint().text());
  }
}
BENCHMARK_CAPTURE(BM_WindowInLanguage, English, "en")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowInLanguage, German, "de")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowInLanguage, Japanese, "ja")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace novemo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
