#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "serial/posix_serial_port.h"

namespace serial {

namespace {

constexpr int kReadTotalMs = 40;
constexpr int kWriteTotalMs = 500;
const char kDevicePrefix[] = "\\\\.\\COM";

int MsSince(std::chrono::steady_clock::time_point start) {
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - start)
                              .count());
}

}  // namespace

bool ApplyLineSettings(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

PosixSerialPort::~PosixSerialPort() {
  Close();
}

void PosixSerialPort::MapDevice(const std::string& device, const std::string& path) {
  paths_[device] = path;
}

std::string PosixSerialPort::PathOf(const std::string& device) const {
  auto mapped = paths_.find(device);
  if (mapped != paths_.end()) return mapped->second;
  if (device.rfind(kDevicePrefix, 0) != 0) return device;
  const std::string number = device.substr(sizeof(kDevicePrefix) - 1);
  if (const char* path = std::getenv(("KESTRUNE_COM" + number).c_str())) return path;
  return "/dev/ttyS" + std::to_string(std::atoi(number.c_str()) - 1);
}

bool PosixSerialPort::Open(const char* device) {
  Close();
  fd_ = open(PathOf(device).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return false;
  // TIOCEXCL does not hold back root; the lock does, between programs that take it.
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    Close();
    return false;
  }
  ioctl(fd_, TIOCEXCL);
  return ApplyLineSettings(fd_);
}

bool PosixSerialPort::Adopt(int fd) {
  Close();
  fd_ = fd;
  fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
  return ApplyLineSettings(fd_);
}

void PosixSerialPort::Close() {
  if (fd_ < 0) return;
  close(fd_);
  fd_ = -1;
}

void PosixSerialPort::PurgeInput() {
  if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
}

bool PosixSerialPort::WriteByte(std::uint8_t byte) {
  if (fd_ < 0) return false;
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    const ssize_t written = write(fd_, &byte, 1);
    if (written == 1) return true;
    if (written < 0 && errno != EAGAIN && errno != EINTR) return false;
    const int left = kWriteTotalMs - MsSince(start);
    if (left <= 0) return false;
    pollfd p{fd_, POLLOUT, 0};
    poll(&p, 1, left);
  }
}

std::size_t PosixSerialPort::Read(std::uint8_t* buffer, std::size_t count) {
  if (fd_ < 0) return 0;
  const auto start = std::chrono::steady_clock::now();
  std::size_t total = 0;
  while (total < count) {
    const ssize_t got = read(fd_, buffer + total, count - total);
    if (got > 0) {
      total += static_cast<std::size_t>(got);
      continue;
    }
    // A raw tty without VMIN reads 0 when nothing is there; other errors mean the line is gone.
    if (got < 0 && errno != EAGAIN && errno != EINTR) break;
    const int left = kReadTotalMs - MsSince(start);
    if (left <= 0) break;
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, left) > 0 && !(p.revents & POLLIN)) break;
  }
  return total;
}

}  // namespace serial
