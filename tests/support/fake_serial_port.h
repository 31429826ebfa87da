// A serial port with a scripted peer on a fake clock. It records every call in order with the
// time it was made; the peer hears every byte written and schedules what becomes readable when.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "serial/serial_port.h"
#include "support/fake_clock.h"

struct PortCall {
  enum class Op { Open, Close, Purge, Write, Read };
  Op op;
  std::uint64_t at_ms;    // clock time when the call began
  std::string device;     // Open
  std::uint8_t byte = 0;  // Write
  std::size_t asked = 0;  // Read
  std::size_t got = 0;    // Read
  bool ok = true;         // Open, Write
};

class FakeSerialPort : public serial::SerialPort {
 public:
  // Called after every successful write with the byte written.
  using Peer = std::function<void(FakeSerialPort& port, std::uint8_t byte)>;
  // Called with every complete frame of `frame_size` bytes written since the port was opened.
  using FramePeer = std::function<void(FakeSerialPort& port, const std::vector<std::uint8_t>&)>;

  static constexpr unsigned kReadTimeoutMs = 40;

  explicit FakeSerialPort(FakeClock& clock) : clock_(clock) {}

  bool Open(const char* device) override;
  void Close() override;
  void PurgeInput() override;
  bool WriteByte(std::uint8_t byte) override;
  // Takes what has arrived; when short, waits for more up to the read time-out on the clock.
  std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

  void SetPeer(Peer peer) { peer_ = std::move(peer); }
  void SetFramePeer(std::size_t frame_size, FramePeer peer) {
    frame_size_ = frame_size;
    frame_peer_ = std::move(peer);
  }
  // `bytes` become readable from `at_ms` on, one every `gap_ms` (0: all at once).
  void Deliver(const std::vector<std::uint8_t>& bytes, std::uint64_t at_ms, double gap_ms = 0);

  void SetOpenResult(const std::string& device, bool ok) { open_results_[device] = ok; }
  void SetDefaultOpenResult(bool ok) { default_open_ = ok; }
  // The k-th write (counting from 1 since construction) and every later one fail.
  void FailWritesFrom(int k) { fail_from_ = k; }

  const std::vector<PortCall>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // Bytes of the successful writes, in order.
  std::vector<std::uint8_t> Written() const;
  std::size_t Unread() const { return incoming_.size(); }
  bool Held() const { return held_; }
  FakeClock& Clock() { return clock_; }

 private:
  struct Arrival {
    std::uint64_t at_ms;
    std::uint8_t byte;
  };

  FakeClock& clock_;
  std::vector<PortCall> calls_;
  std::deque<Arrival> incoming_;
  std::map<std::string, bool> open_results_;
  bool default_open_ = true;
  bool held_ = false;
  bool usable_ = false;
  int writes_ = 0;
  int fail_from_ = 0;
  Peer peer_;
  std::size_t frame_size_ = 0;
  FramePeer frame_peer_;
  std::vector<std::uint8_t> frame_;
};
