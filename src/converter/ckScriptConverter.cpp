#include "converter/ckScriptConverter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <utility>
#include <vector>

#include "converter/ckArrayLiteral.h"
#include "converter/ckWorkingText.h"
#include "platform/files/FolderItem.h"
#include "platform/files/SpecialFolder.h"
#include "platform/files/TextInputStream.h"
#include "platform/text/TextOps.h"

namespace vorline {

namespace {

constexpr size_t npos = std::string_view::npos;

std::string_view trimView(std::string_view s) {
  size_t begin = 0, end = s.size();
  while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
  while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
  return s.substr(begin, end - begin);
}

// The part of a line that is converted: trimmed, and cut at its first "//" (quotes are not
// looked at).
std::string_view codeOf(std::string_view raw) {
  std::string_view line = trimView(raw);
  const size_t comment = line.find("//");
  return comment == npos ? line : trimView(line.substr(0, comment));
}

// The text before the first blank: only a blank ends a first word, a tab does not.
std::string_view firstWord(std::string_view s) { return s.substr(0, s.find(' ')); }

// The first word of a line, to compare with keywords (ASCII, compared as TextEquals does): an
// ASCII word can only equal a keyword of its length; a word with other characters may fold to
// another length.
class FirstWord {
 public:
  explicit FirstWord(std::string_view line)
      : word_(firstWord(line)), ascii_(std::all_of(word_.begin(), word_.end(), [](char c) {
          return static_cast<unsigned char>(c) < 0x80;
        })) {}
  bool is(std::string_view keyword) const {
    return (!ascii_ || word_.size() == keyword.size()) && TextEquals(word_, keyword);
  }

 private:
  std::string_view word_;
  bool ascii_;
};

// The fields of s at every sep, as CountFields and NthField cut them: none for the empty text.
std::vector<std::string_view> splitFields(std::string_view s, char sep) {
  std::vector<std::string_view> fields;
  if (s.empty()) return fields;
  size_t begin = 0;
  for (size_t p = s.find(sep); p != npos; p = s.find(sep, begin)) {
    fields.push_back(s.substr(begin, p - begin));
    begin = p + 1;
  }
  fields.push_back(s.substr(begin));
  return fields;
}

// The length of the leading expression: up to a blank outside parentheses, or up to an "="
// that follows neither "<" nor ">" (at any depth).
size_t firstExpressionLength(std::string_view text) {
  int64_t depth = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      --depth;
    } else if (c == ' ' && depth <= 0) {
      return i;
    } else if (c == '=' && (i == 0 || (text[i - 1] != '>' && text[i - 1] != '<'))) {
      return i;
    }
  }
  return text.size();
}

// 2 for a statement whose first word is "if", 4 for "when", else 0: the keyword's length.
size_t conditionalKeywordLength(std::string_view statement) {
  const FirstWord word(statement);
  if (word.is("if")) return 2;
  if (word.is("when")) return 4;
  return 0;
}

bool holdsOneAssignment(std::string_view s) {
  const size_t first = s.find('=');
  return first != npos && s.find('=', first + 1) == npos;
}

std::string withEol(std::string text) {
  text += EndOfLine;
  return text;
}

std::string withEol(const char* text) { return withEol(std::string(text)); }

// Whether a word starting with this byte can be a keyword. No character outside ASCII folds
// to a keyword's first letter, so other bytes never start one.
bool mayStartKeyword(char c) {
  constexpr std::string_view initials = "bdeipruwBDEIPRUW";
  return initials.find(c) != npos;
}

// The bytes doConvertString looks at: brackets and "$".
constexpr std::array<char, 3> kConvertedBytes = {'[', ']', '$'};

// Three searches for a single byte each outrun one pass that looks every byte up.
bool holdsConverted(std::string_view text) {
  for (const char c : kConvertedBytes)
    if (text.find(c) != npos) return true;
  return false;
}

}  // namespace

// What the line loop does with a line, in the order in which the rules are tried.
// clang-format off
enum class ckScriptConverter::LineRule : int {
  Raw, Def, Pragma, Dim, If, When, Print, Return, Plot, Include, Use, EndExitBeep,
  StartInclude, EndInclude, HashComment, DashComment, Assignment, Expression
};
// clang-format on

ckScriptConverter::ckScriptConverter() = default;
ckScriptConverter::~ckScriptConverter() = default;

// The first rule that matches a non-empty line, trimmed and cut at its comment.
ckScriptConverter::LineRule ckScriptConverter::classify(std::string_view line) {
  using Rule = LineRule;
  static constexpr std::pair<std::string_view, Rule> keywords[] = {
      {"def", Rule::Def},         {"pragma", Rule::Pragma},   {"dim", Rule::Dim},
      {"if", Rule::If},           {"when", Rule::When},       {"print", Rule::Print},
      {"return", Rule::Return},   {"plot", Rule::Plot},       {"include", Rule::Include},
      {"use", Rule::Use},         {"end", Rule::EndExitBeep}, {"exit", Rule::EndExitBeep},
      {"beep", Rule::EndExitBeep}};
  if (line[0] == '@') return Rule::Raw;
  if (mayStartKeyword(line[0])) {
    const FirstWord word(line);
    for (const auto& [keyword, rule] : keywords)
      if (word.is(keyword)) return rule;
  }
  if (line[0] == '#') {
    if (TextEquals(line, "#start_include")) return Rule::StartInclude;
    if (TextEquals(line, "#end_include")) return Rule::EndInclude;
    return Rule::HashComment;
  }
  if (line.substr(0, 2) == "--") return Rule::DashComment;
  if (holdsOneAssignment(line)) return Rule::Assignment;
  return Rule::Expression;
}

// ---- Assignments, declarations and arrays ----

// The element lines of an array literal; its declaration goes to the declarations. A literal
// nested too deeply is passed to the script as written, for the engine to report.
std::string ckScriptConverter::doParseArray(const std::string& line) {
  // A type prefix is dropped, as for any other name: an array literal is always a Variant array.
  const std::string name(splitTypedName(Trim(vorline::NthField(line, "=", 1))).name);
  const std::string lit = Trim(vorline::NthField(line, "=", 2));
  const ckArrayLiteral literal(name, lit);
  if (literal.tooDeep()) return withEol(line);
  dimBuffer += literal.declaration();
  return literal.elementLines();
}

// NAME = VALUE: the assignment and store lines (and the print line at the top level outside
// include mode); a name new to the memory is registered and declared.
void ckScriptConverter::doParseAssigment(std::string_view line, bool printFlag, std::string& out) {
  // The first two fields at "=", as NthField cuts them, without copies: every pad line that
  // assigns comes through here.
  const size_t eq = line.find('=');
  const std::string_view name = trimView(line.substr(0, eq));
  std::string_view value;
  if (eq != npos) {
    const std::string_view rest = line.substr(eq + 1);
    value = trimView(rest.substr(0, rest.find('=')));
  }
  if (!value.empty() && value[0] == '{') {
    out += doParseArray(std::string(line));
    return;
  }
  const TypedName typed = splitTypedName(name);
  if (!memoryHas(typed.name)) {
    memoryCreate(typed.name, typed.type);
    dimBuffer.append("dim ").append(typed.name).append(" as ").append(typed.type).append(EndOfLine);
  }
  out.append(typed.name).append(" = ").append(value).append(EndOfLine);
  out.append("setVar \"").append(typed.name).append("\", ").append(typed.name).append(EndOfLine);
  if (printFlag && !flgOnInclude) out.append("printAny ").append(typed.name).append(EndOfLine);
}

bool ckScriptConverter::memoryHas(std::string_view name) {
  return owner->msg_memory_has_symbol(name);
}

// The owner takes a new name as a string; one reused string carries it.
void ckScriptConverter::memoryCreate(std::string_view name, std::string_view type) {
  ownerText_.assign(name);
  owner->msg_memory_create_symbol(ownerText_, std::string(type));
}

// dim NAME ...: declares the name; with "[" for this run only, otherwise through the memory.
void ckScriptConverter::doParseDIM(const std::string& line) {
  const std::string declared = Trim(doParseFirstExpression(Trim(vorline::Mid(line, 4))));
  const Pair typed = typeFromVarName(vorline::NthField(declared, "[", 1));
  const std::string declaration = withEol("dim " + typed.Left + " as " + typed.Right);
  if (declared.find('[') != npos) {
    dimBuffer += declaration;
    return;
  }
  if (owner->msg_memory_has_symbol(typed.Left)) return;
  owner->msg_memory_create_symbol(typed.Left, typed.Right);
  dimBuffer += declaration;
}

std::string ckScriptConverter::doParseFirstExpression(const std::string& text) {
  return text.substr(0, firstExpressionLength(text));
}

ckScriptConverter::Pair ckScriptConverter::typeFromVarName(const std::string& name) {
  const TypedName typed = splitTypedName(name);
  return {std::string(typed.name), std::string(typed.type)};
}

ckScriptConverter::TypedName ckScriptConverter::splitTypedName(std::string_view name) {
  if (name.empty()) return {name, "double"};
  switch (name[0]) {
    case '$':
      return {name.substr(1), "string"};
    case '#':
      return {name.substr(1), "integer"};
    case '%':
      return {name.substr(1), "double"};
    default:
      return {name, "double"};
  }
}

// ---- Function definitions and one-line conditionals ----

// def NAME(PARAMETERS) STATEMENTS: one function of the script, appended to the definitions.
// The parts are views of the line: the header is written straight into the definitions.
void ckScriptConverter::doParseFunction(const std::string& line) {
  const std::string_view text = trimView(vorline::NthFieldView(line, "def", 2));
  const std::string_view head = text.substr(0, firstExpressionLength(text));
  const std::string_view body = trimView(text.substr(head.size()));
  const std::string_view params =
      trimView(vorline::NthFieldView(trimView(vorline::NthFieldView(head, "(", 2)), ")", 1));
  const std::string_view name = trimView(vorline::NthFieldView(head, "(", 1));
  dimDeclares.append("function ").append(name).append("(");
  const std::vector<std::string_view> fields = splitFields(params, ',');
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) dimDeclares += ", ";
    dimDeclares.append(trimView(fields[i])).append(" as double");
  }
  dimDeclares.append(") as double").append(EndOfLine);
  for (const std::string_view statement : splitFields(body, ';')) {
    const std::string code = doParseLine(Trim(statement));
    dimDeclares += code;
  }
  dimDeclares += withEol("end function");
}

std::string ckScriptConverter::doParseIF(const std::string& line) {
  return doParseConditional(line, 2);
}

std::string ckScriptConverter::doParseWhen(const std::string& line) {
  return doParseConditional(line, 4);
}

// if/when CONDITION STATEMENTS as an if block. A body that is a single further conditional
// is unrolled here instead of by recursion, working on views of the one line, so that a line
// of thousands of nested conditionals takes neither deep recursion nor quadratic time.
std::string ckScriptConverter::doParseConditional(const std::string& line, size_t keywordLength) {
  const size_t lastSemicolon = line.rfind(';');
  std::string_view statement = line;
  std::string result;
  size_t depth = 0;
  for (;;) {
    const std::string_view text =
        trimView(statement.substr(std::min(keywordLength, statement.size())));
    const std::string_view condition = text.substr(0, firstExpressionLength(text));
    const std::string_view body = trimView(text.substr(condition.size()));
    result.append("if ").append(condition).append(" then ").append(EndOfLine);
    ++depth;
    const size_t bodyStart = static_cast<size_t>(body.data() - line.data());
    if (!body.empty() && (lastSemicolon == npos || lastSemicolon < bodyStart)) {
      keywordLength = conditionalKeywordLength(body);
      if (keywordLength > 0) {
        statement = body;
        continue;
      }
      result += doParseLine(std::string(body));
    } else {
      for (const std::string_view field : splitFields(body, ';'))
        result += doParseLine(Trim(field));
    }
    break;
  }
  for (; depth > 0; --depth) result.append("end if").append(EndOfLine);
  return result;
}

// The code of one statement of a function or conditional body.
std::string ckScriptConverter::doParseLine(const std::string& statement) {
  if (statement.empty()) return std::string(EndOfLine);
  const FirstWord word(statement);
  if (word.is("def")) {
    doParseFunction(statement);
    return {};
  }
  if (word.is("dim")) {
    doParseDIM(statement);
    return {};
  }
  if (word.is("if")) return doParseIF(statement);
  if (word.is("when")) return doParseWhen(statement);
  for (const char* keyword : {"print", "return", "end", "exit", "beep"})
    if (word.is(keyword)) return withEol(statement);
  if (holdsOneAssignment(statement)) {
    std::string code;
    doParseAssigment(statement, false, code);
    return code;
  }
  if (statement[0] == '#') return withEol("//" + statement.substr(1));
  if (statement[0] == '$') return withEol("print " + statement.substr(1));
  return withEol("print str(" + statement + ")");
}

// ---- The generated script ----

// The definitions and declarations are post-processed straight into the script.
std::string ckScriptConverter::convertSource(std::string text) {
  if (owner == nullptr) throw std::logic_error("ckScriptConverter: no owner set");
  flgOnInclude = false;
  includeDepth_ = 0;
  dimDeclares.clear();
  dimBuffer = owner->msg_memory_get_symbol_declares();
  const std::string body = convert(std::move(text));
  dimBuffer += owner->msg_memory_get_array_declares();
  const size_t size = dimDeclares.size() + dimBuffer.size() + body.size();
  std::string script;
  script.reserve(size + size / 16 + 2 * EndOfLine.size());
  appendConverted(script, dimDeclares);
  script.append(EndOfLine);
  appendConverted(script, dimBuffer);
  script.append(body);
  script.append(EndOfLine);
  return script;
}

// Brackets become parentheses, and "$" with a number from 0 to 35 a stringField call. One
// pass gives what replacing "$35" down to "$0" in turn gives: at each "$" the two-digit
// number wins when it is 35 or less, and a replacement never makes a new "$".
std::string ckScriptConverter::doConvertString(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  appendConverted(out, text);
  return out;
}

// doConvertString of text, appended to out.
// Each of the three bytes is searched for on its own, from where the text is converted up to,
// so the runs between them are copied without looking at every byte.
void ckScriptConverter::appendConverted(std::string& out, std::string_view text) {
  auto digit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  std::array<size_t, kConvertedBytes.size()> next{};
  for (size_t k = 0; k < next.size(); ++k) next[k] = text.find(kConvertedBytes[k]);
  size_t i = 0;
  for (;;) {
    const size_t plain = *std::min_element(next.begin(), next.end());
    if (plain == npos) break;
    out.append(text, i, plain - i);
    i = plain + 1;
    for (size_t k = 0; k < next.size(); ++k)
      if (next[k] == plain) next[k] = text.find(kConvertedBytes[k], i);
    const char c = text[plain];
    if (c != '$') {
      out += c == '[' ? '(' : ')';
    } else if (!digit(i)) {
      out += '$';
    } else {
      int number = text[i] - '0';
      if (number >= 1 && digit(i + 1) && number * 10 + (text[i + 1] - '0') <= 35)
        number = number * 10 + (text[++i] - '0');
      out.append("stringField(").append(vorline::Str(number)).append(")");
      ++i;
    }
  }
  out.append(text.substr(i));
}

// The line tag: registers the line and writes "tagLine N"; in include mode an empty line.
void ckScriptConverter::doEmmitSourceLine(std::string_view line, std::string& out) {
  if (flgOnInclude) {
    out.append(EndOfLine);
    return;
  }
  const int64_t index = owner->msg_append_source_line(line);
  constexpr std::string_view kTag = "tagLine ";
  char tag[kTag.size() + 24];
  kTag.copy(tag, kTag.size());
  char* end = std::to_chars(tag + kTag.size(), tag + sizeof tag, index).ptr;
  end = std::copy(EndOfLine.begin(), EndOfLine.end(), end);
  out.append(tag, static_cast<size_t>(end - tag));
}

// ---- The line loop ----

// The body of the script: every line of the text, and of the blocks spliced into it, by the
// rule that matches it.
// Every line is read as a view of the working text, and its code appended to one output. The
// code of a line holds nothing to post-process that the line does not hold, and ends with a
// line ending, so only the code of such lines is post-processed, on its own.
std::string ckScriptConverter::convert(std::string text) {
  const size_t size = text.size();
  working_ = std::make_unique<ckWorkingText>(std::move(text));
  pendingSplicePath_.clear();
  std::string output;
  output.reserve(size * 4);  // scripts run up to about four times the size of their pads
  std::string_view raw;
  while (working_->nextLine(raw)) {
    flgOnInclude = includeDepth_ > 0 || working_->insideSplice();
    const std::string_view line = codeOf(raw);
    if (line.empty()) {
      if (!flgOnInclude) doEmmitSourceLine(line, output);
      continue;
    }
    const size_t start = output.size();
    const bool postProcess = holdsConverted(line);  // before a splice ends the line's view
    convertLine(line, output);
    if (postProcess) postProcessFrom(output, start);
  }
  working_.reset();
  return output;
}

// Post-processes the text from start on, where it holds anything to post-process (a line's
// "$" may be a type prefix that its code no longer holds).
void ckScriptConverter::postProcessFrom(std::string& text, size_t start) {
  const std::string_view code = std::string_view(text).substr(start);
  if (!holdsConverted(code)) return;
  postProcessed_.assign(code);
  text.resize(start);
  appendConverted(text, postProcessed_);
}

bool ckScriptConverter::IsIncludeMarker(std::string_view line) {
  const std::string_view code = codeOf(line);
  if (code.empty()) return false;
  const LineRule rule = classify(code);
  return rule == LineRule::StartInclude || rule == LineRule::EndInclude;
}

// Appends the code of one non-empty line, its tag first where the rule tags.
void ckScriptConverter::convertLine(std::string_view line, std::string& output) {
  const LineRule rule = classify(line);
  if (rule == LineRule::Return || rule == LineRule::EndExitBeep) {
    output.append(line).append(EndOfLine);
  } else if (rule == LineRule::StartInclude || rule == LineRule::EndInclude) {
    followMarker(rule == LineRule::StartInclude);
  } else {
    doEmmitSourceLine(line, output);
    appendTaggedCode(rule, line, output);
  }
}

// Include blocks nest: only the marker that closes the outermost block ends include mode. The
// markers inside a spliced file change nothing, so that no line of it leaves its block.
void ckScriptConverter::followMarker(bool start) {
  if (working_->insideSplice()) return;
  if (start)
    ++includeDepth_;
  else if (includeDepth_ > 0)
    --includeDepth_;
}

// Appends the code that follows the tag of a line of this rule. The line's view does not
// outlive a splice, which comes last.
void ckScriptConverter::appendTaggedCode(LineRule rule, std::string_view line, std::string& out) {
  // clang-format off
  switch (rule) {
    case LineRule::Raw: out.append(line.substr(1)).append(EndOfLine); return;
    case LineRule::Def: doParseFunction(std::string(line)); return;
    case LineRule::Pragma: doParsePragma(std::string(line)); return;
    case LineRule::Dim: doParseDIM(std::string(line)); return;
    case LineRule::If: out += doParseIF(std::string(line)); return;
    case LineRule::When: out += doParseWhen(std::string(line)); return;
    case LineRule::Plot: out += doParsePlot("plot", std::string(line)); return;
    case LineRule::Include: spliceBlock(doParseInclude(std::string(line))); return;
    case LineRule::Use: spliceBlock(doParseUse(std::string(line))); return;
    case LineRule::Assignment: doParseAssigment(line, true, out); return;
    default: appendPassiveCode(rule, line, out);
  }
  // clang-format on
}

// Print lines, comments and bare expressions: in include mode only a bare expression passes,
// as script text.
void ckScriptConverter::appendPassiveCode(LineRule rule, std::string_view line, std::string& out) {
  if (rule == LineRule::Expression) {
    if (flgOnInclude) {
      out.append(line).append(EndOfLine);
    } else {
      out.append("print str(").append(line).append(")").append(EndOfLine);
    }
    return;
  }
  if (flgOnInclude) return;
  if (rule == LineRule::HashComment) {
    out.append("//").append(line.substr(1));
  } else if (rule == LineRule::DashComment) {
    out.append("//").append(line.substr(2));
  } else {
    out.append(line);  // a print line
  }
  out.append(EndOfLine);
}

// Splices a block after the current line, or nothing once the budget is spent.
void ckScriptConverter::spliceBlock(std::string block) {
  std::string path = std::move(pendingSplicePath_);
  pendingSplicePath_.clear();
  if (!working_->canSplice(block.size())) block.clear();
  working_->splice(std::move(block), std::move(path));
}

// ---- Host access from outside ----

void ckScriptConverter::msg_set_include_flag(bool flag) {
  flgOnInclude = flag;
  includeDepth_ = flag ? 1 : 0;
}

void ckScriptConverter::msg_append_to_declares(const std::string& text) { dimDeclares += text; }

void ckScriptConverter::msg_append_to_variables(const std::string& text) { dimBuffer += text; }

// ---- Directives ----

// use NAME: the block of NAME.vrl from the "includes" folder, or "".
std::string ckScriptConverter::doParseUse(const std::string& line) {
  const auto folder = vorline::GetFolderItem("includes", vorline::PathMode::Relative);
  if (!folder) return {};
  const auto item = folder->Child(Trim(vorline::Mid(line, 4)) + ".vrl");
  if (!item) return {};
  return readIncludeBlock(*item);
}

// include PATH: the block of the file that the path names, or "".
std::string ckScriptConverter::doParseInclude(const std::string& line) {
  const std::string current = owner->msg_get_current_path();
  const std::string path = includePath(current, Trim(vorline::Mid(line, 8)));
  if (path.empty()) return {};
  const auto item = vorline::GetFolderItem(path, vorline::PathMode::Shell);
  if (!item) return {};
  return readIncludeBlock(*item);
}

// The shell path of an include line's path: "~/" and then "./" replaced once each when it
// holds a "/", else the name in the "includes" folder; "" when a folder cannot be had.
std::string ckScriptConverter::includePath(const std::string& current, std::string path) {
  if (path.find('/') != npos) {
    const auto home = vorline::SpecialFolder::Home();
    if (!home) return {};
    path = vorline::Replace(path, "~/", home->ShellPath());
    return vorline::Replace(path, "./", current);
  }
  const auto includes = vorline::GetFolderItem("includes", vorline::PathMode::Relative);
  if (!includes) return {};
  return includes->ShellPath() + "/" + path;
}

// The file's include block, or "" when it cannot be read without blocking, when the line
// asking for it stands inside a splice of the same file (a cycle), or when it would overrun the
// splice budget. Reading stops at the budget that is left, whatever length the file reports.
std::string ckScriptConverter::readIncludeBlock(const vorline::FolderItem& item) {
  const std::string canonical = item.CanonicalPath();
  if (canonical.empty()) return {};
  if (working_ && working_->insideSpliceOf(canonical)) return {};
  if (working_ && !working_->canSplice(static_cast<size_t>(item.Length()))) return {};
  const size_t budget = working_ ? working_->spliceBytesLeft() : ckWorkingText::kMaxBytes;
  const auto stream = item.OpenAsTextFile(budget);
  if (!stream) return {};
  std::string text;
  while (!stream->IsEOF()) text += withEol(stream->ReadLine());
  stream->Close();
  pendingSplicePath_ = canonical;
  std::string block = withEol("#start_include");
  block.append(text).append(EndOfLine).append(withEol("#end_include"));
  return block;
}

// pragma clear_memory / pragma debug_file; any other word does nothing.
void ckScriptConverter::doParsePragma(const std::string& line) {
  const std::string word = Trim(vorline::Mid(line, 7));
  if (TextEquals(word, "clear_memory")) {
    owner->msg_memory_reset();
    dimBuffer = owner->msg_memory_get_symbol_declares();
  } else if (TextEquals(word, "debug_file")) {
    owner->msg_set_debug_flag(true);
  }
}

// The loop that plots the expression after the keyword through the prefix's plot functions.
std::string ckScriptConverter::doParsePlot(const std::string& keyword, const std::string& line) {
  const std::string expression = Trim(vorline::Mid(line, vorline::Len(keyword) + 1));
  std::string code =
      withEol("graphNextPlot(plotXMax, plotXMin, plotYMax, plotYMin, plotXStep, plotTicks)");
  code += withEol("for plotX = plotXMin to plotXMax step ((plotXMax*2)/plotXStep)");
  code += withEol("plotY = " + expression);
  code += withEol("graphPlotPoint plotX, plotY");
  code += withEol("next");
  code += withEol("graphShow()");
  return code;
}

// The list of special variables is empty: nothing to inject.
void ckScriptConverter::doInjectSpecialVariables() {}

std::string ckScriptConverter::doParseTextual(const std::string& text) {
  std::vector<std::string> words;
  for (const std::string_view field : splitFields(text, ' '))
    if (!field.empty()) words.emplace_back(field[0] == '$' ? field.substr(1) : field);
  std::string out;
  for (size_t i = 0; i < words.size(); ++i) {
    if (!out.empty()) out += ' ';
    const bool half = TextEquals(words[i], "half") && i + 2 < words.size() &&
                      (TextEquals(words[i + 1], "of") || TextEquals(words[i + 1], "a"));
    if (half) {
      out += "((" + words[i + 2] + ") / 2)";
      i += 2;
    } else {
      out += words[i];
    }
  }
  return out;
}

}  // namespace vorline
