#include "platform/qt/QtMenuEnabler.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace vorline {
namespace {

bool isModifierKey(int key) {
  return key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Shift ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

}  // namespace

QtMenuEnabler::QtMenuEnabler(std::function<void()> enablePass)
    : enablePass_(std::move(enablePass)) {
  QCoreApplication::instance()->installEventFilter(this);
}

QtMenuEnabler::~QtMenuEnabler() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool QtMenuEnabler::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || inPass_)
    return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  bool commandKey = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  bool seen = key->timestamp() == lastTimestamp_ && key->key() == lastKey_ && lastTimestamp_ != 0;
  if (commandKey && !isModifierKey(key->key()) && !seen) {
    lastTimestamp_ = key->timestamp();
    lastKey_ = key->key();
    inPass_ = true;
    enablePass_();
    inPass_ = false;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vorline
