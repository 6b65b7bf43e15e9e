#include "util/current_failure.h"

#include <exception>
#include <new>

namespace hueset {

std::string currentFailure() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return "out of memory";
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an unexpected failure";
  }
}

}  // namespace hueset
