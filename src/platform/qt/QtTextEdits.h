// The edits that turn the text of a pad into another: what a write of the program (a run's
// rebuild) changes, and nothing more. A rebuild keeps the pad's lines and changes their tails
// (" //result" appended or replaced), so when both texts have the same lines between their
// common first and last lines, each changed line gets the edit of its own differing middle;
// otherwise the whole differing middle of the texts is one edit. No edit splits a surrogate
// pair.
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace vorline {

class QtTextEdits {
 public:
  // One replacement: `removed` UTF-16 units at `start` of the old text give way to `inserted`
  // (a view into the new text).
  struct Edit {
    qsizetype start;
    qsizetype removed;
    QStringView inserted;
  };

  // The edits, in ascending order of their starts, none overlapping. Both texts break lines at
  // "\n" only; the views stay valid while `now` lives.
  static std::vector<Edit> between(const QString& old, const QString& now);
};

}  // namespace vorline
