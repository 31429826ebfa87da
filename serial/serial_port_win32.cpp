#include <windows.h>

#include "serial/system.h"

namespace serial {

namespace {

class Win32SerialPort : public SerialPort {
 public:
  ~Win32SerialPort() override { Close(); }

  bool Open(const char* device) override {
    // A handle still held from a failed open would keep the port busy for every later try.
    Close();
    handle_ =
        CreateFileA(device, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    // Start from the port's own state: a block with XonChar == XoffChar is refused, and a
    // driver default may carry handshaking the controller does not do.
    DCB dcb = dcb_;
    dcb.DCBlength = sizeof(dcb);
    GetCommState(handle_, &dcb);
    BuildCommDCBA("9600,N,8,1", &dcb);
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    // A line error would otherwise stop all reads and writes until cleared.
    dcb.fAbortOnError = FALSE;
    if (dcb.XonChar == dcb.XoffChar) {
      dcb.XonChar = 0x11;
      dcb.XoffChar = 0x13;
    }
    dcb_ = dcb;
    const bool applied = SetCommState(handle_, &dcb) != 0;
    // Larger than the 4 bytes once asked for: a whole 512-byte answer must wait unread for 2 s.
    SetupComm(handle_, 4096, 4096);
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = 0;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 40;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 500;
    SetCommTimeouts(handle_, &timeouts);
    return applied;
  }

  void Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

  void PurgeInput() override { PurgeComm(handle_, PURGE_RXCLEAR); }

  bool WriteByte(std::uint8_t byte) override {
    DWORD written = 0;
    const BOOL done = WriteFile(handle_, &byte, 1, &written, nullptr);
    return done && written == 1;
  }

  std::size_t Read(std::uint8_t* buffer, std::size_t count) override {
    DWORD got = 0;
    ReadFile(handle_, buffer, static_cast<DWORD>(count), &got, nullptr);
    return got;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  DCB dcb_{};
};

}  // namespace

std::unique_ptr<SerialPort> MakeSystemPort() {
  return std::make_unique<Win32SerialPort>();
}

}  // namespace serial
