// A created main window on the headless backend, with a fake port, registry and clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/unit1.h"
#include "serial/registry_memory.h"
#include "support/fake_clock.h"
#include "support/fake_serial_port.h"
#include "toolkit/headless/operator.h"

struct FormHarness {
  FormHarness();
  ~FormHarness();
  // Builds the main window and runs its creation handler, as the entry does.
  void Create();

  tk::Application app;
  FakeClock clock;
  FakeSerialPort port{clock};
  serial::MemoryRegistry registry;
  Platform platform{port, registry, clock};
  std::unique_ptr<TForm1> form;
};

class FormTest : public testing::Test {
 protected:
  void SetUp() override {
    harness.Create();
    form = harness.form.get();
  }

  FormHarness harness;
  TForm1* form = nullptr;
};
