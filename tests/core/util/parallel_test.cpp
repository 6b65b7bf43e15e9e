#include "util/parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace hueset {
namespace {

// The ordered pool: results reach `consume` in order on the calling thread,
// none starts before the one `window` places back is done with, a stop or a
// failure ends the run however many threads serve it.
struct OrderedCase {
  const char* what;
  const char* threads;
  std::size_t count;
  std::size_t stopAt;  // consume returns false here (count: never)
  std::size_t failAt;  // produce throws here (count: never)
};

TEST(ParallelOrdered, HandsResultsOnInOrderAndStopsWhenTold) {
  const OrderedCase cases[] = {
      {"one thread", "1", 50, 50, 50},
      {"two threads", "2", 200, 200, 200},
      {"more threads than cores", "5", 200, 200, 200},
      {"a stop midway", "3", 200, 70, 200},
      {"a stop at the first", "2", 200, 0, 200},
      {"a failure midway", "3", 200, 200, 90},
  };
  constexpr std::size_t kWindow = 4;
  for (const OrderedCase& c : cases) {
    SCOPED_TRACE(c.what);
    setenv("HUESET_THREADS", c.threads, 1);
    std::mutex lock;
    std::vector<std::size_t> consumed;
    std::atomic<bool> windowKept{true};
    // The window is never narrower than the threads serving it.
    const std::size_t window = std::max<std::size_t>(kWindow, std::stoul(c.threads));
    const std::function<std::size_t(std::size_t)> produce = [&](std::size_t i) {
      if (i == c.failAt) throw std::runtime_error("piece failed");
      {
        std::lock_guard<std::mutex> guard(lock);
        if (i >= window && consumed.size() < i - window + 1) windowKept = false;
      }
      return i * 10;
    };
    const std::function<bool(std::size_t, std::size_t&)> consume = [&](std::size_t i,
                                                                       std::size_t& result) {
      EXPECT_EQ(result, i * 10);
      std::lock_guard<std::mutex> guard(lock);
      consumed.push_back(i);
      return i != c.stopAt;
    };
    bool finished = false;
    bool failed = false;
    try {
      finished = parallelOrdered(c.count, kWindow, produce, consume);
    } catch (const std::runtime_error&) {
      failed = true;
    }
    unsetenv("HUESET_THREADS");

    const std::size_t expectedEnd = std::min({c.count, c.stopAt + 1, c.failAt});
    EXPECT_EQ(failed, c.failAt < c.count);
    EXPECT_EQ(finished, c.stopAt >= c.count && c.failAt >= c.count);
    if (!failed) {
      ASSERT_EQ(consumed.size(), expectedEnd);
    }
    EXPECT_LE(consumed.size(), expectedEnd);
    for (std::size_t i = 0; i < consumed.size(); ++i) EXPECT_EQ(consumed[i], i);
    EXPECT_TRUE(windowKept);
  }
}

}  // namespace
}  // namespace hueset
