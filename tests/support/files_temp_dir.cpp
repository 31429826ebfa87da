#include "support/files_temp_dir.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace files_test {

FilesTempDir::FilesTempDir() {
  std::string pattern = (fs::temp_directory_path() / "kestrune-files-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
  root_ = pattern;
}

FilesTempDir::~FilesTempDir() {
  std::error_code ignored;
  // Undo what tests did to block writing, so that everything can go.
  for (const auto& entry : fs::recursive_directory_iterator(root_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(root_, ignored);
}

std::string FilesTempDir::Path(const std::string& name) const {
  return name.empty() ? root_ : root_ + "/" + name;
}

std::string FilesTempDir::Put(const std::string& relative,
                              const std::vector<std::uint8_t>& bytes) const {
  const std::string path = Path(relative);
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

std::vector<std::string> FilesTempDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(root_)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Pattern(std::size_t size, int seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + seed);
  return bytes;
}

}  // namespace files_test
