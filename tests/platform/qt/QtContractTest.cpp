// The UI contract run against the Qt platform (offscreen).
#include "platform/qt/QtHarness.h"

namespace vorline::contract {
namespace {

INSTANTIATE_TEST_SUITE_P(Qt, UiContract,
                         ::testing::Values(UiHarnessFactory{
                             "Qt", [] { return std::make_unique<qttest::QtHarness>(); }}),
                         UiContract::FactoryName);

}  // namespace
}  // namespace vorline::contract
