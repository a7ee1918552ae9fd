// The instruction set, defined once. Each row: name, then operands and effect. Registers are
// per bank and relative to the frame: N numbers (i signed, u unsigned, d double, Booleans as
// 0/1), S Strings, V Variants (host objects too), A arrays. G* are the script-wide variables
// (the main frame). j is the 32-bit immediate: a jump offset from the next instruction, a
// constant or a table index.
#pragma once

#define VORLINE_OPCODES(X)                                                           \
  /* moves and loads */                                                              \
  X(NOP, "nothing: marks an instruction that the compiler drops")                    \
  X(MOVE_N, "N[a] = N[b]")                                                           \
  X(MOVE2_N, "N[a] = N[b], N[a + 1] = N[c]")                                         \
  X(MOVE_S, "S[a] = S[b]")                                                           \
  X(TAKE_S, "S[a] = move(S[b])")                                                     \
  X(MOVE_V, "V[a] = V[b]")                                                           \
  X(MOVE_A, "A[a] = A[b] (shares the array)")                                        \
  X(LOADK_S, "S[a] = strings[j]")                                                    \
  X(LOADI_N, "N[a].i = j")                                                           \
  X(LOADK_N, "N[a] = numbers[j]")                                                    \
  X(CLEAR_S, "S[a] = \"\"")                                                          \
  X(CLEAR_V, "V[a] = nil")                                                           \
  X(CLEAR_A, "A[a] = nil")                                                           \
  X(GETG_N, "N[a] = GN[b]")                                                          \
  X(SETG_N, "GN[a] = N[b]")                                                          \
  X(GETG_S, "S[a] = GS[b]")                                                          \
  X(SETG_S, "GS[a] = S[b]")                                                          \
  X(TAKEG_S, "GS[a] = move(S[b])")                                                   \
  X(GETG_V, "V[a] = GV[b]")                                                          \
  X(SETG_V, "GV[a] = V[b]")                                                          \
  X(GETG_A, "A[a] = GA[b]")                                                          \
  X(SETG_A, "GA[a] = A[b]")                                                          \
  X(APPEND_S, "S[a] += S[b] (in place, size-checked)")                               \
  X(APPENDG_S, "GS[a] += S[b]")                                                      \
  X(APPENDK_S, "S[a] += strings[j]")                                                 \
  X(CONCAT_S, "S[a] = S[b] + S[c]")                                                  \
  /* checked 64-bit integer arithmetic: overflow is a run-time error */              \
  X(ADD_I, "N[a].i = N[b].i + N[c].i")                                               \
  X(SUB_I, "N[a].i = N[b].i - N[c].i")                                               \
  X(MUL_I, "N[a].i = N[b].i * N[c].i")                                               \
  X(DIV_I, "N[a].i = N[b].i \\ N[c].i (toward zero)")                                \
  X(MOD_I, "N[a].i = N[b].i mod N[c].i (sign of the dividend)")                      \
  X(NEG_I, "N[a].i = -N[b].i")                                                       \
  X(ABS_I, "N[a].i = abs(N[b].i)")                                                   \
  /* unsigned 64-bit arithmetic: wraps */                                            \
  X(ADD_U, "N[a].u = N[b].u + N[c].u")                                               \
  X(SUB_U, "N[a].u = N[b].u - N[c].u")                                               \
  X(MUL_U, "N[a].u = N[b].u * N[c].u")                                               \
  X(DIV_U, "N[a].u = N[b].u \\ N[c].u")                                              \
  X(MOD_U, "N[a].u = N[b].u mod N[c].u")                                             \
  X(NEG_U, "N[a].u = 0 - N[b].u")                                                    \
  X(AND_I, "N[a].i = N[b].i and N[c].i (bits; Booleans too)")                        \
  X(OR_I, "N[a].i = N[b].i or N[c].i")                                               \
  X(XOR_I, "N[a].i = N[b].i xor N[c].i")                                             \
  X(NOT_I, "N[a].i = not N[b].i (bits)")                                             \
  X(NOT_B, "N[a].i = N[b].i == 0")                                                   \
  /* doubles; DI: right operand an integer, ID: left operand an integer */           \
  X(ADD_D, "N[a].d = N[b].d + N[c].d")                                               \
  X(SUB_D, "N[a].d = N[b].d - N[c].d")                                               \
  X(MUL_D, "N[a].d = N[b].d * N[c].d")                                               \
  X(DIV_D, "N[a].d = N[b].d / N[c].d")                                               \
  X(MOD_D, "N[a].d = fmod(N[b].d, N[c].d)")                                          \
  X(POW_D, "N[a].d = pow(N[b].d, N[c].d)")                                           \
  X(NEG_D, "N[a].d = -N[b].d")                                                       \
  X(ADD_DI, "N[a].d = N[b].d + N[c].i")                                              \
  X(ADD_ID, "N[a].d = N[b].i + N[c].d")                                              \
  X(SUB_DI, "N[a].d = N[b].d - N[c].i")                                              \
  X(SUB_ID, "N[a].d = N[b].i - N[c].d")                                              \
  X(MUL_DI, "N[a].d = N[b].d * N[c].i")                                              \
  X(MUL_ID, "N[a].d = N[b].i * N[c].d")                                              \
  X(DIV_DI, "N[a].d = N[b].d / N[c].i")                                              \
  X(DIV_ID, "N[a].d = N[b].i / N[c].d")                                              \
  /* maths built-ins inlined */                                                      \
  X(SQRT_D, "N[a].d = sqrt(N[b].d)")                                                 \
  X(ABS_D, "N[a].d = fabs(N[b].d)")                                                  \
  X(FLOOR_D, "N[a].d = floor(N[b].d)")                                               \
  X(CEIL_D, "N[a].d = ceil(N[b].d)")                                                 \
  X(MATH1_D, "N[a].d = math1[j](N[b].d)")                                            \
  X(MATH2_D, "N[a].d = math2[j](N[b].d, N[c].d)")                                    \
  /* conversions; c of WRAP, BOX_N and UNBOX_N is the BaseType */                    \
  X(I2D, "N[a].d = double(N[b].i)")                                                  \
  X(U2D, "N[a].d = double(N[b].u)")                                                  \
  X(U2I, "N[a].i = N[b].u, above the Int64 range is an error")                       \
  X(D2I, "N[a].i = trunc(N[b].d), out of range is an error")                         \
  X(D2U, "N[a].u = trunc(N[b].d), out of range is an error")                         \
  X(D2F, "N[a].d = float(N[b].d)")                                                   \
  X(WRAP, "N[a].i = N[b].i wrapped to the width of type c")                          \
  X(BOX_N, "V[a] = Variant of type c from N[b]")                                     \
  X(BOX_S, "V[a] = Variant(S[b])")                                                   \
  X(UNBOX_N, "N[a] = V[b] converted to type c")                                      \
  X(UNBOX_S, "S[a] = V[b] as text")                                                  \
  X(UNBOX_O, "V[a] = V[b], which must hold an object or nil")                        \
  X(STR_I, "S[a] = str(N[b].i)")                                                     \
  X(STR_U, "S[a] = str(N[b].u)")                                                     \
  X(STR_D, "S[a] = str(N[b].d)")                                                     \
  X(STR_F, "S[a] = str(N[b].d as a Single)")                                         \
  X(STR_B, "S[a] = True / False")                                                    \
  X(STR_V, "S[a] = str(V[b])")                                                       \
  /* comparisons: N[a].i = 1 or 0 */                                                 \
  X(EQ_I, "N[a] = N[b].i = N[c].i")                                                  \
  X(NE_I, "N[a] = N[b].i <> N[c].i")                                                 \
  X(LT_I, "N[a] = N[b].i < N[c].i")                                                  \
  X(LE_I, "N[a] = N[b].i <= N[c].i")                                                 \
  X(LT_U, "N[a] = N[b].u < N[c].u")                                                  \
  X(LE_U, "N[a] = N[b].u <= N[c].u")                                                 \
  X(EQ_D, "N[a] = N[b].d = N[c].d")                                                  \
  X(NE_D, "N[a] = N[b].d <> N[c].d")                                                 \
  X(LT_D, "N[a] = N[b].d < N[c].d")                                                  \
  X(LE_D, "N[a] = N[b].d <= N[c].d")                                                 \
  X(EQ_S, "N[a] = S[b] = S[c], letter case not counting")                            \
  X(NE_S, "N[a] = S[b] <> S[c]")                                                     \
  X(LT_S, "N[a] = S[b] < S[c]")                                                      \
  X(LE_S, "N[a] = S[b] <= S[c]")                                                     \
  /* Variant operators; j is the operator token */                                   \
  X(VOP, "V[a] = V[b] op(j) V[c]")                                                   \
  X(VCMP, "N[a] = V[b] op(j) V[c]")                                                  \
  X(VNEG, "V[a] = -V[b]")                                                            \
  X(VNOT, "V[a] = not V[b]")                                                         \
  X(VTRUTH, "N[a] = V[b] as a Boolean")                                              \
  /* jumps, JMP to FORLOOP_D; backward jumps are LOOP so that the host hook polls */ \
  X(JMP, "pc += j")                                                                  \
  X(LOOP, "pc += j (backward), polls the host")                                      \
  X(JT, "if N[a].i: pc += j")                                                        \
  X(JF, "if not N[a].i: pc += j")                                                    \
  X(JF_LT_I, "if not N[a].i < N[b].i: pc += j")                                      \
  X(JF_LE_I, "if not N[a].i <= N[b].i: pc += j")                                     \
  X(JF_EQ_I, "if not N[a].i = N[b].i: pc += j")                                      \
  X(JF_NE_I, "if not N[a].i <> N[b].i: pc += j")                                     \
  X(JF_LT_D, "if not N[a].d < N[b].d: pc += j")                                      \
  X(JF_LE_D, "if not N[a].d <= N[b].d: pc += j")                                     \
  X(JF_EQ_D, "if not N[a].d = N[b].d: pc += j")                                      \
  X(JF_NE_D, "if not N[a].d <> N[b].d: pc += j")                                     \
  X(JNE_K, "if N[a].i <> c: pc += j")                                                \
  X(FORPREP_I, "var N[a], limit N[b], step N[c]: step 0 is an error; skip: pc += j") \
  X(FORLOOP_I, "N[a].i += N[c].i; while within N[b]: pc += j (back), polls")         \
  X(FORLOOP_I1, "as FORLOOP_I with a step of 1, which need not be read")             \
  X(FORPREP_D, "as FORPREP_I on doubles")                                            \
  X(FORLOOP_D, "as FORLOOP_I on doubles")                                            \
  /* calls */                                                                        \
  X(CALL, "call script function sites[j], its result to register c")                 \
  X(CALLN, "as CALL, of a numbers-only function")                                    \
  X(CALLP, "as CALL, of a parameters-only function")                                 \
  X(CALLA, "as CALLP, of one whose only such parameters are arrays")                 \
  X(CALLR, "as CALLA, its one array read in place from A[a]")                        \
  X(CALLRG, "as CALLR, from GA[a]")                                                  \
  X(CALLB, "call built-in sites[j]")                                                 \
  X(CALLC, "call context method sites[j]")                                           \
  X(VSELECT, "N[a].i = the overload of dispatch[j] that the Variants fit best")      \
  /* returns: b is the function's prototype; the result goes to the call's c */      \
  X(RET_N, "return N[a]")                                                            \
  X(RETN_N, "return N[a] from a numbers-only function")                              \
  X(RETP_N, "return N[a] from a parameters-only function")                           \
  X(RETA_N, "return N[a] from a function that CALLA calls")                          \
  X(RET_S, "return S[a]")                                                            \
  X(RET_V, "return V[a]")                                                            \
  X(RET_A, "return A[a]")                                                            \
  X(RET0, "return nothing")                                                          \
  X(RETN0, "return nothing from a numbers-only function")                            \
  X(RETP0, "return nothing from a parameters-only function")                         \
  X(RETA0, "return nothing from a function that CALLA calls")                        \
  X(RETR_N, "return N[a] from a function that CALLR calls")                          \
  X(RETR0, "return nothing from a function that CALLR calls")                        \
  X(END, "end the script")                                                           \
  X(PRINT, "Print event with S[a]")                                                  \
  X(BEEP, "Beep event")                                                              \
  /* arrays; element registers by the array's element bank */                        \
  X(NEWARR, "A[a] = new array of type c, bounds N[b..b+dims), dims in j")            \
  X(FILL_N, "every element of A[a] = N[b]")                                          \
  X(FILL_S, "every element of A[a] = S[b]")                                          \
  X(FILL_V, "every element of A[a] = V[b]")                                          \
  X(AIDX, "N[a].i = flat index of A[b] at indexes N[c..c+j)")                        \
  X(AGET_N, "N[a] = A[b][N[c].i]")                                                   \
  X(AGET_S, "S[a] = A[b][N[c].i]")                                                   \
  X(AGET_V, "V[a] = A[b][N[c].i]")                                                   \
  X(ASET_N, "A[a][N[b].i] = N[c]")                                                   \
  X(ASET_S, "A[a][N[b].i] = S[c]")                                                   \
  X(ASET_V, "A[a][N[b].i] = V[c]")                                                   \
  X(AUBOUND, "N[a].i = upper bound of A[b] in dimension j")                          \
  X(ACOUNT, "N[a].i = element count of A[b]")                                        \
  X(APUSH_N, "append N[b] to A[a]")                                                  \
  X(APUSH_S, "append S[b] to A[a]")                                                  \
  X(APUSH_V, "append V[b] to A[a]")                                                  \
  X(AINSERT_N, "insert N[c] at N[b].i into A[a]")                                    \
  X(AINSERT_S, "insert S[c] at N[b].i into A[a]")                                    \
  X(AINSERT_V, "insert V[c] at N[b].i into A[a]")                                    \
  X(AREMOVE, "remove element N[b].i of A[a]")                                        \
  X(REDIM, "resize A[a] to bounds N[b..b+j)")

namespace vorline::script {

enum class Op : uint16_t {
#define VORLINE_OP_ENUM(name, doc) name,
  VORLINE_OPCODES(VORLINE_OP_ENUM)
#undef VORLINE_OP_ENUM
      Count
};

// The opcode's name, for the disassembler.
const char* opName(Op op);

}  // namespace vorline::script
