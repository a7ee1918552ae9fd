#include "platform/services/RegEx.h"

#include <QRegularExpression>

#include "platform/values/RegExException.h"

namespace vorline {

std::optional<RegExMatch> RegEx::Search(std::string_view subject) const {
  QRegularExpression::PatternOptions options = QRegularExpression::UseUnicodePropertiesOption;
  if (!Options.CaseSensitive) options |= QRegularExpression::CaseInsensitiveOption;
  QRegularExpression re(
      QString::fromUtf8(SearchPattern.data(), static_cast<qsizetype>(SearchPattern.size())),
      options);
  if (!re.isValid()) {
    throw RegExException(re.errorString().toStdString() + " at offset " +
                         std::to_string(re.patternErrorOffset()));
  }
  QString text = QString::fromUtf8(subject.data(), static_cast<qsizetype>(subject.size()));
  QRegularExpressionMatch match = re.match(text);
  if (!match.hasMatch()) return std::nullopt;
  RegExMatch found;
  found.SubExpressionString0 = match.captured(0).toStdString();
  return found;
}

}  // namespace vorline
