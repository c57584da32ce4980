#pragma once
// The timed waits of an installation, during which the windows keep repainting and taking input.
#include <cstdint>

// Milliseconds from start to now on the 32-bit tick count, correct across its wrap.
constexpr uint32_t ElapsedTicks(uint32_t start, uint32_t now) { return now - start; }

// Keeps dispatching the pending messages, without sleeping, until more than the given number of
// milliseconds have passed on the tick count; 0 or less returns at once. A pending quit request
// stays pending and does not end the wait.
void WaitDispatchingMessages(int32_t milliseconds);
