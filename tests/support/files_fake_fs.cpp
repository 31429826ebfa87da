#include "support/files_fake_fs.h"

#include <algorithm>

namespace files_test {

files::PathKind FakeFileSystem::Probe(const std::wstring& path) {
  if (folders.contains(path)) return files::PathKind::Other;
  return files.contains(path) ? files::PathKind::File : files::PathKind::Missing;
}

std::optional<std::vector<std::uint8_t>> FakeFileSystem::ReadHead(const std::wstring& path,
                                                                  std::size_t max) {
  const auto it = files.find(path);
  if (it == files.end() || unreadable.contains(path)) return std::nullopt;
  const auto& bytes = it->second;
  return std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + std::min(max, bytes.size()));
}

bool FakeFileSystem::Writable(const std::wstring& path) {
  return !read_only.contains(path);
}

std::optional<std::wstring> FakeFileSystem::WriteScratch(const std::wstring& target,
                                                         std::span<const std::uint8_t> bytes) {
  if (scratch_fails) return std::nullopt;
  const std::wstring scratch = target + L".scratch";
  files[scratch].assign(bytes.begin(), bytes.end());
  return scratch;
}

bool FakeFileSystem::Replace(const std::wstring& scratch, const std::wstring& target) {
  if (replace_fails) return false;
  files[target] = files.at(scratch);
  files.erase(scratch);
  return true;
}

void FakeFileSystem::Remove(const std::wstring& path) {
  removed.push_back(path);
  files.erase(path);
}

}  // namespace files_test
