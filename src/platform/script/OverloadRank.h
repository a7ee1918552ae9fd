// The one ranking of overloads, for the checker's choice and for the VM's choice among the
// candidates of a call whose Variant arguments are known only when it runs.
#pragma once

#include <vector>

#include "platform/script/Types.h"
#include "platform/values/Variant.h"

namespace vorline::script {

// How well an argument of type `arg` fits a parameter of type `param`, best first: exact;
// integer to an integer type that holds all its values (or float to float); integer to
// Double; integer to an integer type that may not hold it; Double to integer; to a Variant.
// kRankRuntime marks a Variant argument whose fit is known only at run time; -1: no fit.
inline constexpr int kRankRuntime = 6;
int conversionRank(Type arg, Type param);

// The rank of the value a Variant holds for a parameter: that of the value's own type where a
// static conversion exists, else (a String or Boolean read as a number, nil) after every
// static rank, preferring String, integer, Double.
int heldRank(const Variant& held, Type param);

// a beats b when its worst conversion is better, then its next worst, and so on: min(2.5, 1)
// takes the Double overload, which converts 1 to Double, over the Integer one, which would
// truncate 2.5. Both are sorted, worst first, in place.
bool ranksBeat(std::vector<int>& a, std::vector<int>& b);

}  // namespace vorline::script
