// What the converter asks of its host, the calculator window. The converter reaches the window
// only through these eight operations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorline {

class ckConverterOwner {
 public:
  virtual ~ckConverterOwner() = default;

  // True exactly when the variables memory holds the name.
  virtual bool msg_memory_has_symbol(std::string_view name) = 0;
  // The name enters the memory (with the zero of type, the declaration's type word), so that
  // later runs declare it as this one does; called only after msg_memory_has_symbol said no.
  virtual void msg_memory_create_symbol(const std::string& name, const std::string& type) = 0;
  // Appends a pad line to the run's source-line list; returns its index from 0.
  virtual int64_t msg_append_source_line(std::string_view line) = 0;
  // One declaration line per memory entry, each ended by EndOfLine; "" when there are none.
  virtual std::string msg_memory_get_symbol_declares() = 0;
  // The declarations of the arrays that the memory keeps by their elements, with the elements
  // registered during this conversion; they follow the conversion's own declarations.
  virtual std::string msg_memory_get_array_declares() = 0;
  // The folder of the pad's document (or the default folder), as a shell path.
  virtual std::string msg_get_current_path() = 0;
  // Empties the memory down to its seeded entry.
  virtual void msg_memory_reset() = 0;
  // Asks the host to save the finished script to its debug file before running it.
  virtual void msg_set_debug_flag(bool flag) = 0;
};

}  // namespace vorline
