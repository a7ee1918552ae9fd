#include "platform/text/EncodeURLComponent.h"

#include <QByteArray>

namespace vorline {

std::string EncodeURLComponent(std::string_view text) {
  QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  QByteArray encoded = bytes.toPercentEncoding();
  return std::string(encoded.constData(), static_cast<size_t>(encoded.size()));
}

}  // namespace vorline
