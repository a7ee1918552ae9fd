// The desktop as a Linux user meets it, driven with real key events on the offscreen platform:
// where the keyboard goes after the variables listing and after a plot, the drawing view's own
// keys, the bound on what a runaway run writes into the pad, the menus' Alt keys and F10, where
// new windows open, the view's title and the message box's width.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/files/FolderItem.h"
#include "platform/qt/QtAppFixture.h"
#include "platform/qt/QtContentView.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtPadEdit.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtViewWindow.h"
#include "platform/qt/QtWindowPeer.h"
#include "platform/qt/QtWindowView.h"
#include "platform/ui/UiServices.h"
#include "window/RunOutputBudget.h"

namespace vorline::qttest {
namespace {

class QtDesktop : public QtAppFixture {
 protected:
  // Keys typed as on a real keyboard: into whatever window has the keyboard now.
  static void typeInFront(const QString& text) {
    for (QChar c : text) {
      QWindow* front = QGuiApplication::focusWindow();
      ASSERT_NE(front, nullptr) << "no window takes keys";
      const Qt::Key key = c == ' ' ? Qt::Key_Space : Qt::Key(c.toUpper().unicode());
      QTest::sendKeyEvent(QTest::Click, front, key, QString(c), Qt::NoModifier);
    }
  }
  static QWidget* editorOf(FrmMain& window) {
    return dynamic_cast<QtControl&>(*window.Sourcetxt()).view();
  }
  static QtWindowView* viewOf(Window& window) { return QtPlatform::peerOf(window).view(); }
  // Runs a plot in the window and gives its drawing view, once the show is over.
  QtViewWindow* plotIn(FrmMain& window) {
    EXPECT_TRUE(activateWindow(window));
    window.Sourcetxt()->SetText("plot cos(plotX)");
    pressKey(window, Qt::Key_R, Qt::ControlModifier);
    QtViewWindow* view = QtPlatform::peerOf(window).viewWindow();
    EXPECT_NE(view, nullptr);
    if (view) {
      EXPECT_TRUE(waitUntil([view] { return view->isVisible() && !view->handingBack(); }));
    }
    return view;
  }
  static bool bringToFront(QWidget* widget) {
    widget->raise();
    widget->activateWindow();
    return QTest::qWaitForWindowActive(widget);
  }
  static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
};

// Show Variables on and off with the mouse, in two windows: typing goes on in the pad.
TEST_F(QtDesktop, ThePadHasTheKeysAgainWhenTheListingGoes) {
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "first window" : "second window");
    if (round == 1) press(Qt::Key_N, Qt::ControlModifier);
    std::shared_ptr<FrmMain> pad = front();
    ASSERT_TRUE(activateWindow(*pad));
    typeInFront("a = 1");
    ASSERT_TRUE(chooseMenuItem(platform, *pad->mnuViewShowVariables()));
    ASSERT_FALSE(pad->Sourcetxt()->Enabled());
    ASSERT_TRUE(chooseMenuItem(platform, *pad->mnuViewShowVariables()));
    EXPECT_EQ(QApplication::focusWidget(), editorOf(*pad));
    typeInFront(" b");
    EXPECT_EQ(pad->Sourcetxt()->Text(), "a = 1 b");
  }
}

// A plot run shows its view without taking the keyboard from the pad that ran.
TEST_F(QtDesktop, APlotRunLeavesTheKeysInThePad) {
  QtViewWindow* view = plotIn(window());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(QApplication::activeWindow(), viewOf(window()));
  EXPECT_EQ(QApplication::focusWidget(), editorOf(window()));
  pad().SetSelStart(0);
  typeInFront("x ");
  EXPECT_EQ(padText().rfind("x plot cos(plotX)", 0), 0u) << padText();
  // A second run updates the view, and still the pad keeps the keys.
  pressKey(window(), Qt::Key_R, Qt::ControlModifier);
  ASSERT_TRUE(waitUntil([view] { return !view->handingBack(); }));
  EXPECT_EQ(QApplication::focusWidget(), editorOf(window()));
}

// Brought to the front, the view takes New, Open and Quit as a pad window does; Esc and Ctrl+W
// close it, and nothing else.
TEST_F(QtDesktop, TheDrawingViewTakesTheWindowKeys) {
  QtViewWindow* view = plotIn(window());
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(bringToFront(view));
  QTest::keyClick(view->windowHandle(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(app().Windows().size(), 2u);
  ASSERT_TRUE(bringToFront(view));
  QTest::keyClick(view->windowHandle(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(closer.dialogsSeen(), 1);
  ASSERT_TRUE(bringToFront(view));
  QTest::keyClick(view->windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(app().Windows().size(), 2u);

  ASSERT_EQ(plotIn(window()), view);
  ASSERT_TRUE(bringToFront(view));
  QTest::keyClick(view->windowHandle(), Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(app().Windows().size(), 2u) << "Ctrl+W in the view closes the view, not its pad";

  ASSERT_EQ(plotIn(window()), view);
  ASSERT_TRUE(bringToFront(view));
  QTest::keyClick(view->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(app().QuitRequested());
  EXPECT_TRUE(app().Windows().empty());
}

// The runaway print loop, stopped with Esc once it has printed past the line's bound: the line
// holds its first results and one mark, and that is all that Select All and Copy give.
TEST_F(QtDesktop, ARunawayPrintLoopLeavesALineOfBoundedLength) {
  type("p = 1\n@while true\n@print \"x\"\n@wend");
  const std::string mark(RunOutputBudget::kMark);
  QObject scope;
  platform.clock().setStepPerReading(kStepPerPoll);
  std::function<void()> stopOnceCut = [&] {
    const std::vector<std::string>& lines = window().parseSource;
    if (lines.size() > 2 && lines[2].ends_with(mark))
      press(Qt::Key_Escape);
    else
      duringTheRun(scope, stopOnceCut);
  };
  duringTheRun(scope, stopOnceCut);
  press(Qt::Key_R, Qt::ControlModifier);
  ASSERT_FALSE(closer.messages().isEmpty());
  EXPECT_TRUE(closer.messages().last().endsWith("Stopped"));
  std::string line = "@print \"x\"";
  for (size_t i = 0; i < RunOutputBudget::kLineChars / 4; ++i) line += " //x";
  const std::string expected = "p = 1 //1\n@while true\n" + line + " //" + mark + "\n@wend";
  EXPECT_EQ(padText(), expected);
  ASSERT_TRUE(activateWindow(window()));
  press(Qt::Key_A, Qt::ControlModifier);
  press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expected);
}

// Alt and a title's key open its menu (the pad gets no letter), a key in the open menu chooses
// its item, Esc closes it; F10 opens the first menu.
TEST_F(QtDesktop, MenusOpenWithAltKeysAndF10) {
  type("1");
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString title;
  };
  for (const Case& c :
       {Case{Qt::Key_F, Qt::AltModifier, "&File"}, Case{Qt::Key_E, Qt::AltModifier, "&Edit"},
        Case{Qt::Key_C, Qt::AltModifier, "&Calculator"},
        Case{Qt::Key_F10, Qt::NoModifier, "&File"}}) {
    SCOPED_TRACE(c.title.toStdString());
    ASSERT_TRUE(activateWindow(window()));
    press(c.key, c.modifiers);
    ASSERT_TRUE(waitUntil([] { return openMenu() != nullptr; }));
    EXPECT_EQ(openMenu()->title(), c.title);
    QTest::keyClick(openMenu(), Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([] { return openMenu() == nullptr; }));
    EXPECT_EQ(padText(), "1");
  }
  ASSERT_TRUE(activateWindow(window()));
  press(Qt::Key_C, Qt::AltModifier);
  ASSERT_TRUE(waitUntil([] { return openMenu() != nullptr; }));
  QTest::keyClick(openMenu(), Qt::Key_R);  // &Run
  ASSERT_TRUE(waitUntil([this] { return padText() == "1 //1"; })) << padText();
  ASSERT_TRUE(activateWindow(window()));
  press(Qt::Key_F, Qt::AltModifier);
  ASSERT_TRUE(waitUntil([] { return openMenu() != nullptr; }));
  QTest::keyClick(openMenu(), Qt::Key_N);  // &New
  EXPECT_TRUE(waitUntil([this] { return app().Windows().size() == 2u; }));
}

// Pads opened one after another (as at start-up with three files, or File > Open again and
// again), new pads and the drawing views of different pads: each opens at a place of its own.
TEST_F(QtDesktop, NewWindowsAndViewsTakeTheNextStepOfTheCascade) {
  QStringList paths;
  for (const char* name : {"pad.vrl", "notes.txt", "big.vrl", "four.vrl", "five.vrl"}) {
    QFile file(scratchPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\n");
    paths << scratchPath(name);
  }
  for (int i = 0; i < 3; ++i)
    app().OpenDocumentRequest(std::make_shared<FolderItem>(paths[i].toStdString()));
  for (int i = 3; i < 5; ++i) {
    closer.answerDialog(paths[i]);
    press(Qt::Key_O, Qt::ControlModifier);
  }
  press(Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(app().Windows().size(), 7u);
  QList<QPoint> places;
  for (const auto& shown : app().Windows()) {
    places << viewOf(*shown)->frameGeometry().topLeft();
    if (places.size() > 1) {
      EXPECT_NE(places.last(), places[places.size() - 2]) << "window " << places.size();
    }
  }
  EXPECT_EQ(QSet<QPoint>(places.begin(), places.end()).size(), places.size());

  auto first = std::dynamic_pointer_cast<FrmMain>(app().Windows()[1]);
  auto second = std::dynamic_pointer_cast<FrmMain>(app().Windows()[2]);
  QtViewWindow* one = plotIn(*first);
  QtViewWindow* two = plotIn(*second);
  ASSERT_TRUE(one && two);
  const QPoint a = one->frameGeometry().topLeft(), b = two->frameGeometry().topLeft();
  EXPECT_NE(a, b);
  EXPECT_FALSE(places.contains(a));
  EXPECT_FALSE(places.contains(b));
}

// The view names itself and its pad, so that the task list tells the two apart.
TEST_F(QtDesktop, TheViewsTitleNamesThePlotAndItsPad) {
  QFile file(scratchPath("notes.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  app().OpenDocumentRequest(std::make_shared<FolderItem>(scratchPath("notes.txt").toStdString()));
  std::shared_ptr<FrmMain> notes = front();
  ASSERT_EQ(notes->Title(), "notes.txt");
  QtViewWindow* view = plotIn(*notes);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->windowTitle(), "Plot \u2014 notes.txt");
  EXPECT_EQ(viewOf(*notes)->windowTitle(), "notes.txt");
}

// A box whose title is wider than its text is as wide as the title bar needs: the title in the
// title bar's font, and a line of that font for its icon and each of its three buttons at least.
TEST_F(QtDesktop, AMessageBoxIsAsWideAsItsTitleNeeds) {
  const QString before = QApplication::applicationDisplayName();
  for (const QString& title : {before, QString("Vorline with a title far wider than its text")}) {
    SCOPED_TRACE(title.toStdString());
    QApplication::setApplicationDisplayName(title);
    closer.setPaused(true);
    int width = 0;
    QString seenTitle;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      width = box->frameGeometry().width();
      seenTitle = box->windowTitle();
      box->accept();
    });
    poll.start(10);
    ui().msgBox("Stopped");
    poll.stop();
    closer.setPaused(false);
    const QFontMetrics metrics(QtMessageBox::titleFont());
    EXPECT_EQ(seenTitle, title);
    EXPECT_GE(width, metrics.horizontalAdvance(title) + 4 * metrics.height());
  }
  QApplication::setApplicationDisplayName(before);
}

}  // namespace
}  // namespace vorline::qttest
