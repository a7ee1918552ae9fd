#include "window/MemorySource.h"

#include <array>
#include <vector>

#include "platform/TextOps.h"

namespace vorline {
namespace {

// The script's reserved words; "to", "step" and the like are names outside their statements.
constexpr std::array<std::string_view, 33> kReservedWords = {
    "and",    "as",   "case", "const", "continue", "dim",      "do",     "each",   "else",
    "elseif", "end",  "exit", "false", "for",      "function", "if",     "loop",   "mod",
    "next",   "nil",  "not",  "or",    "print",    "redim",    "return", "select", "sub",
    "then",   "true", "var",  "wend",  "while",    "xor"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Letters beyond ASCII count as letters, as the script's identifiers allow them.
bool isLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// The length of the identifier at the start of name (0 when there is none).
size_t identifierLength(std::string_view name) {
  if (name.empty() || !isLetter(name[0])) return 0;
  size_t n = 1;
  while (n < name.size() && (isLetter(name[n]) || isDigit(name[n]))) ++n;
  return n;
}

bool isReserved(std::string_view word) {
  for (std::string_view reserved : kReservedWords)
    if (TextEquals(word, reserved)) return true;
  return false;
}

// "(...)" or "[...]" with something inside and no line break.
bool isIndex(std::string_view rest) {
  if (rest.size() < 3) return false;
  char open = rest.front(), close = rest.back();
  if (!((open == '(' && close == ')') || (open == '[' && close == ']'))) return false;
  return rest.find_first_of("\r\n") == std::string_view::npos;
}

bool isSpecial(std::string_view text, size_t i) {
  char c = text[i];
  if (c == '\n' || c == '\r' || c == '[' || c == ']') return true;
  return c == '$' && i + 1 < text.size() && isDigit(text[i + 1]);
}

std::string quoted(std::string_view run) { return "\"" + ReplaceAllB(run, "\"", "\"\"") + "\""; }

// The text cut into literal runs and chr() pieces, in order.
std::vector<std::string> pieces(std::string_view text) {
  std::vector<std::string> result;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!isSpecial(text, i)) continue;
    if (i > start) result.push_back(quoted(text.substr(start, i - start)));
    result.push_back("chr(" + Str(static_cast<int64_t>(static_cast<unsigned char>(text[i]))) + ")");
    start = i + 1;
  }
  if (start < text.size() || result.empty()) result.push_back(quoted(text.substr(start)));
  return result;
}

// The pieces lo..hi joined by "+" as a balanced tree, so its depth grows with the logarithm of
// their number and no text is too long for the engine's expression depth.
std::string joined(const std::vector<std::string>& parts, size_t lo, size_t hi) {
  if (hi - lo == 1) return parts[lo];
  size_t mid = lo + (hi - lo) / 2;
  return "(" + joined(parts, lo, mid) + " + " + joined(parts, mid, hi) + ")";
}

}  // namespace

std::string MemorySource::Declarations(const Dictionary& memory) {
  std::string text;
  for (int64_t i = 0; i < memory.Count(); ++i) {
    const std::string& name = memory.Key(i);
    if (IsKeptName(name)) text += DeclarationLine(name, memory.Value(name));
  }
  return text;
}

std::string MemorySource::DeclarationLine(const std::string& name, const Variant& value) {
  std::string line = "dim " + name;
  if (value.isNumber())
    line += " as double = " + Str(value.toDouble());
  else if (value.isString())
    line += " as string = " + StringExpression(value.stringValue());
  else
    line += " as integer = 0";
  line += EndOfLine;
  return line;
}

std::string MemorySource::StringExpression(std::string_view text) {
  std::vector<std::string> parts = pieces(text);
  return joined(parts, 0, parts.size());
}

bool MemorySource::IsKeptName(std::string_view name) {
  size_t n = identifierLength(name);
  if (n == 0 || isReserved(name.substr(0, n))) return false;
  return n == name.size() || isIndex(name.substr(n));
}

}  // namespace vorline
