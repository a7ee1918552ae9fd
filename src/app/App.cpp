#include "app/App.h"

#include "app/AboutFrm.h"
#include "platform/files/FolderItem.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/UiServices.h"
#include "shell/Globals.h"
#include "window/FrmMain.h"
#include "window/PadFile.h"

namespace vorline {

App* App::Instance() { return dynamic_cast<App*>(Application::Instance()); }

void App::Event_Open() { Globals::vrln_Initialize(); }

void App::Event_NewDocument() { NewCalculatorWindow(); }

void App::Event_OpenDocument(std::shared_ptr<FolderItem> item) { openFile(std::move(item)); }

bool App::_mnuNew_Action() {
  NewCalculatorWindow();
  return true;
}

bool App::_AboutMenu_Action() {
  AboutFrm::Instance()->ShowModal();
  return true;
}

bool App::_mnuOpen_Action() {
  openFile(nullptr);
  return true;
}

// The whole file is read before the window is made, so a failure makes none.
void App::openFile(std::shared_ptr<FolderItem> item) {
  if (!item) item = GetOpenFolderItem("TEXT");
  if (!item) return;
  std::optional<std::string> text = PadFile::Read(*item);
  if (!text) {
    MsgBox("Unable to read file " + item->Name());
    return;
  }
  std::shared_ptr<FrmMain> window = NewCalculatorWindow();
  window->Sourcetxt()->SetText(*text);
  window->SetTitle(item->Name());
  window->theFile = item;
}

std::shared_ptr<FrmMain> App::NewCalculatorWindow() {
  auto window = std::make_shared<FrmMain>();
  window->Constructor();
  window->Show();
  window->Start();
  return window;
}

}  // namespace vorline
