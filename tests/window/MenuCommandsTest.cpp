// The window's menu commands: registration and dispatch, Save, Save As and Open with their
// dialogs, and the Output and Precision check marks on the shared items.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/files/FolderItem.h"
#include "platform/ui/MenuBar.h"
#include "platform/values/NilObjectException.h"
#include "window/Unprivileged.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using MenuCommands = WindowFixture;

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::shared_ptr<FolderItem> item(const std::filesystem::path& path) {
  return std::make_shared<FolderItem>(path.string());
}

TEST_F(MenuCommands, TwelveHandlersByItemNameInOrder) {
  std::vector<std::string> want = {
      "ViewClearHistory", "ViewHistory",        "EditClear", "mnuViewShowVariables",
      "mnuRun",           "mnuCalculatorReset", "mnuSave",   "mnupre",
      "mnuMode",          "mnuSaveAs",          "mnuClose",  "mnuSelectAll"};
  EXPECT_EQ(window().menuHandlers().Names(), want);
}

TEST_F(MenuCommands, EveryWindowItemOfTheBarReachesItsHandler) {
  // Each name below is an item of the shared bar that the window serves.
  for (const char* name :
       {"EditClear", "mnuViewShowVariables", "mnuRun", "mnuCalculatorReset", "mnuSelectAll"})
    EXPECT_TRUE(app.MenuItemChosen(name)) << name;
  for (int64_t i = 0; i <= 12; ++i) EXPECT_TRUE(app.MenuItemChosen("mnupre", i)) << i;
  EXPECT_EQ(window().opPrecision, 12);
  EXPECT_TRUE(app.MenuItemChosen("mnuMode", 1));
  EXPECT_EQ(window().opViewMode, 1);
  EXPECT_TRUE(app.MenuItemChosen("mnuSave"));  // the dialog is cancelled
  EXPECT_FALSE(app.MenuItemChosen("mnuSaveAs")) << "disabled without a file";
  EXPECT_TRUE(app.MenuItemChosen("mnuClose"));
  EXPECT_TRUE(window().IsClosed());
}

TEST_F(MenuCommands, SelectAllSelectsThePad) {
  pad().SetText("two\nlines");
  app.MenuItemChosen("mnuSelectAll");
  EXPECT_EQ(pad().SelStart(), 0);
  EXPECT_EQ(pad().SelLength(), 9);
}

TEST_F(MenuCommands, FirstSaveAsksThenSavesInPlace) {
  app.EnableMenuItems();
  EXPECT_FALSE(window().mnuSaveAs()->Enabled());
  auto file = scratch.home() / "calc.vrl";
  platform.answerSaveDialog(item(file));
  pad().SetText("x = 1 //1\ny");
  EXPECT_TRUE(app.MenuItemChosen("mnuSave"));
  ASSERT_EQ(platform.dialogs().size(), 1u);
  EXPECT_TRUE(platform.dialogs()[0].save);
  EXPECT_EQ(platform.dialogs()[0].filter, "TEXT");
  EXPECT_EQ(platform.dialogs()[0].proposedName, "untitled.vrl");
  EXPECT_EQ(slurp(file), "x = 1 //1\ny");
  EXPECT_EQ(window().Title(), "calc.vrl");
  app.EnableMenuItems();
  EXPECT_TRUE(window().mnuSaveAs()->Enabled());
  pad().SetText("");
  app.MenuItemChosen("mnuSave");
  EXPECT_EQ(platform.dialogs().size(), 1u);
  EXPECT_EQ(slurp(file), "");
}

TEST_F(MenuCommands, SaveAsProposesTheNameAndCancelChangesNothing) {
  auto first = scratch.home() / "a.vrl";
  platform.answerSaveDialog(item(first));
  app.MenuItemChosen("mnuSave");
  EXPECT_TRUE(app.MenuItemChosen("mnuSaveAs"));
  EXPECT_EQ(platform.dialogs().back().proposedName, "a.vrl");
  EXPECT_EQ(window().Title(), "a.vrl");
  EXPECT_EQ(window().theFile->NativePath(), first.string());
  auto second = scratch.home() / "b.txt";
  platform.answerSaveDialog(item(second));
  pad().SetText("new");
  app.MenuItemChosen("mnuSaveAs");
  EXPECT_EQ(window().Title(), "b.txt");
  EXPECT_EQ(slurp(first), "");
  EXPECT_EQ(slurp(second), "new");
}

TEST_F(MenuCommands, UnwritableSaveShowsTheMessageAndKeepsTheOldFile) {
  auto file = scratch.write("home/kept.vrl", "old text");
  platform.answerSaveDialog(item(file));
  pad().SetText("old text");
  app.MenuItemChosen("mnuSave");
  EXPECT_TRUE(platform.messages().empty());

  // A place that cannot take a file: a folder of that name, a folder that is not there.
  std::filesystem::create_directories(scratch.home() / "taken.vrl");
  platform.answerSaveDialog(item(scratch.home() / "taken.vrl"));
  platform.answerSaveDialog(item(scratch.home() / "nowhere/n.vrl"));
  pad().SetText("new text");
  app.MenuItemChosen("mnuSaveAs");
  app.MenuItemChosen("mnuSaveAs");
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Unable to write file taken.vrl",
                                                           "Unable to write file n.vrl"}));
  EXPECT_EQ(window().Title(), "kept.vrl");
  EXPECT_EQ(window().theFile->NativePath(), file.string());
  EXPECT_EQ(slurp(file), "old text");
}

// What a save left: the messages shown, the title, and the file's bytes.
std::string saveReport(FrmMain& window, HeadlessPlatform& platform,
                       const std::filesystem::path& file) {
  std::string report;
  for (const std::string& message : platform.messages()) report += message + "; ";
  return report + window.Title() + ": " + slurp(file);
}

TEST_F(MenuCommands, ReadOnlyFileIsNotReplaced) {
  auto file = scratch.write("home/kept.vrl", "old text");
  chmod(file.c_str(), 0444);
  platform.answerSaveDialog(item(file));
  pad().SetText("new text");
  std::string report = runUnprivileged(scratch.root(), [&] {
    app.MenuItemChosen("mnuSave");
    return saveReport(window(), platform, file);
  });
  EXPECT_EQ(report, "Unable to write file kept.vrl; untitled.vrl: old text");
}

// A folder that takes no new file while the pad's file is writable: the save writes in place;
// when the file is read-only too, the old file stays whole.
TEST_F(MenuCommands, ReadOnlyFolderSavesInPlace) {
  auto file = scratch.write("home/locked/pad.vrl", "a much longer old text than the new one");
  auto kept = scratch.write("home/locked/kept.vrl", "old text");
  chmod(kept.c_str(), 0444);
  const std::filesystem::path folder = file.parent_path();
  std::string report = runUnprivileged(scratch.root(), [&] {
    chmod(folder.c_str(), 0555);
    platform.answerSaveDialog(item(file));
    pad().SetText("short");
    app.MenuItemChosen("mnuSave");
    std::string saved = saveReport(window(), platform, file);
    platform.answerSaveDialog(item(kept));
    app.MenuItemChosen("mnuSaveAs");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++entries;
    chmod(folder.c_str(), 0755);
    return saved + " | " + saveReport(window(), platform, kept) + " | " + std::to_string(entries);
  });
  EXPECT_EQ(report, "pad.vrl: short | Unable to write file kept.vrl; pad.vrl: old text | 2");
}

// The temporary name is short, so every name the folder takes can be saved.
TEST_F(MenuCommands, TheLongestNameTheFolderTakesSaves) {
  const std::string name = std::string(251, 'n') + ".vrl";
  const std::filesystem::path file = scratch.home() / name;
  platform.answerSaveDialog(item(file));
  pad().SetText("long");
  app.MenuItemChosen("mnuSave");
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_EQ(slurp(file), "long");
  EXPECT_EQ(window().Title(), name);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(scratch.home()))
    ++entries;
  EXPECT_EQ(entries, 2);  // Desktop and the pad
}

// A link whose target does not exist yet: the save makes the target and the link stays.
TEST_F(MenuCommands, ALinkToAFileNotYetMadeSavesThroughTheLink) {
  const std::filesystem::path link = scratch.home() / "link.vrl";
  std::filesystem::create_directories(scratch.home() / "real");
  std::filesystem::create_symlink("real/target.vrl", link);
  platform.answerSaveDialog(item(link));
  pad().SetText("through");
  app.MenuItemChosen("mnuSave");
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(slurp(scratch.home() / "real/target.vrl"), "through");
}

TEST_F(MenuCommands, SaveReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  auto file = scratch.write("home/pad.vrl", "a much longer old text than the new one");
  chmod(file.c_str(), 0640);
  platform.answerSaveDialog(item(file));
  pad().SetText("short");
  app.MenuItemChosen("mnuSave");
  EXPECT_EQ(slurp(file), "short");
  struct stat info {};
  stat(file.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(scratch.home()))
    ++entries;
  EXPECT_EQ(entries, 2);  // Desktop and pad.vrl
}

TEST_F(MenuCommands, OpenFileReadsLinesAndCancelChangesNothing) {
  EXPECT_TRUE(window().OpenFile(nullptr));
  EXPECT_EQ(pad().Text(), "");
  auto file = scratch.write("home/in.txt", "a\r\nb");
  EXPECT_TRUE(window().OpenFile(item(file)));
  EXPECT_EQ(pad().Text(), "a\nb\n");
  EXPECT_EQ(window().Title(), "in.txt");
  EXPECT_TRUE(window().OpenFile(item(scratch.home() / "missing.vrl")));
  EXPECT_EQ(platform.messages(), std::vector<std::string>{"Unable to read file missing.vrl"});
  EXPECT_EQ(window().Title(), "in.txt");
}

TEST_F(MenuCommands, SavedAndReadBackPadGetsAFinalLineEnd) {
  auto file = scratch.home() / "round.vrl";
  platform.answerSaveDialog(item(file));
  pad().SetText("1\n2");
  app.MenuItemChosen("mnuSave");
  window().OpenFile(item(file));
  EXPECT_EQ(pad().Text(), "1\n2\n");
}

TEST_F(MenuCommands, PrecisionMarksMoveInOneWindowAndStayAcrossWindows) {
  FrmMain& a = window();
  EXPECT_TRUE(a.mnupre(4)->Checked());
  EXPECT_TRUE(a.mnuMode(0)->Checked());
  app.MenuItemChosen("mnupre", 2);
  EXPECT_FALSE(a.mnupre(4)->Checked());
  EXPECT_TRUE(a.mnupre(2)->Checked());
  app.MenuItemChosen("mnupre", 2);
  EXPECT_TRUE(a.mnupre(2)->Checked());
  auto b = openWindow();
  EXPECT_TRUE(b->mnupre(4)->Checked());
  EXPECT_TRUE(b->mnupre(2)->Checked());
  EXPECT_EQ(a.GetMenuBar(), b->GetMenuBar());
  EXPECT_EQ(b->opPrecision, 4);
  b->Sourcetxt()->SetText("x = 1/3");
  app.MenuItemChosen("mnuRun");
  EXPECT_EQ(b->Sourcetxt()->Text(), "x = 1/3 //0.3333");
  app.Activate(a);
  EXPECT_EQ(run("x = 1/3"), "x = 1/3 //0.33");
}

TEST_F(MenuCommands, OutputModeSwitchesToScientific) {
  app.MenuItemChosen("mnuMode", 1);
  EXPECT_FALSE(window().mnuMode(0)->Checked());
  EXPECT_TRUE(window().mnuMode(1)->Checked());
  EXPECT_NE(run("x = 12345"), "x = 12345 //12345");
}

TEST_F(MenuCommands, AccessorsWithoutAMenuBarFail) {
  window().SetMenuBar(nullptr);
  EXPECT_THROW(window().mnuRun(), NilObjectException);
  window().SetMenuBar(Menu::Instance());
  EXPECT_EQ(window().mnupre(13), nullptr);
  EXPECT_NE(window().FileQuit(), nullptr);
  EXPECT_NE(window().AboutMenu(), nullptr);
}

}  // namespace
}  // namespace vorline
