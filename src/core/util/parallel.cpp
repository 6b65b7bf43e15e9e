#include "util/parallel.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace hueset {

unsigned workerCount() {
  if (const char* forced = std::getenv("HUESET_THREADS")) {
    const long n = std::strtol(forced, nullptr, 10);
    if (n >= 1) return static_cast<unsigned>(std::min(n, 256L));
  }
  return std::max(1u, std::thread::hardware_concurrency());
}

void parallelFor(std::size_t count, std::size_t grain,
                 const std::function<void(std::size_t, std::size_t)>& body) {
  grain = std::max<std::size_t>(grain, 1);
  const std::size_t pieces = (count + grain - 1) / grain;
  const std::size_t threads = std::min<std::size_t>(workerCount(), pieces);
  if (threads <= 1) {
    if (count > 0) body(0, count);
    return;
  }
  std::atomic<std::size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  auto work = [&] {
    for (;;) {
      const std::size_t piece = next.fetch_add(1);
      if (piece >= pieces) return;
      try {
        body(piece * grain, std::min(count, (piece + 1) * grain));
      } catch (...) {
        std::lock_guard<std::mutex> lock(failureLock);
        if (!failure) failure = std::current_exception();
        next = pieces;
      }
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace hueset
