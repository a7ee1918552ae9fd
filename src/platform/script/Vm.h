// The virtual machine: runs a compiled Program on per-bank register stacks with a direct-
// threaded dispatch loop. Calls of script functions do not recurse in C++; every failure is a
// RuntimeException that ends the run.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/script/Bytecode.h"
#include "platform/script/CountedRef.h"
#include "platform/script/Limits.h"
#include "platform/script/MemoryBudget.h"
#include "platform/script/ScriptContext.h"
#include "platform/script/ScriptString.h"
#include "platform/values/RuntimeException.h"
#include "platform/values/Variant.h"

namespace vorline::script {

// An array of the VM; it charges its element storage to the run's budget.
struct ArrayObj {
  explicit ArrayObj(MemoryBudget* b) : budget(b) {}
  ArrayObj(const ArrayObj&) = delete;
  ArrayObj& operator=(const ArrayObj&) = delete;
  ~ArrayObj() { budget->credit(charged); }

  BaseType elem = BaseType::Double;
  uint32_t refs = 1;  // the ArrayRefs that name it; beside elem, where the object has room
  std::vector<int64_t> bounds;  // upper bound of each dimension, -1 when empty
  std::vector<Num> nums;
  std::vector<ScriptString> strs;
  std::vector<Variant> vars;
  MemoryBudget* budget;
  uint64_t charged = 0;
  uint64_t variantText = 0;  // bytes of the texts that the Variant elements hold

  size_t size() const;
  Bank bank() const { return bankOf(Type(elem)); }
  // Stores a Variant element, counting the text it holds.
  void setVariant(size_t i, const Variant& v);
  // Counts the texts of the Variant elements again, after many of them changed.
  void recountVariantText();
  // Charges what the element storage holds now.
  void settle();
};
using ArrayRef = CountedRef<ArrayObj>;

struct VmHost {
  std::function<void(const std::string&)> print;
  std::function<void()> beep;
  std::function<bool()> shouldStop;
  const std::vector<ContextMethod>* context = nullptr;
};

class Vm {
 public:
  Vm(const Program& program, VmHost host, const ScriptLimits& limits);
  // Runs the main code to its end; a failure throws RuntimeException.
  void run();

  double random();
  // A String of this many bytes may be made; otherwise "Out of memory".
  void checkStringSize(uint64_t bytes);
  MemoryBudget* memory() { return &memory_; }

 private:
  // A call's frame: what its return restores. The call is the instruction before ret, and
  // names the result's register.
  struct Frame {
    const Instr* ret;
    uint32_t base[kBankCount];
    uint32_t view[kBankCount - 1];  // the caller's view_; left unset by the numbers-only path
  };

  void placeCallees();
  void execute();
  void poll();
  void enterCall(const CallSite& site, const Instr* ret);
  void growFrames();
  // What a call of a script function reads of its prototype, at hand in one place.
  struct alignas(64) Callee {
    const Instr* code;
    const Num* entry;  // Program::entries of the prototype
    uint32_t regs[kBankCount];
    uint32_t params[kBankCount];
    uint32_t entryCount;  // whole blocks of four, at least one
  };
  // Sets the number locals and constants of a frame whose registers begin at n, a block of
  // four at a time.
  static void setEntry(Num* n, const Callee& callee) {
    n += callee.params[0];
    const Num* e = callee.entry;
    std::memcpy(n, e, 4 * sizeof(Num));
    for (uint32_t k = 4; k < callee.entryCount; k += 4) std::memcpy(n + k, e + k, 4 * sizeof(Num));
  }
  // Every bank's base, kept in saved, steps by the site's argument registers, four lanes at
  // once.
  static void stepBases(uint32_t* base, const uint32_t* by, uint32_t* saved) {
    using Lanes = uint32_t __attribute__((vector_size(4 * sizeof(uint32_t))));
    Lanes b, d;
    std::memcpy(&b, base, sizeof b);
    std::memcpy(&d, by, sizeof d);
    std::memcpy(saved, &b, sizeof b);
    b += d;
    std::memcpy(base, &b, sizeof b);
  }
  // The callee's number registers lie within the stack, and the call stack has room. That
  // is all a numbers-only or parameters-only callee needs: its other registers are its
  // arguments, within the caller's frame.
  bool fits(uint32_t numberBase, const Callee& callee) const {
    return numberBase + callee.regs[0] <= slots_[0] && frameTop_ != frameEnd_;
  }
  const Frame& leaveCall(const Proto& callee);
  void growStacks(const uint32_t* needed);
  void releaseFrame(const Proto& p);
  void callBuiltin(const CallSite& site);
  // Where one parameter of a context method sits among a call site's argument registers.
  struct ContextSlot {
    Bank bank;
    BaseType base;
    uint32_t offset;  // within the site's registers of that bank
  };
  void placeContextArguments();
  void callContext(const CallSite& site);
  void takeDirectResult(const CallSite& site);
  void callBoxed(const ContextMethod& m, const CallSite& site,
                 const std::vector<ContextSlot>& slots);
  uint32_t argRegister(const CallSite& site, const ContextSlot& slot) const {
    auto b = static_cast<size_t>(slot.bank);
    return base_[b] + site.argBase[b] + slot.offset;
  }
  int64_t selectOverload(const DispatchInfo& info);

  // arrays (VmArrays.cpp)
  ArrayRef newArray(BaseType elem, const Num* bounds, int dims);
  void fillArray(ArrayObj& a, const Num* n, const ScriptString* s, const Variant* v);
  int64_t flatIndex(const ArrayObj* a, const Num* idx, int count);
  void checkIndex(const ArrayObj* a, int64_t i);
  ArrayObj& array(const ArrayRef& a) {
    if (!a) nilArray();
    return *a;
  }
  [[noreturn]] void nilArray();
  void grow(ArrayObj& a, size_t extra);
  void insertElement(ArrayObj& a, int64_t at, const Num* n, const ScriptString* s,
                     const Variant* v);
  void removeElement(ArrayObj& a, int64_t at);
  void redimArray(ArrayObj& a, const Num* bounds, int dims);

  const Program& program_;
  VmHost host_;
  ScriptLimits limits_;
  // Declared before everything it counts, so that it outlives them.
  MemoryBudget memory_;
  ScriptString::Constants strings_;  // the program's String constants
  std::vector<Num> nstack_;
  std::vector<ScriptString> sstack_;
  std::vector<Variant> vstack_;
  std::vector<ArrayRef> astack_;
  // The call stack: frames_ is its storage, frameTop_ the next free frame, and frameEnd_ the
  // end of the storage or the call depth limit, whichever comes first.
  std::vector<Frame> frames_;
  std::vector<Callee> callees_;  // per prototype
  Frame* frameTop_ = nullptr;
  Frame* frameEnd_ = nullptr;
  uint32_t base_[kBankCount] = {0, 0, 0, 0};
  // Where the String, Variant and array registers of the running code begin: a numbers-only
  // function has none and leaves its caller's in place, so that its calls and returns by the
  // fast path need not touch them.
  uint32_t view_[kBankCount - 1] = {0, 0, 0};
  size_t slots_[kBankCount] = {0, 0, 0, 0};  // the sizes of the stacks, for the check of every call
  int32_t countdown_ = 0;
  int64_t steps_ = 0;
  std::chrono::steady_clock::time_point lastStopCheck_;
  // Per parameter list of the program, where its arguments sit: worked out once per run.
  std::vector<std::vector<ContextSlot>> contextSlots_;
  std::vector<Variant> args_;
  std::vector<int> ranks_, bestRanks_;  // overload ranks of the dispatch being chosen
  std::vector<ContextArg> directArgs_;
  ContextResult directResult_;
  std::mt19937_64 rng_;
};

}  // namespace vorline::script
