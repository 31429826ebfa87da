#include "support/fake_clock.h"

void FakeClock::Sleep(unsigned ms) {
  sleeps_.push_back(ms);
  now_ += ms;
}
