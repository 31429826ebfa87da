// The file seam on POSIX systems: wide paths become UTF-8 byte strings.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "files/file_io.h"
#include "toolkit/application.h"

namespace files {

namespace {

std::string Native(const std::wstring& path) {
  return tk::Narrow(path);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself survive a power cut; a folder that refuses is no failure of the save.
void SyncFolder(const std::string& path) {
  const std::string folder = FolderOf(path);
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

class PosixFileSystem : public FileSystem {
 public:
  PathKind Probe(const std::wstring& path) override {
    struct stat st {};
    if (::stat(Native(path).c_str(), &st) != 0) {
      return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::File;
    }
    return S_ISREG(st.st_mode) ? PathKind::File : PathKind::Other;
  }

  std::optional<std::vector<std::uint8_t>> ReadHead(const std::wstring& path,
                                                    std::size_t max) override {
    // Non-blocking, so that a pipe cannot hang the window; regular files ignore the flag.
    const int fd = ::open(Native(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> result;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) result = ReadUpTo(fd, max);
    ::close(fd);
    return result;
  }

  bool Writable(const std::wstring& path) override {
    const std::string native = Native(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0) return false;
    // A file without any write bit is read-only even for root, as the read-only attribute is
    // on Windows; rename() alone would replace it.
    return (st.st_mode & 0222) != 0 && ::access(native.c_str(), W_OK) == 0;
  }

  std::optional<std::wstring> WriteScratch(const std::wstring& target,
                                           std::span<const std::uint8_t> bytes) override {
    const std::string native = Native(target);
    struct stat old {};
    const bool replacing = ::stat(native.c_str(), &old) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string scratch = FolderOf(native) + ".kestrune-" + std::to_string(::getpid()) +
                                  "-" + std::to_string(counter_++) + ".tmp";
      const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0 && errno == EEXIST) continue;
      if (fd < 0) return std::nullopt;
      bool ok = WriteAll(fd, bytes);
      if (ok && replacing) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
      ok = ok && ::fsync(fd) == 0;
      ok = ::close(fd) == 0 && ok;
      if (!ok) {
        ::unlink(scratch.c_str());
        return std::nullopt;
      }
      return tk::Widen(scratch);
    }
    return std::nullopt;
  }

  bool Replace(const std::wstring& scratch, const std::wstring& target) override {
    const std::string native = Native(target);
    if (::rename(Native(scratch).c_str(), native.c_str()) != 0) return false;
    SyncFolder(native);
    return true;
  }

  void Remove(const std::wstring& path) override { ::unlink(Native(path).c_str()); }

 private:
  static std::optional<std::vector<std::uint8_t>> ReadUpTo(int fd, std::size_t max) {
    std::vector<std::uint8_t> bytes(max);
    std::size_t done = 0;
    while (done < max) {
      const ssize_t n = ::read(fd, bytes.data() + done, max - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return std::nullopt;
      if (n == 0) break;
      done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
  }

  unsigned counter_ = 0;
};

}  // namespace

FileSystem& NativeFileSystem() {
  static PosixFileSystem native;
  return native;
}

}  // namespace files
