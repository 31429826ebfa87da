#include "tools/emulator.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>

namespace emu {

namespace {

constexpr std::size_t kFrameSize = 17;
// Bytes of one frame follow each other within a few ms (10 ms apart in a read request); a
// longer pause means the rest of a frame was lost.
constexpr std::uint64_t kFrameGapMs = 80;
constexpr unsigned kSlowStartMs = 1950;
constexpr std::size_t kShortAnswer = 300;
constexpr std::size_t kLongAnswer = 600;
constexpr std::uint8_t kWriteAnswerByte = 0x06;

bool NumberArg(const std::string& text, std::size_t& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::stoul(text);
  return true;
}

}  // namespace

std::string Usage() {
  return "usage: kestrune-emu (--device PATH | --pty LINK) [--load FILE] [--save FILE]\n"
         "                    [--log FILE] [--write-answer N] [--silent] [--short-read]\n"
         "                    [--long-read] [--slow-read] [--deaf-after-open]\n";
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string* {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return nullptr;
      }
      return &args[++i];
    };
    const std::string* v = nullptr;
    if (arg == "--device" || arg == "--pty" || arg == "--load" || arg == "--save" ||
        arg == "--log" || arg == "--write-answer") {
      if (!(v = value())) return std::nullopt;
    }
    if (arg == "--device") {
      options.device = *v;
    } else if (arg == "--pty") {
      options.pty_link = *v;
    } else if (arg == "--load") {
      options.load_path = *v;
    } else if (arg == "--save") {
      options.save_path = *v;
    } else if (arg == "--log") {
      options.log_path = *v;
    } else if (arg == "--write-answer") {
      if (!NumberArg(*v, options.write_answer)) {
        error = "--write-answer needs a number";
        return std::nullopt;
      }
    } else if (arg == "--silent") {
      options.silent = true;
    } else if (arg == "--deaf-after-open") {
      options.deaf_after_open = true;
    } else if (arg == "--short-read") {
      options.read_answer = ReadAnswer::Short;
    } else if (arg == "--long-read") {
      options.read_answer = ReadAnswer::Long;
    } else if (arg == "--slow-read") {
      options.read_answer = ReadAnswer::Slow;
    } else {
      error = "unknown option " + arg;
      return std::nullopt;
    }
  }
  if (options.device.empty() == options.pty_link.empty()) {
    error = "give exactly one of --device and --pty";
    return std::nullopt;
  }
  return options;
}

bool LoadMemory(const std::string& path, Memory& memory) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  memory.fill(0);
  in.read(reinterpret_cast<char*>(memory.data()), kMemorySize);
  return true;
}

bool SaveMemory(const std::string& path, const Memory& memory) {
  // Written aside and renamed, so a reader never sees half an image.
  const std::string part = path + ".part";
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(memory.data()), kMemorySize);
    if (!out) return false;
  }
  std::remove(path.c_str());
  return std::rename(part.c_str(), path.c_str()) == 0;
}

Controller::Controller(serial::SerialPort& port, serial::Clock& clock, const Options& options,
                       std::ostream& log)
    : port_(port), clock_(clock), options_(options), log_(log), start_ms_(clock.NowMs()) {}

std::uint64_t Controller::Now() {
  return clock_.NowMs() - start_ms_;
}

void Controller::Run(const volatile int& stop) {
  while (!stop) Step();
}

void Controller::Step() {
  if (deaf_) {
    clock_.Sleep(40);
    return;
  }
  std::uint8_t byte = 0;
  if (port_.Read(&byte, 1) == 1) {
    Received(byte, Now());
  } else if (!frame_.empty() && Now() - frame_last_ > kFrameGapMs) {
    Log(frame_first_, frame_last_, "rx", "partial", frame_.data(), frame_.size());
    frame_.clear();
  }
}

void Controller::Received(std::uint8_t byte, std::uint64_t at) {
  if (!frame_.empty() && at - frame_last_ > kFrameGapMs) {
    Log(frame_first_, frame_last_, "rx", "partial", frame_.data(), frame_.size());
    frame_.clear();
  }
  if (frame_.empty()) frame_first_ = at;
  frame_last_ = at;
  frame_.push_back(byte);
  if (frame_.size() == kFrameSize) {
    Frame();
    frame_.clear();
  }
}

void Controller::Frame() {
  const std::uint8_t head = frame_[0];
  if (head == 0xFF) {
    Log(frame_first_, frame_last_, "rx", "write-open", frame_.data(), frame_.size());
    if (!options_.silent && options_.write_answer > 0) {
      Send(std::vector<std::uint8_t>(options_.write_answer, kWriteAnswerByte), "write-answer",
           false);
    }
    deaf_ = options_.deaf_after_open;
  } else if (head < kMemorySize / 16) {
    char kind[16];
    std::snprintf(kind, sizeof kind, "block:%02u", static_cast<unsigned>(head));
    Log(frame_first_, frame_last_, "rx", kind, frame_.data(), frame_.size());
    std::copy(frame_.begin() + 1, frame_.end(), memory_.begin() + head * 16);
    if (head == kMemorySize / 16 - 1) {
      ++writes_stored_;
      if (!options_.save_path.empty()) SaveMemory(options_.save_path, memory_);
      Log(Now(), Now(), "--", "stored", memory_.data(), 0);
    }
  } else if (head == 0xFE) {
    Log(frame_first_, frame_last_, "rx", "read-open", frame_.data(), frame_.size());
    if (options_.silent) return;
    std::vector<std::uint8_t> answer(memory_.begin(), memory_.end());
    switch (options_.read_answer) {
      case ReadAnswer::Short:
        answer.resize(kShortAnswer);
        break;
      case ReadAnswer::Long:
        answer.insert(answer.end(), memory_.begin(), memory_.begin() + (kLongAnswer - kMemorySize));
        break;
      case ReadAnswer::Slow:
        clock_.Sleep(kSlowStartMs);
        break;
      case ReadAnswer::Whole:
        break;
    }
    Send(answer, "read-answer", true);
  } else {
    Log(frame_first_, frame_last_, "rx", "unknown", frame_.data(), frame_.size());
  }
}

void Controller::Send(const std::vector<std::uint8_t>& bytes, const char* kind, bool paced) {
  const std::uint64_t first = Now();
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    // At 9600 baud a byte of 10 bits takes 1.04 ms; a pty has no line to pace it.
    std::size_t due = bytes.size();
    if (paced) due = std::min<std::size_t>(bytes.size(), (Now() - first) * 96 / 100 + 1);
    for (; sent < due; ++sent) port_.WriteByte(bytes[sent]);
    if (sent < bytes.size()) clock_.Sleep(5);
  }
  Log(first, Now(), "tx", kind, bytes.data(), bytes.size());
}

void Controller::Log(std::uint64_t first, std::uint64_t last, const char* dir,
                     const std::string& kind, const std::uint8_t* bytes, std::size_t count) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(count * 2);
  for (std::size_t i = 0; i < count; ++i) {
    hex.push_back(kHex[bytes[i] >> 4]);
    hex.push_back(kHex[bytes[i] & 15]);
  }
  log_ << first << ' ' << last << ' ' << dir << ' ' << kind << ' ' << count << ' '
       << (hex.empty() ? "-" : hex) << std::endl;
}

}  // namespace emu
