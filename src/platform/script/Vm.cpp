// The dispatch loop. Every instruction reads its operands before it writes its destination,
// so a destination may be one of its own operands.
#include "platform/script/Vm.h"

#include <cmath>
#include <cstring>

#include "platform/script/Builtins.h"
#include "platform/script/VariantOps.h"
#include "platform/text/TextOps.h"

namespace vorline::script {

namespace {

constexpr RuntimeErrorCode kOverflow = RuntimeErrorCode::IntegerOverflow;

// Appends b to a in place, within the String size limit.
inline void appendText(Vm& vm, ScriptString& a, const ScriptString& b) {
  vm.checkStringSize(a.size() + b.size());
  a.append(b, vm.memory());
}

void concatText(Vm& vm, ScriptString& dst, const ScriptString& l, const ScriptString& r) {
  vm.checkStringSize(l.size() + r.size());
  if (&dst == &l)
    dst.append(r, vm.memory());
  else
    dst.assignConcat(l, r, vm.memory());
}

}  // namespace

// Direct threading through GNU labels as values; __extension__ marks each use of them as meant.
void Vm::execute() {
  static void* const kLabels[] = {
#define VORLINE_OP_LABEL(name, doc) __extension__ &&L_##name,
      VORLINE_OPCODES(VORLINE_OP_LABEL)
#undef VORLINE_OP_LABEL
  };
  const Proto* const protos = program_.protos.data();
  const CallSite* const sites = program_.sites.data();
  const Callee* const callees = callees_.data();
  const Instr* ip = protos->code.data();
  Num *N, *GN;
  ScriptString *S, *GS;
  Variant *V, *GV;
  ArrayRef *A, *GA;
  const Num* K = program_.numbers.data();
  const ScriptString* KS = strings_.data();
  MemoryBudget* const M = &memory_;
  int32_t countdown = countdown_;

#define RELOAD()         \
  do {                   \
    GN = nstack_.data(); \
    GS = sstack_.data(); \
    GV = vstack_.data(); \
    GA = astack_.data(); \
    N = GN + base_[0];   \
    S = GS + view_[0];   \
    V = GV + view_[1];   \
    A = GA + view_[2];   \
  } while (0)
#define DISPATCH() __extension__({ goto* kLabels[static_cast<size_t>(ip->op)]; })
#define NEXT()  \
  do {          \
    ++ip;       \
    DISPATCH(); \
  } while (0)
#define JUMP()           \
  do {                   \
    ip = ip + 1 + ip->j; \
    DISPATCH();          \
  } while (0)
#define BACK() \
  do {         \
    POLL();    \
    JUMP();    \
  } while (0)
// A return finds the result's register in its call, the instruction before the one it
// returns to.
#define LEAVE()                     \
  do {                              \
    ip = leaveCall(protos[rb]).ret; \
    RELOAD();                       \
  } while (0)
// A numbers-only function may have been entered by the fast path, which leaves its frame's
// view unset: it returns without reading it, resetting only N, as its caller's other banks'
// registers are in view still (see view_).
#define RETURN_NUMBERS_ONLY()                 \
  do {                                        \
    const Frame& f = *--frameTop_;            \
    std::memcpy(base_, f.base, sizeof base_); \
    ip = f.ret;                               \
    N = GN + base_[0];                        \
  } while (0)
// A function with array parameters and no other String, Variant or array registers drops
// the arrays and restores its caller's view of them; it left the other banks' in place.
#define RETURN_ARRAYS_ONLY()                                                  \
  do {                                                                        \
    for (uint32_t k = 0, n = callees[rb].params[3]; k < n; ++k) A[k].reset(); \
    RETURN_IN_PLACE();                                                        \
  } while (0)
// A function that CALLR calls holds nothing of its own to drop.
#define RETURN_IN_PLACE()                                 \
  do {                                                    \
    std::memcpy(view_, frameTop_[-1].view, sizeof view_); \
    RETURN_NUMBERS_ONLY();                                \
    A = GA + view_[2];                                    \
  } while (0)
// A parameters-only function drops its String and array arguments, as releaseFrame would, and
// restores its caller's view; LEAVE does the same, by the general loops.
#define RETURN_PARAMS_ONLY()                                      \
  do {                                                            \
    for (uint32_t k = 0, n = callees[rb].params[1]; k < n; ++k) { \
      if (S[k].worthReleasing()) S[k].reset();                    \
    }                                                             \
    RETURN_ARRAYS_ONLY();                                         \
    S = GS + view_[0];                                            \
    V = GV + view_[1];                                            \
  } while (0)
#define POLL()                \
  do {                        \
    if (--countdown <= 0) {   \
      poll();                 \
      countdown = countdown_; \
    }                         \
  } while (0)
// The call of a parameters-only function: its frame, its bases at the arguments, the view
// that VIEW sets; the general path when the stacks must grow, then ENTERED.
#define CALL_IN_PLACE(VIEW, ENTERED)                            \
  do {                                                          \
    const CallSite& site = sites[static_cast<uint32_t>(ip->j)]; \
    const Callee& callee = callees[site.target];                \
    if (fits(base_[0] + site.argBase[0], callee)) [[likely]] {  \
      Frame& f = *frameTop_++;                                  \
      f.ret = ip + 1;                                           \
      std::memcpy(f.view, view_, sizeof view_);                 \
      stepBases(base_, site.argBase, f.base);                   \
      N = GN + base_[0];                                        \
      VIEW;                                                     \
      setEntry(N, callee);                                      \
    } else {                                                    \
      enterCall(site, ip + 1);                                  \
      ENTERED;                                                  \
      RELOAD();                                                 \
    }                                                           \
    ip = callee.code;                                           \
    POLL();                                                     \
    DISPATCH();                                                 \
  } while (0)
// Returns a number by the given way of leaving.
#define RETURN_NUMBER(LEAVING) \
  do {                         \
    Num r = N[ra];             \
    LEAVING();                 \
    N[ip[-1].c] = r;           \
    DISPATCH();                \
  } while (0)
#define OP(name) L_##name:
#define ra ip->a
#define rb ip->b
#define rc ip->c

  RELOAD();
  DISPATCH();

  OP(NOP) NEXT();
  OP(MOVE_N) N[ra] = N[rb];
  NEXT();
  OP(MOVE2_N) {
    Num x = N[rb], y = N[rc];
    N[ra] = x;
    N[ra + 1] = y;
    NEXT();
  }
  OP(MOVE_S) S[ra] = S[rb];
  NEXT();
  OP(TAKE_S) S[ra] = std::move(S[rb]);
  NEXT();
  OP(MOVE_V) V[ra] = V[rb];
  NEXT();
  OP(MOVE_A) A[ra] = A[rb];
  NEXT();
  OP(LOADK_S) S[ra] = KS[ip->j];
  NEXT();
  OP(LOADI_N) N[ra].i = ip->j;
  NEXT();
  OP(LOADK_N) N[ra] = K[ip->j];
  NEXT();
  OP(CLEAR_S) S[ra].clear();
  NEXT();
  OP(CLEAR_V) V[ra] = Variant();
  NEXT();
  OP(CLEAR_A) A[ra].reset();
  NEXT();
  OP(GETG_N) N[ra] = GN[rb];
  NEXT();
  OP(SETG_N) GN[ra] = N[rb];
  NEXT();
  OP(GETG_S) S[ra] = GS[rb];
  NEXT();
  OP(SETG_S) GS[ra] = S[rb];
  NEXT();
  OP(TAKEG_S) GS[ra] = std::move(S[rb]);
  NEXT();
  OP(GETG_V) V[ra] = GV[rb];
  NEXT();
  OP(SETG_V) GV[ra] = V[rb];
  NEXT();
  OP(GETG_A) A[ra] = GA[rb];
  NEXT();
  OP(SETG_A) GA[ra] = A[rb];
  NEXT();
  OP(APPEND_S) appendText(*this, S[ra], S[rb]);
  NEXT();
  OP(APPENDG_S) appendText(*this, GS[ra], S[rb]);
  NEXT();
  OP(APPENDK_S) appendText(*this, S[ra], KS[ip->j]);
  NEXT();
  OP(CONCAT_S) concatText(*this, S[ra], S[rb], S[rc]);
  NEXT();

  OP(ADD_I) if (__builtin_add_overflow(N[rb].i, N[rc].i, &N[ra].i)) RaiseError(kOverflow);
  NEXT();
  OP(SUB_I) if (__builtin_sub_overflow(N[rb].i, N[rc].i, &N[ra].i)) RaiseError(kOverflow);
  NEXT();
  OP(MUL_I) if (__builtin_mul_overflow(N[rb].i, N[rc].i, &N[ra].i)) RaiseError(kOverflow);
  NEXT();
  OP(DIV_I) {
    int64_t x = N[rb].i, y = N[rc].i;
    if (y == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
    if (x == INT64_MIN && y == -1) RaiseError(kOverflow);
    N[ra].i = x / y;
    NEXT();
  }
  OP(MOD_I) {
    int64_t x = N[rb].i, y = N[rc].i;
    if (y == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
    N[ra].i = y == -1 ? 0 : x % y;
    NEXT();
  }
  OP(NEG_I) if (N[rb].i == INT64_MIN) RaiseError(kOverflow);
  N[ra].i = -N[rb].i;
  NEXT();
  OP(ABS_I) if (N[rb].i == INT64_MIN) RaiseError(kOverflow);
  N[ra].i = N[rb].i < 0 ? -N[rb].i : N[rb].i;
  NEXT();
  OP(ADD_U) N[ra].u = N[rb].u + N[rc].u;
  NEXT();
  OP(SUB_U) N[ra].u = N[rb].u - N[rc].u;
  NEXT();
  OP(MUL_U) N[ra].u = N[rb].u * N[rc].u;
  NEXT();
  OP(DIV_U) if (N[rc].u == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
  N[ra].u = N[rb].u / N[rc].u;
  NEXT();
  OP(MOD_U) if (N[rc].u == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
  N[ra].u = N[rb].u % N[rc].u;
  NEXT();
  OP(NEG_U) N[ra].u = 0 - N[rb].u;
  NEXT();
  OP(AND_I) N[ra].i = N[rb].i & N[rc].i;
  NEXT();
  OP(OR_I) N[ra].i = N[rb].i | N[rc].i;
  NEXT();
  OP(XOR_I) N[ra].i = N[rb].i ^ N[rc].i;
  NEXT();
  OP(NOT_I) N[ra].i = ~N[rb].i;
  NEXT();
  OP(NOT_B) N[ra].i = N[rb].i == 0;
  NEXT();

  OP(ADD_D) N[ra].d = N[rb].d + N[rc].d;
  NEXT();
  OP(SUB_D) N[ra].d = N[rb].d - N[rc].d;
  NEXT();
  OP(MUL_D) N[ra].d = N[rb].d * N[rc].d;
  NEXT();
  OP(DIV_D) N[ra].d = N[rb].d / N[rc].d;
  NEXT();
  OP(MOD_D) N[ra].d = std::fmod(N[rb].d, N[rc].d);
  NEXT();
  OP(POW_D) N[ra].d = std::pow(N[rb].d, N[rc].d);
  NEXT();
  OP(NEG_D) N[ra].d = -N[rb].d;
  NEXT();
  OP(ADD_DI) N[ra].d = N[rb].d + static_cast<double>(N[rc].i);
  NEXT();
  OP(ADD_ID) N[ra].d = static_cast<double>(N[rb].i) + N[rc].d;
  NEXT();
  OP(SUB_DI) N[ra].d = N[rb].d - static_cast<double>(N[rc].i);
  NEXT();
  OP(SUB_ID) N[ra].d = static_cast<double>(N[rb].i) - N[rc].d;
  NEXT();
  OP(MUL_DI) N[ra].d = N[rb].d * static_cast<double>(N[rc].i);
  NEXT();
  OP(MUL_ID) N[ra].d = static_cast<double>(N[rb].i) * N[rc].d;
  NEXT();
  OP(DIV_DI) N[ra].d = N[rb].d / static_cast<double>(N[rc].i);
  NEXT();
  OP(DIV_ID) N[ra].d = static_cast<double>(N[rb].i) / N[rc].d;
  NEXT();
  OP(SQRT_D) N[ra].d = std::sqrt(N[rb].d);
  NEXT();
  OP(ABS_D) N[ra].d = std::fabs(N[rb].d);
  NEXT();
  OP(FLOOR_D) N[ra].d = std::floor(N[rb].d);
  NEXT();
  OP(CEIL_D) N[ra].d = std::ceil(N[rb].d);
  NEXT();
  OP(MATH1_D) N[ra].d = kMath1[ip->j](N[rb].d);
  NEXT();
  OP(MATH2_D) N[ra].d = kMath2[ip->j](N[rb].d, N[rc].d);
  NEXT();

  OP(I2D) N[ra].d = static_cast<double>(N[rb].i);
  NEXT();
  OP(U2D) N[ra].d = static_cast<double>(N[rb].u);
  NEXT();
  OP(U2I) N[ra].i = checkedSigned(N[rb].u);
  NEXT();
  OP(D2I) N[ra].i = checkedTruncate(N[rb].d);
  NEXT();
  OP(D2U) N[ra].u = checkedTruncateUnsigned(N[rb].d);
  NEXT();
  OP(D2F) N[ra].d = static_cast<float>(N[rb].d);
  NEXT();
  OP(WRAP) N[ra].i = wrapToWidth(static_cast<BaseType>(rc), N[rb].i);
  NEXT();
  OP(BOX_N) V[ra] = boxNumber(static_cast<BaseType>(rc), N[rb]);
  NEXT();
  OP(BOX_S) V[ra] = Variant::String(S[rb].str());
  NEXT();
  OP(UNBOX_N) N[ra] = unboxNumber(static_cast<BaseType>(rc), V[rb]);
  NEXT();
  OP(UNBOX_S) S[ra].assign(V[rb].toString(), M);
  NEXT();
  OP(UNBOX_O) V[ra] = unboxObject(V[rb]);
  NEXT();
  OP(STR_I) {
    char text[kIntegerStrChars];
    const size_t n = WriteStr(N[rb].i, text);
    S[ra].assignCopy(std::string_view(text, n), M, static_cast<int64_t>(n));  // ASCII
  }
  NEXT();
  OP(STR_U) S[ra].assign(std::to_string(N[rb].u), M);
  NEXT();
  OP(STR_D) {
    char text[kDisplayStrChars];
    const size_t n = WriteDisplayStr(N[rb].d, text);
    S[ra].assignCopy(std::string_view(text, n), M, static_cast<int64_t>(n));  // ASCII
  }
  NEXT();
  OP(STR_F) S[ra].assign(SingleDisplayStr(N[rb].d), M);
  NEXT();
  OP(STR_B) {
    const std::string_view text = N[rb].i ? "True" : "False";
    S[ra].assignCopy(text, M, static_cast<int64_t>(text.size()));
  }
  NEXT();
  OP(STR_V) S[ra].assign(V[rb].toString(), M);
  NEXT();

  OP(EQ_I) N[ra].i = N[rb].i == N[rc].i;
  NEXT();
  OP(NE_I) N[ra].i = N[rb].i != N[rc].i;
  NEXT();
  OP(LT_I) N[ra].i = N[rb].i < N[rc].i;
  NEXT();
  OP(LE_I) N[ra].i = N[rb].i <= N[rc].i;
  NEXT();
  OP(LT_U) N[ra].i = N[rb].u < N[rc].u;
  NEXT();
  OP(LE_U) N[ra].i = N[rb].u <= N[rc].u;
  NEXT();
  OP(EQ_D) N[ra].i = N[rb].d == N[rc].d;
  NEXT();
  OP(NE_D) N[ra].i = N[rb].d != N[rc].d;
  NEXT();
  OP(LT_D) N[ra].i = N[rb].d < N[rc].d;
  NEXT();
  OP(LE_D) N[ra].i = N[rb].d <= N[rc].d;
  NEXT();
  OP(EQ_S) N[ra].i = TextCompare(S[rb].view(), S[rc].view()) == 0;
  NEXT();
  OP(NE_S) N[ra].i = TextCompare(S[rb].view(), S[rc].view()) != 0;
  NEXT();
  OP(LT_S) N[ra].i = TextCompare(S[rb].view(), S[rc].view()) < 0;
  NEXT();
  OP(LE_S) N[ra].i = TextCompare(S[rb].view(), S[rc].view()) <= 0;
  NEXT();

  OP(VOP) V[ra] = variantBinary(static_cast<Tok>(ip->j), V[rb], V[rc]);
  NEXT();
  OP(VCMP) N[ra].i = variantCompare(static_cast<Tok>(ip->j), V[rb], V[rc]);
  NEXT();
  OP(VNEG) V[ra] = variantNegate(V[rb]);
  NEXT();
  OP(VNOT) V[ra] = variantNot(V[rb]);
  NEXT();
  OP(VTRUTH) N[ra].i = V[rb].toBoolean();
  NEXT();

  OP(JMP) JUMP();
  OP(LOOP) BACK();
  OP(JT) if (N[ra].i) JUMP();
  NEXT();
  OP(JF) if (!N[ra].i) JUMP();
  NEXT();
  OP(JF_LT_I) if (!(N[ra].i < N[rb].i)) JUMP();
  NEXT();
  OP(JF_LE_I) if (!(N[ra].i <= N[rb].i)) JUMP();
  NEXT();
  OP(JF_EQ_I) if (!(N[ra].i == N[rb].i)) JUMP();
  NEXT();
  OP(JF_NE_I) if (!(N[ra].i != N[rb].i)) JUMP();
  NEXT();
  OP(JF_LT_D) if (!(N[ra].d < N[rb].d)) JUMP();
  NEXT();
  OP(JF_LE_D) if (!(N[ra].d <= N[rb].d)) JUMP();
  NEXT();
  OP(JF_EQ_D) if (!(N[ra].d == N[rb].d)) JUMP();
  NEXT();
  OP(JF_NE_D) if (!(N[ra].d != N[rb].d)) JUMP();
  NEXT();
  OP(JNE_K) if (N[ra].i != rc) JUMP();
  NEXT();

  OP(FORPREP_I) {
    int64_t v = N[ra].i, lim = N[rb].i, step = N[rc].i;
    if (step == 0) RaiseError(RuntimeErrorCode::ZeroStep);
    if (step > 0 ? v > lim : v < lim) JUMP();
    NEXT();
  }
  OP(FORLOOP_I) {
    int64_t step = N[rc].i, next;
    if (__builtin_add_overflow(N[ra].i, step, &next)) NEXT();
    N[ra].i = next;
    if (step > 0 ? next <= N[rb].i : next >= N[rb].i) BACK();
    NEXT();
  }
  OP(FORLOOP_I1) {
    int64_t next;
    if (__builtin_add_overflow(N[ra].i, int64_t{1}, &next)) NEXT();
    N[ra].i = next;
    if (next <= N[rb].i) BACK();
    NEXT();
  }
  OP(FORPREP_D) {
    double v = N[ra].d, lim = N[rb].d, step = N[rc].d;
    if (step == 0) RaiseError(RuntimeErrorCode::ZeroStep);
    if (!(step > 0 ? v <= lim : v >= lim)) JUMP();  // NaN anywhere: no turn at all
    NEXT();
  }
  OP(FORLOOP_D) {
    double step = N[rc].d;
    double next = N[ra].d + step;
    N[ra].d = next;
    if (step > 0 ? next <= N[rb].d : next >= N[rb].d) BACK();
    NEXT();
  }

  OP(CALL) {
    const CallSite& site = sites[static_cast<uint32_t>(ip->j)];
    enterCall(site, ip + 1);
    ip = callees[site.target].code;
    RELOAD();
    POLL();
    DISPATCH();
  }
  // Numbers only: the arguments are in place already, and there is nothing to release on
  // return. Every bank's base steps to the arguments, over the caller's registers, for the
  // calls that the callee makes; the view stays unset, as the return by this path does not
  // read it.
  OP(CALLN) {
    const CallSite& site = sites[static_cast<uint32_t>(ip->j)];
    const Callee& callee = callees[site.target];
    uint32_t nb = base_[0] + site.argBase[0];
    if (fits(nb, callee)) [[likely]] {
      Frame& f = *frameTop_++;
      f.ret = ip + 1;
      stepBases(base_, site.argBase, f.base);
      N = GN + nb;
      setEntry(N, callee);
    } else {
      enterCall(site, ip + 1);
      RELOAD();
    }
    ip = callee.code;
    POLL();
    DISPATCH();
  }
  // Its registers are the arguments and the number locals: only these are set.
  OP(CALLP)
  CALL_IN_PLACE(std::memcpy(view_, base_ + 1, sizeof view_); S = GS + base_[1]; V = GV + base_[2];
                A = GA + base_[3], );
  // As CALLP, where the callee's String and Variant registers are none: those banks stay in
  // view as the caller's.
  OP(CALLA) CALL_IN_PLACE(view_[2] = base_[3]; A = GA + base_[3], );
  // As CALLA, where the callee's one array register is the caller's variable itself: nothing
  // can replace the array while the callee runs, so its count is left alone.
  OP(CALLR) {
    const uint32_t from = view_[2] + ra;
    CALL_IN_PLACE(view_[2] = from; A = GA + from, view_[2] = from);
  }
  // As CALLR, from a script-wide variable.
  OP(CALLRG) {
    const uint32_t from = ra;
    CALL_IN_PLACE(view_[2] = from; A = GA + from, view_[2] = from);
  }
  OP(CALLB) {
    countdown -= 8;
    callBuiltin(sites[static_cast<uint32_t>(ip->j)]);
    NEXT();
  }
  OP(CALLC) {
    countdown -= 16;
    // Only calls of script functions grow the stacks, so the registers stay where they are.
    callContext(sites[static_cast<uint32_t>(ip->j)]);
    NEXT();
  }
  OP(VSELECT) N[ra].i = selectOverload(program_.dispatch[static_cast<uint32_t>(ip->j)]);
  NEXT();
  OP(RET_N) RETURN_NUMBER(LEAVE);
  OP(RETN_N) RETURN_NUMBER(RETURN_NUMBERS_ONLY);
  OP(RETP_N) RETURN_NUMBER(RETURN_PARAMS_ONLY);
  OP(RETA_N) RETURN_NUMBER(RETURN_ARRAYS_ONLY);
  OP(RETR_N) RETURN_NUMBER(RETURN_IN_PLACE);
  OP(RET_S) {
    {  // the value's destructor must run before the indirect jump
      ScriptString* const from = &S[ra];
      const bool spent = ra >= protos[rb].params[1];  // not an argument register of the caller
      ScriptString r = std::move(*from);
      LEAVE();
      ScriptString& dst = S[ip[-1].c];
      dst.swap(r);
      // The value the result replaces, when small and not shared, goes to the spent register
      // the result came from, so that the next call building its result there reuses its buffer.
      if (spent && from != &dst && !r.worthReleasing()) from->swap(r);
    }
    DISPATCH();
  }
  OP(RET_V) {
    {  // the value's destructor must run before the indirect jump
      Variant r = std::move(V[ra]);
      LEAVE();
      V[ip[-1].c] = std::move(r);
    }
    DISPATCH();
  }
  OP(RET_A) {
    {  // the value's destructor must run before the indirect jump
      ArrayRef r = std::move(A[ra]);
      LEAVE();
      A[ip[-1].c] = std::move(r);
    }
    DISPATCH();
  }
  OP(RET0) {
    LEAVE();
    DISPATCH();
  }
  OP(RETN0) {
    RETURN_NUMBERS_ONLY();
    DISPATCH();
  }
  OP(RETP0) {
    RETURN_PARAMS_ONLY();
    DISPATCH();
  }
  OP(RETA0) {
    RETURN_ARRAYS_ONLY();
    DISPATCH();
  }
  OP(RETR0) {
    RETURN_IN_PLACE();
    DISPATCH();
  }
  OP(END) {
    countdown_ = countdown;
    return;
  }
  OP(PRINT) {
    if (host_.print) host_.print(S[ra].str());
    NEXT();
  }
  OP(BEEP) {
    if (host_.beep) host_.beep();
    NEXT();
  }

  OP(NEWARR) A[ra] = newArray(static_cast<BaseType>(rc), &N[rb], ip->j);
  NEXT();
  OP(FILL_N) fillArray(array(A[ra]), &N[rb], nullptr, nullptr);
  NEXT();
  OP(FILL_S) fillArray(array(A[ra]), nullptr, &S[rb], nullptr);
  NEXT();
  OP(FILL_V) fillArray(array(A[ra]), nullptr, nullptr, &V[rb]);
  NEXT();
  OP(AIDX) N[ra].i = flatIndex(&array(A[rb]), &N[rc], ip->j);
  NEXT();
  OP(AGET_N) {
    ArrayObj& a = array(A[rb]);
    if (static_cast<uint64_t>(N[rc].i) >= a.nums.size()) checkIndex(&a, N[rc].i);
    N[ra] = a.nums[static_cast<size_t>(N[rc].i)];
    NEXT();
  }
  OP(AGET_S) {
    ArrayObj& a = array(A[rb]);
    checkIndex(&a, N[rc].i);
    S[ra] = a.strs[static_cast<size_t>(N[rc].i)];
    NEXT();
  }
  OP(AGET_V) {
    ArrayObj& a = array(A[rb]);
    checkIndex(&a, N[rc].i);
    V[ra] = a.vars[static_cast<size_t>(N[rc].i)];
    NEXT();
  }
  OP(ASET_N) {
    ArrayObj& a = array(A[ra]);
    if (static_cast<uint64_t>(N[rb].i) >= a.nums.size()) checkIndex(&a, N[rb].i);
    a.nums[static_cast<size_t>(N[rb].i)] = N[rc];
    NEXT();
  }
  OP(ASET_S) {
    ArrayObj& a = array(A[ra]);
    checkIndex(&a, N[rb].i);
    a.strs[static_cast<size_t>(N[rb].i)] = S[rc];
    NEXT();
  }
  OP(ASET_V) {
    ArrayObj& a = array(A[ra]);
    checkIndex(&a, N[rb].i);
    a.setVariant(static_cast<size_t>(N[rb].i), V[rc]);
    NEXT();
  }
  OP(AUBOUND) {
    ArrayObj& a = array(A[rb]);
    N[ra].i = a.bounds[static_cast<size_t>(ip->j - 1)];
    NEXT();
  }
  OP(ACOUNT) N[ra].i = static_cast<int64_t>(array(A[rb]).size());
  NEXT();
  OP(APUSH_N) insertElement(array(A[ra]), -1, &N[rb], nullptr, nullptr);
  NEXT();
  OP(APUSH_S) insertElement(array(A[ra]), -1, nullptr, &S[rb], nullptr);
  NEXT();
  OP(APUSH_V) insertElement(array(A[ra]), -1, nullptr, nullptr, &V[rb]);
  NEXT();
  OP(AINSERT_N) insertElement(array(A[ra]), N[rb].i, &N[rc], nullptr, nullptr);
  NEXT();
  OP(AINSERT_S) insertElement(array(A[ra]), N[rb].i, nullptr, &S[rc], nullptr);
  NEXT();
  OP(AINSERT_V) insertElement(array(A[ra]), N[rb].i, nullptr, nullptr, &V[rc]);
  NEXT();
  OP(AREMOVE) removeElement(array(A[ra]), N[rb].i);
  NEXT();
  OP(REDIM) redimArray(array(A[ra]), &N[rb], ip->j);
  NEXT();

#undef RELOAD
#undef DISPATCH
#undef NEXT
#undef JUMP
#undef BACK
#undef LEAVE
#undef RETURN_NUMBERS_ONLY
#undef RETURN_PARAMS_ONLY
#undef RETURN_ARRAYS_ONLY
#undef RETURN_IN_PLACE
#undef CALL_IN_PLACE
#undef RETURN_NUMBER
#undef POLL
#undef OP
#undef ra
#undef rb
#undef rc
}

}  // namespace vorline::script
