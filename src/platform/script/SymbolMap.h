// A value per symbol, for the tables the later stages keep by name. Symbol ids are small and
// dense (the lexer numbers names from 0), so a vector indexed by them finds a name with one load
// and allocates nothing per name, where a hash map would hash and allocate a node for each.
#pragma once

#include <vector>

#include "platform/script/Lexer.h"

namespace vorline::script {

template <class T>
class SymbolMap {
 public:
  // The value of s; T{} for a symbol never set.
  T get(Sym s) const { return s < items_.size() ? items_[s] : T{}; }
  // The value of s to set, the table growing to hold it.
  T& at(Sym s) {
    if (s >= items_.size()) items_.resize(static_cast<size_t>(s) + 1);
    return items_[s];
  }

 private:
  std::vector<T> items_;
};

}  // namespace vorline::script
