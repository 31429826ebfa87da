#include "remote_memory.h"

RemoteMemory::RemoteMemory(HWND owner, std::size_t size) : size_(size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(owner, &pid);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process_ == nullptr) return;
  address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_ != nullptr) CloseHandle(process_);
}

bool RemoteMemory::Write(const void* data, std::size_t size) {
  SIZE_T done = 0;
  return Ok() && size <= size_ && WriteProcessMemory(process_, address_, data, size, &done) &&
         done == size;
}

bool RemoteMemory::Read(void* data, std::size_t size) const {
  SIZE_T done = 0;
  return Ok() && size <= size_ && ReadProcessMemory(process_, address_, data, size, &done) &&
         done == size;
}
