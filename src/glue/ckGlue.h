// The script context of a calculator window: the object whose public methods a running script
// calls by name. It stores variables into its owner's memory, tags the line being run, prints
// values with the owner's precision and output mode, and offers dates, files, the shell, the
// clipboard, patterns, bit operations and an off-screen drawing view.
//
// Its 65 script-facing methods are published, in this order, as the engine's method table
// (methods()). Errors the glue reports itself (a value printAny1 cannot print, a bad pattern)
// go through raiseERR and the script goes on; every other failure leaves the method as an
// exception, which the engine turns into a run-time error of the script.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "glue/ckGlueOwner.h"
#include "platform/files/FolderItem.h"
#include "platform/graphics/Picture.h"
#include "platform/script/ScriptContext.h"
#include "platform/values/Variant.h"

namespace vorline {

class ckGlue : public vorline::ScriptContext {
 public:
  ckGlue();
  ~ckGlue() override;
  ckGlue(const ckGlue&) = delete;
  ckGlue& operator=(const ckGlue&) = delete;

  // The window this glue serves; not owned. Null until the window sets it.
  ckGlueOwner* owner = nullptr;
  int64_t unit = 0;           // declared; nothing reads or writes it
  int64_t unitConvTable = 0;  // declared; nothing reads or writes it
  // The drawing view, null until createView.
  std::shared_ptr<vorline::Picture> gCanvas;

  // Asked while shellExec waits for its command; true stops the command and the run.
  std::function<bool()> shouldStop;
  // Called by showView with the drawing view (null before createView); the window shows it.
  std::function<void(const std::shared_ptr<vorline::Picture>&)> onShowView;

  // The method table of the 65 script-facing methods below, in their order.
  const std::vector<vorline::ContextMethod>& methods() const override { return methods_; }

  // Variables, line tags and printing.
  void setVar(const std::string& name, double value);
  void tagLine(int64_t line);
  void printAny1(const vorline::Variant& value);
  void raiseERR(const std::string& message);
  std::string printNumber(const vorline::Variant& number);
  std::string printNumber(double number);

  // Files and the pad's folder.
  void writeFile(const std::string& scriptPath, const std::string& text);
  std::string path();

  // Numbers and strings.
  int64_t intval(int64_t value);
  int64_t rnd(int64_t low, int64_t high);
  double rndg();
  std::string stringPad(const std::string& text, const std::string& pad, int64_t width);
  std::string stringPad(const std::string& text, const std::string& pad, int64_t width,
                        bool padRight);

  // Shell, clipboard, patterns.
  std::string shellExec(const std::string& command);
  void setClipboard(const std::string& text);
  std::string getClipboard();
  bool rgex(const std::string& subject, const std::string& pattern, bool caseSensitive);
  std::string stringField(int64_t field);

  // Bit operations on unsigned 64-bit values.
  uint64_t BitwiseOnesComplement(uint64_t value);
  uint64_t BitwiseShiftLeft(uint64_t value, int64_t count);
  uint64_t BitwiseShiftRight(uint64_t value, int64_t count);
  uint64_t BitwiseShiftRightB(uint64_t value, int64_t count, int64_t width);
  uint64_t BitwiseShiftLeftB(uint64_t value, int64_t count, int64_t width);

  // Dates: moments are seconds since 1970-01-01 00:00:00 UTC.
  std::string SQLDateTime(double t);
  std::string ShortTime(double t);
  std::string LongTime(double t);
  std::string LongDate(double t);
  std::string ShortDate(double t);
  double now();
  double time();
  int64_t day(double t);
  int64_t month(double t);
  int64_t year(double t);
  int64_t DayOfWeek(double t);
  int64_t DayOfYear(double t);
  double GMTOffset(double t);
  int64_t minute(double t);
  int64_t hour(double t);
  int64_t second(double t);
  double ParseDate(const std::string& text);
  bool date_IsLeapYear(int64_t year);
  std::string date_mkCookieTime(double t);
  double date_mktime(int64_t hour, int64_t minute, int64_t second, int64_t month, int64_t day,
                     int64_t year, int64_t unused);
  std::string date_formatDate(const std::string& format, double t);

  std::string urlEncode(const std::string& text);
  std::string readFile(const std::string& scriptPath);
  std::shared_ptr<vorline::FolderItem> pathToFolderitem(const std::string& scriptPath);

  void constructor();
  void ResetGlue();

  // The drawing view.
  void createView(int64_t width, int64_t height);
  void showView();
  void viewSetPenColor(int64_t red, int64_t green, int64_t blue);
  void viewDrawPoint(int64_t x, int64_t y);
  void viewSetPenSize(int64_t size);
  void viewDrawRectangle(int64_t x, int64_t y, int64_t width, int64_t height);
  void viewDrawOval(int64_t x, int64_t y, int64_t width, int64_t height);
  void viewFillRectangle(int64_t x, int64_t y, int64_t width, int64_t height);
  void viewFillOval(int64_t x, int64_t y, int64_t width, int64_t height);
  void viewDrawLine(int64_t x1, int64_t y1, int64_t x2, int64_t y2);
  void viewClear();

  double trunc(double value);
  void setVar(const std::string& name, int64_t value);
  void setVar(const std::string& name, const std::string& value);
  void printAny(const std::string& text);
  void printAny(int64_t number);
  void printAny(double number);

 private:
  void store(const std::string& name, vorline::Variant value);
  std::vector<vorline::ContextMethod> buildMethodTable();
  void addVariableAndFileMethods(std::vector<vorline::ContextMethod>& t);
  void addStringShellAndBitMethods(std::vector<vorline::ContextMethod>& t);
  void addDateMethods(std::vector<vorline::ContextMethod>& t);
  void addFileAndViewMethods(std::vector<vorline::ContextMethod>& t);
  void addDrawingAndOverloadMethods(std::vector<vorline::ContextMethod>& t);

  std::vector<vorline::ContextMethod> methods_;
};

}  // namespace vorline
