#include "platform/values/RuntimeException.h"

#include <new>

namespace vorline {

RuntimeException RuntimeException::From(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const RuntimeException& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return RuntimeException(6, "Out of memory");
  } catch (const std::length_error&) {
    return RuntimeException(6, "Out of memory");
  } catch (const std::exception& e) {
    return RuntimeException(15, e.what());
  } catch (...) {
    return RuntimeException(15, "Unknown failure");
  }
}

}  // namespace vorline
