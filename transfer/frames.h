// The 17-byte frames of the controller link.
#pragma once

#include <array>
#include <cstdint>

namespace transfer {

constexpr int kFrameSize = 17;
constexpr int kBlockCount = 32;
constexpr int kBlockSize = 16;
constexpr std::uint8_t kWriteOpening = 0xFF;
constexpr std::uint8_t kReadOpening = 0xFE;

using Frame = std::array<std::uint8_t, kFrameSize>;

// The controller reads only byte 0 of an opening frame; bytes 1..16 are sent as 0x00.
inline Frame OpeningFrame(std::uint8_t kind) {
  Frame frame{};
  frame[0] = kind;
  return frame;
}

// Block k: k, then image bytes 16k .. 16k+15.
inline Frame BlockFrame(int k, const std::uint8_t* image) {
  Frame frame{};
  frame[0] = static_cast<std::uint8_t>(k);
  for (int i = 0; i < kBlockSize; ++i) frame[1 + i] = image[k * kBlockSize + i];
  return frame;
}

}  // namespace transfer
