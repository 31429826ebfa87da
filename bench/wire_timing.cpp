// kestrune-bench: times both transfers at the emulator over a pty pair with the termios port and
// the real clock, and compares them with the protocol's own waits.
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/unit1.h"
#include "serial/posix_serial_port.h"
#include "serial/registry_memory.h"
#include "serial/system.h"
#include "tools/emulator_process.h"

namespace {

// The waits each transfer makes by design: the write's 100 ms and 40 ms read time-out (a short
// answer) and 32 pauses of 500 ms; the read's 17 x 10 ms and one 2000 ms wait.
constexpr double kWriteFloorMs = 100 + 40 + 32 * 500;
constexpr double kReadFloorMs = 17 * 10 + 2000;
constexpr double kMaxTotalRatio = 1.02;
constexpr double kBlockGapMs = 500, kBlockGapSlackMs = 20;
constexpr double kMaxCpuShare = 0.02;

struct Measure {
  double wall_ms = 0;
  double cpu_ms = 0;
};

double CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

Measure Time(const std::function<void()>& run) {
  const double cpu = CpuMs();
  const auto start = std::chrono::steady_clock::now();
  run();
  const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
  return {wall.count(), CpuMs() - cpu};
}

bool Check(bool ok, const char* what) {
  std::printf("  %-44s %s\n", what, ok ? "ok" : "OVER LIMIT");
  return ok;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/kestrune-bench-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const std::string dir = pattern;
  emu::EmulatorProcess emulator;
  if (!emulator.Start(KESTRUNE_EMULATOR, dir, {})) {
    std::fprintf(stderr, "kestrune-bench: the emulator did not start\n");
    return 1;
  }
  tk::Application app;
  serial::PosixSerialPort port;
  port.MapDevice("\\\\.\\COM1", emulator.Line());
  serial::MemoryRegistry registry;
  auto clock = serial::MakeSystemClock();
  Platform platform{port, registry, *clock};
  auto form = std::make_unique<TForm1>(app, platform);
  form->FormCreate(form.get());
  for (int i = 0; i < kImageSize; ++i) form->SpdImage[i] = static_cast<std::uint8_t>(i * 5 + 1);
  const auto image = form->SpdImage;

  const Measure write = Time([&] { form->SpeedButton1->Click(); });
  const bool wrote = form->Label6->Caption() == L"燒錄成功";
  form->SpdImage.fill(0);
  const Measure read = Time([&] { form->SpeedButton2->Click(); });
  const bool read_back = form->Label6->Caption() == L"讀取完成" && form->SpdImage == image;

  std::vector<double> gaps;
  double previous = -1;
  for (const emu::LogLine& line : emu::ReadLog(emulator.LogPath())) {
    if (line.kind.rfind("block:", 0) != 0) continue;
    if (previous >= 0) gaps.push_back(static_cast<double>(line.first_ms) - previous);
    previous = static_cast<double>(line.first_ms);
  }
  form.reset();
  emulator.Stop();
  std::filesystem::remove_all(dir);

  const auto [min_gap, max_gap] = gaps.empty()
                                      ? std::pair(0.0, 0.0)
                                      : std::pair(*std::min_element(gaps.begin(), gaps.end()),
                                                  *std::max_element(gaps.begin(), gaps.end()));
  std::printf("write: %s, %.0f ms (floor %.0f ms), ratio %.4f\n", wrote ? "燒錄成功" : "FAILED",
              write.wall_ms, kWriteFloorMs, write.wall_ms / kWriteFloorMs);
  std::printf("block gaps at the emulator: %zu, min %.0f ms, max %.0f ms\n", gaps.size(), min_gap,
              max_gap);
  std::printf("write cpu: %.1f ms of %.0f ms wall, share %.4f\n", write.cpu_ms, write.wall_ms,
              write.cpu_ms / write.wall_ms);
  std::printf("read: %s, %.0f ms (floor %.0f ms), ratio %.4f\n", read_back ? "讀取完成" : "FAILED",
              read.wall_ms, kReadFloorMs, read.wall_ms / kReadFloorMs);
  std::printf("read cpu: %.1f ms of %.0f ms wall, share %.4f\n", read.cpu_ms, read.wall_ms,
              read.cpu_ms / read.wall_ms);
  std::printf("limits:\n");
  bool ok = Check(wrote && read_back, "both transfers succeeded");
  ok &= Check(write.wall_ms / kWriteFloorMs <= kMaxTotalRatio, "write total / floor <= 1.02");
  ok &= Check(read.wall_ms / kReadFloorMs <= kMaxTotalRatio, "read total / floor <= 1.02");
  ok &= Check(gaps.size() == 31 && min_gap >= kBlockGapMs - kBlockGapSlackMs &&
                  max_gap <= kBlockGapMs + kBlockGapSlackMs,
              "every block gap 500 ms +- 20 ms");
  ok &= Check(
      write.cpu_ms / write.wall_ms < kMaxCpuShare && read.cpu_ms / read.wall_ms < kMaxCpuShare,
      "cpu time < 2% of wall time");
  return ok ? 0 : 1;
}
