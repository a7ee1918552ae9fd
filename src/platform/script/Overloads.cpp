// Calls of the checker: gathering the overloads of a name and choosing one.
#include <algorithm>
#include <span>

#include "platform/script/Builtins.h"
#include "platform/script/Checker.h"
#include "platform/script/OverloadRank.h"

namespace vorline::script {

namespace {

bool beats(std::vector<int> a, std::vector<int> b) { return ranksBeat(a, b); }

// With Variant arguments, A is better than B for every value they may hold: at no argument
// worse, at one better. Two run-time fits compare only when their parameter types agree.
bool dominates(std::span<const Type> pa, const std::vector<int>& a, std::span<const Type> pb,
               const std::vector<int>& b) {
  bool better = false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == kRankRuntime && b[i] == kRankRuntime) {
      if (pa[i] != pb[i]) return false;
    } else if (a[i] == kRankRuntime || a[i] > b[i]) {
      return false;
    } else {
      better = better || a[i] < b[i];
    }
  }
  return better;
}

std::string argTypes(const List<Expr*>& args) {
  std::string s;
  for (uint32_t i = 0; i < args.count; ++i) s += (i ? ", " : "") + typeName(args[i]->type);
  return s;
}

}  // namespace

Checker::Callables& Checker::callablesOf(Sym name) {
  uint32_t& index = callableIndex_.at(name);
  if (index == 0) {
    callables_.emplace_back();
    index = static_cast<uint32_t>(callables_.size());
  }
  return callables_[index - 1];
}

const Checker::Callables* Checker::findCallables(Sym name) const {
  uint32_t index = callableIndex_.get(name);
  return index == 0 ? nullptr : &callables_[index - 1];
}

// Script functions first; a context method or built-in with the same parameter types as an
// earlier candidate is hidden by it.
const std::vector<Checker::Candidate>& Checker::candidates(Sym name) {
  std::vector<Candidate>& out = candidates_;
  out.clear();
  const Callables* c = findCallables(name);
  if (!c) return out;
  auto sameParams = [&out](const std::vector<Type>& p) {
    return std::any_of(out.begin(), out.end(),
                       [&p](const Candidate& seen) { return std::ranges::equal(seen.params, p); });
  };
  for (FuncDecl* f = c->firstFunction; f; f = f->nextOfName) {
    if (!f->hidden)
      out.push_back(
          {CalleeKind::Script, f->index, funcParams_[f->index], f->isSub ? Type() : f->result});
  }
  for (uint32_t i : c->context) {
    if (!sameParams(contextParams_[i])) {
      out.push_back(
          {CalleeKind::Context, i, contextParams_[i], fromScriptType((*context_)[i].result)});
    }
  }
  for (uint32_t i : c->builtins) {
    const BuiltinDef& b = builtins()[i];
    if (!sameParams(b.params)) out.push_back({CalleeKind::Builtin, i, b.params, b.result});
  }
  return out;
}

// The call of name with these (checked) arguments; nullptr when nothing of that name can be
// called.
CallInfo* Checker::resolveCall(Sym name, List<Expr*>& args, int line) {
  const Callables* known = findCallables(name);
  if (!known) return resolveSpecial(name, args, line);
  // The types as the call has them, before chooseOverload converts the arguments.
  const bool cached = args.count <= kCachedArgs;
  const uint64_t types = cached ? argTypesKey(args) : 0;
  if (cached) {
    for (const Resolution* r = known->resolved; r; r = r->next) {
      if (r->argCount == args.count && r->argTypes == types) {
        if (!r->exact) convertArgs(r->call, args, line);
        return r->call;
      }
    }
  }
  const std::vector<Candidate>& cands = candidates(name);
  if (cands.empty()) return resolveSpecial(name, args, line);
  CallInfo* call = chooseOverload(cands, args, name, line);
  if (cached) {
    uint64_t params = 0;
    for (uint32_t i = 0; i < args.count; ++i) params |= typeKey(call->params[i], i);
    Callables& c = callablesOf(name);
    c.resolved =
        arena_.make<Resolution>(Resolution{types, args.count, params == types, call, c.resolved});
  }
  return call;
}

// 16 bits per argument: its base type and its dimensions.
uint64_t Checker::typeKey(Type t, uint32_t arg) {
  return (uint64_t{static_cast<uint8_t>(t.base)} << 8 | t.dims) << (16 * arg);
}

uint64_t Checker::argTypesKey(const List<Expr*>& args) {
  uint64_t key = 0;
  for (uint32_t i = 0; i < args.count; ++i) key |= typeKey(args[i]->type, i);
  return key;
}

bool Checker::hasCandidates(Sym name) {
  const Callables* c = findCallables(name);
  if (!c) return false;
  if (c->hasCandidates < 0) callablesOf(name).hasCandidates = !candidates(name).empty();
  return c->hasCandidates > 0;
}

CallInfo* Checker::resolveSpecial(Sym name, List<Expr*>& args, int line) {
  auto special = [this](Special s, Type result) {
    auto* c = arena_.make<CallInfo>();
    c->kind = CalleeKind::Special;
    c->target = static_cast<uint32_t>(s);
    c->result = result;
    return c;
  };
  if (name == symUbound_) {
    if (args.count != 1 || !args[0]->type.isArray())
      fail(kErrIncompatibleParams, line, "ubound needs one array");
    return special(Special::Ubound, Type(BaseType::Integer));
  }
  if (name == symBeep_) {
    if (args.count != 0) fail(kErrTooManyParams, line, "beep takes no parameters");
    return special(Special::Beep, Type());
  }
  return nullptr;
}

CallInfo* Checker::chooseOverload(const std::vector<Candidate>& cands, List<Expr*>& args, Sym name,
                                  int line) {
  if (cands.size() == 1 && fitsAlone(cands[0], args, line)) {
    CallInfo* call = makeCallInfo(cands[0]);
    convertArgs(call, args, line);
    return call;
  }
  std::vector<const Candidate*> fits;
  std::vector<std::vector<int>> ranks;
  bool anyArity = false;
  for (const Candidate& c : cands) {
    if (c.params.size() != args.count) continue;
    anyArity = true;
    std::vector<int> r(args.count);
    bool ok = true;
    for (uint32_t i = 0; i < args.count && ok; ++i) {
      requireValue(args[i], line);
      r[i] = conversionRank(args[i]->type, c.params[i]);
      ok = r[i] >= 0;
    }
    if (!ok) continue;
    fits.push_back(&c);
    ranks.push_back(std::move(r));
  }
  if (!anyArity) failArity(cands, args.count, name, line);
  if (fits.empty())
    fail(kErrIncompatibleParams, line,
         "'" + spelling(name) + "' does not take (" + argTypes(args) + ")");
  // A Variant argument leaves the choice among the overloads that may fit it best to the run,
  // which ranks them by the same rule with the types the Variants hold.
  const bool atRunTime = std::any_of(ranks.begin(), ranks.end(), [](const std::vector<int>& r) {
    return std::find(r.begin(), r.end(), kRankRuntime) != r.end();
  });
  std::vector<const Candidate*> best;
  for (size_t i = 0; i < fits.size(); ++i) {
    bool beaten = false;
    for (size_t k = 0; k < fits.size() && !beaten; ++k) {
      beaten =
          k != i && (atRunTime ? dominates(fits[k]->params, ranks[k], fits[i]->params, ranks[i])
                               : beats(ranks[k], ranks[i]));
    }
    if (!beaten) best.push_back(fits[i]);
  }
  CallInfo* call =
      best.size() == 1 ? makeCallInfo(*best[0]) : (atRunTime ? makeDispatch(best, args) : nullptr);
  if (!call)
    fail(kErrIncompatibleParams, line,
         "The call of '" + spelling(name) + "' with (" + argTypes(args) + ") is ambiguous");
  convertArgs(call, args, line);
  return call;
}

// Whether the arguments fit the one candidate there is, which is then the best: a script
// function's call, nearly always. The ranking of the general case gives the errors.
bool Checker::fitsAlone(const Candidate& c, const List<Expr*>& args, int line) {
  if (c.params.size() != args.count) return false;
  for (uint32_t i = 0; i < args.count; ++i) {
    requireValue(args[i], line);
    if (conversionRank(args[i]->type, c.params[i]) < 0) return false;
  }
  return true;
}

// The overloads that a call with Variant arguments may take, chosen when it runs by what the
// Variants hold; the other arguments keep their types here and are converted per candidate.
CallInfo* Checker::makeDispatch(const std::vector<const Candidate*>& best, List<Expr*>& args) {
  auto* d = arena_.make<CallInfo>();
  d->kind = CalleeKind::Dispatch;
  std::vector<Type> params;
  std::vector<uint8_t> variantArgs;
  for (uint32_t i = 0; i < args.count; ++i) {
    params.push_back(args[i]->type);
    if (isScalar(args[i]->type, BaseType::Variant)) variantArgs.push_back(static_cast<uint8_t>(i));
  }
  d->params = toList(arena_, params);
  d->variantArgs = toList(arena_, variantArgs);
  d->result = best[0]->result;
  std::vector<CallInfo*> candidates;
  for (const Candidate* c : best) {
    candidates.push_back(makeCallInfo(*c));
    if (c->result != d->result) d->result = Type(BaseType::Variant);
    d->callsScript = d->callsScript || c->kind == CalleeKind::Script;
  }
  d->candidates = toList(arena_, candidates);
  if (d->result.isArray()) return nullptr;
  return d;
}

CallInfo* Checker::makeCallInfo(const Candidate& c) {
  auto* info = arena_.make<CallInfo>();
  info->kind = c.kind;
  info->target = c.index;
  info->params = toList(arena_, c.params.data(), c.params.size());
  info->result = c.result;
  info->callsScript = c.kind == CalleeKind::Script;
  return info;
}

void Checker::convertArgs(CallInfo* call, List<Expr*>& args, int line) {
  for (uint32_t i = 0; i < args.count; ++i) args[i] = coerce(args[i], call->params[i], line);
}

void Checker::failArity(const std::vector<Candidate>& cands, size_t argc, Sym name, int line) {
  bool allFewer = std::all_of(cands.begin(), cands.end(),
                              [argc](const Candidate& c) { return c.params.size() < argc; });
  bool allMore = std::all_of(cands.begin(), cands.end(),
                             [argc](const Candidate& c) { return c.params.size() > argc; });
  std::string n = "'" + spelling(name) + "'";
  if (allFewer) fail(kErrTooManyParams, line, "Too many parameters for " + n);
  if (allMore) fail(kErrNotEnoughParams, line, "Not enough parameters for " + n);
  fail(kErrWrongParamCount, line, "Wrong number of parameters for " + n);
}

}  // namespace vorline::script
