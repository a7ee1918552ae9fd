// Pad texts and the scripts the converter makes of them, for the converter's own tests and for
// anyone who needs real generated scripts (the engine's "converter meets the engine" tests).
//
// Each case converts `input` with a host whose memory holds the names of `memory` (comma
// separated, in entry order, each declared as "dim NAME as double = 0"). `lines` are the
// lines the host got to register, each followed by "\n"; `memoryAfter` the memory's names
// afterwards. None of these cases reads a file.
#pragma once

// The include block of an empty prefix source, which the window puts ahead of every pad.
#define VL_PREFIX "#start_include\n\n#end_include\n"
#define VL_ANS "dim ans as double = 0\n"

struct ConverterCase {
  const char* name;
  const char* memory;
  const char* input;
  const char* script;
  const char* lines;
  const char* memoryAfter;
};

inline constexpr ConverterCase kConverterCases[] = {
    // ---- The generated script and the line tag ----
    {"WorkedExampleOfTheScriptLayout", "ans", VL_PREFIX "x = 2*3\nx + 1\nprint x",
     "\n" VL_ANS "dim x as double\ntagLine 0\nx = 2*3\nsetVar \"x\", x\nprintAny x\n"
     "tagLine 1\nprint str(x + 1)\ntagLine 2\nprint x\n\n",
     "x = 2*3\nx + 1\nprint x\n", "ans,x"},
    {"EmptyTextHasNoLines", "ans", "", "\n" VL_ANS "\n", "", "ans"},
    {"EmptyTextWithEmptyMemory", "", "", "\n\n", "", ""},
    {"EmptyPadAfterThePrefixIsOneEmptyLine", "ans", VL_PREFIX, "\n" VL_ANS "tagLine 0\n\n", "\n",
     "ans"},
    {"StringFieldTokens", "ans", VL_PREFIX "print $12 + $7 + $36 + $x + $",
     "\n" VL_ANS "tagLine 0\nprint stringField(12) + stringField(7) + stringField(3)6 + $x + $\n\n",
     "print $12 + $7 + $36 + $x + $\n", "ans"},
    {"StringFieldHigherNumbersFirst", "ans", VL_PREFIX "print $05 $123 $40 $35 $350 $$1",
     "\n" VL_ANS
     "tagLine 0\nprint stringField(0)5 stringField(12)3 stringField(4)0 stringField(35) "
     "stringField(35)0 $stringField(1)\n\n",
     "print $05 $123 $40 $35 $350 $$1\n", "ans"},
    {"BracketsInsideQuotesBecomeParentheses", "ans", VL_PREFIX "print \"[a]\"",
     "\n" VL_ANS "tagLine 0\nprint \"(a)\"\n\n", "print \"[a]\"\n", "ans"},
    {"IncludeModeTagsAnEmptyLineAndRegistersNothing", "ans",
     "#start_include\nx = 1\nprint x\n# c\n-- d\n2+3\n\n#end_include\n",
     "\n" VL_ANS "dim x as double\n\nx = 1\nsetVar \"x\", x\n\n\n\n\n2+3\ntagLine 0\n\n", "\n",
     "ans,x"},

    // ---- The line loop's rules ----
    {"KeywordsIgnoreLetterCase", "ans", VL_PREFIX "PRINT x\nDef f(x) x*2",
     "function f(x as double) as double\nprint str(x*2)\nend function\n\n" VL_ANS
     "tagLine 0\nPRINT x\ntagLine 1\n\n",
     "PRINT x\nDef f(x) x*2\n", "ans"},
    {"OnlyABlankEndsTheFirstWord", "ans", VL_PREFIX "print\tx\nprint(x)",
     "\n" VL_ANS "tagLine 0\nprint str(print\tx)\ntagLine 1\nprint str(print(x))\n\n",
     "print\tx\nprint(x)\n", "ans"},
    {"GreaterOrEqualIsAnAssignment", "ans", VL_PREFIX "x >= 3",
     "\n" VL_ANS "dim x > as double\ntagLine 0\nx > = 3\nsetVar \"x >\", x >\nprintAny x >\n\n",
     "x >= 3\n", "ans,x >"},
    {"TwoEqualsSignsMakeAnExpression", "ans", VL_PREFIX "a == b\ns = \"a=b\"",
     "\n" VL_ANS "tagLine 0\nprint str(a == b)\ntagLine 1\nprint str(s = \"a=b\")\n\n",
     "a == b\ns = \"a=b\"\n", "ans"},
    {"CommentCutsInsideQuotes", "ans", VL_PREFIX "print \"a//b\"",
     "\n" VL_ANS "tagLine 0\nprint \"a\n\n", "print \"a\n", "ans"},
    {"PreviousResultsAreCutOff", "ans", VL_PREFIX "x = 2 // 2\n1+1 //2",
     "\n" VL_ANS "dim x as double\ntagLine 0\nx = 2\nsetVar \"x\", x\nprintAny x\n"
     "tagLine 1\nprint str(1+1)\n\n",
     "x = 2\n1+1\n", "ans,x"},
    {"CommentOnlyAndBlankLinesAreEmptyLines", "ans", VL_PREFIX "// note\n  \t ",
     "\n" VL_ANS "tagLine 0\ntagLine 1\n\n", "\n\n", "ans"},
    {"HashAndDashLinesAreComments", "ans", VL_PREFIX "#n = 5\n-- x = 1\n#",
     "\n" VL_ANS "tagLine 0\n//n = 5\ntagLine 1\n// x = 1\ntagLine 2\n//\n\n",
     "#n = 5\n-- x = 1\n#\n", "ans"},
    {"ReturnEndExitBeepAreNotRegistered", "ans", VL_PREFIX "return 5\nEND\nexit\nbeep\nendx",
     "\n" VL_ANS "return 5\nEND\nexit\nbeep\ntagLine 0\nprint str(endx)\n\n", "endx\n", "ans"},
    {"PadMarkerSwitchesIncludeModeOn", "ans",
     VL_PREFIX "a\n#START_INCLUDE\nb\nprint b\n#end_include\nc",
     "\n" VL_ANS "tagLine 0\nprint str(a)\n\nb\n\ntagLine 1\nprint str(c)\n\n", "a\nc\n", "ans"},
    {"MarkersCountOnlyAsWholeLines", "ans",
     VL_PREFIX "#start_include x\n  #START_INCLUDE // c\ny\n#end_include",
     "\n" VL_ANS "tagLine 0\n//start_include x\n\ny\n\n", "#start_include x\n", "ans"},
    {"IncludeBlocksNest", "ans",
     "#start_include\na\n#start_include\nb\n#end_include\nc\n#end_include\nd",
     "\n" VL_ANS "\na\n\nb\n\nc\ntagLine 0\nprint str(d)\n\n", "d\n", "ans"},
    {"EndMarkerOutsideEveryBlockChangesNothing", "ans",
     "#end_include\n#start_include\na\n#end_include\n#end_include\nb",
     "\n" VL_ANS "\na\ntagLine 0\nprint str(b)\n\n", "b\n", "ans"},
    {"RawScriptLines", "ans", VL_PREFIX "@dim q as integer\n@",
     "\n" VL_ANS "tagLine 0\ndim q as integer\ntagLine 1\n\n\n", "@dim q as integer\n@\n", "ans"},

    // ---- Assignments and declarations ----
    {"TypePrefixesOfNames", "ans", VL_PREFIX "$s = \"hi\"\n%r = 1\ns = \"ho\"",
     "\n" VL_ANS
     "dim s as string\ndim r as double\ntagLine 0\ns = \"hi\"\nsetVar \"s\", s\nprintAny s\n"
     "tagLine 1\nr = 1\nsetVar \"r\", r\nprintAny r\ntagLine 2\ns = \"ho\"\nsetVar \"s\", s\n"
     "printAny s\n\n",
     "$s = \"hi\"\n%r = 1\ns = \"ho\"\n", "ans,s,r"},
    {"NameInTheMemoryIsNotDeclaredAgain", "ans,x", VL_PREFIX "x = 1\nx = 2",
     "\n" VL_ANS "dim x as double = 0\ntagLine 0\nx = 1\nsetVar \"x\", x\nprintAny x\n"
     "tagLine 1\nx = 2\nsetVar \"x\", x\nprintAny x\n\n",
     "x = 1\nx = 2\n", "ans,x"},
    {"SameNameTwiceIsDeclaredOnce", "ans", VL_PREFIX "x = 1\nx = 2",
     "\n" VL_ANS "dim x as double\ntagLine 0\nx = 1\nsetVar \"x\", x\nprintAny x\n"
     "tagLine 1\nx = 2\nsetVar \"x\", x\nprintAny x\n\n",
     "x = 1\nx = 2\n", "ans,x"},
    {"IntegerPrefixInsideAConditional", "ans", VL_PREFIX "if 1 #n = 2",
     "\n" VL_ANS "dim n as integer\ntagLine 0\nif 1 then \nn = 2\nsetVar \"n\", n\nend if\n\n",
     "if 1 #n = 2\n", "ans,n"},
    {"EmptyNameIsRegisteredAsWritten", "ans", VL_PREFIX "= 5",
     "\n" VL_ANS "dim  as double\ntagLine 0\n = 5\nsetVar \"\", \nprintAny \n\n", "= 5\n", "ans,"},
    {"EmptyValue", "ans", VL_PREFIX "x =",
     "\n" VL_ANS "dim x as double\ntagLine 0\nx = \nsetVar \"x\", x\nprintAny x\n\n", "x =\n",
     "ans,x"},
    {"NameWithBracketsKeepsThemInTheMemory", "ans", VL_PREFIX "a[2] = 5",
     "\n" VL_ANS
     "dim a(2) as double\ntagLine 0\na(2) = 5\nsetVar \"a(2)\", a(2)\nprintAny a(2)\n\n",
     "a[2] = 5\n", "ans,a[2]"},
    {"DimStatements", "ans", VL_PREFIX "dim x = 5\ndim x\ndim a[10]\ndim #n\ndim a(5)\ndim",
     "\n" VL_ANS
     "dim x as double\ndim a as double\ndim n as integer\ndim a(5) as double\ndim  as double\n"
     "tagLine 0\ntagLine 1\ntagLine 2\ntagLine 3\ntagLine 4\ntagLine 5\n\n",
     "dim x = 5\ndim x\ndim a[10]\ndim #n\ndim a(5)\ndim\n", "ans,x,n,a(5),"},

    // ---- Array literals ----
    {"ArrayLiteral", "ans", VL_PREFIX "v = {4,5,6}",
     "\n" VL_ANS "dim v(2) as variant\ntagLine 0\nv(0) = 4\nv(1) = 5\nv(2) = 6\n\n",
     "v = {4,5,6}\n", "ans"},
    {"ArrayElementKeepsItsLeadingBlank", "ans", VL_PREFIX "v = {1, 2}",
     "\n" VL_ANS "dim v(1) as variant\ntagLine 0\nv(0) = 1\nv(1) =  2\n\n", "v = {1, 2}\n", "ans"},
    {"ArrayOfTwoLevels", "ans", VL_PREFIX "m = {{1,2},{3,4},{5,6}}",
     "\n" VL_ANS
     "dim m(2, 1) as variant\ntagLine 0\nm(0, 0) = 1\nm(0, 1) = 2\nm(1, 0) = 3\nm(1, 1) = 4\n"
     "m(2, 0) = 5\nm(2, 1) = 6\n\n",
     "m = {{1,2},{3,4},{5,6}}\n", "ans"},
    {"ArrayEdgeLiterals", "ans",
     VL_PREFIX "a = {}\nb = {1,,3}\nc = {1,2,}\nd = {1,2\ne = {1,2} + 3",
     "\n" VL_ANS
     "dim a(0) as variant\ndim b(2) as variant\ndim c(2) as variant\ndim d(1) as variant\n"
     "dim e(1) as variant\ntagLine 0\ntagLine 1\nb(0) = 1\nb(2) = 3\ntagLine 2\nc(0) = 1\n"
     "c(1) = 2\ntagLine 3\nd(0) = 1\ntagLine 4\ne(0) = 1\ne(1) = 2\n\n",
     "a = {}\nb = {1,,3}\nc = {1,2,}\nd = {1,2\ne = {1,2} + 3\n", "ans"},
    {"RaggedArray", "ans", VL_PREFIX "r = {{1,2,3},{4,5}}",
     "\n" VL_ANS
     "dim r(1, 2) as variant\ntagLine 0\nr(0, 0) = 1\nr(0, 1) = 2\nr(0, 2) = 3\nr(1, 0) = 4\n"
     "r(1, 1) = 5\n\n",
     "r = {{1,2,3},{4,5}}\n", "ans"},
    {"CommaInsideQuotesEndsAnElement", "ans", VL_PREFIX "q = {\"a,b\"}",
     "\n" VL_ANS "dim q(1) as variant\ntagLine 0\nq(0) = \"a\nq(1) = b\"\n\n", "q = {\"a,b\"}\n",
     "ans"},
    {"ArrayKeepsItsTypePrefixAndTwoLiteralsDeclareTwice", "ans", VL_PREFIX "$v = {1}\n$v = {2}",
     "\n" VL_ANS "dim $v(0) as variant\ndim $v(0) as variant\ntagLine 0\n$v(0) = 1\ntagLine 1\n"
     "$v(0) = 2\n\n",
     "$v = {1}\n$v = {2}\n", "ans"},

    // ---- Function definitions ----
    {"FunctionDefinitions", "ans",
     VL_PREFIX "def sq(x) return x*x\ndef f(a, b) c = a+b; return c*2\ndef k return 7\ndef g(x)",
     "function sq(x as double) as double\nreturn x*x\nend function\n"
     "function f(a as double, b as double) as double\nc = a+b\nsetVar \"c\", c\nreturn c*2\n"
     "end function\n"
     "function k() as double\nreturn 7\nend function\n"
     "function g(x as double) as double\nend function\n"
     "\n" VL_ANS "dim c as double\ntagLine 0\ntagLine 1\ntagLine 2\ntagLine 3\n\n",
     "def sq(x) return x*x\ndef f(a, b) c = a+b; return c*2\ndef k return 7\ndef g(x)\n", "ans,c"},
    {"DefinitionEndsAtTheNextDef", "ans", VL_PREFIX "def f(x) return undefined(x)",
     "function f(x as double) as double\nreturn un\nend function\n\n" VL_ANS "tagLine 0\n\n",
     "def f(x) return undefined(x)\n", "ans"},
    {"TwoDefinitionsOfOneName", "ans", VL_PREFIX "def f(x) 1\ndef f(x) 2",
     "function f(x as double) as double\nprint str(1)\nend function\n"
     "function f(x as double) as double\nprint str(2)\nend function\n\n" VL_ANS
     "tagLine 0\ntagLine 1\n\n",
     "def f(x) 1\ndef f(x) 2\n", "ans"},

    // ---- One-line conditionals ----
    {"Conditionals", "ans",
     VL_PREFIX
     "if x>0 print x\nwhen (a > b) m = a; print m\nif n<=0\nif x>0 print x;\nif x>0 y = 5",
     "\n" VL_ANS "dim m as double\ndim y as double\n"
     "tagLine 0\nif x>0 then \nprint x\nend if\n"
     "tagLine 1\nif (a > b) then \nm = a\nsetVar \"m\", m\nprint m\nend if\n"
     "tagLine 2\nif n<=0 then \nend if\n"
     "tagLine 3\nif x>0 then \nprint x\n\nend if\n"
     "tagLine 4\nif x>0 then \ny = 5\nsetVar \"y\", y\nend if\n\n",
     "if x>0 print x\nwhen (a > b) m = a; print m\nif n<=0\nif x>0 print x;\nif x>0 y = 5\n",
     "ans,m,y"},
    {"ConditionEndsAtItsFirstBlank", "ans", VL_PREFIX "if x > 0 print x\nif a<>b print 1",
     "\n" VL_ANS "tagLine 0\nif x then \nprint str(> 0 print x)\nend if\n"
     "tagLine 1\nif a<>b then \nprint 1\nend if\n\n",
     "if x > 0 print x\nif a<>b print 1\n", "ans"},
    {"ConditionEndsAtAnEqualsSign", "ans", VL_PREFIX "if x=1 print x",
     "\n" VL_ANS "dim  as double\ntagLine 0\nif x then \n = 1 print x\nsetVar \"\", \nend if\n\n",
     "if x=1 print x\n", "ans,"},
    {"SemicolonInsideQuotesSplitsTheBody", "ans", VL_PREFIX "if 1 print \"a;b\"",
     "\n" VL_ANS "tagLine 0\nif 1 then \nprint \"a\nprint str(b\")\nend if\n\n",
     "if 1 print \"a;b\"\n", "ans"},
    {"NestedConditionals", "ans",
     VL_PREFIX "if a>0 if b>0 print 1; print 2\nif a WHEN b if c print 1",
     "\n" VL_ANS "tagLine 0\nif a>0 then \nif b>0 then \nprint 1\nend if\nprint 2\nend if\n"
     "tagLine 1\nif a then \nif b then \nif c then \nprint 1\nend if\nend if\nend if\n\n",
     "if a>0 if b>0 print 1; print 2\nif a WHEN b if c print 1\n", "ans"},
    {"DefinitionInsideAConditional", "ans", VL_PREFIX "if a>0 def g(x) return x; print 2",
     "function g(x as double) as double\nreturn x\nend function\n\n" VL_ANS
     "tagLine 0\nif a>0 then \nprint 2\nend if\n\n",
     "if a>0 def g(x) return x; print 2\n", "ans"},
    {"BodyStatementRules", "ans", VL_PREFIX "if 1 $x; #c; dim z; y; return 2",
     "\n" VL_ANS "dim z as double\ntagLine 0\nif 1 then \nprint x\n//c\nprint str(y)\nreturn 2\n"
     "end if\n\n",
     "if 1 $x; #c; dim z; y; return 2\n", "ans,z"},
    {"DirectivesAreNotDirectivesInBodies", "ans",
     VL_PREFIX "if 1 pragma clear_memory; use lib; plot x; @x",
     "\n" VL_ANS "tagLine 0\nif 1 then \nprint str(pragma clear_memory)\nprint str(use lib)\n"
     "print str(plot x)\nprint str(@x)\nend if\n\n",
     "if 1 pragma clear_memory; use lib; plot x; @x\n", "ans"},
    {"ArrayLiteralInsideABody", "ans", VL_PREFIX "if 1 v = {1,2}",
     "\n" VL_ANS "dim v(1) as variant\ntagLine 0\nif 1 then \nv(0) = 1\nv(1) = 2\nend if\n\n",
     "if 1 v = {1,2}\n", "ans"},

    // ---- Directives without files ----
    {"PlotLines", "ans", VL_PREFIX "plot sin(plotX)\nplot",
     "\n" VL_ANS
     "tagLine 0\ngraphNextPlot(plotXMax, plotXMin, plotYMax, plotYMin, plotXStep, plotTicks)\n"
     "for plotX = plotXMin to plotXMax step ((plotXMax*2)/plotXStep)\nplotY = sin(plotX)\n"
     "graphPlotPoint plotX, plotY\nnext\ngraphShow()\n"
     "tagLine 1\ngraphNextPlot(plotXMax, plotXMin, plotYMax, plotYMin, plotXStep, plotTicks)\n"
     "for plotX = plotXMin to plotXMax step ((plotXMax*2)/plotXStep)\nplotY = \n"
     "graphPlotPoint plotX, plotY\nnext\ngraphShow()\n\n",
     "plot sin(plotX)\nplot\n", "ans"},
    {"PragmaClearMemoryDropsEarlierDeclarations", "ans,old",
     VL_PREFIX "x = 1\npragma Clear_Memory\ny = 2",
     "\n" VL_ANS "dim y as double\ntagLine 0\nx = 1\nsetVar \"x\", x\nprintAny x\ntagLine 1\n"
     "tagLine 2\ny = 2\nsetVar \"y\", y\nprintAny y\n\n",
     "x = 1\npragma Clear_Memory\ny = 2\n", "ans,y"},
    {"PragmaWithOtherWordsDoesNothing", "ans,old",
     VL_PREFIX "pragma clear_memory now\npragma other",
     "\n" VL_ANS "dim old as double = 0\ntagLine 0\ntagLine 1\n\n",
     "pragma clear_memory now\npragma other\n", "ans,old"},
};
