#include "window/MemorySource.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/script/ScriptEngine.h"
#include "platform/script/ScriptLanguage.h"
#include "platform/text/TextOps.h"

namespace vorline {
namespace {

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

// The whole number that field holds between optional blanks, or -1 when it holds anything else
// or a number beyond any array's size.
int64_t boundOf(std::string_view field) {
  size_t first = field.find_first_not_of(' '), last = field.find_last_not_of(' ');
  if (first == std::string_view::npos) return -1;
  int64_t bound = 0;
  for (char c : field.substr(first, last - first + 1)) {
    if (!isDigit(c)) return -1;
    bound = bound * 10 + (c - '0');
    if (bound >= ScriptLimits{}.maxArrayElements) return -1;
  }
  return bound;
}

// "(...)" or "[...]" holding whole-number bounds that a later run can declare as they stand:
// an index made of variables or expressions, or one too large, would fail every later run.
bool isIndex(std::string_view rest) {
  if (rest.size() < 3) return false;
  char open = rest.front(), close = rest.back();
  if (!((open == '(' && close == ')') || (open == '[' && close == ']'))) return false;
  std::string_view inside = rest.substr(1, rest.size() - 2);
  int64_t elements = 1, dimensions = 0;
  for (size_t start = 0;; ++dimensions) {
    size_t comma = inside.find(',', start);
    size_t length = comma == std::string_view::npos ? comma : comma - start;
    int64_t bound = boundOf(inside.substr(start, length));
    if (bound < 0 || dimensions >= kScriptMaxDimensions) return false;
    elements *= bound + 1;
    if (elements > ScriptLimits{}.maxArrayElements) return false;
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
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

// What a declaration of name with value must agree on with every other declaration of the
// same variable: its number of dimensions (0 for a plain variable) and its type word.
int64_t shapeOf(int64_t dimensions, const Variant& value) {
  const int64_t type = value.isInteger() && !value.isUnsigned() ? 0
                       : value.isNumber()                       ? 1
                       : value.isString()                       ? 2
                                                                : 3;
  return dimensions * 4 + type;
}

// The identifier as the shapes map compares it: ASCII lower-cased in place, others by the
// letter-case rules of the text operations.
std::string identifierKey(std::string_view identifier) {
  std::string key(identifier);
  for (char& c : key) {
    if (static_cast<unsigned char>(c) >= 0x80) return Lowercase(identifier);
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return key;
}

// An Int64 as a literal: the lowest one has no positive counterpart to negate.
std::string integerText(int64_t value) {
  if (value == std::numeric_limits<int64_t>::min()) return "(-9223372036854775807 - 1)";
  return Str(value);
}

const char* typeWord(const Variant& value) {
  if (value.isInteger() && !value.isUnsigned()) return "integer";
  if (value.isNumber()) return "double";
  return value.isString() ? "string" : "integer";
}

// The value as script text of its type word.
void appendValue(std::string& text, const Variant& value) {
  if (value.isInteger() && !value.isUnsigned())
    text.append(integerText(value.int64Value()));
  else if (value.isNumber())
    text.append(Str(value.toDouble()));
  else if (value.isString())
    MemorySource::AppendStringExpression(text, value.stringValue());
  else
    text.append("0");
}

void appendDeclaration(std::string& text, std::string_view name, const Variant& value) {
  text.append("dim ").append(name).append(" as ").append(typeWord(value)).append(" = ");
  appendValue(text, value);
  text.append(EndOfLine);
}

// The whole-number bounds of a kept index "(1, 2)" or "[1, 2]".
std::vector<int64_t> indexOf(std::string_view index) {
  std::vector<int64_t> bounds;
  std::string_view inside = index.substr(1, index.size() - 2);
  for (size_t start = 0;;) {
    size_t comma = inside.find(',', start);
    bounds.push_back(
        boundOf(inside.substr(start, comma == std::string_view::npos ? comma : comma - start)));
    if (comma == std::string_view::npos) return bounds;
    start = comma + 1;
  }
}

// One kept array: declared once at the largest bound of its elements in each dimension, then
// each element assigned; an element stored twice (under two spellings of its index) keeps the
// later value.
struct KeptArray {
  std::string_view identifier;  // as first spelled
  const Variant* type = nullptr;
  std::vector<int64_t> bounds;
  std::map<std::vector<int64_t>, const Variant*> elements;

  // Takes the element unless the array would grow beyond the engine's size for one array.
  void add(std::vector<int64_t> index, const Variant& value) {
    std::vector<int64_t> grown = bounds;
    int64_t count = 1;
    for (size_t d = 0; d < grown.size(); ++d) {
      grown[d] = std::max(grown[d], index[d]);
      count *= grown[d] + 1;
      if (count > ScriptLimits{}.maxArrayElements) return;
    }
    bounds = std::move(grown);
    elements[std::move(index)] = &value;
  }

  void appendTo(std::string& text) const {
    text.append("dim ").append(identifier).append("(");
    appendBounds(text, bounds);
    text.append(") as ").append(typeWord(*type)).append(EndOfLine);
    for (const auto& [index, value] : elements) {
      text.append(identifier).append("(");
      appendBounds(text, index);
      text.append(") = ");
      appendValue(text, *value);
      text.append(EndOfLine);
    }
  }

  static void appendBounds(std::string& text, const std::vector<int64_t>& bounds) {
    for (size_t d = 0; d < bounds.size(); ++d) text.append(d ? ", " : "").append(Str(bounds[d]));
  }
};

// Whether two kept names of the memory can name one variable. Its keys differ in more than
// ASCII letter case, so only a name with an index or with letters beyond ASCII can meet another.
// The memory knows which bytes its keys hold without walking them.
bool identifiersMayRepeat(const Dictionary& memory) {
  return memory.KeyByteSeen('[') || memory.KeyByteSeen('(') || memory.NonAsciiKeyByteSeen();
}

// A kept name with an index ends with its closing bracket, which no identifier holds.
bool hasIndex(std::string_view keptName) {
  return keptName.back() == ')' || keptName.back() == ']';
}

// The lower-case identifiers of the kept indexed names of a memory with ASCII keys: a plain name
// meets another only when its identifier is one of them. A sketch of their lengths and first
// letters turns nearly every other name away before its key is made.
class ArrayIdentifiers {
 public:
  explicit ArrayIdentifiers(const Dictionary& memory) {
    for (int64_t i = 0; i < memory.Count(); ++i) {
      const std::string& name = memory.Key(i);
      if (!memory.KeyPasses(i, &MemorySource::IsKeptName) || !hasIndex(name)) continue;
      const std::string_view identifier = MemorySource::IdentifierOf(name);
      sketch_ |= bit(identifier);
      keys_.insert(identifierKey(identifier));
    }
  }

  // Whether the plain name is one of them.
  bool holds(std::string_view name) const {
    return (sketch_ & bit(name)) && keys_.contains(identifierKey(name));
  }

 private:
  static uint64_t bit(std::string_view identifier) {
    return uint64_t{1} << ((identifier.size() * 7 +
                            (static_cast<unsigned char>(identifier[0]) | 0x20u)) &
                           63);
  }

  uint64_t sketch_ = 0;
  std::unordered_set<std::string> keys_;
};

}  // namespace

// Whether a name is kept is asked of each entry once in its life: the memory keeps the answer.
// Entries that would declare one variable twice with different shapes or types (a name used
// once plain and once with an index) keep the first; a clash would fail every run. Only the names
// that can meet another go through the shapes map: with ASCII keys alone, the indexed names and
// the plain names of their identifiers. Without `plain` the plain declarations are left
// unwritten: only the arrays are wanted.
MemorySource::Parts MemorySource::declarations(const Dictionary& memory, bool plain) {
  Parts parts;
  if (plain) parts.plain.reserve(static_cast<size_t>(memory.Count()) * 40);
  const bool mayRepeat = identifiersMayRepeat(memory);
  const bool beyondAscii = memory.NonAsciiKeyByteSeen();
  const std::optional<ArrayIdentifiers> arrayNames =
      mayRepeat && !beyondAscii ? std::optional<ArrayIdentifiers>(memory) : std::nullopt;
  struct Shape {
    int64_t shape;
    size_t array;  // the index in arrays, for an array
  };
  std::unordered_map<std::string, Shape> shapes;  // lower-case identifier -> shape
  std::vector<KeptArray> arrays;
  for (int64_t i = 0; i < memory.Count(); ++i) {
    const std::string& name = memory.Key(i);
    if (!memory.KeyPasses(i, &IsKeptName)) continue;
    const Variant& value = memory.ValueAt(i);
    if (!mayRepeat || (arrayNames && !hasIndex(name) && !arrayNames->holds(name))) {
      if (plain) appendDeclaration(parts.plain, name, value);
      continue;
    }
    const std::string_view identifier = IdentifierOf(name);
    std::vector<int64_t> index;
    if (identifier.size() < name.size())
      index = indexOf(std::string_view(name).substr(identifier.size()));
    const int64_t shape = shapeOf(static_cast<int64_t>(index.size()), value);
    auto [known, fresh] = shapes.emplace(identifierKey(identifier), Shape{shape, arrays.size()});
    if (!fresh && known->second.shape != shape) continue;
    if (index.empty()) {
      if (plain) appendDeclaration(parts.plain, name, value);
      continue;
    }
    if (fresh) {
      arrays.emplace_back();
      arrays.back().identifier = identifier;
      arrays.back().type = &value;
      arrays.back().bounds.assign(index.size(), 0);
    }
    arrays[known->second.array].add(std::move(index), value);
  }
  for (const KeptArray& array : arrays) array.appendTo(parts.arrays);
  return parts;
}

// A number's declaration is written out; a string's is bounded: a special character becomes a
// chr() piece of at most 8 bytes, joined by at most 5 more (a " + " and a pair of parentheses),
// and ends a quoted run of 2 more.
int64_t MemorySource::DeclarationBytes(std::string_view name, const Variant& value) {
  if (!value.isString()) {
    // "dim ", " as " and " = " around the name, the type word and the value.
    std::string text;
    appendValue(text, value);
    return static_cast<int64_t>(11 + name.size() + std::strlen(typeWord(value)) + text.size() +
                                EndOfLine.size());
  }
  const std::string& text = value.stringValue();
  int64_t bytes = static_cast<int64_t>(name.size() + text.size()) + 20;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') ++bytes;
    if (isSpecial(text, i)) bytes += 15;
  }
  return bytes;
}

bool MemorySource::DeclaresAlike(const Variant& old, const Variant& value) {
  if (old.type() != value.type() || old.isUnsigned() != value.isUnsigned()) return false;
  if (value.isInteger()) return old.int64Value() == value.int64Value();
  if (value.isFloat())
    return std::bit_cast<uint64_t>(old.doubleValue()) ==
           std::bit_cast<uint64_t>(value.doubleValue());
  if (value.isString()) return old.stringValue() == value.stringValue();
  return false;
}

MemorySource::Parts MemorySource::Declarations(const Dictionary& memory) {
  return declarations(memory, true);
}

std::string MemorySource::ArrayDeclarations(const Dictionary& memory) {
  if (!identifiersMayRepeat(memory)) return {};
  return declarations(memory, false).arrays;
}

std::string_view MemorySource::IdentifierOf(std::string_view name) {
  return name.substr(0, identifierLength(name));
}

bool MemorySource::HasBrackets(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) { return c == '[' || c == ']'; });
}

std::string MemorySource::ScriptForm(std::string_view name) {
  if (!HasBrackets(name)) return std::string(name);  // nearly all
  return ReplaceAllB(ReplaceAllB(name, "[", "("), "]", ")");
}

std::string MemorySource::DeclarationLine(const std::string& name, const Variant& value) {
  std::string line;
  appendDeclaration(line, name, value);
  return line;
}

// A text without line breaks, brackets or "$" before a digit (nearly every one) is one quoted
// literal, written in place.
void MemorySource::AppendStringExpression(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (isSpecial(text, i)) {
      out.append(StringExpression(text));
      return;
    }
  }
  out += '"';
  for (size_t start = 0;;) {
    size_t q = text.find('"', start);
    if (q == std::string_view::npos) {
      out.append(text.substr(start));
      break;
    }
    out.append(text.substr(start, q + 1 - start)).append("\"");
    start = q + 1;
  }
  out += '"';
}

std::string MemorySource::StringExpression(std::string_view text) {
  std::vector<std::string> parts = pieces(text);
  return joined(parts, 0, parts.size());
}

bool MemorySource::IsKeptName(std::string_view name) {
  size_t n = identifierLength(name);
  if (n == 0 || IsScriptReservedWord(name.substr(0, n))) return false;
  return n == name.size() || isIndex(name.substr(n));
}

}  // namespace vorline
