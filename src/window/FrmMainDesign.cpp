// FrmMain: the design of the window and of its five controls, as the blocks that set them up.
#include "window/FrmMain.h"

namespace vorline {
namespace {

const Color kWhite{255, 255, 255, 0};
const Color kBlack{0, 0, 0, 0};
const Color kEdgeGrey{230, 230, 230, 0};
const Color kWindowGrey{102, 102, 102, 0};
constexpr int64_t kNoIndex = -2147483648LL;

// The four edge locks, in the design's order.
void addLocks(PropertyBlock& block, bool bottom, bool right, bool top, bool left) {
  block.add("LockBottom", bottom);
  block.add("LockRight", right);
  block.add("LockTop", top);
  block.add("LockLeft", left);
}

// The place, size, index and name that close a control's block.
void addFrame(PropertyBlock& block, int64_t height, int64_t width, int64_t top, int64_t left,
              const char* name) {
  block.add("Height", height);
  block.add("Width", width);
  block.add("Top", top);
  block.add("Left", left);
  block.add("Index", kNoIndex);
  block.add("Name", std::string(name));
}

}  // namespace

PropertyBlock FrmMain::WindowDesign() {
  return {
      {"Width", int64_t{524}},
      {"Height", int64_t{357}},
      {"MinWidth", int64_t{64}},
      {"MinHeight", int64_t{64}},
      {"MaxWidth", int64_t{32000}},
      {"MaxHeight", int64_t{32000}},
      {"Frame", int64_t{0}},
      {"Title", std::string("untitled.vrl")},
      {"CloseButton", true},
      {"Resizeable", true},
      {"MaximizeButton", true},
      {"MinimizeButton", true},
      {"FullScreenButton", false},
      {"Composite", true},
      {"MacProcID", int64_t{0}},
      {"Placement", int64_t{0}},
      {"Visible", true},
      {"LiveResize", false},
      {"FullScreen", false},
      {"HasBackColor", false},
      {"BackColor", kWindowGrey},
      {"MenuBarVisible", true},
  };
}

PropertyBlock FrmMain::Rectangle1Design() {
  PropertyBlock block{
      {"InitialParent", std::string()},
      {"Transparent", true},
      {"BottomRightColor", kEdgeGrey},
      {"TopLeftColor", kEdgeGrey},
      {"BorderWidth", int64_t{1}},
      {"FillColor", kWhite},
      {"Enabled", true},
      {"AutoDeactivate", true},
      {"HelpTag", std::string()},
      {"Visible", true},
      {"TabPanelIndex", int64_t{0}},
      {"TabIndex", int64_t{0}},
  };
  addLocks(block, true, true, true, true);
  addFrame(block, 328, 524, 0, 0, "Rectangle1");
  block.add("TabStop", true);
  return block;
}

PropertyBlock FrmMain::SourcetxtDesign() {
  PropertyBlock block{
      {"InitialParent", std::string("Rectangle1")},
      {"DataField", std::string()},
      {"DataSource", std::string()},
      {"AutomaticallyCheckSpelling", true},
      {"Alignment", int64_t{0}},
      {"AcceptTabs", true},
      {"LimitText", int64_t{0}},
      {"ReadOnly", false},
      {"Mask", std::string()},
      {"Text", std::string()},
      {"Underline", false},
      {"Italic", false},
      {"Bold", false},
      {"TextUnit", EnumValue{0}},
      {"TextSize", 12.0f},
      {"TextFont", std::string("Monaco")},
      {"Transparent", true},
      {"LineSpacing", 1.0},
      {"LineHeight", 0.0},
      {"HideSelection", true},
      {"AutoDeactivate", true},
      {"HelpTag", std::string()},
      {"Visible", true},
      {"Format", std::string()},
      {"Enabled", true},
      {"BackColor", kWhite},
      {"TextColor", kBlack},
      {"UseFocusRing", false},
      {"Styled", false},
      {"ScrollbarVertical", true},
      {"ScrollbarHorizontal", false},
      {"Multiline", true},
      {"Border", false},
      {"TabStop", true},
      {"TabIndex", int64_t{0}},
      {"TabPanelIndex", int64_t{0}},
  };
  addLocks(block, true, true, true, true);
  addFrame(block, 321, 519, 4, 4, "Sourcetxt");
  return block;
}

PropertyBlock FrmMain::imgERRDesign() {
  PropertyBlock block{
      {"InitialParent", std::string()},
      {"Transparent", true},
      {"EraseBackground", true},
      {"DoubleBuffer", false},
      {"AcceptTabs", false},
      {"AcceptFocus", false},
      {"UseFocusRing", true},
      {"Enabled", true},
      {"AutoDeactivate", true},
      {"HelpTag", std::string()},
      {"Visible", false},
      {"TabStop", true},
      {"TabIndex", int64_t{0}},
      {"TabPanelIndex", int64_t{0}},
  };
  addLocks(block, true, true, false, false);
  addFrame(block, 18, 42, 333, 457, "imgERR");
  return block;
}

PropertyBlock FrmMain::script1Design() { return {{"Source", std::string()}}; }

PropertyBlock FrmMain::ERRTimeDesign() { return {{"Period", int64_t{300}}, {"Mode", int64_t{0}}}; }

}  // namespace vorline
