#include "support/fake_serial_port.h"

#include <algorithm>

bool FakeSerialPort::Open(const char* device) {
  auto result = open_results_.find(device);
  const bool ok = result == open_results_.end() ? default_open_ : result->second;
  calls_.push_back({PortCall::Op::Open, clock_.NowMs(), device, 0, 0, 0, ok});
  held_ = true;
  usable_ = ok;
  incoming_.clear();
  frame_.clear();
  return ok;
}

void FakeSerialPort::Close() {
  calls_.push_back({PortCall::Op::Close, clock_.NowMs(), {}, 0, 0, 0, true});
  held_ = false;
  usable_ = false;
  incoming_.clear();
}

void FakeSerialPort::PurgeInput() {
  calls_.push_back({PortCall::Op::Purge, clock_.NowMs(), {}, 0, 0, 0, true});
  const std::uint64_t now = clock_.NowMs();
  while (!incoming_.empty() && incoming_.front().at_ms <= now) incoming_.pop_front();
}

bool FakeSerialPort::WriteByte(std::uint8_t byte) {
  ++writes_;
  const bool ok = held_ && usable_ && (fail_from_ == 0 || writes_ < fail_from_);
  calls_.push_back({PortCall::Op::Write, clock_.NowMs(), {}, byte, 0, 0, ok});
  if (!ok) return false;
  if (peer_) peer_(*this, byte);
  if (frame_peer_) {
    frame_.push_back(byte);
    if (frame_.size() == frame_size_) {
      std::vector<std::uint8_t> frame;
      frame.swap(frame_);
      frame_peer_(*this, frame);
    }
  }
  return true;
}

std::size_t FakeSerialPort::Read(std::uint8_t* buffer, std::size_t count) {
  const std::uint64_t start = clock_.NowMs();
  std::size_t got = 0;
  if (held_ && usable_) {
    const std::uint64_t deadline = start + kReadTimeoutMs;
    std::uint64_t end = deadline;
    while (got < count && !incoming_.empty() && incoming_.front().at_ms <= deadline) {
      buffer[got++] = incoming_.front().byte;
      end = std::max(start, incoming_.front().at_ms);
      incoming_.pop_front();
    }
    if (got < count) end = deadline;
    clock_.Advance(end - start);
  }
  calls_.push_back({PortCall::Op::Read, start, {}, 0, count, got, true});
  return got;
}

void FakeSerialPort::Deliver(const std::vector<std::uint8_t>& bytes, std::uint64_t at_ms,
                             double gap_ms) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto at = at_ms + static_cast<std::uint64_t>(gap_ms * static_cast<double>(i));
    // Keep arrival order by time; a later delivery may interleave with an earlier one.
    auto pos = std::upper_bound(incoming_.begin(), incoming_.end(), at,
                                [](std::uint64_t t, const Arrival& a) { return t < a.at_ms; });
    incoming_.insert(pos, Arrival{at, bytes[i]});
  }
}

std::vector<std::uint8_t> FakeSerialPort::Written() const {
  std::vector<std::uint8_t> bytes;
  for (const PortCall& call : calls_) {
    if (call.op == PortCall::Op::Write && call.ok) bytes.push_back(call.byte);
  }
  return bytes;
}
