// The file operations the image handlers need, behind a seam so that tests can make any of them
// fail. Paths are wide strings everywhere; each system turns them into its own form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace files {

enum class PathKind {
  Missing,  // nothing there, or the folder on the way does not exist
  File,     // a file, or something we cannot look at closer: it may exist
  Other,    // a folder or a device
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Judged by metadata alone, so that a file nobody may open still counts as existing.
  virtual PathKind Probe(const std::wstring& path) = 0;
  // Up to `max` bytes from the start of a regular file; nullopt when it cannot be opened or
  // read to the end of what was asked.
  virtual std::optional<std::vector<std::uint8_t>> ReadHead(const std::wstring& path,
                                                            std::size_t max) = 0;
  // False when the existing file refuses to be replaced (read-only).
  virtual bool Writable(const std::wstring& path) = 0;
  // Creates a new file in the folder of `target` holding exactly `bytes`, flushed to disk and
  // closed; its path, or nullopt when any step failed (nothing is left behind then).
  virtual std::optional<std::wstring> WriteScratch(const std::wstring& target,
                                                   std::span<const std::uint8_t> bytes) = 0;
  // Puts `scratch` in the place of `target` in one step; the old file stays on failure.
  virtual bool Replace(const std::wstring& scratch, const std::wstring& target) = 0;
  virtual void Remove(const std::wstring& path) = 0;
};

// The machine's own file system, shared by every form; it holds nothing but a counter for
// scratch names.
FileSystem& NativeFileSystem();

}  // namespace files
