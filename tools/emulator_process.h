// kestrune-emu run as a child process on a pty pair of its own (POSIX), and its frame log.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace emu {

struct LogLine {
  std::uint64_t first_ms = 0, last_ms = 0;
  std::string dir;   // rx, tx, or -- for events
  std::string kind;  // write-open, block:NN, read-open, write-answer, read-answer, stored, ...
  std::vector<std::uint8_t> bytes;
};

std::vector<LogLine> ReadLog(const std::string& path);

class EmulatorProcess {
 public:
  EmulatorProcess() = default;
  EmulatorProcess(const EmulatorProcess&) = delete;
  EmulatorProcess& operator=(const EmulatorProcess&) = delete;
  ~EmulatorProcess() { Stop(); }

  // Runs `program` with --pty <dir>/line --log <dir>/emu.log and `extra`, and waits (up to 10 s)
  // until the line can be opened.
  bool Start(const std::string& program, const std::string& dir,
             const std::vector<std::string>& extra);
  // Ends it (SIGTERM) and waits for it; true when it exited normally.
  bool Stop();

  const std::string& Line() const { return line_; }
  const std::string& LogPath() const { return log_; }

 private:
  pid_t pid_ = -1;
  std::string line_, log_;
};

}  // namespace emu
