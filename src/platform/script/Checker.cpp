#include "platform/script/Checker.h"

#include "platform/script/Builtins.h"
#include "platform/script/Lexer.h"

namespace vorline::script {

namespace {
constexpr Sym kNoName = static_cast<Sym>(-1);
}

Checker::Checker(Script& script, const std::vector<ContextMethod>* context)
    : script_(script), arena_(script.arena), context_(context) {
  symStr_ = script_.symbols.intern("str");
  symCstr_ = script_.symbols.intern("cstr");
  symUbound_ = script_.symbols.intern("ubound");
  symBeep_ = script_.symbols.intern("beep");
}

std::optional<CompileError> Checker::check() {
  try {
    indexFunctions();
    indexContext();
    const auto& table = builtins();
    for (uint32_t i = 0; i < table.size(); ++i)
      callablesOf(script_.symbols.intern(table[i].name)).builtins.push_back(i);
    collectGlobals(script_.main);
    checkBlock(script_.main);
    for (FuncDecl* f : script_.functions) checkFunction(f);
  } catch (const Failure&) {
  }
  return error_;
}

void Checker::fail(int code, int line, std::string message) {
  if (!error_) error_ = CompileError{code, line, std::move(message)};
  throw Failure{};
}

void Checker::fail(int code, int line, const char* message) {
  fail(code, line, std::string(message));
}

void Checker::failName(int code, int line, Sym name, const char* rest) {
  fail(code, line, "'" + spelling(name) + "'" + rest);
}

// Script functions by name; of two with the same parameter types the later one is called.
void Checker::indexFunctions() {
  uint32_t index = 0;
  funcParams_.reserve(script_.functions.size());
  callables_.reserve(script_.functions.size());
  for (FuncDecl* f : script_.functions) {
    f->index = index++;
    auto* types = static_cast<Type*>(arena_.allocate(sizeof(Type) * f->params.count));
    for (uint32_t i = 0; i < f->params.count; ++i) new (types + i) Type(f->params[i].type);
    funcParams_.emplace_back(types, f->params.count);
    Callables& c = callablesOf(f->name);
    for (FuncDecl* other = c.firstFunction; other; other = other->nextOfName) {
      if (other->hidden || other->params.count != f->params.count) continue;
      bool same = true;
      for (uint32_t i = 0; i < f->params.count; ++i)
        same = same && other->params[i].type == f->params[i].type;
      if (same) other->hidden = true;
    }
    (c.lastFunction ? c.lastFunction->nextOfName : c.firstFunction) = f;
    c.lastFunction = f;
  }
}

void Checker::indexContext() {
  if (!context_) return;
  contextParams_.resize(context_->size());
  for (uint32_t i = 0; i < context_->size(); ++i) {
    const ContextMethod& m = (*context_)[i];
    for (ScriptType p : m.params) contextParams_[i].push_back(fromScriptType(p));
    callablesOf(script_.symbols.intern(m.name)).context.push_back(i);
  }
}

// Every dim of the main code, wherever it stands, declares a script-wide variable before any
// function is checked, so functions see declarations that stand after them.
void Checker::collectGlobals(const Block& block) {
  for (Stmt* s : block) {
    switch (s->kind) {
      case StmtKind::Dim: {
        auto* d = static_cast<DimStmt*>(s);
        for (DimItem& item : d->items) declareGlobal(item, d->isConst);
        break;
      }
      case StmtKind::If: {
        auto* i = static_cast<IfStmt*>(s);
        for (IfArm& arm : i->arms) collectGlobals(arm.body);
        collectGlobals(i->elseBody);
        break;
      }
      case StmtKind::For:
        collectGlobals(static_cast<ForStmt*>(s)->body);
        break;
      case StmtKind::ForEach:
        collectGlobals(static_cast<ForEachStmt*>(s)->body);
        break;
      case StmtKind::While:
        collectGlobals(static_cast<WhileStmt*>(s)->body);
        break;
      case StmtKind::Do:
        collectGlobals(static_cast<DoStmt*>(s)->body);
        break;
      case StmtKind::Select: {
        auto* sel = static_cast<SelectStmt*>(s);
        for (CaseArm& arm : sel->arms) collectGlobals(arm.body);
        collectGlobals(sel->elseBody);
        break;
      }
      default:
        break;
    }
  }
}

// A repeated dim of a name with the same type declares it again; another type is an error.
void Checker::declareGlobal(DimItem& item, bool isConst) {
  Type t = item.type;
  if (isConst && t.base == BaseType::Void) t = inferConstType(item.init);
  if (script_.symbols.isReserved(item.name))
    fail(kErrSyntax, item.line, "A reserved word cannot name a variable");
  VarInfo*& slot = globals_.at(item.name);
  if (VarInfo* known = slot) {
    if (known->type != t || known->isConst != isConst) {
      fail(kErrRedeclared, item.line,
           "'" + spelling(item.name) + "' is already declared as " + typeName(known->type));
    }
    item.var = known;
    return;
  }
  VarInfo* v = newVar(item.name, t, item.line, true);
  v->isConst = isConst;
  slot = v;
  item.var = v;
}

Type Checker::inferConstType(const Expr* init) const {
  if (init && init->kind == ExprKind::Unary) init = static_cast<const UnaryExpr*>(init)->operand;
  if (!init) return Type(BaseType::Variant);
  switch (init->kind) {
    case ExprKind::Int:
      return Type(BaseType::Integer);
    case ExprKind::Dbl:
      return Type(BaseType::Double);
    case ExprKind::Str:
      return Type(BaseType::String);
    case ExprKind::Bool:
      return Type(BaseType::Boolean);
    default:
      return Type(BaseType::Variant);
  }
}

VarInfo* Checker::newVar(Sym name, Type type, int line, bool global) {
  auto* v = arena_.make<VarInfo>();
  v->name = name;
  v->type = type;
  v->line = line;
  v->global = global;
  if (global)
    script_.globals.push_back(v);
  else
    functionLocals_.push_back(v);
  return v;
}

VarInfo* Checker::declareLocal(Sym name, Type type, int line, bool isConst) {
  if (script_.symbols.isReserved(name))
    fail(kErrSyntax, line, "A reserved word cannot name a variable");
  if (VarInfo* known = locals_.get(name)) {
    if (known->type != type || known->isConst != isConst) {
      fail(kErrRedeclared, line,
           "'" + spelling(name) + "' is already declared as " + typeName(known->type));
    }
    return known;
  }
  VarInfo* v = newVar(name, type, line, false);
  v->isConst = isConst;
  locals_.at(name) = v;
  localNames_.push_back(name);
  return v;
}

// A variable without a name, for values a statement keeps while it runs.
VarInfo* Checker::hiddenVar(Type type, int line) {
  return newVar(kNoName, type, line, function_ == nullptr);
}

void Checker::checkFunction(FuncDecl* f) {
  function_ = f;
  for (Sym name : localNames_) locals_.at(name) = nullptr;
  localNames_.clear();
  for (Param& p : f->params) {
    if (locals_.get(p.name))
      fail(kErrRedeclared, p.line, "Two parameters are named '" + spelling(p.name) + "'");
    VarInfo* v = declareLocal(p.name, p.type, p.line, false);
    v->isParam = true;
  }
  loops_.clear();
  checkBlock(f->body);
  f->locals = toList(arena_, functionLocals_);
  functionLocals_.clear();
  function_ = nullptr;
}

// ---------------------------------------------------------------- statements

// Each statement learns whether it holds an operator; so does every statement around it.
void Checker::checkBlock(const Block& block) {
  bool any = sawOperator_;
  for (Stmt* s : block) {
    sawOperator_ = false;
    checkStmt(s);
    s->hasOperators = sawOperator_;
    any = any || sawOperator_;
  }
  sawOperator_ = any;
}

void Checker::checkBody(const Block& body, LoopWord loop) {
  loops_.push_back(loop);
  checkBlock(body);
  loops_.pop_back();
}

void Checker::checkStmt(Stmt* s) {
  switch (s->kind) {
    case StmtKind::Dim:
      return checkDim(static_cast<DimStmt*>(s));
    case StmtKind::Assign:
      return checkAssign(static_cast<AssignStmt*>(s));
    case StmtKind::Call:
      return checkCallStmt(static_cast<CallStmt*>(s));
    case StmtKind::If:
      return checkIf(static_cast<IfStmt*>(s));
    case StmtKind::For:
      return checkFor(static_cast<ForStmt*>(s));
    case StmtKind::ForEach:
      return checkForEach(static_cast<ForEachStmt*>(s));
    case StmtKind::While:
      return checkWhile(static_cast<WhileStmt*>(s));
    case StmtKind::Do:
      return checkDo(static_cast<DoStmt*>(s));
    case StmtKind::Select:
      return checkSelect(static_cast<SelectStmt*>(s));
    case StmtKind::Return:
      return checkReturn(static_cast<ReturnStmt*>(s));
    case StmtKind::Exit:
    case StmtKind::Continue:
      return checkJump(static_cast<JumpStmt*>(s));
    case StmtKind::Print:
      return checkPrint(static_cast<PrintStmt*>(s));
    case StmtKind::End:
      return;
    case StmtKind::Redim:
      return checkRedim(static_cast<RedimStmt*>(s));
  }
}

void Checker::checkDim(DimStmt* s) {
  for (DimItem& item : s->items) {
    for (Expr*& b : item.bounds) b = coerce(check(b), Type(BaseType::Integer), item.line);
    Type t = item.var ? item.var->type : item.type;
    if (item.init) {
      item.init = check(item.init);
      if (s->isConst && t.base == BaseType::Void) t = item.init->type;
      item.init = coerce(item.init, t.element(), item.line);
    }
    if (!item.var) item.var = declareLocal(item.name, t, item.line, s->isConst);
  }
}

void Checker::checkAssign(AssignStmt* s) {
  Type target;
  if (s->target->kind == ExprKind::Name) {
    auto* n = static_cast<NameExpr*>(s->target);
    n->var = lookupVar(n->name);
    if (!n->var) failName(kErrUndefined, s->line, n->name, " is not declared");
    if (n->var->isConst) failName(kErrConstAssign, s->line, n->name, " is a constant");
    n->type = target = n->var->type;
  } else {
    auto* c = static_cast<CallExpr*>(s->target);
    VarInfo* array = lookupVar(c->name);
    if (!array || !array->type.isArray()) {
      failName(kErrNotAnArray, s->line, c->name, " is not an array");
    }
    s->target = checkIndex(c, array);
    target = s->target->type;
  }
  s->value = coerce(check(s->value), target, s->line);
  s->appendChain = isAppendChain(s);
}

// s = s + a + b ... on a String variable, where nothing on the right calls a script function
// (which could change s meanwhile): the compiler appends a, b in place.
bool Checker::isAppendChain(const AssignStmt* s) const {
  if (s->target->kind != ExprKind::Name || !isScalar(s->target->type, BaseType::String))
    return false;
  const VarInfo* var = static_cast<const NameExpr*>(s->target)->var;
  const Expr* e = s->value;
  while (e->kind == ExprKind::Binary && static_cast<const BinaryExpr*>(e)->op == Tok::Plus) {
    auto* b = static_cast<const BinaryExpr*>(e);
    if (containsScriptCall(b->rhs)) return false;
    e = b->lhs;
  }
  return e != s->value && e->kind == ExprKind::Name && static_cast<const NameExpr*>(e)->var == var;
}

void Checker::checkCallStmt(CallStmt* s) {
  Expr* e = s->call;
  if (e->kind == ExprKind::Name) {
    auto* n = static_cast<NameExpr*>(e);
    List<Expr*> none;
    n->call = resolveCall(n->name, none, s->line);
    if (!n->call) {
      if (lookupVar(n->name)) failName(kErrNotAFunction, s->line, n->name, " is not a method");
      failName(kErrUndefined, s->line, n->name, " is not declared");
    }
    n->type = n->call->result;
    return;
  }
  if (e->kind == ExprKind::Call) {
    auto* c = static_cast<CallExpr*>(e);
    VarInfo* v = lookupVar(c->name);
    if (v && v->type.isArray()) fail(kErrSyntax, s->line, "An array element is not a statement");
    s->call = checkMethodCall(c, v);
    return;
  }
  s->call = check(e);
}

Expr* Checker::checkCondition(Expr* e) {
  int line = e->line;
  e = check(e);
  if (isScalar(e->type, BaseType::Boolean)) return e;
  if (isScalar(e->type, BaseType::Variant)) return coerce(e, Type(BaseType::Boolean), line);
  fail(kErrTypeMismatch, line,
       "Type mismatch: the condition is " + typeName(e->type) + ", not a Boolean");
}

void Checker::checkIf(IfStmt* s) {
  for (IfArm& arm : s->arms) {
    arm.cond = checkCondition(arm.cond);
    checkBlock(arm.body);
  }
  checkBlock(s->elseBody);
}

// An undeclared loop variable is declared by the loop: Integer when start, end and step are
// integers, else Double.
void Checker::checkFor(ForStmt* s) {
  s->start = check(s->start);
  s->limit = check(s->limit);
  if (s->step) s->step = check(s->step);
  VarInfo* v = lookupVar(s->varName);
  if (s->declared.base != BaseType::Void) {
    v = function_ ? declareLocal(s->varName, s->declared, s->line, false) : nullptr;
    if (!v) {
      DimItem item;
      item.name = s->varName;
      item.line = s->line;
      item.type = s->declared;
      declareGlobal(item, false);
      v = item.var;
    }
  } else if (!v) {
    bool ints = isIntegerType(s->start->type) && isIntegerType(s->limit->type) &&
                (!s->step || isIntegerType(s->step->type));
    Type t(ints ? BaseType::Integer : BaseType::Double);
    if (function_) {
      v = declareLocal(s->varName, t, s->line, false);
    } else {
      v = newVar(s->varName, t, s->line, true);
      globals_.at(s->varName) = v;
    }
  }
  if (!isNumericType(v->type))
    fail(kErrTypeMismatch, s->line, "Type mismatch: the loop variable must be a number");
  if (v->isConst) fail(kErrConstAssign, s->line, "The loop variable is a constant");
  // The loop counts in Integer or Double; other number types convert on the way in.
  Type count(isIntegerType(v->type) && !isUnsigned(v->type.base) ? BaseType::Integer
                                                                 : BaseType::Double);
  s->var = v;
  s->start = coerce(s->start, count, s->line);
  s->limit = coerce(s->limit, count, s->line);
  if (s->step) s->step = coerce(s->step, count, s->line);
  checkBody(s->body, LoopWord::For);
}

void Checker::checkForEach(ForEachStmt* s) {
  s->array = check(s->array);
  if (!s->array->type.isArray())
    fail(kErrTypeMismatch, s->line, "Type mismatch: 'for each' needs an array");
  if (s->array->type.dims != 1)
    fail(kErrTypeMismatch, s->line, "Type mismatch: 'for each' needs a one-dimensional array");
  Type elem = s->array->type.element();
  VarInfo* v = lookupVar(s->varName);
  if (s->declared.base != BaseType::Void || !v) {
    Type t = s->declared.base != BaseType::Void ? s->declared : elem;
    if (function_) {
      v = declareLocal(s->varName, t, s->line, false);
    } else if (!v) {
      v = newVar(s->varName, t, s->line, true);
      globals_.at(s->varName) = v;
    }
  }
  if (!isConvertible(elem, v->type))
    fail(kErrTypeMismatch, s->line, "Type mismatch: the loop variable cannot hold the elements");
  s->var = v;
  checkBody(s->body, LoopWord::For);
}

void Checker::checkWhile(WhileStmt* s) {
  s->cond = checkCondition(s->cond);
  checkBody(s->body, LoopWord::While);
}

void Checker::checkDo(DoStmt* s) {
  if (s->cond && s->condAtTop) s->cond = checkCondition(s->cond);
  checkBody(s->body, LoopWord::Do);
  if (s->cond && !s->condAtTop) s->cond = checkCondition(s->cond);
}

void Checker::checkSelect(SelectStmt* s) {
  s->subject = check(s->subject);
  if (s->subject->type.isArray() || s->subject->type.base == BaseType::Void) {
    fail(kErrTypeMismatch, s->line, "Type mismatch: select case needs a value");
  }
  s->temp = hiddenVar(s->subject->type, s->line);
  for (CaseArm& arm : s->arms) {
    for (CaseItem& item : arm.items) item.test = caseTest(item, s->temp, arm.line);
    checkBlock(arm.body);
  }
  checkBlock(s->elseBody);
}

// The case item as a Boolean expression on the subject: subject = a, subject op a, or
// subject >= a and subject <= b.
Expr* Checker::caseTest(CaseItem& item, VarInfo* subject, int line) {
  auto cmp = [&](Tok op, Expr* rhs) -> Expr* {
    auto* b = arena_.make<BinaryExpr>(op, makeNameRef(subject, line), rhs);
    b->line = line;
    b->depth = static_cast<uint16_t>(rhs->depth + 1);
    return b;
  };
  Expr* test = nullptr;
  if (item.kind == CaseKind::Range) {
    auto* both = arena_.make<BinaryExpr>(Tok::KwAnd, cmp(Tok::Ge, item.a), cmp(Tok::Le, item.b));
    both->line = line;
    both->depth = static_cast<uint16_t>(std::max(item.a->depth, item.b->depth) + 2);
    test = both;
  } else {
    test = cmp(item.kind == CaseKind::Is ? item.op : Tok::Eq, item.a);
  }
  return checkCondition(test);
}

Expr* Checker::makeNameRef(VarInfo* v, int line) {
  auto* n = arena_.make<NameExpr>(v->name);
  n->line = line;
  n->var = v;
  n->type = v->type;
  return n;
}

void Checker::checkReturn(ReturnStmt* s) {
  if (!function_) {
    if (s->value) s->value = check(s->value);  // ends the script; the value is not used
    return;
  }
  if (function_->isSub) {
    if (s->value) fail(kErrSyntax, s->line, "A sub returns no value");
    return;
  }
  if (!s->value) fail(kErrSyntax, s->line, "The function must return a value");
  s->value = coerce(check(s->value), function_->result, s->line);
}

void Checker::checkJump(JumpStmt* s) {
  bool isExit = s->kind == StmtKind::Exit;
  switch (s->word) {
    case LoopWord::Any:
      if (!isExit && loops_.empty()) fail(kErrSyntax, s->line, "'continue' outside a loop");
      return;
    case LoopWord::Function:
    case LoopWord::Sub:
      if (!function_ || function_->isSub != (s->word == LoopWord::Sub)) {
        fail(kErrSyntax, s->line,
             s->word == LoopWord::Sub ? "'exit sub' outside a sub"
                                      : "'exit function' outside a function");
      }
      return;
    default:
      for (LoopWord w : loops_) {
        if (w == s->word) return;
      }
      fail(kErrSyntax, s->line,
           std::string("'") + (isExit ? "exit" : "continue") + "' names no enclosing loop");
  }
}

void Checker::checkPrint(PrintStmt* s) {
  if (!s->value) return;
  s->value = toText(check(s->value), s->line);
}

void Checker::checkRedim(RedimStmt* s) {
  s->var = lookupVar(s->name);
  if (!s->var) failName(kErrUndefined, s->line, s->name, " is not declared");
  if (!s->var->type.isArray()) failName(kErrNotAnArray, s->line, s->name, " is not an array");
  if (s->bounds.count < s->var->type.dims)
    fail(kErrTooFewSubscripts, s->line, "Too few bounds for the array");
  if (s->bounds.count > s->var->type.dims)
    fail(kErrTooManySubscripts, s->line, "Too many bounds for the array");
  for (Expr*& b : s->bounds) b = coerce(check(b), Type(BaseType::Integer), s->line);
}

}  // namespace vorline::script
