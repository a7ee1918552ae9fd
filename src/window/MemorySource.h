// The variables memory written as script text: the memory declarations that open every run's
// script, and the text forms of stored values that the variables listing shows.
#pragma once

#include <string>
#include <string_view>

#include "platform/values/Dictionary.h"
#include "platform/values/Variant.h"

namespace vorline {

class MemorySource {
 public:
  // The memory declarations, in entry order: "dim NAME as TYPE = VALUE" and EndOfLine for each
  // plain variable (integers as integer, other numbers as double in the round-trip form of
  // Str, strings as a literal that the converter's post-processing leaves intact, anything else
  // as integer 0); and for each array kept by its elements "dim NAME(BOUNDS) as TYPE", at the
  // largest bound of its elements in each dimension, then one assignment per element. The
  // arrays follow the run's own declarations, which they supersede.
  struct Parts {
    std::string plain;
    std::string arrays;
  };
  static Parts Declarations(const Dictionary& memory);
  // The arrays part alone; at once "" for a memory without an index in any name.
  static std::string ArrayDeclarations(const Dictionary& memory);
  // The declaration of one plain entry.
  static std::string DeclarationLine(const std::string& name, const Variant& value);
  // At least the bytes that the declaration of a plain entry takes (exactly for a number, a
  // bound for a string, which is not written out): what a store adds to every later run.
  static int64_t DeclarationBytes(std::string_view name, const Variant& value);
  // Whether value is declared exactly as old is: the same type word and the same value text.
  static bool DeclaresAlike(const Variant& old, const Variant& value);
  // The identifier that name begins with; empty when it begins with none.
  static std::string_view IdentifierOf(std::string_view name);
  // The name as the script stores it: brackets turned into parentheses.
  static std::string ScriptForm(std::string_view name);
  // Whether name holds a bracket, so that its ScriptForm differs from it.
  static bool HasBrackets(std::string_view name);
  // A script expression whose value is exactly text and which holds no line break, "[", "]"
  // or "$" followed by a digit: a plain literal when it can be one, else literal runs joined
  // with chr() pieces, grouped so that the expression stays shallow.
  static std::string StringExpression(std::string_view text);
  // The StringExpression of text, appended to out.
  static void AppendStringExpression(std::string& out, std::string_view text);
  // Whether a name can be a script variable and so be kept in the memory: an identifier that
  // is no reserved word, optionally followed by one index in brackets or parentheses whose
  // bounds are whole numbers within the engine's array limits.
  static bool IsKeptName(std::string_view name);

 private:
  // Declarations, with the plain part written only when asked for.
  static Parts declarations(const Dictionary& memory, bool plain);
};

}  // namespace vorline
