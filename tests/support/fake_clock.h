// A clock whose time moves only when someone sleeps on it or advances it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "serial/clock.h"

class FakeClock : public serial::Clock {
 public:
  void Sleep(unsigned ms) override;
  std::uint64_t NowMs() override { return now_; }

  void Advance(std::uint64_t ms) { now_ += ms; }
  // Every Sleep so far, in order.
  const std::vector<unsigned>& Sleeps() const { return sleeps_; }

  // Runs at the start of every Sleep, before time moves.
  std::function<void(unsigned ms)> on_sleep;

 private:
  std::uint64_t now_ = 0;
  std::vector<unsigned> sleeps_;
};
