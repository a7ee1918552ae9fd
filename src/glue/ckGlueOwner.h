// What the script context asks of the window it serves: the five properties it reads or writes
// and the four methods it calls. The calculator window derives from this, so these members are
// the window's own properties; a test owner serves until the window exists.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "platform/files/FolderItem.h"
#include "platform/values/Dictionary.h"

namespace vorline {

class ckGlueOwner {
 public:
  virtual ~ckGlueOwner() = default;

  // The window's variables memory; setVar stores into it.
  vorline::Dictionary mem;
  // Index in the source-line list of the pad line being run; tagLine sets it.
  int64_t exPrintLine = 0;
  // Digits after the point in printed numbers, 0 to 12.
  int64_t opPrecision = 0;
  // Output mode: 0 "Base 10 Floating Point", 1 "Base 10 Scientific".
  int64_t opViewMode = 0;
  // The pad's file; null for a pad never opened or saved.
  std::shared_ptr<vorline::FolderItem> theFile;

  // Stores a value of setVar into mem; index is the name's entry there, -1 for none (the
  // caller has looked it up already). The window refuses, with a RuntimeException, a store
  // that no later run could declare.
  virtual void storeVariable(const std::string& name, int64_t index, vorline::Variant value) {
    if (index >= 0)
      mem.SetValueAt(index, std::move(value));
    else
      mem.SetValue(name, std::move(value));
  }
  // Appends " //" and the text to the source-line list entry exPrintLine.
  virtual void doPrint(const std::string& text) = 0;
  // The error signal: beep and the blinking error badge.
  virtual void DoERR() = 0;
  // The shell path of the pad's folder, or of the default folder for a pad without a file.
  virtual std::string msg_get_current_path() = 0;
};

}  // namespace vorline
