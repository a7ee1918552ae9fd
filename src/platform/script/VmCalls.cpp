// Frames, calls, the host hook and the VM's limits.
#include <algorithm>
#include <cstring>

#include "platform/script/Builtins.h"
#include "platform/script/OverloadRank.h"
#include "platform/script/VariantOps.h"
#include "platform/script/Vm.h"

namespace vorline::script {

namespace {

// Back-edges and calls between two looks at the clock.
constexpr int32_t kPollInterval = 1024;
// The host hook is called at most this often.
constexpr auto kStopCheckPeriod = std::chrono::milliseconds(1);
// Register stack sizes (slots) beyond which a run fails with "Stack overflow".
constexpr uint64_t kMaxStackSlots[kBankCount] = {16u << 20, 4u << 20, 2u << 20, 4u << 20};

}  // namespace

Vm::Vm(const Program& program, VmHost host, const ScriptLimits& limits)
    : program_(program),
      host_(std::move(host)),
      limits_(limits),
      memory_(limits.maxAllocatedBytes),
      rng_(std::random_device{}()) {}

double Vm::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

void Vm::checkStringSize(uint64_t bytes) {
  if (bytes > static_cast<uint64_t>(limits_.maxStringBytes)) {
    RaiseError(RuntimeErrorCode::OutOfMemory,
               "a String longer than " + std::to_string(limits_.maxStringBytes) + " bytes");
  }
}

// Main frame at the bottom of every stack: its registers are the script-wide variables.
void Vm::run() {
  const Proto& main = program_.protos[0];
  countdown_ = kPollInterval;
  lastStopCheck_ = std::chrono::steady_clock::now();
  try {
    strings_.make(program_.strings, &memory_);
    placeContextArguments();
    placeCallees();
    // A script without arrays needs no array stack: its array registers are never reached.
    bool arrays = false;
    for (const Proto& p : program_.protos) arrays |= p.regs[3] != 0;
    uint32_t sizes[kBankCount] = {main.regs[0] + 4096, main.regs[1] + 256, main.regs[2] + 256,
                                  arrays ? main.regs[3] + 256 : 0};
    growStacks(sizes);
    std::copy(main.consts.begin(), main.consts.end(), nstack_.begin() + main.constBase);
    execute();
  } catch (const RuntimeException&) {
    throw;
  } catch (...) {
    throw RuntimeException::From(std::current_exception());
  }
}

// What calls read of each prototype, at hand; main code alone makes no such calls.
void Vm::placeCallees() {
  if (program_.protos.size() < 2) return;
  callees_.reserve(program_.protos.size());
  for (const Proto& p : program_.protos) {
    callees_.push_back(Callee{p.code.data(),
                              program_.entries.data() + p.entry,
                              {p.regs[0], p.regs[1], p.regs[2], p.regs[3]},
                              {p.params[0], p.params[1], p.params[2], p.params[3]},
                              p.entryCount});
  }
}

// Counts the budget of steps and asks the host, at most once a millisecond, whether to stop.
void Vm::poll() {
  countdown_ = kPollInterval;
  steps_ += kPollInterval;
  if (limits_.maxSteps > 0 && steps_ >= limits_.maxSteps)
    RaiseError(RuntimeErrorCode::Stopped, "the script ran out of steps");
  if (!host_.shouldStop) return;
  auto now = std::chrono::steady_clock::now();
  if (now - lastStopCheck_ < kStopCheckPeriod) return;
  lastStopCheck_ = now;
  if (host_.shouldStop()) RaiseError(RuntimeErrorCode::Stopped);
}

void Vm::growStacks(const uint32_t* needed) {
  for (int b = 0; b < kBankCount; ++b) {
    if (needed[b] > kMaxStackSlots[b]) {
      RaiseError(RuntimeErrorCode::StackOverflow,
                 "recursion deeper than " + std::to_string(frameTop_ - frames_.data()));
    }
  }
  // The stacks count against the run's memory as they grow.
  auto grow = [this](auto& v, uint32_t need) {
    if (need <= v.size()) return;
    size_t was = v.capacity(), size = std::max<size_t>(need, v.size() * 2);
    memory_.require((size - v.size()) * sizeof(v[0]));
    v.resize(size);
    memory_.settle(was * sizeof(v[0]), v.capacity() * sizeof(v[0]));
  };
  grow(nstack_, needed[0]);
  grow(sstack_, needed[1]);
  grow(vstack_, needed[2]);
  grow(astack_, needed[3]);
  slots_[0] = nstack_.size();
  slots_[1] = sstack_.size();
  slots_[2] = vstack_.size();
  slots_[3] = astack_.size();
}

// The call stack is made at the first call and grows by doubling, up to the call depth limit.
void Vm::growFrames() {
  size_t depth = static_cast<size_t>(frameTop_ - frames_.data());
  auto limit = static_cast<size_t>(std::max<int64_t>(limits_.maxCallDepth, 0));
  size_t size = std::min(std::max<size_t>(256, frames_.size() * 2), limit);
  if (size > frames_.size()) frames_.resize(size);
  frameTop_ = frames_.data() + depth;
  frameEnd_ = frames_.data() + frames_.size();
}

// Pushes a frame for the callee. Its registers begin, in every bank, at the call's arguments,
// which stay where the caller put them: the caller holds nothing live above them. Above the
// arguments lie the caller's spent temporaries: the number locals and constants are set, and
// Variant and array registers start out nil, as a frame above the caller's would.
void Vm::enterCall(const CallSite& site, const Instr* ret) {
  const Callee& callee = callees_[site.target];
  if (frameTop_ == frameEnd_) {
    if (frameTop_ - frames_.data() >= limits_.maxCallDepth) {
      RaiseError(RuntimeErrorCode::StackOverflow,
                 "recursion deeper than " + std::to_string(limits_.maxCallDepth));
    }
    growFrames();
  }
  uint32_t nb[kBankCount], need[kBankCount];
  bool grow = false;
#pragma GCC unroll 4
  for (int b = 0; b < kBankCount; ++b) {
    nb[b] = base_[b] + site.argBase[b];
    need[b] = nb[b] + callee.regs[b];
    grow |= need[b] > slots_[b];
  }
  if (grow) growStacks(need);
  *frameTop_++ =
      Frame{ret, {base_[0], base_[1], base_[2], base_[3]}, {view_[0], view_[1], view_[2]}};
  // The banks the callee has no registers in stay in view as the caller's.
#pragma GCC unroll 3
  for (int b = 1; b < kBankCount; ++b) view_[b - 1] = callee.regs[b] != 0 ? nb[b] : view_[b - 1];
  setEntry(nstack_.data() + nb[0], callee);
  Variant* v = vstack_.data() + nb[2];
  for (uint32_t k = callee.params[2], end = callee.regs[2]; k < end; ++k) {
    if (!v[k].isNil()) v[k] = Variant();
  }
  ArrayRef* a = astack_.data() + nb[3];
  for (uint32_t k = callee.params[3], end = callee.regs[3]; k < end; ++k) {
    if (a[k]) a[k].reset();
  }
  std::copy(std::begin(nb), std::end(nb), std::begin(base_));
}

// Drops what the callee's frame holds, so that memory and objects go as soon as it returns.
void Vm::releaseFrame(const Proto& p) {
  ScriptString* s = sstack_.data() + base_[1];
  for (uint32_t i = 0; i < p.regs[1]; ++i) {
    if (s[i].worthReleasing()) s[i].reset();
  }
  Variant* v = vstack_.data() + base_[2];
  for (uint32_t i = 0; i < p.regs[2]; ++i) {
    if (!v[i].isNil()) v[i] = Variant();
  }
  ArrayRef* a = astack_.data() + base_[3];
  for (uint32_t i = 0; i < p.regs[3]; ++i) {
    if (a[i]) a[i].reset();
  }
}

// The frame popped, which stays valid until the next call.
const Vm::Frame& Vm::leaveCall(const Proto& callee) {
  releaseFrame(callee);
  const Frame& f = *--frameTop_;
  std::copy(std::begin(f.base), std::end(f.base), std::begin(base_));
  std::copy(std::begin(f.view), std::end(f.view), std::begin(view_));
  return f;
}

void Vm::callBuiltin(const CallSite& site) {
  const BuiltinDef& def = builtins()[site.target];
  BuiltinArgs a;
  a.n = nstack_.data() + base_[0] + site.argBase[0];
  a.s = sstack_.data() + base_[1] + site.argBase[1];
  a.v = vstack_.data() + base_[2] + site.argBase[2];
  a.outN = nstack_.data() + base_[0] + site.dst;
  a.outS = sstack_.data() + base_[1] + site.dst;
  a.outV = vstack_.data() + base_[2] + site.dst;
  a.vm = this;
  def.fn(a);
}

void Vm::placeContextArguments() {
  contextSlots_.resize(program_.paramLists.size());
  size_t widest = 0;
  for (size_t k = 0; k < program_.paramLists.size(); ++k) {
    const std::vector<Type>& params = program_.paramLists[k];
    uint32_t used[kBankCount] = {0, 0, 0, 0};
    for (Type t : params) {
      Bank bank = bankOf(t);
      if (bank != Bank::Num && bank != Bank::Str) bank = Bank::Var;
      contextSlots_[k].push_back({bank, t.base, used[static_cast<size_t>(bank)]++});
    }
    widest = std::max(widest, params.size());
  }
  directArgs_.resize(widest);
}

namespace {

// Failures of a context method become run-time errors; its own RuntimeException keeps its
// number.
[[noreturn]] void methodFailed() {
  try {
    throw;
  } catch (const RuntimeException&) {
    throw;
  } catch (...) {
    throw RuntimeException::From(std::current_exception());
  }
}

// A number as a register of its type holds it, which is also what the boxed path's Variants
// give: a Boolean 0 or 1, a Single rounded to float, a narrow integer within its width.
Num normalized(BaseType type, Num n) {
  switch (type) {
    case BaseType::Boolean:
      n.i = n.i != 0;
      break;
    case BaseType::Single:
      n.d = static_cast<float>(n.d);
      break;
    case BaseType::Integer:
    case BaseType::Int64:
    case BaseType::UInt64:
    case BaseType::Double:
      break;
    default:
      n.i = wrapToWidth(type, n.i);
      break;
  }
  return n;
}

}  // namespace

// A method with a direct entry gets its arguments where they are: numbers by value, Strings
// and Variants by reference to their registers, which nothing changes while the method runs.
void Vm::callContext(const CallSite& site) {
  if (!host_.context || site.target >= host_.context->size())
    RaiseError(RuntimeErrorCode::NilObject, "there is no context");
  const ContextMethod& m = (*host_.context)[site.target];
  const std::vector<ContextSlot>& slots = contextSlots_[site.params];
  if (!m.direct) return callBoxed(m, site, slots);
  ContextArg* args = directArgs_.data();
  for (size_t i = 0; i < slots.size(); ++i) {
    const ContextSlot& slot = slots[i];
    uint32_t r = argRegister(site, slot);
    if (slot.bank == Bank::Num)
      args[i].int64 = normalized(slot.base, nstack_[r]).i;
    else if (slot.bank == Bank::Str)
      args[i].text = &sstack_[r].str();
    else
      args[i].value = &vstack_[r];
  }
  try {
    m.direct(m.object, args, directResult_);
  } catch (...) {
    methodFailed();
  }
  if (site.result.base != BaseType::Void || !directResult_.text.empty() ||
      !directResult_.value.isNil())
    takeDirectResult(site);
}

// Stores a direct call's result, and leaves the next call an empty one.
void Vm::takeDirectResult(const CallSite& site) {
  ContextResult& result = directResult_;
  switch (site.result.base) {
    case BaseType::Void:
      break;
    case BaseType::String:
      sstack_[base_[1] + site.dst].assign(std::move(result.text), &memory_);
      break;
    case BaseType::Variant:
      vstack_[base_[2] + site.dst] = std::move(result.value);
      break;
    case BaseType::Object:
      vstack_[base_[2] + site.dst] = unboxObject(result.value);
      break;
    default:  // a number: its 64 bits as the result's type holds them
      nstack_[base_[0] + site.dst] = normalized(site.result.base, Num{result.int64});
      break;
  }
  result.text.clear();
  if (!result.value.isNil()) result.value = Variant();
}

// Boxes the arguments by the method's parameter types, calls it and unboxes its result.
void Vm::callBoxed(const ContextMethod& m, const CallSite& site,
                   const std::vector<ContextSlot>& slots) {
  args_.resize(slots.size());
  for (size_t i = 0; i < slots.size(); ++i) {
    const ContextSlot& slot = slots[i];
    uint32_t r = argRegister(site, slot);
    if (slot.bank == Bank::Num)
      args_[i] = boxNumber(slot.base, nstack_[r]);
    else if (slot.bank == Bank::Str)
      args_[i] = Variant::String(sstack_[r].str());
    else
      args_[i] = vstack_[r];
  }
  Variant result;
  try {
    if (m.call) result = m.call(args_.data(), slots.size());
  } catch (...) {
    methodFailed();
  }
  switch (bankOf(site.result)) {
    case Bank::Num:
      nstack_[base_[0] + site.dst] = unboxNumber(site.result.base, result);
      break;
    case Bank::Str:
      sstack_[base_[1] + site.dst].assign(result.toString(), &memory_);
      break;
    case Bank::Var:
      vstack_[base_[2] + site.dst] =
          site.result.base == BaseType::Object ? unboxObject(result) : std::move(result);
      break;
    default:
      break;
  }
}

// The candidate that the held values fit best, by the checker's ranking; the first of equals.
int64_t Vm::selectOverload(const DispatchInfo& info) {
  int64_t best = -1;
  for (size_t k = 0; k < info.candidates.size(); ++k) {
    ranks_ = info.fixedRanks[k];
    for (size_t p = 0; p < info.varRegs.size(); ++p)
      ranks_.push_back(heldRank(vstack_[base_[2] + info.varRegs[p]], info.candidates[k][p]));
    if (best < 0 || ranksBeat(ranks_, bestRanks_)) {
      best = static_cast<int64_t>(k);
      ranks_.swap(bestRanks_);
    }
  }
  return best;
}

}  // namespace vorline::script
