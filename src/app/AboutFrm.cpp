#include "app/AboutFrm.h"

#include "app/AppVersion.h"
#include "platform/ui/Label.h"

namespace vorline {
namespace {

// The values the three labels share, after their own.
void addCommonLabelDesign(PropertyBlock& block) {
  for (const char* name : {"Italic", "Underline", "Transparent", "AutoDeactivate", "Selectable"})
    block.add(name, false);
  for (const char* name : {"Visible", "Enabled", "TabStop"}) block.add(name, true);
  block.add("TextUnit", EnumValue{0});
  block.add("TextAlign", int64_t{0});
  for (const char* name : {"HelpTag", "InitialParent", "DataField", "DataSource"})
    block.add(name, std::string());
  block.add("TabPanelIndex", int64_t{0});
  block.add("LockLeft", true);
  block.add("LockTop", true);
  block.add("LockRight", false);
  block.add("LockBottom", false);
}

struct LabelValues {
  const char* name;
  std::string text;
  int64_t left, top, width, height;
  float textSize;
  bool bold;
  Color textColor;
  bool multiline;
  int64_t tabIndex;
};

PropertyBlock labelDesign(const LabelValues& v) {
  PropertyBlock block{
      {"Name", std::string(v.name)},
      {"Text", v.text},
      {"Left", v.left},
      {"Top", v.top},
      {"Width", v.width},
      {"Height", v.height},
      {"TextFont", std::string("System")},
      {"TextSize", v.textSize},
      {"Bold", v.bold},
      {"TextColor", v.textColor},
      {"Multiline", v.multiline},
      {"TabIndex", v.tabIndex},
  };
  addCommonLabelDesign(block);
  return block;
}

const Color kBlack{0, 0, 0, 0};
const Color kVersionRed{237, 24, 30, 0};

}  // namespace

std::shared_ptr<AboutFrm> AboutFrm::Instance() {
  std::shared_ptr<AboutFrm> window = implicitWindow_.lock();
  if (!window || window->IsClosed()) {
    window = std::make_shared<AboutFrm>();
    window->Constructor();
    implicitWindow_ = window;
  }
  return window;
}

PropertyBlock AboutFrm::WindowDesign() {
  return {
      {"Width", int64_t{275}},
      {"Height", int64_t{182}},
      {"MinWidth", int64_t{64}},
      {"MinHeight", int64_t{64}},
      {"MaxWidth", int64_t{32000}},
      {"MaxHeight", int64_t{32000}},
      {"Frame", int64_t{1}},
      {"Title", std::string()},
      {"CloseButton", true},
      {"Resizeable", false},
      {"MaximizeButton", false},
      {"MinimizeButton", false},
      {"FullScreenButton", false},
      {"Composite", false},
      {"MacProcID", int64_t{0}},
      {"Placement", int64_t{0}},
      {"Visible", true},
      {"LiveResize", false},
      {"FullScreen", false},
      {"HasBackColor", false},
      {"BackColor", Color{255, 255, 255, 0}},
      {"MenuBarVisible", true},
  };
}

PropertyBlock AboutFrm::StaticText1Design() {
  return labelDesign({"StaticText1", kCredits, 17, 56, 242, 70, 12.0f, false, kBlack, true, 0});
}

PropertyBlock AboutFrm::StaticText2Design() {
  return labelDesign({"StaticText2", "Vorline", 17, 23, 181, 18, 12.0f, true, kBlack, false, 1});
}

PropertyBlock AboutFrm::StaticText3Design() {
  return labelDesign(
      {"StaticText3", kAppVersion, 200, 11, 55, 42, 24.0f, true, kVersionRed, false, 2});
}

void AboutFrm::Layout() { SetProperties(WindowDesign()); }

void AboutFrm::_CreateControls0() {
  struct Made {
    const char* name;
    PropertyBlock (*design)();
  };
  for (const Made& label :
       {Made{"StaticText1", &StaticText1Design}, Made{"StaticText2", &StaticText2Design},
        Made{"StaticText3", &StaticText3Design}}) {
    _AddControl(New<Label>(), label.name);
    ControlByName<Label>(label.name)->SetProperties(label.design());
  }
}

std::shared_ptr<Label> AboutFrm::StaticText1() const { return ControlByName<Label>("StaticText1"); }
std::shared_ptr<Label> AboutFrm::StaticText2() const { return ControlByName<Label>("StaticText2"); }
std::shared_ptr<Label> AboutFrm::StaticText3() const { return ControlByName<Label>("StaticText3"); }

bool AboutFrm::Event_KeyDown(const std::string&) {
  Close();
  return false;
}

bool AboutFrm::Event_MouseDown(int64_t, int64_t) { return true; }

void AboutFrm::Event_MouseUp(int64_t, int64_t) { Close(); }

}  // namespace vorline
