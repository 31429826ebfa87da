// kestrune-emu: plays the controller on a serial line until interrupted.
#include <csignal>
#include <fstream>
#include <iostream>

#include "serial/system.h"
#include "tools/emulator.h"
#include "tools/emulator_line.h"

namespace {

volatile int g_stop = 0;

void OnSignal(int) {
  g_stop = 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = emu::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << "kestrune-emu: " << error << "\n" << emu::Usage();
    return 2;
  }
  std::string where;
  auto line = emu::OpenLine(*options, where, error);
  if (!line) {
    std::cerr << "kestrune-emu: " << error << "\n";
    return 1;
  }
  std::ofstream log_file;
  if (!options->log_path.empty()) {
    log_file.open(options->log_path, std::ios::trunc);
    if (!log_file) {
      std::cerr << "kestrune-emu: cannot write " << options->log_path << "\n";
      return 1;
    }
  }
  std::ostream& log = options->log_path.empty() ? std::cout : log_file;
  auto clock = serial::MakeSystemClock();
  emu::Controller controller(*line, *clock, *options, log);
  if (!options->load_path.empty() && !emu::LoadMemory(options->load_path, controller.memory())) {
    std::cerr << "kestrune-emu: cannot read " << options->load_path << "\n";
    return 1;
  }
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::cerr << "kestrune-emu: ready on " << where << std::endl;
  controller.Run(g_stop);
  return 0;
}
