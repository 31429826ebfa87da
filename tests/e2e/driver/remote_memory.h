#pragma once

#include <windows.h>

#include <cstddef>

// A block of memory inside another process, for control messages whose
// pointer arguments the system does not carry across processes.
class RemoteMemory {
 public:
  RemoteMemory(HWND owner, std::size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Ok() const { return address_ != nullptr; }
  void* Address() const { return address_; }
  bool Write(const void* data, std::size_t size);
  bool Read(void* data, std::size_t size) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_ = 0;
};
