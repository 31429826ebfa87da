// A file system in memory whose every step can be made to fail.
#pragma once

#include <map>
#include <set>

#include "files/file_io.h"

namespace files_test {

struct FakeFileSystem : files::FileSystem {
  std::map<std::wstring, std::vector<std::uint8_t>> files;
  std::set<std::wstring> folders;
  std::set<std::wstring> read_only;
  std::set<std::wstring> unreadable;
  bool scratch_fails = false;  // a full disk, or a folder without write access
  bool replace_fails = false;  // a file locked by another program
  std::vector<std::wstring> removed;

  files::PathKind Probe(const std::wstring& path) override;
  std::optional<std::vector<std::uint8_t>> ReadHead(const std::wstring& path,
                                                    std::size_t max) override;
  bool Writable(const std::wstring& path) override;
  std::optional<std::wstring> WriteScratch(const std::wstring& target,
                                           std::span<const std::uint8_t> bytes) override;
  bool Replace(const std::wstring& scratch, const std::wstring& target) override;
  void Remove(const std::wstring& path) override;
};

}  // namespace files_test
