// The engine's limits: the budgets a caller sets for each run, and the fixed limits. Each one
// turns into a compile error or a run-time error when a script reaches it, never into a crash.
#pragma once

#include <cstdint>

namespace vorline {

// The engine's run-time budgets. Reaching one ends the run with a run-time error.
struct ScriptLimits {
  int64_t maxCallDepth = 10000;                   // "Stack overflow: recursion deeper than N"
  int64_t maxStringBytes = 256ll * 1024 * 1024;   // "Out of memory: ..." for a longer String
  int64_t maxArrayElements = 64ll * 1024 * 1024;  // per array
  int64_t maxSteps = 0;  // loop turns and calls; 0: no limit (the fuzzer sets one)
  // Memory a run holds at once (Strings, counted once however many values share one, arrays
  // and register stacks); 0: no limit. The window sets a quarter of the machine's memory.
  int64_t maxAllocatedBytes = 0;
};

}  // namespace vorline

namespace vorline::script {

// Nesting of blocks (if, for, while, ...) inside one another.
inline constexpr int kMaxBlockDepth = 200;
// Depth of an expression tree (parentheses, operator chains, nested calls).
inline constexpr int kMaxExprDepth = 400;
// Source text the compiler accepts.
inline constexpr int64_t kMaxSourceBytes = 64ll * 1024 * 1024;
// Registers of one bank in one function (also the number of script-wide variables per bank);
// the VM's register stacks hold no more.
inline constexpr int kMaxRegisters = 1 << 20;
// Number literals of one function that get a register of their own, filled on entry; the others
// are loaded where they are used, so that a long script costs no more on every call.
inline constexpr int kMaxConstantRegisters = 4096;
// Arguments of one call.
inline constexpr int kMaxArguments = 250;
// Dimensions of an array.
inline constexpr int kMaxDimensions = 8;

}  // namespace vorline::script
