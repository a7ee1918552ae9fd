// What a key costs in the pad after the runaway print loop (p = 1, @while true, @print "x",
// @wend; Calculator > Run; Esc after some seconds) against a key in a fresh pad holding the same
// four lines, in process on the Qt platform (QT_QPA_PLATFORM=offscreen). Each key is a real
// key press and release in the pad, settled with the pad's repaint of what it changed, typed
// at the end of the first, the printing and the last line. Prints the medians per place, their
// ratios, and, apart, a fresh pad given the text the run left: what the text itself costs.
//   bench_padkeys [SECONDS] [KEYS]
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchApp.h"
#include "app/App.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTextArea.h"
#include "platform/ui/TextArea.h"
#include "window/FrmMain.h"

namespace {

const char* const kRunaway = "p = 1\n@while true\n@print \"x\"\n@wend";

// Everything the event loop still has to do for the key, the pad's repaint of what the key
// changed included (the offscreen platform paints as a screen does).
void settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

void sendKey(QWidget& to, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&to, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&to, &release);
}

// Where the keys go: the end of a line of the pad.
struct Place {
  const char* name;
  int line;
};
const Place kPlaces[] = {
    {"end of line 1", 0}, {"end of line 3 (the printing line)", 2}, {"end of line 4", 3}};

void caretAtTheEndOf(QPlainTextEdit& edit, int line) {
  QTextCursor cursor(edit.document()->findBlockByNumber(line));
  cursor.movePosition(QTextCursor::EndOfBlock);
  edit.setTextCursor(cursor);
}

// Milliseconds per key, the median of that many keys typed at the end of the line.
double keyMedian(QPlainTextEdit& edit, int line, int keys) {
  caretAtTheEndOf(edit, line);
  settle();
  std::vector<double> times;
  for (int i = 0; i < keys; ++i) {
    QElapsedTimer clock;
    clock.start();
    sendKey(edit, Qt::Key_A, QStringLiteral("a"));
    settle();
    times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::shared_ptr<vorline::QtTextArea> padOf(vorline::FrmMain& window) {
  return std::dynamic_pointer_cast<vorline::QtTextArea>(window.Sourcetxt());
}

// Runs the runaway pad and stops it with Esc after that many milliseconds; the box that says
// "Stopped" is closed as it shows.
void runAway(vorline::FrmMain& window, QPlainTextEdit& edit, int milliseconds) {
  QTimer::singleShot(milliseconds, &edit, [&edit] { sendKey(edit, Qt::Key_Escape, QString()); });
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  closer.start(20);
  window._mnuRun_Action();
  settle();
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 3;
  const int keys = argc > 2 ? std::atoi(argv[2]) : 21;
  {
    vorline::BenchApp bench(argc, argv);
    auto fresh = bench.front();
    bench.app().MenuItemChosen("mnuNew");
    auto ran = bench.front();
    bench.app().MenuItemChosen("mnuNew");
    auto same = bench.front();
    if (!fresh || !ran || !same || fresh == ran || ran == same || !padOf(*fresh) || !padOf(*ran) ||
        !padOf(*same)) {
      std::fprintf(stderr, "bench_padkeys: no calculator windows\n");
      return 1;
    }
    QPlainTextEdit& freshEdit = *padOf(*fresh)->editor();
    QPlainTextEdit& ranEdit = *padOf(*ran)->editor();
    fresh->Sourcetxt()->SetText(kRunaway);
    ran->Sourcetxt()->SetText(kRunaway);
    settle();
    runAway(*ran, ranEdit, seconds * 1000);
    const size_t padBytes = ran->Sourcetxt()->Text().size();
    QPlainTextEdit& sameEdit = *padOf(*same)->editor();
    same->Sourcetxt()->SetText(ran->Sourcetxt()->Text());
    settle();

    std::printf("pad after the run: %zu bytes (%d s of the loop, then Esc)\n\n", padBytes, seconds);
    std::printf(
        "| keys typed at | fresh pad | after the run | ratio | fresh pad of the run's text |\n"
        "|---|---|---|---|---|\n");
    for (const Place& place : kPlaces) {
      const double before = keyMedian(freshEdit, place.line, keys);
      const double after = keyMedian(ranEdit, place.line, keys);
      const double sameText = keyMedian(sameEdit, place.line, keys);
      std::printf("| %s | %.3f ms | %.3f ms | %.2f | %.3f ms |\n", place.name, before, after,
                  after / std::max(before, 1e-6), sameText);
    }
    std::printf("spelling %s\n", padOf(*ran)->checksSpelling() ? "on" : "off (no dictionary)");
    fresh.reset();
    ran.reset();
    same.reset();
  }
  return 0;
}
