#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "platform/values/IOException.h"
#include "platform/values/IllegalCastException.h"
#include "platform/values/NilObjectException.h"
#include "platform/values/OutOfBoundsException.h"
#include "platform/values/RuntimeException.h"

namespace vorline {
namespace {

struct FailureCase {
  const char* name;
  std::function<void()> fail;
  int64_t number;
  std::string message;
};

// Every failure, whoever raises it, becomes one run-time error number in one place.
TEST(RuntimeExceptionFrom, GivesEveryFailureItsOneNumber) {
  const FailureCase cases[] = {
      {"own", [] { throw RuntimeException(42, "mine"); }, 42, "mine"},
      {"nil", [] { throw NilObjectException(); }, 4, "Nil object"},
      {"cast", [] { throw IllegalCastException(); }, 15, "Illegal cast"},
      {"io", [] { throw IOException("disk full"); }, 12, "I/O error: disk full"},
      {"bounds", [] { throw OutOfBoundsException(5, 2); }, 1,
       "Out of bounds: index 5 of 2 entries"},
      {"alloc", [] { throw std::bad_alloc(); }, 6, "Out of memory"},
      {"length", [] { throw std::length_error("vector"); }, 6, "Out of memory"},
      {"plain", [] { throw std::runtime_error("plain failure"); }, 15, "plain failure"},
      {"foreign", [] { throw 7; }, 15, "Unknown failure"},
  };
  for (const FailureCase& c : cases) {
    try {
      c.fail();
      ADD_FAILURE() << c.name << " did not throw";
    } catch (...) {
      RuntimeException e = RuntimeException::From(std::current_exception());
      EXPECT_EQ(e.ErrorNumber, c.number) << c.name;
      EXPECT_EQ(e.Message, c.message) << c.name;
    }
  }
}

}  // namespace
}  // namespace vorline
