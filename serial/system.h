// The real port, registry and clock of the platform the program runs on.
#pragma once

#include <memory>

#include "serial/clock.h"
#include "serial/registry.h"
#include "serial/serial_port.h"

namespace serial {

// Win32: the COM port functions. POSIX: a termios device (see posix_serial_port.h).
std::unique_ptr<SerialPort> MakeSystemPort();
// Win32: the Windows registry. POSIX: an in-memory registry that lives as long as the object.
std::unique_ptr<Registry> MakeSystemRegistry();
// Win32: Sleep and GetTickCount64. POSIX: the steady clock.
std::unique_ptr<Clock> MakeSystemClock();

}  // namespace serial
