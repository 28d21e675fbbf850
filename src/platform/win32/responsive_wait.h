#pragma once
// Work that may take seconds (decoding a big picture) run from a thread that owns windows:
// the work goes to a thread of its own while this one keeps its windows painted and answers
// what other threads and the system send it, so no window shows as "not responding". Input
// waits in the queue until the work is done, so no handler runs in the middle of another.
#include <functional>

namespace qb::win32 {

// Runs work to its end. On a thread without windows it simply runs here.
void RunKeepingWindowsAlive(const std::function<void()>& work);

}  // namespace qb::win32
