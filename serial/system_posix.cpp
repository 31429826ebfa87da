#include <chrono>
#include <thread>

#include "serial/posix_serial_port.h"
#include "serial/registry_memory.h"
#include "serial/system.h"

namespace serial {

namespace {

class SteadyClock : public Clock {
 public:
  void Sleep(unsigned ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  std::uint64_t NowMs() override {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  }
};

}  // namespace

std::unique_ptr<SerialPort> MakeSystemPort() {
  return std::make_unique<PosixSerialPort>();
}
std::unique_ptr<Registry> MakeSystemRegistry() {
  return std::make_unique<MemoryRegistry>();
}
std::unique_ptr<Clock> MakeSystemClock() {
  return std::make_unique<SteadyClock>();
}

}  // namespace serial
