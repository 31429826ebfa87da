// The controller at the far end of the serial link, played over any serial::SerialPort.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "serial/clock.h"
#include "serial/serial_port.h"

namespace emu {

constexpr std::size_t kMemorySize = 512;
using Memory = std::array<std::uint8_t, kMemorySize>;

enum class ReadAnswer {
  Whole,  // the 512 bytes at once (paced at 9600 baud)
  Short,  // the first 300 bytes
  Long,   // 600 bytes: the memory, then its first 88 bytes again
  Slow,   // the 512 bytes, starting 1950 ms after the request
};

struct Options {
  std::string device;    // an existing serial device
  std::string pty_link;  // or: make a pty pair and link this path to its far end
  std::string load_path;
  std::string save_path;
  std::string log_path;  // empty: standard output
  std::size_t write_answer = 1;
  bool silent = false;
  bool deaf_after_open = false;
  ReadAnswer read_answer = ReadAnswer::Whole;
};

// Options from the command line; nullopt with `error` set when they make no sense.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);
std::string Usage();

// Reads a .SPD file into memory: its first 512 bytes, the rest zero.
bool LoadMemory(const std::string& path, Memory& memory);
bool SaveMemory(const std::string& path, const Memory& memory);

class Controller {
 public:
  // `log` receives one line per frame; see tools/README.md for the format.
  Controller(serial::SerialPort& port, serial::Clock& clock, const Options& options,
             std::ostream& log);

  // Reads and answers until `stop` becomes non-zero.
  void Run(const volatile int& stop);
  // One read of at most one byte (up to 40 ms), and whatever that byte completes.
  void Step();

  Memory& memory() { return memory_; }
  int writes_stored() const { return writes_stored_; }

 private:
  void Received(std::uint8_t byte, std::uint64_t at);
  void Frame();
  void Send(const std::vector<std::uint8_t>& bytes, const char* kind, bool paced);
  void Log(std::uint64_t first, std::uint64_t last, const char* dir, const std::string& kind,
           const std::uint8_t* bytes, std::size_t count);
  std::uint64_t Now();

  serial::SerialPort& port_;
  serial::Clock& clock_;
  Options options_;
  std::ostream& log_;
  Memory memory_{};
  std::uint64_t start_ms_;
  std::vector<std::uint8_t> frame_;
  std::uint64_t frame_first_ = 0, frame_last_ = 0;
  bool deaf_ = false;
  int writes_stored_ = 0;
};

}  // namespace emu
