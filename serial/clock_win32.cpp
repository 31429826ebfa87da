#include <windows.h>

#include "serial/system.h"

namespace serial {

namespace {

class TickClock : public Clock {
 public:
  void Sleep(unsigned ms) override { ::Sleep(ms); }
  std::uint64_t NowMs() override { return GetTickCount64(); }
};

}  // namespace

std::unique_ptr<Clock> MakeSystemClock() {
  return std::make_unique<TickClock>();
}

}  // namespace serial
