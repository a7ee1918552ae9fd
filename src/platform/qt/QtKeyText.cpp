#include "platform/qt/QtKeyText.h"

#include <QKeyEvent>

#include "platform/ui/Keyboard.h"

namespace vorline {
namespace {

// Keys with a code of their own, whatever Shift says.
std::optional<std::string> namedKeyText(int key, bool control) {
  switch (key) {
    case Qt::Key_Enter:
      return std::string(Keys::Enter);
    case Qt::Key_Return:
      return std::string(control ? Keys::Enter : Keys::Return);
    case Qt::Key_Escape:
      return std::string(Keys::Escape);
    case Qt::Key_Backspace:
      return std::string(Keys::Backspace);
    case Qt::Key_Delete:
      return std::string(Keys::Delete);
    default:
      break;
  }
  if (control) return std::nullopt;  // Ctrl+Tab and Ctrl+arrows move the focus or by words
  switch (key) {
    case Qt::Key_Tab:
      return std::string(Keys::Tab);
    case Qt::Key_Left:
      return std::string(Keys::Left);
    case Qt::Key_Right:
      return std::string(Keys::Right);
    case Qt::Key_Up:
      return std::string(Keys::Up);
    case Qt::Key_Down:
      return std::string(Keys::Down);
    default:
      return std::nullopt;
  }
}

bool printable(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar c : text)
    if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
  return true;
}

}  // namespace

std::optional<std::string> keyTextOf(const QKeyEvent& event) {
  Qt::KeyboardModifiers mods = event.modifiers();
  bool control = mods & (Qt::ControlModifier | Qt::MetaModifier);
  if (std::optional<std::string> named = namedKeyText(event.key(), control)) return named;
  if (control || !printable(event.text())) return std::nullopt;
  return event.text().toStdString();
}

}  // namespace vorline
