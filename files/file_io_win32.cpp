// The file seam on Windows: the wide API throughout, so that any path a dialog returns works.
#include <windows.h>

#include <string>

#include "files/file_io.h"

namespace files {

namespace {

// Paths beyond MAX_PATH need the extended-length form, which takes no "/" and no relative parts.
std::wstring Native(const std::wstring& path) {
  if (path.size() < MAX_PATH || path.rfind(L"\\\\?\\", 0) == 0) return path;
  std::wstring full(32768, L'\0');
  const DWORD n =
      GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n == 0 || n >= full.size()) return path;
  full.resize(n);
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::wstring FolderOf(const std::wstring& path) {
  const auto cut = path.find_last_of(L"\\/:");
  return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (ok()) CloseHandle(h_);
  }
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  // Closes now, reporting whether the close itself succeeded.
  bool Close() {
    const bool closed = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE h_;
};

bool WriteAll(HANDLE h, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    if (!WriteFile(h, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &wrote,
                   nullptr) ||
        wrote == 0) {
      return false;
    }
    done += wrote;
  }
  return true;
}

class Win32FileSystem : public FileSystem {
 public:
  PathKind Probe(const std::wstring& path) override {
    const DWORD attrs = GetFileAttributesW(Native(path).c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = GetLastError();
      return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Missing
                                                                            : PathKind::File;
    }
    return attrs & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE) ? PathKind::Other
                                                                      : PathKind::File;
  }

  std::optional<std::vector<std::uint8_t>> ReadHead(const std::wstring& path,
                                                    std::size_t max) override {
    Handle file(CreateFileW(Native(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok() || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
    std::vector<std::uint8_t> bytes(max);
    std::size_t done = 0;
    while (done < max) {
      DWORD got = 0;
      if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(max - done), &got,
                    nullptr)) {
        return std::nullopt;
      }
      if (got == 0) break;
      done += got;
    }
    bytes.resize(done);
    return bytes;
  }

  bool Writable(const std::wstring& path) override {
    const DWORD attrs = GetFileAttributesW(Native(path).c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_READONLY);
  }

  std::optional<std::wstring> WriteScratch(const std::wstring& target,
                                           std::span<const std::uint8_t> bytes) override {
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::wstring scratch = FolderOf(target) + L"~kestrune-" +
                                   std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(counter_++) + L".tmp";
      Handle file(CreateFileW(Native(scratch).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file.ok() && GetLastError() == ERROR_FILE_EXISTS) continue;
      if (!file.ok()) return std::nullopt;
      bool ok = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
      ok = file.Close() && ok;
      if (!ok) {
        DeleteFileW(Native(scratch).c_str());
        return std::nullopt;
      }
      return scratch;
    }
    return std::nullopt;
  }

  bool Replace(const std::wstring& scratch, const std::wstring& target) override {
    // Fails over a read-only or locked file, which then stays as it was.
    return MoveFileExW(Native(scratch).c_str(), Native(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  void Remove(const std::wstring& path) override { DeleteFileW(Native(path).c_str()); }

 private:
  unsigned counter_ = 0;
};

}  // namespace

FileSystem& NativeFileSystem() {
  static Win32FileSystem native;
  return native;
}

}  // namespace files
