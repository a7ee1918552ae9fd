// The Qt platform's own behaviour beyond the contract: key texts, the text area's positions and
// undo, fonts, spelling, menus, the runaway-run guard, the timer, the drawing view and the
// dialogs.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWindow>
#include <functional>
#include <optional>

#include "platform/files/FileType.h"
#include "platform/graphics/Picture.h"
#include "platform/qt/QtContentView.h"
#include "platform/qt/QtControl.h"
#include "platform/qt/QtDesign.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtHarness.h"
#include "platform/qt/QtKeyText.h"
#include "platform/qt/QtMenuModel.h"
#include "platform/qt/QtSpellDictionary.h"
#include "platform/qt/QtSpellHighlighter.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "platform/qt/QtViewWindow.h"
#include "platform/qt/QtWindowPeer.h"
#include "platform/qt/TestDictionary.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Label.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/TextArea.h"

namespace vorline::qttest {
namespace {

// ---- key texts ----

struct KeyCase {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
  std::optional<std::string> expected;
};

class KeyTextTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTextTest, GivesTheKeyTextOfTheEvent) {
  const KeyCase& c = GetParam();
  QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.text));
  EXPECT_EQ(keyTextOf(event), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTextTest,
    ::testing::Values(
        KeyCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, "\r", std::string(Keys::Enter)},
        KeyCase{"CtrlReturn", Qt::Key_Return, Qt::ControlModifier, "", std::string(Keys::Enter)},
        KeyCase{"Return", Qt::Key_Return, Qt::NoModifier, "\r", std::string(Keys::Return)},
        KeyCase{"ShiftReturn", Qt::Key_Return, Qt::ShiftModifier, "\r", std::string(Keys::Return)},
        KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", std::string(Keys::Escape)},
        KeyCase{"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", std::string(Keys::Tab)},
        KeyCase{"CtrlTab", Qt::Key_Tab, Qt::ControlModifier, "\t", std::nullopt},
        KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", std::string(Keys::Backspace)},
        KeyCase{"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::string(Keys::Delete)},
        KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, "", std::string(Keys::Left)},
        KeyCase{"ShiftDown", Qt::Key_Down, Qt::ShiftModifier, "", std::string(Keys::Down)},
        KeyCase{"CtrlLeft", Qt::Key_Left, Qt::ControlModifier, "", std::nullopt},
        KeyCase{"Letter", Qt::Key_A, Qt::NoModifier, "a", std::string("a")},
        KeyCase{"AltLetter", Qt::Key_A, Qt::AltModifier, "a", std::string("a")},
        KeyCase{"CtrlLetter", Qt::Key_A, Qt::ControlModifier, "\x01", std::nullopt},
        KeyCase{"Accented", Qt::Key_Eacute, Qt::NoModifier, "\xC3\xA9", std::string("\xC3\xA9")},
        KeyCase{"Home", Qt::Key_Home, Qt::NoModifier, "", std::nullopt},
        KeyCase{"F5", Qt::Key_F5, Qt::NoModifier, "", std::nullopt}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// ---- windows with controls ----

class PlainWindow : public Window {
 public:
  void CreateControls() override {
    _AddControl(New<TextArea>(), "Pad");
    ControlByName<TextArea>("Pad")->SetProperties({{"Left", int64_t{0}},
                                                   {"Top", int64_t{0}},
                                                   {"Width", int64_t{200}},
                                                   {"Height", int64_t{100}},
                                                   {"TextFont", std::string("Monaco")},
                                                   {"TextSize", 12.0f},
                                                   {"AutomaticallyCheckSpelling", true}});
  }
  std::shared_ptr<TextArea> pad() const { return ControlByName<TextArea>("Pad"); }
};

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.SetQuitOnLastWindowClosed(false);
    Application::RegisterAppObject(&app);
  }
  void TearDown() override {
    for (const auto& window : std::vector(app.Windows())) window->Close();
    Application::RegisterAppObject(nullptr);
  }
  template <class T = PlainWindow>
  std::shared_ptr<T> open() {
    auto window = std::make_shared<T>();
    window->Constructor();
    window->Show();
    activateWindow(*window);
    return window;
  }

  QtHarness harness;
  Application app;
};

TEST_F(QtWindowTest, TextKeepsEveryCharacterAndCarriageReturnsBecomeLineBreaks) {
  auto pad = open()->pad();
  const std::string kept =
      "a\xC2\xA0"
      "b \xF0\x9F\x98\x80\tc\nd\xE2\x80\xA8"
      "e";  // nbsp, emoji, LS
  pad->SetText(kept);
  EXPECT_EQ(pad->Text(), kept);
  pad->SetText("one\r\ntwo\rthree");
  EXPECT_EQ(pad->Text(), "one\ntwo\nthree");
  pad->SetSelStart(5);
  pad->SetSelLength(3);
  EXPECT_EQ(pad->SelText(), "wo\n");
}

// The characters that the pad's table takes as line breaks are the editor's own: those it
// makes a block at and those that its layout breaks a line at, among the controls, the spaces,
// the separators and the non-characters.
TEST_F(QtWindowTest, TheLineBreaksOfThePadAreTheEditorsOwn) {
  auto pad = open()->pad();
  auto* edit = dynamic_cast<QtTextArea&>(*pad).editor();
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  std::vector<char32_t> candidates;
  for (char32_t c = 1; c < 0x100; ++c) candidates.push_back(c);
  for (char32_t c = 0x2000; c < 0x2070; ++c) candidates.push_back(c);
  for (char32_t c = 0xFDD0; c < 0xFDF0; ++c) candidates.push_back(c);
  for (char32_t c = 0xFFF0; c <= 0xFFFF; ++c) candidates.push_back(c);
  for (char32_t c : {0x1680, 0x180E, 0x3000, 0xFEFF}) candidates.push_back(c);
  for (const char32_t c : candidates) {
    const std::string text = "ab" + QString::fromUcs4(&c, 1).toStdString() + "cd";
    edit->setPlainText(QString::fromStdString(text));
    int lines = 0;
    QTextDocument& document = *edit->document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      document.documentLayout()->blockBoundingRect(block);  // lays the block out
      lines += block.layout()->lineCount();
    }
    EXPECT_EQ(lines > 1, TextArea::LineBreakAt(text, 2) > 0) << std::hex << "U+" << int(c);
  }
}

TEST_F(QtWindowTest, EachWriteOfTheProgramIsOneUndoStep) {
  auto pad = open()->pad();
  pad->SetText("x = 1 //1\ny = 2 //2\n");
  pad->SetText("x = 1 //1\ny = 3 //3\n");  // only the changed part is replaced
  pad->ReplaceSelection("z");
  EXPECT_EQ(pad->Text(), "zx = 1 //1\ny = 3 //3\n");
  pad->Undo();
  EXPECT_EQ(pad->Text(), "x = 1 //1\ny = 3 //3\n");
  pad->Undo();
  EXPECT_EQ(pad->Text(), "x = 1 //1\ny = 2 //2\n");
  pad->Undo();
  EXPECT_EQ(pad->Text(), "");
  EXPECT_FALSE(pad->CanUndo());
}

// A write of the program over the pad's text, as a run's rebuild, Esc or Edit > Delete make
// it: the text is then exactly the new one (carriage returns as line breaks), the caret at the
// start, and one Undo brings back exactly the old text.
struct RewriteCase {
  const char* name;
  std::string old;
  std::string now;
};

void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }

// The text as the editor keeps it: a CR LF pair or a lone CR is one line break.
std::string withLineBreaks(std::string text) {
  std::string kept;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      kept += text[i];
    } else {
      kept += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return kept;
}

class RewriteTest : public QtWindowTest, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(RewriteTest, TheTextBecomesTheNewOneAndOneUndoBringsBackTheOld) {
  const RewriteCase& c = GetParam();
  auto pad = open()->pad();
  pad->SetText(c.old);
  pad->SetSelStart(2);
  pad->SetSelLength(1);
  pad->SetText(c.now);
  EXPECT_EQ(pad->Text(), withLineBreaks(c.now));
  EXPECT_EQ(pad->SelStart(), 0);
  EXPECT_EQ(pad->SelLength(), 0);
  pad->Undo();
  EXPECT_EQ(pad->Text(), withLineBreaks(c.old));
  pad->Undo();
  EXPECT_EQ(pad->Text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RewriteTest,
    ::testing::Values(
        RewriteCase{"BothEmpty", "", ""}, RewriteCase{"FromEmpty", "", "a\nb"},
        RewriteCase{"ToEmpty", "a\nb\n", ""},
        RewriteCase{"ResultsAppended", "x = 1\ny = x\n// note\n\n", "x = 1 //1\ny = x //1\n\n\n"},
        RewriteCase{"ResultsReplaced", "x = 2 //1\ny = x //1\n", "x = 2 //2\ny = x //2\n"},
        RewriteCase{"ResultsTakenOff", "x = 1 //1\ny = 2 //2", "x = 1\ny = 2"},
        RewriteCase{"LineAddedInTheMiddle", "a\nb\nc", "a\nb\nX\nc"},
        RewriteCase{"LineRemovedFromTheMiddle", "a\nb\nX\nc", "a\nb\nc"},
        RewriteCase{"LinesAddedAndChanged", "a\nb\nc", "a //1\nb //2\nc //3\nd"},
        RewriteCase{"LinesRemovedAndChanged", "a //1\nb //2\nc //3\nd", "a\nb\nc"},
        RewriteCase{"ChangedInTheMiddleOfALine", "total = price * 3", "total = cost * 3"},
        RewriteCase{"FirstLineChanged", "first\nsame\nsame", "1st\nsame\nsame"},
        RewriteCase{"LastLineChanged", "same\nsame\nlast", "same\nsame\nlast!"},
        RewriteCase{"EveryLineChanged", "a\nb\nc", "x\ny\nz"},
        RewriteCase{"LineBreakAddedAtTheEnd", "a\nb", "a\nb\n"},
        RewriteCase{"LineBreakTakenOffTheEnd", "a\nb\n", "a\nb"},
        RewriteCase{"LineBreakAddedAtTheStart", "a\nb", "\na\nb"},
        RewriteCase{"EmptyLines", "\n\n\n", "\n //x\n\n"},
        RewriteCase{"MultiByteCharacters", "\u03c0 = 3 //3\n$s = \"\u00e9t\u00e9\"",
                    "\u03c0 = 3 //3.14\n$s = \"\u00e9t\u00e9\" //\u00e9t\u00e9"},
        RewriteCase{"SurrogatePairsDifferingInTheirSecondHalf", "a \U0001F600 b\n\U0001F600",
                    "a \U0001F601 b\n\U0001F601\U0001F600"},
        RewriteCase{"SurrogatePairsAddedAndRemoved", "\U0001F600x\ny\U0001F600", "x\U0001F600\ny"},
        RewriteCase{"CarriageReturns", "a\r\nb\r\nc", "a //1\r\nb\rc //2\r"},
        RewriteCase{"CarriageReturnsInTheOldText", "a\r\nb\rc", "a //1\nb\nc //2"}),
    [](const ::testing::TestParamInfo<RewriteCase>& info) { return std::string(info.param.name); });

// A rebuild of many lines: the whole new text, and one Undo for all of it.
TEST_F(QtWindowTest, ARebuildOfManyLinesIsExactAndOneUndoStep) {
  std::string old, now;
  for (int i = 0; i < 500; ++i) {
    const std::string line = i % 4 == 3 ? "// note " + std::to_string(i) : "v" + std::to_string(i);
    old += line + "\n";
    now += (i % 4 == 3 ? std::string() : line + " //" + std::to_string(i * 7)) + "\n";
  }
  auto pad = open()->pad();
  pad->SetText(old);
  pad->SetText(now);
  EXPECT_EQ(pad->Text(), now);
  pad->Undo();
  EXPECT_EQ(pad->Text(), old);
}

TEST_F(QtWindowTest, AWriteOfTheSameTextIsNoStep) {
  auto pad = open()->pad();
  pad->SetText("same");
  pad->SetText("same");
  pad->Undo();
  EXPECT_EQ(pad->Text(), "");
}

// The font asked for, whatever this machine has: a pad in Monaco asks for a fixed-pitch font.
TEST_F(QtWindowTest, AMissingMonacoBecomesAFixedPitchFontOfTheDesignSize) {
  auto pad = open()->pad();
  QFont font = dynamic_cast<QtControl&>(*pad).view()->font();
  EXPECT_EQ(font.pixelSize(), 12);
  EXPECT_TRUE(font.fixedPitch());
  EXPECT_EQ(font.styleHint(), QFont::Monospace);
}

// The family a request names: the design's own, or a stand-in of the desktop's.
enum class Asked { Named, DesktopFixed, Desktop };

struct FontCase {
  const char* name;
  const char* family;
  QStringList installed;
  Asked asked;
  bool fixedPitch;
};

QString askedFamily(const FontCase& c) {
  switch (c.asked) {
    case Asked::Named:
      return c.family;
    case Asked::DesktopFixed:
      return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    case Asked::Desktop:
      return QApplication::font().family();
  }
  return {};
}

class FontRequestTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontRequestTest, AsksForTheFamilyOrItsStandIn) {
  const FontCase& c = GetParam();
  QFont font = fontForFamily(c.family, 13, c.installed);
  EXPECT_EQ(font.family(), askedFamily(c)) << c.family;
  EXPECT_EQ(font.fixedPitch(), c.fixedPitch) << c.family;
  if (c.fixedPitch) {
    EXPECT_EQ(font.styleHint(), QFont::Monospace) << c.family;
  }
  EXPECT_EQ(font.pixelSize(), 13) << c.family;
}

INSTANTIATE_TEST_SUITE_P(
    Families, FontRequestTest,
    ::testing::Values(FontCase{"InstalledMonaco", "Monaco", {"Monaco", "Sans"}, Asked::Named, true},
                      FontCase{"MissingMonaco", "Monaco", {"Sans"}, Asked::DesktopFixed, true},
                      FontCase{
                          "MissingCourierAnyCase", "courier new", {}, Asked::DesktopFixed, true},
                      FontCase{"System", "System", {"Monaco"}, Asked::Desktop, false},
                      FontCase{"NoFamily", "", {}, Asked::Desktop, false},
                      FontCase{"OtherFamily", "Helvetica", {}, Asked::Named, false}),
    [](const ::testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

TEST_F(QtWindowTest, TheUsersResizingReachesTheWindowWithinItsLimits) {
  auto window = open();
  window->SetProperties({{"MinWidth", int64_t{150}}, {"MinHeight", int64_t{120}}});
  QtWindowPeer& peer = QtPlatform::peerOf(*window);
  peer.view()->resize(100, 100);
  ASSERT_TRUE(waitUntil([&] { return window->Width() == 150; }));
  EXPECT_EQ(peer.content()->size(), QSize(150, 120));
  EXPECT_EQ(window->Height(), 120);
}

TEST_F(QtWindowTest, ATitleIsShownAsItStands) {
  auto window = open();
  window->SetTitle("notes[*].vrl");
  EXPECT_EQ(QtPlatform::peerOf(*window).view()->windowHandle()->title(), "notes[*].vrl");
}

class FramedWindow : public Window {
 public:
  void Layout() override {
    SetProperties({{"Width", int64_t{60}}, {"Height", int64_t{40}}, {"Resizeable", false}});
  }
  void CreateControls() override {
    _AddControl(New<Rectangle>(), "Box");
    ControlByName<Rectangle>("Box")->SetProperties(
        {{"Left", int64_t{0}},
         {"Top", int64_t{0}},
         {"Width", int64_t{60}},
         {"Height", int64_t{40}},
         {"FillColor", Color{255, 255, 255, 0}},
         {"TopLeftColor", Color{0x11, 0x11, 0x11, 0}},
         {"BottomRightColor", Color{0xE6, 0xE6, 0xE6, 0}},
         {"BorderWidth", int64_t{2}}});
  }
};

TEST_F(QtWindowTest, ARectangleShowsItsDesignColoursAndAFixedWindowKeepsItsSize) {
  auto window = open<FramedWindow>();
  QtWindowPeer& peer = QtPlatform::peerOf(*window);
  EXPECT_EQ(peer.content()->minimumSize(), QSize(60, 40));
  EXPECT_EQ(peer.content()->maximumSize(), QSize(60, 40));
  QImage image =
      dynamic_cast<QtControl&>(*window->ControlByName<Rectangle>("Box")).view()->grab().toImage();
  EXPECT_EQ(image.pixelColor(30, 20), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(1, 20), QColor(0x11, 0x11, 0x11));
  EXPECT_EQ(image.pixelColor(59, 20), QColor(0xE6, 0xE6, 0xE6));
}

// ---- spelling ----

struct WordCase {
  const char* text;
  int start;
  int length;
  bool checked;
};

class SpellWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(SpellWordTest, ChecksWordsNotNames) {
  const WordCase& c = GetParam();
  EXPECT_EQ(QtSpellHighlighter::worthChecking(QString::fromUtf8(c.text), c.start, c.length),
            c.checked)
      << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Words, SpellWordTest,
    ::testing::Values(WordCase{"the total", 4, 5, true}, WordCase{"a b", 0, 1, false},
                      WordCase{"plotXMax = 3", 0, 8, false}, WordCase{"PI * 2", 0, 2, false},
                      WordCase{"x2 = 1", 0, 1, false}, WordCase{"my_var", 0, 2, false},
                      WordCase{"$name", 1, 4, false}, WordCase{"@wend", 1, 4, false},
                      WordCase{"sqrt(2)", 0, 4, false}, WordCase{"Total cost", 0, 5, true}));

struct ProseCase {
  const char* text;
  std::vector<QtSpellHighlighter::Span> prose;
};

void PrintTo(const ProseCase& c, std::ostream* os) { *os << c.text; }

class ProseSpanTest : public ::testing::TestWithParam<ProseCase> {};

TEST_P(ProseSpanTest, CommentLinesAndStringsAreProse) {
  const ProseCase& c = GetParam();
  EXPECT_EQ(QtSpellHighlighter::proseSpans(QString::fromUtf8(c.text)), c.prose) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Lines, ProseSpanTest,
                         ::testing::Values(ProseCase{"taxrate = 5 //5", {}},
                                           ProseCase{"  # a note", {{2, 8}}},
                                           ProseCase{"-- note // 3", {{0, 8}}},
                                           ProseCase{"$s = \"ab\" + \"c\"", {{6, 2}, {13, 1}}},
                                           ProseCase{"print \"open", {{7, 4}}},
                                           ProseCase{"x = 1 //\"results\"", {}},
                                           ProseCase{"$e = \"\"", {}}));

// A dictionary of its own, so that what is underlined does not hang on what is installed.
TEST(QtSpellHighlighterTest, UnderlinesMisspeltProseButNoCode) {
  TestDictionary dictionary("4\nthe\nrate\nis\nnew\n");
  ASSERT_TRUE(dictionary->loaded());
  QTextDocument document;
  QtSpellHighlighter highlighter(&document, *dictionary);
  document.setPlainText(
      "# the rate is wrongg\n"
      "taxrate = funtotal(2) + zzq //zzq\n"
      "$s = \"the taxx\" // teh\n"
      "-- the neww rate\n"
      "use \"notes.vrl\"\n"
      "plot sin(plotX)*5");
  highlighter.rehighlight();
  std::vector<QString> underlined;
  for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
      if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
        underlined.push_back(block.text().mid(range.start, range.length));
  EXPECT_EQ(underlined, (std::vector<QString>{"wrongg", "taxx", "neww"}));
}

// ---- menus ----

TEST(QtMenuModelTest, ShortcutTextsBecomeCtrlKeySequences) {
  EXPECT_EQ(QtMenuModel::keySequenceOf("Cmd+Shift+s"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  EXPECT_EQ(QtMenuModel::keySequenceOf("Cmd+R"), QKeySequence(Qt::CTRL | Qt::Key_R));
  EXPECT_EQ(QtMenuModel::keySequenceOf("Option+F5"), QKeySequence(Qt::ALT | Qt::Key_F5));
  EXPECT_TRUE(QtMenuModel::keySequenceOf("").isEmpty());
}

std::shared_ptr<MenuItem> menuItem(const char* name, const char* text, const char* shortcut = "") {
  auto item = std::make_shared<MenuItem>(text);
  item->SetName(name);
  item->SetKeyboardShortcut(shortcut);
  return item;
}

class MenuWindow : public Window {
 public:
  explicit MenuWindow(std::shared_ptr<MenuBar> bar) : bar_(std::move(bar)) {}
  void Layout() override { SetMenuBar(bar_); }

 private:
  std::shared_ptr<MenuBar> bar_;
};

TEST_F(QtWindowTest, EveryWindowShowsTheSameActionsAndItsStateFollowsTheModel) {
  auto bar = std::make_shared<MenuBar>();
  auto file = menuItem("mnuFile", "&File && Co");
  bar->Append(file);
  file->Append(menuItem("cmdA", "A", "Cmd+E"));
  file->Append(menuItem("cmdEmpty", ""));
  file->Append(menuItem("sep", "-"));
  auto a = std::make_shared<MenuWindow>(bar);
  a->Constructor();
  a->Show();
  auto b = std::make_shared<MenuWindow>(bar);
  b->Constructor();
  b->Show();
  QMenuBar* barA = QtPlatform::peerOf(*a).view()->menuBar();
  QMenuBar* barB = QtPlatform::peerOf(*b).view()->menuBar();
  ASSERT_EQ(barA->actions().size(), 1);
  EXPECT_EQ(barA->actions().first(), barB->actions().first());
  EXPECT_EQ(barA->actions().first()->text(), "&File && Co");  // Alt+F, and one "&"
  EXPECT_EQ(barA->actions().first()->iconText(), "File & Co");
  QtMenuModel& model = harness.platform().menuModel(bar);
  QAction* item = model.actionFor(*file->Child("cmdA"));
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
  EXPECT_FALSE(item->isCheckable());
  file->Child("cmdA")->SetChecked(true);
  EXPECT_TRUE(item->isChecked());
  file->Child("cmdA")->SetEnabled(false);
  EXPECT_FALSE(item->isEnabled());
  EXPECT_FALSE(model.actionFor(*file->Child("cmdEmpty"))->isVisible());
  EXPECT_TRUE(model.actionFor(*file->Child("sep"))->isSeparator());
}

// ---- the runaway-run guard ----

// A running operation on the clock by hand: one poll a millisecond, as a script polls.
class QtRunGuardTest : public QtWindowTest {
 protected:
  // Polls until told to stop or the operation has lasted that long; the moment it stopped.
  std::optional<int64_t> pollUntilStopped(int64_t lastMs,
                                          const std::function<void(int64_t at)>& eachPoll = {}) {
    QtPlatform& platform = harness.platform();
    for (int64_t at = 0; at <= lastMs; ++at, platform.clock().advance(1)) {
      bool stopped = platform.busyPoll();
      if (eachPoll) eachPoll(at);
      if (stopped) return at;
    }
    return std::nullopt;
  }
  bool showsBusy() {
    const QCursor* cursor = QApplication::overrideCursor();
    return harness.platform().runGuard().busy() && cursor && cursor->shape() == Qt::WaitCursor;
  }
};

TEST_F(QtRunGuardTest, ALongRunShowsBusyDropsInputAndStopsOnEsc) {
  auto window = open();
  QtClock& clock = harness.platform().clock();
  const int64_t start = clock.now();
  int64_t firstEventAt = -1;
  int64_t busyFrom = -1;
  QObject scope;
  QMetaObject::invokeMethod(
      &scope, [&] { firstEventAt = clock.now() - start; }, Qt::QueuedConnection);
  std::optional<int64_t> stoppedAt = pollUntilStopped(5000, [&](int64_t at) {
    if (busyFrom < 0 && showsBusy()) busyFrom = at;
    if (at == 700) {
      QMetaObject::invokeMethod(
          &scope,
          [&] {
            typeText(*window, "x");
            pressKey(*window, Qt::Key_Escape);
          },
          Qt::QueuedConnection);
    }
  });
  harness.platform().busyEnd();
  // Nothing changes for the first half second, events included; then the windows are kept
  // up to date, and the keys of the user arrive with the next update.
  EXPECT_EQ(busyFrom, QtRunGuard::kBusyAfterMs);
  EXPECT_EQ(firstEventAt, QtRunGuard::kBusyAfterMs);
  ASSERT_TRUE(stoppedAt.has_value());
  EXPECT_GT(*stoppedAt, 700);
  EXPECT_LE(*stoppedAt, 700 + QtRunGuard::kPumpEveryMs);
  EXPECT_EQ(window->pad()->Text(), "");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  typeText(*window, "y");
  EXPECT_EQ(window->pad()->Text(), "y");
}

TEST_F(QtRunGuardTest, AShortRunNeverShowsBusy) {
  QtPlatform& platform = harness.platform();
  int64_t busyPolls = 0;
  EXPECT_FALSE(
      pollUntilStopped(QtRunGuard::kBusyAfterMs - 1, [&](int64_t) { busyPolls += showsBusy(); }));
  EXPECT_EQ(busyPolls, 0);
  platform.busyEnd();
  EXPECT_FALSE(platform.runGuard().running());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// ---- the timer on the machine's clock ----

// The program's own clock: the Qt timer runs, and the event loop, not the caller, fires it.
TEST(QtTimerTest, OnTheMachinesClockTheEventLoopFiresTheTimer) {
  QtTimer timer(std::make_shared<QtClock>());
  int fired = 0;
  timer.Action = [&](Timer&) { ++fired; };
  timer.SetPeriod(1);
  timer.SetMode(Timer::ModeSingle);
  EXPECT_TRUE(timer.running());
  EXPECT_EQ(fired, 0);
  EXPECT_TRUE(waitUntil([&] { return fired > 0; }, 30000));
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(timer.Mode(), Timer::ModeOff);
  EXPECT_FALSE(timer.running());
}

// ---- the drawing view ----

TEST_F(QtWindowTest, ShowViewShowsThePictureAsItIsAtEachCall) {
  auto window = open();
  auto picture = std::make_shared<Picture>(30, 20);
  picture->Graphics().ForeColor = Color{255, 0, 0, 0};
  picture->Graphics().FillRect(0, 0, 10, 10);
  ShowViewWindow(*window, picture);
  QtViewWindow* view = QtPlatform::peerOf(*window).viewWindow();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->image().size(), QSize(30, 20));
  EXPECT_EQ(view->image().pixelColor(5, 5), QColor(Qt::red));
  picture->Graphics().ClearRect(0, 0, 30, 20);
  EXPECT_EQ(view->image().pixelColor(5, 5), QColor(Qt::red));  // a copy, until shown again
  ShowViewWindow(*window, picture);
  EXPECT_EQ(view->image().pixelColor(5, 5), QColor(Qt::white));
  ShowViewWindow(*window, nullptr);  // nothing to show changes nothing
  EXPECT_TRUE(view->isVisible());
  window->Close();
  EXPECT_FALSE(view->isVisible());
}

// ---- dialogs ----

TEST(QtFileDialogsTest, TheFilterOffersTheRegisteredTypes) {
  auto pad = std::make_shared<FileType>();
  pad->SetName("Pad Files");
  pad->SetExtensions(".vrl");
  pad->Register();
  auto text = std::make_shared<FileType>();
  text->SetName("Text Files");
  text->SetExtensions(".txt");
  text->Register();
  EXPECT_EQ(dialogNameFilters("TEXT", false),
            (QStringList{"Pad Files (*.vrl)", "Text Files (*.txt)"}));
  EXPECT_EQ(dialogNameFilters("TEXT", true),
            (QStringList{"Pad Files (*.vrl)", "Text Files (*.txt)", "All Files (*)"}));
  EXPECT_EQ(dialogNameFilters("Images", false), QStringList{"All Files (*)"});
}

TEST_F(QtWindowTest, ACancelledDialogGivesNoFile) {
  open();
  harness.closer().answerDialog("");
  EXPECT_EQ(ui().openFileDialog("TEXT"), nullptr);
  EXPECT_EQ(harness.closer().dialogsSeen(), 1);
}

}  // namespace
}  // namespace vorline::qttest
