// The Qt window's side of a run against the rest of it, in process on the Qt platform
// (QT_QPA_PLATFORM=offscreen): a pad of the pad-run workload goes through Calculator > Run in
// the real calculator window; then, apart, the window's own work alone: setting the rebuilt
// text over the pad's, the spelling highlighter and a repaint. Prints the medians of both and
// their ratio. A PAD file, when given, is the pad instead (of LINES lines, as
// bench/padcost/make-pad.sh writes another mix).
//   bench_qtside [LINES] [REPEATS] [PAD]
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "BenchApp.h"
#include "app/App.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTextArea.h"
#include "platform/ui/TextArea.h"
#include "window/FrmMain.h"

namespace {

// The workload of bench/padcost/make-pad.sh.
std::string workloadPad(int lines) {
  std::string pad;
  for (int i = 0; i < lines; ++i) {
    const int k = i - i % 5;
    switch (i % 5) {
      case 0:
        pad += "v" + std::to_string(k) + " = " + std::to_string(k) + "*2\n";
        break;
      case 1:
        pad += "v" + std::to_string(k) + " + 1\n";
        break;
      case 2:
        pad += "$s" + std::to_string(k + 2) + " = \"t" + std::to_string(k + 2) + "\"\n";
        break;
      case 3:
        pad += "// comment\n";
        break;
      default:
        pad += "\n";
        break;
    }
  }
  return pad;
}

std::string readPad(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Everything the event loop still has to do, a repaint of the pad included.
void settle(QPlainTextEdit& edit) {
  QCoreApplication::processEvents();
  edit.viewport()->repaint();
  QCoreApplication::processEvents();
}

// One Run of the pad through the window's menu item, settled. Not inlined, so that callgrind
// (bench/qtside/count.sh) gives its cost apart.
[[gnu::noinline]] void wholeRun(vorline::FrmMain& window, QPlainTextEdit& edit) {
  window._mnuRun_Action();
  settle(edit);
}

// The window's own side of a run: the rebuilt text over the pad's, settled.
[[gnu::noinline]] void windowSide(vorline::QtTextArea& area, QPlainTextEdit& edit,
                                  const std::string& rebuilt) {
  area.SetText(rebuilt);
  settle(edit);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
  {
    vorline::BenchApp bench(argc, argv);
    auto window = bench.front();
    auto area =
        window ? std::dynamic_pointer_cast<vorline::QtTextArea>(window->Sourcetxt()) : nullptr;
    if (!area) {
      std::fprintf(stderr, "bench_qtside: no calculator window\n");
      return 1;
    }
    QPlainTextEdit& edit = *area->editor();
    const std::string pad = argc > 3 ? readPad(argv[3]) : workloadPad(lines);
    area->SetText(pad);
    window->_mnuRun_Action();  // the memory holds every variable from now on, as in daily use
    settle(edit);
    const std::string rebuilt = area->Text();

    std::vector<double> runs, sides;
    for (int i = 0; i < repeats; ++i) {
      area->SetText(pad);
      settle(edit);
      QElapsedTimer clock;
      clock.start();
      wholeRun(*window, edit);
      runs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);

      area->SetText(pad);
      settle(edit);
      clock.restart();
      windowSide(*area, edit, rebuilt);
      sides.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    const double run = median(runs), side = median(sides);
    std::printf("| pad lines | whole run | window's side | rest of the run | side / rest |\n");
    std::printf("|---|---|---|---|---|\n");
    std::printf("| %d | %.1f ms | %.1f ms | %.1f ms | %.2f |\n", lines, run, side, run - side,
                side / std::max(run - side, 1e-3));
    std::printf("spelling %s\n", area->checksSpelling() ? "on" : "off (no dictionary)");
    window.reset();
  }
  return 0;
}
