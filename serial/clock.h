// Waiting and time, so that tests can run on a clock that takes no real time.
#pragma once

#include <cstdint>

namespace serial {

class Clock {
 public:
  virtual ~Clock() = default;
  // Blocks the calling thread for `ms` milliseconds.
  virtual void Sleep(unsigned ms) = 0;
  // Milliseconds since an arbitrary fixed start.
  virtual std::uint64_t NowMs() = 0;
};

}  // namespace serial
