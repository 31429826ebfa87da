// A main window on a fake port, fake clock and in-memory registry, for the serial and transfer
// tests. Configure the fakes first, then Start() runs the window's creation.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/unit1.h"
#include "serial/registry_memory.h"
#include "support/fake_clock.h"
#include "support/fake_serial_port.h"

class SerialFormTest : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kKey = L"SOFTWARE\\Orvane\\Kestrune";
  static constexpr const wchar_t* kValue = L"ComPortIndex";

  // Creates the window and runs its creation handler.
  TForm1& Start();
  // Ends the window and starts a new one on the same registry, as a program restart does.
  TForm1& Restart();

  // The calls made since the last ClearCalls, of one kind.
  std::vector<PortCall> CallsOf(PortCall::Op op) const;
  // The controller's side: answers a write opening frame with `count` bytes and a read opening
  // frame with `answer`, delivered `delay_ms` after the frame's last byte, one byte per `gap_ms`.
  void AnswerWriteOpening(std::size_t count);
  void AnswerReadOpening(std::vector<std::uint8_t> answer, unsigned delay_ms, double gap_ms = 0);
  // Runs `watch` at every message processing of a transfer: each one is queued again at the
  // next wait, since a task queued from inside a message processing would run in that same one.
  void WatchMessages(std::function<void()> watch);
  // Bytes that differ from their neighbours, so that shifted or swapped data shows.
  static std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed);

  std::unique_ptr<tk::Application> app = std::make_unique<tk::Application>();
  FakeClock clock;
  FakeSerialPort port{clock};
  serial::MemoryRegistry registry;
  Platform platform{port, registry, clock};
  std::unique_ptr<TForm1> form;

 private:
  std::size_t write_answer_ = 0;
  std::vector<std::uint8_t> read_answer_;
  unsigned read_delay_ms_ = 0;
  double read_gap_ms_ = 0;
  bool answers_write_ = false, answers_read_ = false;
  std::function<void()> watch_;
  bool watch_queued_ = false;
  void InstallPeer();
};
