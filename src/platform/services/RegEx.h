// The regular-expression service: PCRE2 patterns (through QRegularExpression) on UTF-8 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorline {

struct RegExOptions {
  bool CaseSensitive = false;
};

struct RegExMatch {
  std::string SubExpressionString0;  // the matched text
};

class RegEx {
 public:
  RegExOptions Options;
  std::string SearchPattern;

  // The first match in subject, or none; throws RegExException with the engine's message for
  // a pattern it rejects.
  std::optional<RegExMatch> Search(std::string_view subject) const;
};

}  // namespace vorline
