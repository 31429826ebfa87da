// One held serial port: the handle and the operations the transfers make on it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace serial {

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens `device` exclusively at 9600 8N1 without flow control, with the time-outs
  // 0/0/40/0/500 ms, and holds it. True when the line settings could be applied. Callers close
  // the held port first; a handle still held from an open whose settings failed is released
  // here too, since a forgotten exclusive handle would keep the port busy for good.
  virtual bool Open(const char* device) = 0;
  // Releases the held port; nothing happens when none is held.
  virtual void Close() = 0;
  // Drops received bytes not yet read.
  virtual void PurgeInput() = 0;
  // One write of one byte. False when it failed or timed out.
  virtual bool WriteByte(std::uint8_t byte) = 0;
  // One read of up to `count` bytes, ending after at most 40 ms. The number of bytes read;
  // 0 when nothing came or no port is held.
  virtual std::size_t Read(std::uint8_t* buffer, std::size_t count) = 0;
};

}  // namespace serial
