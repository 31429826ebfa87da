// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace files_test {

class FilesTempDir {
 public:
  FilesTempDir();
  ~FilesTempDir();
  FilesTempDir(const FilesTempDir&) = delete;
  FilesTempDir& operator=(const FilesTempDir&) = delete;

  // UTF-8 path of `name` inside the folder; the folder itself for an empty name.
  std::string Path(const std::string& name = "") const;
  // Creates `relative` (folders on the way too) holding `bytes`; returns its path.
  std::string Put(const std::string& relative, const std::vector<std::uint8_t>& bytes) const;
  // The names directly inside the folder.
  std::vector<std::string> Names() const;

 private:
  std::string root_;
};

std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
// Byte i is (i * 37 + seed) mod 256, so that neighbouring offsets and patterns differ.
std::vector<std::uint8_t> Pattern(std::size_t size, int seed);

}  // namespace files_test
