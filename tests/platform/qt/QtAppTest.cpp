// The real application and calculator window on the Qt platform, driven as a user drives them:
// keys through the window system's path, menus through their actions, dialogs answered.
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>
#include <vector>

#include "platform/qt/QtAppFixture.h"
#include "platform/qt/QtContentView.h"
#include "platform/qt/QtPadEdit.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtViewWindow.h"
#include "platform/qt/QtWindowPeer.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Rectangle.h"

namespace vorline::qttest {
namespace {

using QtApp = QtAppFixture;

TEST_F(QtApp, KeypadEnterRunsTheCaretLineAndCtrlRRunsThePad) {
  type("x = 2*3");
  press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(padText(), "x = 2*3 //6");
  pad().SetSelStart(static_cast<int64_t>(padText().size()));
  press(Qt::Key_Return);
  type("x + 1");
  press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(padText(), "x = 2*3 //6\nx + 1 //7");
}

TEST_F(QtApp, CtrlReturnRunsTheLineLikeTheKeypadEnter) {
  type("y = 5");
  press(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(padText(), "y = 5 //5");
}

TEST_F(QtApp, ReturnTypesALineBreakAndRunsNothing) {
  type("1+1");
  press(Qt::Key_Return);
  EXPECT_EQ(padText(), "1+1\n");
}

TEST_F(QtApp, EscEmptiesThePadAndEditUndoBringsItBack) {
  type("a = 1");
  press(Qt::Key_R, Qt::ControlModifier);
  std::string afterRun = padText();
  press(Qt::Key_Escape);
  EXPECT_EQ(padText(), "");
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(padText(), afterRun);
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(padText(), "a = 1");  // the run's rebuild is undone as well
}

TEST_F(QtApp, SaveAsksOnceThenSavesInPlaceAndOpenReadsItBack) {
  type("z = 40+2");
  press(Qt::Key_R, Qt::ControlModifier);
  QString path = scratchPath("answer.vrl");
  closer.answerDialog(path);
  press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(closer.proposedNames(), QStringList{"untitled.vrl"});
  EXPECT_EQ(window().Title(), "answer.vrl");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), "z = 40+2 //42");
  file.close();

  pad().SetSelStart(0);
  type(" ");  // a second Save writes in place, without a dialog
  press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(closer.dialogsSeen(), 1);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), " z = 40+2 //42");
  file.close();

  closer.answerDialog(path);
  press(Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(app().Windows().size(), 2u);
  std::shared_ptr<FrmMain> opened = front();
  ASSERT_NE(opened.get(), &window());
  EXPECT_EQ(opened->Title(), "answer.vrl");
  EXPECT_EQ(opened->Sourcetxt()->Text(), " z = 40+2 //42\n");
}

// With the real editor: a printed separator stays on its line run after run, and the pad's
// characters reach the run, the memory and the file as they are.
TEST_F(QtApp, RunsOpenAndSaveKeepThePadsCharactersAsTheyAre) {
  auto* editor = dynamic_cast<QtTextArea&>(pad()).editor();
  for (const char* code : {"8232", "8233", "64976", "64977", "13"}) {
    const std::string line = std::string("print \"a\" + chr(") + code + ") + \"beep\"";
    pad().SetText(line);
    for (int n = 1; n <= 2; ++n) {
      press(Qt::Key_R, Qt::ControlModifier);
      EXPECT_EQ(padText(), line + " //a\u23CEbeep") << code << ", run " << n;
      EXPECT_EQ(editor->document()->blockCount(), 1) << code;
    }
  }

  const QString path = scratchPath("kept.vrl");
  const std::string kept = "$s = \"1\u00A0000\u2029two\"\n";
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kept.data(), static_cast<qint64>(kept.size()));
  }
  closer.answerDialog(path);
  press(Qt::Key_O, Qt::ControlModifier);
  std::shared_ptr<FrmMain> opened = front();
  ASSERT_NE(opened.get(), &window());
  EXPECT_EQ(opened->Sourcetxt()->Text(), kept);
  press(Qt::Key_S, Qt::ControlModifier);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), kept);
  press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(opened->mem.Lookup("s", Variant()).stringValue(), "1\u00A0000\u2029two");
  EXPECT_EQ(opened->Sourcetxt()->Text(), "$s = \"1\u00A0000\u2029two\" //1\u00A0000\u23CEtwo\n");
}

TEST_F(QtApp, SaveAsIsOffUntilTheWindowHasAFile) {
  ASSERT_TRUE(activateWindow(window()));
  press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(closer.dialogsSeen(), 0);
  closer.answerDialog(scratchPath("first.vrl"));
  press(Qt::Key_S, Qt::ControlModifier);
  closer.answerDialog(scratchPath("second.txt"));
  press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(closer.dialogsSeen(), 2);
  EXPECT_EQ(closer.proposedNames(), (QStringList{"untitled.vrl", "first.vrl"}));
  EXPECT_EQ(window().Title(), "second.txt");
}

TEST_F(QtApp, EscStopsARunawayRunWithStopped) {
  type("n = 1");
  press(Qt::Key_Return);
  type("@while true");
  press(Qt::Key_Return);
  type("@wend");
  bool busyCursor = false;
  int windowsDuringRun = -1;
  QObject scope;  // the call goes with the test
  platform.clock().setStepPerReading(kStepPerPoll);
  duringTheRun(scope, [&] {
    busyCursor =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    press(Qt::Key_N, Qt::ControlModifier);  // ignored while the run lasts
    windowsDuringRun = static_cast<int>(app().Windows().size());
    press(Qt::Key_Escape);
  });
  press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(busyCursor);
  EXPECT_EQ(windowsDuringRun, 1);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ASSERT_FALSE(closer.messages().isEmpty());
  EXPECT_TRUE(closer.messages().last().startsWith("Runtime Error: "))
      << closer.messages().last().toStdString();
  EXPECT_TRUE(closer.messages().last().endsWith("Stopped"))
      << closer.messages().last().toStdString();
  EXPECT_EQ(padText().rfind("n = 1 //1", 0), 0u) << padText();
  // The window takes keys again.
  pad().SetSelStart(0);
  type("#");
  EXPECT_EQ(padText().rfind("#n = 1", 0), 0u);
}

// Stopped, the command goes at once: left to itself it would leave a file behind.
TEST_F(QtApp, EscStopsAShellCommandThatHangs) {
  QString finished = scratchPath("finished");
  type("$s = shellExec(\"sleep 30; echo done > " + finished + "\")");
  QObject scope;
  platform.clock().setStepPerReading(kStepPerPoll);
  duringTheRun(scope, [&] { press(Qt::Key_Escape); });
  press(Qt::Key_R, Qt::ControlModifier);
  ASSERT_FALSE(closer.messages().isEmpty());
  EXPECT_TRUE(closer.messages().last().endsWith("Stopped"))
      << closer.messages().join("|").toStdString();
  EXPECT_FALSE(QFile::exists(finished));
}

// The badge blinks on the window's timer, stepped by hand: six steps of 300 ms, then rest.
TEST_F(QtApp, ACompileErrorShowsItsMessageBeepsAndBlinksTheBadge) {
  type("1 +* 2");
  press(Qt::Key_R, Qt::ControlModifier);
  ASSERT_EQ(closer.messages().size(), 1);
  EXPECT_TRUE(closer.messages().first().startsWith("Error at line: "))
      << closer.messages().first().toStdString();
  EXPECT_EQ(platform.beeps(), 1);
  QWidget* badge = dynamic_cast<QtControl&>(*window().imgERR()).view();
  std::vector<bool> seen{badge->isVisible()};
  for (int step = 0; step < 7; ++step) {
    platform.clock().advance(300);
    seen.push_back(badge->isVisible());
  }
  EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true, false, true, false, false}));
  EXPECT_EQ(window().ERRTime()->Mode(), Timer::ModeOff);
}

TEST_F(QtApp, SpellingUnderlinesAMisspeltWordAndChangesNoText) {
  type("# the quick brwn fox");
  auto* area = dynamic_cast<QtTextArea*>(&pad());
  ASSERT_TRUE(area && area->checksSpelling());
  QTextBlock block = area->editor()->document()->firstBlock();
  std::vector<QString> underlined;
  for (const QTextLayout::FormatRange& range : block.layout()->formats())
    if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
      underlined.push_back(block.text().mid(range.start, range.length));
  EXPECT_EQ(underlined, std::vector<QString>{"brwn"});
  EXPECT_EQ(padText(), "# the quick brwn fox");
  EXPECT_FALSE(area->editor()->document()->isModified() &&
               area->editor()->document()->isUndoAvailable() &&
               padText() != "# the quick brwn fox");
}

// A long pad set at once is checked where it is shown: a misspelt word far below the first
// screen is underlined once the pad is scrolled to it.
TEST_F(QtApp, SpellingChecksALongPadWhereItIsShown) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "# the quick fox\n";
  text += "# the quick brwn fox";
  pad().SetText(text);
  auto* area = dynamic_cast<QtTextArea*>(&pad());
  ASSERT_TRUE(area && area->checksSpelling());
  QTextBlock last = area->editor()->document()->lastBlock();
  auto underlined = [&last] {
    for (const QTextLayout::FormatRange& range : last.layout()->formats())
      if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
        return last.text().mid(range.start, range.length) == "brwn";
    return false;
  };
  area->editor()->moveCursor(QTextCursor::End);
  area->editor()->ensureCursorVisible();
  EXPECT_TRUE(waitUntil(underlined));
  EXPECT_EQ(padText(), text);
}

// The blocks that count as shown are those with a line in the viewport: the one cut by its
// bottom edge is checked at once, the one just below it waits until it shows.
TEST_F(QtApp, SpellingChecksTheBlockCutByTheViewportsEdge) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "# teh fox\n";
  pad().SetText(text);
  auto* area = dynamic_cast<QtTextArea*>(&pad());
  ASSERT_TRUE(area && area->checksSpelling());
  QPlainTextEdit& edit = *area->editor();
  const int height = edit.viewport()->height();
  QTextBlock cut = edit.document()->firstBlock();
  while (cut.next().isValid() && edit.cursorRect(QTextCursor(cut.next())).top() < height)
    cut = cut.next();
  ASSERT_TRUE(cut.next().isValid());
  auto underlined = [](const QTextBlock& block) { return !block.layout()->formats().isEmpty(); };
  EXPECT_TRUE(underlined(cut));
  EXPECT_FALSE(underlined(cut.next()));
  EXPECT_EQ(edit.cursorForPosition(QPoint(0, height - 1)).block(), cut);
}

// A long line keeps its laid-out glyphs while it shows, so that a key in it does not shape it
// again and again, and lets go of them when it leaves the view.
TEST_F(QtApp, ALongLineKeepsItsGlyphsOnlyWhileItShows) {
  std::string text = "p = 1 //";
  for (int i = 0; i < 1000; ++i) text += "x //";
  for (int i = 0; i < 500; ++i) text += "\n# the fox";
  pad().SetText(text);
  auto* area = dynamic_cast<QtTextArea*>(&pad());
  ASSERT_TRUE(area);
  QPlainTextEdit& edit = *area->editor();
  QTextBlock longLine = edit.document()->firstBlock();
  ASSERT_TRUE(waitUntil([&] { return longLine.layout()->cacheEnabled(); }, 2000));
  EXPECT_FALSE(longLine.next().layout()->cacheEnabled());  // a short line shapes cheaply
  edit.moveCursor(QTextCursor::End);
  edit.ensureCursorVisible();
  EXPECT_TRUE(waitUntil([&] { return !longLine.layout()->cacheEnabled(); }, 2000));
  edit.moveCursor(QTextCursor::Start);
  edit.ensureCursorVisible();
  EXPECT_TRUE(waitUntil([&] { return longLine.layout()->cacheEnabled(); }, 2000));
  EXPECT_EQ(padText(), text);
}

TEST_F(QtApp, TheWindowHasItsDesign) {
  QtWindowPeer& peer = QtPlatform::peerOf(window());
  EXPECT_EQ(peer.content()->size(), QSize(524, 357));
  EXPECT_EQ(peer.view()->windowTitle(), "untitled.vrl");
  QWidget* editor = dynamic_cast<QtControl&>(pad()).view();
  EXPECT_EQ(editor->geometry(), QRect(4, 4, 519, 321));
  EXPECT_TRUE(editor->font().fixedPitch());  // as asked for: the machine's fonts may say otherwise
  EXPECT_EQ(editor->font().styleHint(), QFont::Monospace);
  EXPECT_EQ(editor->font().pixelSize(), 12);
  EXPECT_FALSE(dynamic_cast<QtControl&>(*window().imgERR()).view()->isVisible());
  QStringList menus;
  for (QAction* action : peer.view()->menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Calculator"}));
  // Growing the window keeps the margins and the badge's corner.
  peer.resizeContent(700, 500);
  ASSERT_TRUE(waitUntil([&] { return window().Width() == 700 && window().Height() == 500; }));
  EXPECT_EQ(editor->geometry(), QRect(4, 4, 695, 464));
  EXPECT_EQ(dynamic_cast<QtControl&>(*window().imgERR()).view()->geometry(),
            QRect(633, 476, 42, 18));
}

TEST_F(QtApp, PlotShowsTheDrawingViewInAWindowOfItsOwn) {
  type("plot sin(plotX)*5");
  press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(closer.messages().isEmpty()) << closer.messages().join("|").toStdString();
  ASSERT_TRUE(window().lastShownView) << "the plot never reached showView";
  QtViewWindow* view = QtPlatform::peerOf(window()).viewWindow();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->image().size(), QSize(400, 300));
}

TEST_F(QtApp, TheAboutWindowIsModalAndAnyKeyClosesIt) {
  QString seenTitle;
  bool sawModal = false;
  closer.onOtherModal = [&](QWidget* modal) {
    sawModal = true;
    QTest::keyClick(modal->windowHandle(), Qt::Key_Space);
    return true;
  };
  std::shared_ptr<MenuItem> about = window().AboutMenu();
  ASSERT_TRUE(about);
  EXPECT_TRUE(chooseMenuItem(platform, *about));
  EXPECT_TRUE(sawModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(app().Windows().size(), 1u);
}

// Whatever fonts the desktop has, every label of the About window shows its whole text
// inside the window: measured in the label's own font against the label's own box.
TEST_F(QtApp, TheAboutWindowShowsEveryTextWhole) {
  QStringList texts, clipped;
  closer.onOtherModal = [&](QWidget* modal) {
    for (QLabel* label : modal->findChildren<QLabel*>()) {
      QFontMetrics metrics(label->font());
      QRect box = label->contentsRect();
      QSize needed = label->wordWrap()
                         ? metrics
                               .boundingRect(QRect(0, 0, box.width(), QWIDGETSIZE_MAX),
                                             Qt::TextWordWrap, label->text())
                               .size()
                         : metrics.size(0, label->text());
      texts << label->text();
      if (needed.width() > box.width() || needed.height() > box.height() ||
          !label->parentWidget()->rect().contains(label->geometry()))
        clipped << label->text();
    }
    QTest::keyClick(modal->windowHandle(), Qt::Key_Space);
    return true;
  };
  ASSERT_TRUE(chooseMenuItem(platform, *window().AboutMenu()));
  EXPECT_TRUE(texts.contains("1.5.2")) << texts.join("|").toStdString();
  EXPECT_TRUE(texts.contains("Vorline"));
  EXPECT_TRUE(clipped.isEmpty()) << clipped.join("|").toStdString();
}

// File > New, again and again: every window opens wholly on the screen's available area.
TEST_F(QtApp, NewWindowsOpenWithinTheScreen) {
  const QRect area = QtPlatform::peerOf(window()).view()->screen()->availableGeometry();
  for (int i = 0; i < 12; ++i) {
    ASSERT_TRUE(activateWindow(*front()));
    press(Qt::Key_N, Qt::ControlModifier);
  }
  ASSERT_EQ(app().Windows().size(), 13u);
  for (const auto& shown : app().Windows()) {
    QRect frame = QtPlatform::peerOf(*shown).view()->frameGeometry();
    EXPECT_TRUE(area.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
  }
}

// A picture larger than the screen: its view opens on the screen, scrolled, under a title that
// names its pad, and follows the pad's name when it changes.
TEST_F(QtApp, TheDrawingViewOpensOnTheScreenUnderThePadsName) {
  pad().SetText("@createView(3000, 2000)\n@showView\n");
  press(Qt::Key_R, Qt::ControlModifier);
  ASSERT_TRUE(closer.messages().isEmpty()) << closer.messages().join("|").toStdString();
  QtViewWindow* view = QtPlatform::peerOf(window()).viewWindow();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(waitUntil([&] { return view->isVisible(); }));
  EXPECT_EQ(view->image().size(), QSize(3000, 2000));
  QRect area = view->screen()->availableGeometry();
  EXPECT_TRUE(area.contains(view->frameGeometry()));
  EXPECT_EQ(view->windowTitle(), "Plot \u2014 untitled.vrl");
  ASSERT_TRUE(activateWindow(window()));
  closer.answerDialog(scratchPath("drawing.vrl"));
  press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(window().Title(), "drawing.vrl");
  EXPECT_EQ(view->windowTitle(), "Plot \u2014 drawing.vrl");
}

// Esc closes an open menu; then the keys are the pad's again, not the menu bar's (where Space
// and Return would open a menu and run its first command).
TEST_F(QtApp, AfterEscClosesAMenuTheKeysGoToThePad) {
  QMenuBar* bar = QtPlatform::peerOf(window()).view()->menuBar();
  bar->setActiveAction(bar->actions().first());
  ASSERT_TRUE(waitUntil([] { return QApplication::activePopupWidget() != nullptr; }));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([] { return QApplication::activePopupWidget() == nullptr; }));
  // The window is active again (a window manager gives it back its activation).
  ASSERT_TRUE(activateWindow(window()));
  EXPECT_NE(QApplication::focusWidget(), bar) << "the menu bar holds the keys";
  type("a b");
  press(Qt::Key_Return);
  type("c");
  EXPECT_EQ(padText(), "a b\nc");
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(app().Windows().size(), 1u);
  EXPECT_EQ(closer.dialogsSeen(), 0);
}

TEST_F(QtApp, QuitClosesEveryWindow) {
  press(Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(app().Windows().size(), 2u);
  ASSERT_TRUE(activateWindow(*front()));
  pressKey(*front(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(app().QuitRequested());
  EXPECT_TRUE(app().Windows().empty());
}

}  // namespace
}  // namespace vorline::qttest
