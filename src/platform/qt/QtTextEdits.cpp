#include "platform/qt/QtTextEdits.h"

#include <algorithm>
#include <utility>

namespace vorline {
namespace {

// The lengths of the common start and end of two texts, never splitting a surrogate pair.
std::pair<qsizetype, qsizetype> commonEnds(QStringView a, QStringView b) {
  const qsizetype n = std::min(a.size(), b.size());
  qsizetype head = 0;
  while (head < n && a[head] == b[head]) ++head;
  if (head > 0 && head < a.size() && a[head - 1].isHighSurrogate()) --head;
  qsizetype tail = 0;
  while (tail < n - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
  if (tail > 0 && a[a.size() - tail].isLowSurrogate()) --tail;
  return {head, tail};
}

// The edit of the differing middle of `a` (at `offset` in the old text) and `b`, if any.
void addMiddle(std::vector<QtTextEdits::Edit>& edits, qsizetype offset, QStringView a,
               QStringView b) {
  auto [head, tail] = commonEnds(a, b);
  if (head == a.size() && head == b.size()) return;
  edits.push_back({offset + head, a.size() - head - tail, b.sliced(head, b.size() - head - tail)});
}

// The start of the line that holds `i`, and the end (at its "\n" or the text's end).
qsizetype lineStart(QStringView text, qsizetype i) {
  return i == 0 ? 0 : text.first(i).lastIndexOf(u'\n') + 1;
}

// A plain walk: lines are short, and the search of the string classes costs more than one.
qsizetype lineEnd(QStringView text, qsizetype i) {
  return std::find(text.begin() + i, text.end(), QChar(u'\n')) - text.begin();
}

}  // namespace

std::vector<QtTextEdits::Edit> QtTextEdits::between(const QString& old, const QString& now) {
  std::vector<Edit> edits;
  auto [head, tail] = commonEnds(old, now);
  if (head == old.size() && head == now.size()) return edits;
  // The differing middle widened to whole lines: the same lines' span in both texts.
  const qsizetype start = lineStart(old, head);
  const QStringView a = QStringView(old).sliced(start, lineEnd(old, old.size() - tail) - start);
  const QStringView b = QStringView(now).sliced(start, lineEnd(now, now.size() - tail) - start);
  // Line by line while both have lines; when one runs out first, the lines were not the same.
  for (qsizetype i = 0, j = 0;;) {
    const qsizetype endA = lineEnd(a, i), endB = lineEnd(b, j);
    addMiddle(edits, start + i, a.sliced(i, endA - i), b.sliced(j, endB - j));
    const bool lastA = endA == a.size(), lastB = endB == b.size();
    if (lastA && lastB) return edits;
    if (lastA || lastB) break;
    i = endA + 1;
    j = endB + 1;
  }
  edits.clear();
  addMiddle(edits, start, a, b);
  return edits;
}

}  // namespace vorline
