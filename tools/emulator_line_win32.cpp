#include "serial/system.h"
#include "tools/emulator_line.h"

namespace emu {

std::unique_ptr<serial::SerialPort> OpenLine(const Options& options, std::string& where,
                                             std::string& error) {
  if (!options.pty_link.empty()) {
    error = "--pty is not available on Windows; use --device COMn";
    return nullptr;
  }
  where = options.device;
  if (where.rfind("\\\\.\\", 0) != 0) where = "\\\\.\\" + where;
  auto port = serial::MakeSystemPort();
  if (!port->Open(where.c_str())) {
    error = "cannot open " + where;
    return nullptr;
  }
  return port;
}

}  // namespace emu
