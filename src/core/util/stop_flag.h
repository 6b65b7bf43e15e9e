#pragma once

#include <atomic>
#include <memory>

namespace hueset {

// A request that a run on another thread stop, shared by its copies: the one
// that asks and the one the run looks at. Plain shared state rather than
// std::stop_token, which not every standard library we build with has.
class StopFlag {
 public:
  StopFlag() : m_requested(std::make_shared<std::atomic<bool>>(false)) {}

  void requestStop() const { m_requested->store(true, std::memory_order_relaxed); }
  bool stopRequested() const { return m_requested->load(std::memory_order_relaxed); }

 private:
  std::shared_ptr<std::atomic<bool>> m_requested;
};

}  // namespace hueset
