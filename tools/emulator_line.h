// The serial line the emulator plays on.
#pragma once

#include <memory>
#include <string>

#include "serial/serial_port.h"
#include "tools/emulator.h"

namespace emu {

// Opens --device, or makes the pty pair of --pty. `where` names what the program should open.
std::unique_ptr<serial::SerialPort> OpenLine(const Options& options, std::string& where,
                                             std::string& error);

}  // namespace emu
