#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "tools/emulator_process.h"

namespace emu {

std::vector<LogLine> ReadLog(const std::string& path) {
  std::vector<LogLine> lines;
  std::ifstream in(path);
  std::string text;
  while (std::getline(in, text)) {
    std::istringstream fields(text);
    LogLine line;
    std::size_t count = 0;
    std::string hex;
    if (!(fields >> line.first_ms >> line.last_ms >> line.dir >> line.kind >> count >> hex)) {
      continue;
    }
    for (std::size_t i = 0; i + 1 < hex.size() && line.bytes.size() < count; i += 2) {
      line.bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

bool EmulatorProcess::Start(const std::string& program, const std::string& dir,
                            const std::vector<std::string>& extra) {
  Stop();
  line_ = dir + "/line";
  log_ = dir + "/emu.log";
  unlink(line_.c_str());
  std::vector<std::string> args = {program, "--pty", line_, "--log", log_};
  args.insert(args.end(), extra.begin(), extra.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ < 0) return false;
  if (pid_ == 0) {
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  struct stat st {};
  while (stat(line_.c_str(), &st) != 0) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return false;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      Stop();
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

bool EmulatorProcess::Stop() {
  if (pid_ <= 0) return false;
  kill(pid_, SIGTERM);
  int status = 0;
  const bool waited = waitpid(pid_, &status, 0) == pid_;
  pid_ = -1;
  return waited && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace emu
