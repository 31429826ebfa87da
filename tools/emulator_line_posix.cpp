#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "serial/posix_serial_port.h"
#include "tools/emulator_line.h"

namespace emu {

namespace {

// The far end stays open here too: without any holder the pty master reads only errors.
class PtyLine : public serial::PosixSerialPort {
 public:
  ~PtyLine() override {
    if (far_end_ >= 0) close(far_end_);
    if (!link_.empty()) unlink(link_.c_str());
  }
  int far_end_ = -1;
  std::string link_;
};

std::unique_ptr<serial::SerialPort> OpenPty(const std::string& link, std::string& where,
                                            std::string& error) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    error = std::string("no pty: ") + std::strerror(errno);
    if (master >= 0) close(master);
    return nullptr;
  }
  where = ptsname(master);
  auto line = std::make_unique<PtyLine>();
  line->Adopt(master);
  line->far_end_ = open(where.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (line->far_end_ >= 0) serial::ApplyLineSettings(line->far_end_);
  unlink(link.c_str());
  if (symlink(where.c_str(), link.c_str()) != 0) {
    error = "cannot link " + link + ": " + std::strerror(errno);
    return nullptr;
  }
  line->link_ = link;
  return line;
}

}  // namespace

std::unique_ptr<serial::SerialPort> OpenLine(const Options& options, std::string& where,
                                             std::string& error) {
  if (!options.pty_link.empty()) return OpenPty(options.pty_link, where, error);
  auto port = std::make_unique<serial::PosixSerialPort>();
  where = port->PathOf(options.device);
  if (!port->Open(options.device.c_str())) {
    error = "cannot open " + where;
    return nullptr;
  }
  return port;
}

}  // namespace emu
