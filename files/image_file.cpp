#include "files/image_file.h"

#include <algorithm>

namespace files {

std::wstring FileNameOf(const std::wstring& path) {
  const auto cut = path.find_last_of(L"\\:/");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

std::wstring FileCaption(const wchar_t* prefix, const std::wstring& path, bool succeeded,
                         const wchar_t* failure) {
  std::wstring caption = prefix + FileNameOf(path);
  if (!succeeded) caption += failure;
  return caption;
}

bool LoadImageFile(FileSystem& fs, const std::wstring& path, std::span<std::uint8_t> image) {
  const auto head = fs.ReadHead(path, image.size());
  if (!head || head->size() > image.size()) return false;
  std::copy(head->begin(), head->end(), image.begin());
  return true;
}

bool SaveImageFile(FileSystem& fs, const std::wstring& path, std::span<const std::uint8_t> bytes) {
  const PathKind kind = fs.Probe(path);
  if (kind == PathKind::Other) return false;
  if (kind == PathKind::File && !fs.Writable(path)) return false;
  const auto scratch = fs.WriteScratch(path, bytes);
  if (!scratch) return false;
  if (fs.Replace(*scratch, path)) return true;
  fs.Remove(*scratch);
  return false;
}

}  // namespace files
