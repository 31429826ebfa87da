// The platform seams a main window works through; tests hand in fakes.
#pragma once

#include "serial/clock.h"
#include "serial/registry.h"
#include "serial/serial_port.h"

struct Platform {
  serial::SerialPort& port;
  serial::Registry& registry;
  serial::Clock& clock;
};
