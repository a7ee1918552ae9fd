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

// A number that a context method chooses for a failure of its own.
constexpr int64_t kOwnNumber = 42;

int64_t number(RuntimeErrorCode code) { return ErrorNumberOf(code); }

struct FailureCase {
  const char* name;
  std::function<void()> fail;
  int64_t number;
  std::string message;
};

// Every failure, whoever raises it, becomes one run-time error number in one place.
TEST(RuntimeExceptionFrom, GivesEveryFailureItsOneNumber) {
  const FailureCase cases[] = {
      {"own", [] { throw RuntimeException(kOwnNumber, "mine"); }, kOwnNumber, "mine"},
      {"nil", [] { throw NilObjectException(); }, number(RuntimeErrorCode::NilObject),
       "Nil object"},
      {"cast", [] { throw IllegalCastException(); }, number(RuntimeErrorCode::Failure),
       "Illegal cast"},
      {"io", [] { throw IOException("disk full"); }, number(RuntimeErrorCode::IOError),
       "I/O error: disk full"},
      {"bounds", [] { throw OutOfBoundsException(5, 2); }, number(RuntimeErrorCode::OutOfBounds),
       "Out of bounds: index 5 of 2 entries"},
      {"alloc", [] { throw std::bad_alloc(); }, number(RuntimeErrorCode::OutOfMemory),
       "Out of memory"},
      {"length", [] { throw std::length_error("vector"); }, number(RuntimeErrorCode::OutOfMemory),
       "Out of memory"},
      {"plain", [] { throw std::runtime_error("plain failure"); },
       number(RuntimeErrorCode::Failure), "plain failure"},
      {"foreign", [] { throw 7; }, number(RuntimeErrorCode::Failure), "Unknown failure"},
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

// The numbers and texts that users read: a change to the table must show here.
TEST(RuntimeErrorTable, KeepsTheNumbersAndTextsUsersSee) {
  struct Row {
    RuntimeErrorCode code;
    int64_t number;
    const char* bare;      // the message without a detail
    const char* detailed;  // the message with the detail "x"
  };
  const Row rows[] = {
      {RuntimeErrorCode::OutOfBounds, 1, "Out of bounds", "Out of bounds: x"},
      {RuntimeErrorCode::DivisionByZero, 2, "Integer division by zero",
       "Integer division by zero: x"},
      {RuntimeErrorCode::IntegerOverflow, 3, "Integer overflow", "Integer overflow: x"},
      {RuntimeErrorCode::NilObject, 4, "Nil object", "Nil object: x"},
      {RuntimeErrorCode::StackOverflow, 5, "Stack overflow", "Stack overflow: x"},
      {RuntimeErrorCode::OutOfMemory, 6, "Out of memory", "Out of memory: x"},
      {RuntimeErrorCode::ZeroStep, 7, "Step of a for loop is zero",
       "Step of a for loop is zero: x"},
      {RuntimeErrorCode::Stopped, 8, "Stopped", "Stopped: x"},
      {RuntimeErrorCode::TypeConversion, 9, "Type conversion", "Type conversion: x"},
      {RuntimeErrorCode::UnsupportedFormat, 10, "Unsupported format", "Unsupported format: x"},
      {RuntimeErrorCode::KeyNotFound, 11, "Key not found", "Key not found: x"},
      {RuntimeErrorCode::IOError, 12, "I/O error", "I/O error: x"},
      {RuntimeErrorCode::InvalidArgument, 13, "Invalid argument", "Invalid argument: x"},
      {RuntimeErrorCode::RegExError, 14, "Pattern not accepted", "x"},
      {RuntimeErrorCode::Failure, 15, "Unknown failure", "x"},
  };
  for (const Row& r : rows) {
    RuntimeException bare(r.code);
    EXPECT_EQ(bare.ErrorNumber, r.number) << r.bare;
    EXPECT_EQ(bare.Message, r.bare);
    EXPECT_STREQ(bare.what(), r.bare);
    EXPECT_EQ(RuntimeException(r.code, "x").Message, r.detailed);
    try {
      RaiseError(r.code, "x");
      ADD_FAILURE() << r.bare << " was not raised";
    } catch (const RuntimeException& e) {
      EXPECT_EQ(e.ErrorNumber, r.number);
      EXPECT_EQ(e.Message, r.detailed);
    }
  }
}

}  // namespace
}  // namespace vorline
