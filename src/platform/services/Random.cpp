#include "platform/services/Random.h"

#include <QRandomGenerator>
#include <random>
#include <utility>

namespace vorline {

int64_t Random::InRange(int64_t low, int64_t high) {
  if (low > high) std::swap(low, high);
  // The span may need all 64 bits (low = INT64_MIN, high = INT64_MAX), so draw unsigned.
  uint64_t span = static_cast<uint64_t>(high) - static_cast<uint64_t>(low);
  QRandomGenerator* generator = QRandomGenerator::global();
  uint64_t offset = span == UINT64_MAX
                        ? generator->generate64()
                        : std::uniform_int_distribution<uint64_t>(0, span)(*generator);
  return static_cast<int64_t>(static_cast<uint64_t>(low) + offset);
}

double Random::Gaussian() {
  std::normal_distribution<double> normal(0.0, 1.0);
  return normal(*QRandomGenerator::global());
}

}  // namespace vorline
