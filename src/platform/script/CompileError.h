// A compile error as a value: the first one a stage finds is what the engine reports.
#pragma once

#include <cstdint>
#include <string>

namespace vorline::script {

// Codes the window tells apart, and our own from 30 on.
enum ErrorCode : int {
  kErrSyntax = 1,
  kErrTypeMismatch = 2,
  kErrTooManyParams = 6,
  kErrNotEnoughParams = 7,
  kErrWrongParamCount = 8,
  kErrIncompatibleParams = 9,
  kErrUndefined = 11,
  kErrUndefinedOperator = 12,
  kErrLogicOperands = 13,
  kErrNotAFunction = 15,
  kErrNotAnArray = 16,
  kErrTooFewSubscripts = 17,
  kErrTooManySubscripts = 18,
  kErrRedeclared = 20,
  kErrTooDeep = 30,      // nesting or expression depth beyond the engine's limits
  kErrTooLarge = 31,     // too many variables, registers or a source too large
  kErrConstAssign = 32,  // assigning to a constant
  kErrNoValue = 33,      // a sub or a method without result used as a value
};

struct CompileError {
  int code = 0;
  int line = 0;  // from 1
  std::string message;
};

}  // namespace vorline::script
