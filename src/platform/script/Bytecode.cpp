#include "platform/script/Bytecode.h"

namespace vorline::script {

namespace {

constexpr const char* kOpNames[] = {
#define VORLINE_OP_NAME(name, doc) #name,
    VORLINE_OPCODES(VORLINE_OP_NAME)
#undef VORLINE_OP_NAME
};

}  // namespace

const char* opName(Op op) {
  auto i = static_cast<size_t>(op);
  return i < static_cast<size_t>(Op::Count) ? kOpNames[i] : "?";
}

std::string disassemble(const Program& program, const Proto& proto) {
  (void)program;
  std::string out = "function " + proto.name + "\n";
  for (size_t pc = 0; pc < proto.code.size(); ++pc) {
    const Instr& in = proto.code[pc];
    out += std::to_string(pc) + "\t[" + std::to_string(proto.lines[pc]) + "]\t" + opName(in.op) +
           " " + std::to_string(in.a) + " " + std::to_string(in.b) + " " + std::to_string(in.c) +
           " " + std::to_string(in.j) + "\n";
  }
  return out;
}

}  // namespace vorline::script
