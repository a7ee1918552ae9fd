// The Qt platform's own behaviour, beyond the contract.
#include <gtest/gtest.h>

#include "QtHarness.h"

namespace vorline::qttest {
namespace {

TEST(QtPlatform, Placeholder) { SUCCEED(); }

}  // namespace
}  // namespace vorline::qttest
