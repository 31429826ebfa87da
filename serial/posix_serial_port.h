// A serial device through termios, for native builds, tools and tests.
#pragma once

#include <map>
#include <string>

#include "serial/serial_port.h"

namespace serial {

class PosixSerialPort : public SerialPort {
 public:
  PosixSerialPort() = default;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;
  ~PosixSerialPort() override;

  // Which path a Windows device name such as "\\.\COM3" opens. Unmapped, "\\.\COMn" opens the
  // path in the environment variable KESTRUNE_COMn, else /dev/ttyS<n-1>; any other name is a path.
  void MapDevice(const std::string& device, const std::string& path);
  std::string PathOf(const std::string& device) const;

  bool Open(const char* device) override;
  void Close() override;
  void PurgeInput() override;
  bool WriteByte(std::uint8_t byte) override;
  std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

  // Holds an already open descriptor (a pty master, say) as the port, with the line settings
  // applied. The port closes it.
  bool Adopt(int fd);
  int Descriptor() const { return fd_; }

 private:
  int fd_ = -1;
  std::map<std::string, std::string> paths_;
};

// Raw 9600 8N1 without flow control, reads that never block on their own.
bool ApplyLineSettings(int fd);

}  // namespace serial
