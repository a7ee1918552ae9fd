// FrmMain: construction, controls and the per-window start.
#include "window/FrmMain.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiServices.h"
#include "platform/ui/UiToolkit.h"
#include "platform/ui/ViewWindow.h"
#include "platform/values/NilObjectException.h"
#include "shell/Menu.h"
#include "window/ScriptEngineControl.h"

namespace vorline {
namespace {

// Asked while a script or a shell command runs: the platform keeps the windows painted and
// answers true once the user asked to stop.
bool stopRequested() { return hasToolkit() && toolkit().busyPoll(); }

// Sets an item's check mark; a missing item is the framework's nil-object failure.
void checkItem(const std::shared_ptr<MenuItem>& item) {
  if (!item) throw NilObjectException();
  item->SetChecked(true);
}

}  // namespace

FrmMain::FrmMain() = default;

FrmMain::~FrmMain() {
  // The glue and the converter point back at the window: they go first.
  myConverter.reset();
  myGlue.reset();
}

void FrmMain::Layout() {
  SetMenuBar(Menu::Instance());
  SetProperties(WindowDesign());
}

void FrmMain::_CreateControls0() {
  _AddControl(New<Rectangle>(), "Rectangle1");
  Rectangle1()->SetProperties(Rectangle1Design());

  _AddControl(New<TextArea>(), "Sourcetxt");
  Sourcetxt()->SetProperties(SourcetxtDesign());
  attachPadEvents();

  _AddControl(New<Canvas>(), "imgERR");
  imgERR()->SetProperties(imgERRDesign());
  imgERR()->Open = [this](Canvas& canvas) { imgERR_Open(canvas); };

  _AddControl(std::make_shared<ScriptEngineControl>(), "script1");
  script1()->SetProperties(script1Design());
  attachEngineEvents();

  _AddControl(New<Timer>(), "ERRTime");
  ERRTime()->SetProperties(ERRTimeDesign());
  ERRTime()->Action = [this](Timer& timer) { ERRTime_Action(timer); };
}

void FrmMain::attachPadEvents() {
  Sourcetxt()->Open = [this](TextArea& area) { Sourcetxt_Open(area); };
  Sourcetxt()->KeyDown = [this](TextArea& area, const std::string& key) {
    return Sourcetxt_KeyDown(area, key);
  };
  Sourcetxt()->KeyUp = [this](TextArea& area, const std::string& key) {
    Sourcetxt_KeyUp(area, key);
  };
}

// The engine's events go to the window's handlers; its stop hook to the platform's busy poll.
// The handlers hold the engine that calls them, so that a print does not look it up by name.
void FrmMain::attachEngineEvents() {
  ScriptEngineControl* engine = script1().get();
  engine->RuntimeError = [this, engine](const RuntimeException& error) {
    script1_RuntimeError(*engine, error);
  };
  engine->CompilerError = [this, engine](const ScriptLocation& location, int64_t code,
                                         const std::string& info) {
    return script1_CompilerError(*engine, location, code, info);
  };
  engine->Print = [this, engine](const std::string& text) { script1_Print(*engine, text); };
  engine->Beep = [] { Beep(); };
  engine->ShouldStop = stopRequested;
}

std::shared_ptr<Rectangle> FrmMain::Rectangle1() const {
  return ControlByName<Rectangle>("Rectangle1");
}
std::shared_ptr<TextArea> FrmMain::Sourcetxt() const {
  return ControlByName<TextArea>("Sourcetxt");
}
std::shared_ptr<Canvas> FrmMain::imgERR() const { return ControlByName<Canvas>("imgERR"); }
std::shared_ptr<ScriptEngineControl> FrmMain::script1() const {
  return ControlByName<ScriptEngineControl>("script1");
}
std::shared_ptr<Timer> FrmMain::ERRTime() const { return ControlByName<Timer>("ERRTime"); }

void FrmMain::Start() {
  CalMode = 1;
  SetMode(1);
  opPrecision = 4;
  checkItem(mnupre(4));
  checkItem(mnuMode(opViewMode));
  seedMemory();
  myGlue = std::make_unique<ckGlue>();
  myGlue->constructor();
  myGlue->owner = this;
  myGlue->shouldStop = stopRequested;
  myGlue->onShowView = [this](const std::shared_ptr<Picture>& view) {
    lastShownView = view;
    // A test may watch the view; otherwise it goes to the installed view window (none headless).
    if (onShowView)
      onShowView(view);
    else
      ShowViewWindow(*this, view);
  };
  myConverter = std::make_unique<ckScriptConverter>();
  myConverter->owner = this;
}

void FrmMain::vrln_doInitializeVariables() {}

}  // namespace vorline
