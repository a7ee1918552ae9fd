// Turns the text of one run (the prefix block and the pad, or one line) into one script: the
// function definitions, an empty line, the declarations, the converted body and an empty line.
// Every question to the window and every effect on it goes through `owner`.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "converter/ckConverterOwner.h"

namespace vorline {

class FolderItem;
class ckWorkingText;

class ckScriptConverter {
 public:
  // A name split by its type prefix: Left the bare name, Right the type word.
  struct Pair {
    std::string Left;
    std::string Right;
  };

  ckScriptConverter();
  virtual ~ckScriptConverter();
  ckScriptConverter(const ckScriptConverter&) = delete;
  ckScriptConverter& operator=(const ckScriptConverter&) = delete;

  // The host; not owned. Must be set before convertSource.
  ckConverterOwner* owner = nullptr;

  // The operations in the order of the class's table of virtual operations.
 private:
  virtual std::string doParseArray(const std::string& line);
  // Appends the code of NAME = VALUE to out.
  virtual void doParseAssigment(std::string_view line, bool printFlag, std::string& out);
  virtual void doParseDIM(const std::string& line);
  virtual std::string doParseFirstExpression(const std::string& text);
  virtual void doParseFunction(const std::string& line);
  virtual std::string doParseIF(const std::string& line);
  virtual std::string doParseLine(const std::string& statement);
  virtual std::string doParseWhen(const std::string& line);

 public:
  // The whole script for the text of one run.
  virtual std::string convertSource(std::string text);
  // Whether the line opens or closes an include block, as the conversion reads it.
  static bool IsIncludeMarker(std::string_view line);

 private:
  virtual std::string doConvertString(const std::string& text);
  // Appends the tag of a pad line to out.
  virtual void doEmmitSourceLine(std::string_view line, std::string& out);
  // The body of the script.
  virtual std::string convert(std::string text);

 public:
  virtual void msg_set_include_flag(bool flag);
  virtual void msg_append_to_declares(const std::string& text);
  virtual void msg_append_to_variables(const std::string& text);

 private:
  virtual std::string doParseUse(const std::string& line);
  virtual void doParsePragma(const std::string& line);
  virtual std::string doParseInclude(const std::string& line);
  virtual std::string doParsePlot(const std::string& keyword, const std::string& line);
  virtual void doInjectSpecialVariables();

 public:
  // Plain wording to an expression: "half of X" / "half a X" become "((X) / 2)", and each
  // word loses a leading "$". Nothing in the program calls it.
  virtual std::string doParseTextual(const std::string& text);

 private:
  virtual Pair typeFromVarName(const std::string& name);

  // A name split by its type prefix, as views of the name and of the type word.
  struct TypedName {
    std::string_view name;
    std::string_view type;
  };
  static TypedName splitTypedName(std::string_view name);

  // Helpers of the operations above.
  enum class LineRule : int;
  static LineRule classify(std::string_view line);
  void convertLine(std::string_view line, std::string& output);
  void followMarker(bool start);
  void appendTaggedCode(LineRule rule, std::string_view line, std::string& out);
  void appendPassiveCode(LineRule rule, std::string_view line, std::string& out);
  bool memoryHas(std::string_view name);
  void memoryCreate(std::string_view name, std::string_view type);
  static void appendConverted(std::string& out, std::string_view text);
  void postProcessFrom(std::string& text, size_t start);
  void spliceBlock(std::string block);
  std::string doParseConditional(const std::string& line, size_t keywordLength);
  std::string readIncludeBlock(const vorline::FolderItem& item);
  std::string includePath(const std::string& current, std::string path);

  std::string dimBuffer;      // the declarations ahead of the body
  std::string dimDeclares;    // the function definitions that open the script
  bool flgOnInclude = false;  // include mode of the line being converted
  // How deep the markers of the text handed in nest; a spliced file's lines are in include
  // mode whatever markers they hold.
  int64_t includeDepth_ = 0;

  // The text still to convert during convert(); null outside a conversion.
  std::unique_ptr<ckWorkingText> working_;
  // The canonical path of the file whose block readIncludeBlock returned last ("" for none).
  std::string pendingSplicePath_;
  // Reused for the new names handed to the owner, so that handing them over does not allocate
  // for each.
  std::string ownerText_;
  std::string postProcessed_;  // the code of a line while it is post-processed
};

}  // namespace vorline
