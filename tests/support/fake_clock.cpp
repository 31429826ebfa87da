#include "support/fake_clock.h"

void FakeClock::Sleep(unsigned ms) {
  if (on_sleep) on_sleep(ms);
  sleeps_.push_back(ms);
  now_ += ms;
}
