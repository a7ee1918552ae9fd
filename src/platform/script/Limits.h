// The engine's fixed limits. Each one turns into a compile error or a run-time error when a
// script reaches it, never into a crash.
#pragma once

#include <cstdint>

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
