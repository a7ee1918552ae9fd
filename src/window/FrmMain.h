// The calculator window: one pad, run whole (Calculator > Run) or by its caret's line (Enter)
// through the converter and the script engine, with every line's results written back into
// the pad after " //". The window owns its converter, its script context, its variables memory
// and its source-line list; it serves the converter as its ckConverterOwner and the script
// context as its ckGlueOwner (whose members mem, exPrintLine, opPrecision, opViewMode and
// theFile are the window's own properties).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "converter/ckConverterOwner.h"
#include "converter/ckScriptConverter.h"
#include "glue/ckGlue.h"
#include "glue/ckGlueOwner.h"
#include "platform/script/ScriptEngine.h"
#include "platform/script/ScriptLanguage.h"
#include "platform/ui/AppleMenuItem.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/PropertyBlock.h"
#include "platform/ui/QuitMenuItem.h"
#include "platform/ui/Window.h"
#include "window/RunOutputBudget.h"

namespace vorline {

class Canvas;
class Picture;
class Rectangle;
class TextArea;
class Timer;
class ScriptEngineControl;

class FrmMain : public Window, public ckConverterOwner, public ckGlueOwner {
 public:
  FrmMain();
  ~FrmMain() override;

  // Properties (mem, exPrintLine, opPrecision, opViewMode and theFile come from ckGlueOwner).
  std::string undoText;
  int64_t UndoSelStart = 0;
  int64_t UndoSelLength = 0;
  int64_t ErrCount = 0;
  std::string ErrMsg;
  int64_t CalMode = 0;
  int64_t LastMode = 0;
  std::string History;
  std::unique_ptr<ckGlue> myGlue;
  int64_t opView = 0;
  std::vector<std::string> parseSource;
  int64_t parser = 0;
  std::unique_ptr<ckScriptConverter> myConverter;
  bool flgDebugRun = false;

  // Called when a script shows its drawing view (showView); the platform's front end shows it
  // in a window of its own. The last view shown stays in lastShownView.
  std::function<void(const std::shared_ptr<Picture>& view)> onShowView;
  std::shared_ptr<Picture> lastShownView;

  // Construction hooks and controls.
  void Layout() override;
  void CreateControls() override { _CreateControls0(); }
  // Makes Rectangle1, Sourcetxt, imgERR, script1 and ERRTime, gives each its design and attaches
  // the window's handlers to its events.
  void _CreateControls0();
  std::shared_ptr<Rectangle> Rectangle1() const;
  std::shared_ptr<TextArea> Sourcetxt() const;
  std::shared_ptr<Canvas> imgERR() const;
  std::shared_ptr<ScriptEngineControl> script1() const;
  std::shared_ptr<Timer> ERRTime() const;

  // Control events.
  void Sourcetxt_Open(TextArea& area);
  bool Sourcetxt_KeyDown(TextArea& area, const std::string& key);
  void Sourcetxt_KeyUp(TextArea& area, const std::string& key);
  void imgERR_Open(Canvas& canvas);
  void script1_RuntimeError(ScriptEngine& engine, const RuntimeException& error);
  bool script1_CompilerError(ScriptEngine& engine, const ScriptLocation& location, int64_t code,
                             const std::string& info);
  void script1_Print(ScriptEngine& engine, const std::string& text);
  void ERRTime_Action(Timer& timer);

  // Menu-item accessors: the item of that name (and index) in the window's menu bar, looked
  // up on every call; nothing when the bar has none; NilObjectException without a menu bar.
  std::shared_ptr<MenuItem> mnuCalculator() const;
  std::shared_ptr<MenuItem> UntitledMenu6() const;
  std::shared_ptr<MenuItem> mnuViewShowVariables() const;
  std::shared_ptr<MenuItem> UntitledSeparator2() const;
  std::shared_ptr<MenuItem> mnuPrecision() const;
  std::shared_ptr<MenuItem> mnupre(int64_t index) const;
  std::shared_ptr<MenuItem> mnuOutputMode() const;
  std::shared_ptr<MenuItem> mnuMode(int64_t index) const;
  std::shared_ptr<MenuItem> UntitledSeparator1() const;
  std::shared_ptr<MenuItem> mnuCalculatorReset() const;
  std::shared_ptr<MenuItem> mnuRun() const;
  std::shared_ptr<MenuItem> mnuEdit() const;
  std::shared_ptr<MenuItem> UntitledMenu7() const;
  std::shared_ptr<MenuItem> mnuSelectAll() const;
  std::shared_ptr<MenuItem> UntitledMenu2() const;
  std::shared_ptr<MenuItem> EditClear() const;
  std::shared_ptr<MenuItem> EditPaste() const;
  std::shared_ptr<MenuItem> EditCopy() const;
  std::shared_ptr<MenuItem> EditCut() const;
  std::shared_ptr<MenuItem> UntitledMenu3() const;
  std::shared_ptr<MenuItem> EditUndo() const;
  std::shared_ptr<MenuItem> mnuFile() const;
  std::shared_ptr<MenuItem> UntitledMenu8() const;
  std::shared_ptr<QuitMenuItem> FileQuit() const;
  std::shared_ptr<MenuItem> UntitledSeparator0() const;
  std::shared_ptr<MenuItem> mnuSaveAs() const;
  std::shared_ptr<MenuItem> mnuSave() const;
  std::shared_ptr<MenuItem> mnuClose() const;
  std::shared_ptr<MenuItem> UntitledSeparator() const;
  std::shared_ptr<MenuItem> mnuOpen() const;
  std::shared_ptr<MenuItem> mnuNew() const;
  std::shared_ptr<AppleMenuItem> AboutMenu() const;

  // Registers the twelve menu handlers by item name.
  void AddMenuHandlers() override;
  bool Event_KeyDown(const std::string& key) override;
  void Event_EnableMenuItems() override;
  // The window came to the front: Show Variables' shared mark tells whether this pad shows
  // the listing.
  void Event_Activate() override;

  // Menu handlers.
  bool _ViewClearHistory_Action();
  bool _ViewHistory_Action();
  bool _EditClear_Action();
  bool _mnuViewShowVariables_Action();
  bool _mnuRun_Action();
  bool _mnuCalculatorReset_Action();
  bool _mnuSave_Action();
  bool _mnupre_Action(int64_t index);
  bool _mnuMode_Action(int64_t index);
  bool _mnuSaveAs_Action();
  bool _mnuClose_Action();
  bool _mnuSelectAll_Action();

  // Loads a pad file into this window (asking for one when file is null).
  bool OpenFile(std::shared_ptr<FolderItem> file);
  // The text between the nearest line ending left of the caret and the caret.
  std::string getCurrentLine(TextArea& area, const std::string& separator);
  void SaveUndo();
  void UndoChanges();
  void RunCurrentLine();
  // The error signal: a beep, and the badge blinks.
  void DoERR() override;
  void PrintVar();
  void showVar();
  // Whether the pad shows the variables listing (its pad is disabled exactly then).
  bool listingShows() const;
  // The user's pad: the pad's text, or while the listing shows, the text that switching the
  // listing off brings back.
  std::string userPadText() const;
  void SetMode(int64_t mode);
  // Edit > Delete: the pad goes to the history and is emptied.
  void doClear();
  // Per-window start, right after the window is shown.
  void Start();
  // One evaluation run of text (the whole pad or the caret's line).
  void doExecute(const std::string& text);
  std::string getMemAsSource();
  void vrln_doClearMem();
  void doReset();
  std::string appendLine(const std::string& line);
  void getResultText();
  // Appends " //" and text to the source-line list entry exPrintLine, within the run's bounds
  // on what reaches the pad (RunOutputBudget).
  void doPrint(const std::string& text) override;
  // setVar's store; refused with an "Out of memory" error past what a later run can declare.
  void storeVariable(const std::string& name, int64_t index, Variant value) override;

  // What the memory may hold so that a run of an empty pad can still declare all of it: the
  // entries within the engine's variables, with room for the prefix's and the pad's own, and
  // the declarations within three quarters of its source text.
  static constexpr int64_t kMaxMemoryEntries = kScriptMaxVariables - (1 << 16);
  static constexpr int64_t kMaxMemoryDeclarationBytes = kScriptMaxSourceBytes / 4 * 3;

  // ckConverterOwner
  bool msg_memory_has_symbol(std::string_view name) override;
  void msg_memory_create_symbol(const std::string& name, const std::string& type) override;
  int64_t msg_append_source_line(std::string_view line) override;
  std::string msg_memory_get_symbol_declares() override;
  std::string msg_memory_get_array_declares() override;
  std::string msg_get_current_path() override;
  void msg_memory_reset() override;
  void msg_set_debug_flag(bool flag) override;

  // Colouring hooks: the pad is plain text, so nothing is coloured.
  void doColorSyntax(int64_t start, int64_t length);
  void doColorCurrentLine();
  void doColorSyntax();
  void vrln_doInitializeVariables();

  // The design blocks of the window and its controls.
  static PropertyBlock WindowDesign();
  static PropertyBlock Rectangle1Design();
  static PropertyBlock SourcetxtDesign();
  static PropertyBlock imgERRDesign();
  static PropertyBlock script1Design();
  static PropertyBlock ERRTimeDesign();

  // The message of a compile error with the engine's code.
  static std::string CompilerErrorText(int64_t code);

 private:
  template <class T>
  std::shared_ptr<T> menuItem(const std::string& name) const;
  template <class T>
  std::shared_ptr<T> menuItem(const std::string& name, int64_t index) const;
  void attachPadEvents();
  void attachEngineEvents();
  void runEngine(std::string script);
  void seedMemory();
  void keepMemoryBeforeRun();
  void forgetRedeclared(std::string_view line);
  void writeDebugFile(const std::string& script) const;
  void reserveForPrint(std::string& line, size_t needed);
  bool saveTo(const std::shared_ptr<FolderItem>& file);
  bool chooseSetting(int64_t& setting, int64_t index, bool precision);

  // The previous run's source lines, whose buffers the lines of this run take over in order:
  // a pad run again has the same lines, and each one finds the room its results needed.
  std::vector<std::string> spareLines_;
  size_t nextSpareLine_ = 0;
  // The memory as it was before this conversion first changed it; restored when the script
  // then fails to compile.
  std::optional<Dictionary> memoryBeforeRun_;
  bool compileFailed_ = false;
  // The line of a compile error that declares a name twice with different types, else 0.
  int64_t compileErrorLine_ = 0;
  static constexpr int64_t kRedeclaredCode = 20;
  // The identifiers of the names that this conversion added to the memory.
  std::vector<std::string> createdThisRun_;
  // The size of the memory's declarations as this run's conversion wrote them, kept up to date
  // by the run's stores.
  int64_t declarationBytes_ = 0;
  RunOutputBudget outputBudget_;
};

}  // namespace vorline
