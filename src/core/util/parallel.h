#pragma once

#include <cstddef>
#include <functional>

namespace hueset {

// How many threads the parallel parts of the annotation use: the machine's
// cores, or HUESET_THREADS when it is set (1 runs everything on the calling
// thread; the output is the same bytes whatever the count).
unsigned workerCount();

// Runs `body(begin, end)` over consecutive pieces of [0, count), each at
// least `grain` long, on up to workerCount() threads, the calling thread
// among them; returns when every piece is done. An exception in a piece is
// rethrown here.
void parallelFor(std::size_t count, std::size_t grain,
                 const std::function<void(std::size_t begin, std::size_t end)>& body);

}  // namespace hueset

namespace hueset {

// Makes results 0, 1, 2, ... of `count` on up to workerCount() threads, the
// calling thread among them while it has nothing to hand on, result i only
// once `consume` is done with result i - window, and hands each to `consume` on the calling
// thread in order, as soon as it and all before it are done. `consume`
// returning false stops the run (the workers finish the piece in hand and
// stop). Returns false when stopped. With one worker everything runs on the
// calling thread, in order.
template <typename Result>
bool parallelOrdered(std::size_t count, std::size_t window,
                     const std::function<Result(std::size_t)>& produce,
                     const std::function<bool(std::size_t, Result&)>& consume);

}  // namespace hueset

#include "util/parallel_ordered.inc"
