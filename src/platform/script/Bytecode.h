// Compiled form of a script: one prototype per function (0 is the main code), call sites and
// constant tables. The compiler fills it, the VM runs it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/script/Opcodes.h"
#include "platform/script/Types.h"

namespace vorline::script {

// One number register: a signed or unsigned 64-bit integer, a Double or a Boolean (0 / 1).
union Num {
  int64_t i;
  uint64_t u;
  double d;
};
static_assert(sizeof(Num) == 8);

// Register operands are 32-bit, so that no script meets a register limit below the size of
// the stacks.
struct Instr {
  Op op;
  uint32_t a = 0;
  uint32_t b = 0;
  uint32_t c = 0;
  int32_t j = 0;
};
static_assert(sizeof(Instr) == 20);

enum class CalleeKind : uint8_t { Script, Builtin, Context, Dispatch, Special };

// Where a call finds its arguments: consecutive registers per bank in the caller's frame, in
// parameter order within each bank. The result goes to dst of the result's bank.
// A whole cache line, so that the VM finds sites[i] by a shift.
struct alignas(64) CallSite {
  CalleeKind kind = CalleeKind::Script;
  uint32_t target = 0;
  uint32_t argBase[kBankCount] = {0, 0, 0, 0};
  uint16_t argCount[kBankCount] = {0, 0, 0, 0};
  uint32_t dst = 0;
  Type result;
  uint32_t params =
      0;  // context methods: Program::paramLists[params], the arguments' types in order
};

// Run-time choice among the overloads of a call with Variant arguments: for each candidate,
// the parameter types at the Variant positions and the ranks of the other arguments.
struct DispatchInfo {
  std::vector<uint32_t> varRegs;              // the Variant arguments' registers
  std::vector<std::vector<Type>> candidates;  // per candidate, types at those positions
  std::vector<std::vector<int>> fixedRanks;   // per candidate, ranks of the typed arguments
};

struct Proto {
  std::string name;
  std::vector<Instr> code;
  std::vector<int32_t> lines;                  // line of each instruction
  uint32_t regs[kBankCount] = {0, 0, 0, 0};    // frame size per bank
  uint32_t params[kBankCount] = {0, 0, 0, 0};  // parameters per bank (registers 0 ..)
  std::vector<Num> consts;                     // the operators' constants, from N[constBase]
  uint32_t constBase = 0;
  // Program::entries[entry .. entry + entryCount), copied to N[params[0] ..] on entry in one
  // pass: zeros for the locals, then the constants, padded to whole blocks of four that the
  // frame holds.
  uint32_t entry = 0;
  uint32_t entryCount = 0;
  Type result;
  bool numbersOnly = false;  // no String, Variant or array registers: calls take a fast path
  // No Variant registers, and no String or array registers but its parameters: calls take a
  // fast path too, which has no temporaries to clear on entry.
  bool paramsOnly = false;
};

struct Program {
  std::vector<Proto> protos;  // 0: the main code, whose frame holds the script-wide variables
  std::vector<CallSite> sites;
  std::vector<DispatchInfo> dispatch;
  std::vector<std::vector<Type>> paramLists;  // one per context method called, shared by its sites
  std::vector<std::string> strings;
  std::vector<Num> numbers;  // constants loaded by LOADK_N
  std::vector<Num> entries;  // the functions' entry registers, back to back
};

// A readable listing of a prototype, for tests and debugging.
std::string disassemble(const Program& program, const Proto& proto);

}  // namespace vorline::script
