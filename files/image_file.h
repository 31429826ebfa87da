// Loading and storing the image bytes of an .SPD file, and the texts the window shows for it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "files/file_io.h"

namespace files {

inline constexpr std::size_t kFileImageSize = 512;

inline constexpr wchar_t kOpenPrefix[] = L"Lumeth - ";
inline constexpr wchar_t kOverwritePrefix[] = L"Kestrune - ";
inline constexpr wchar_t kOpenFailed[] = L" (開檔失敗)";
inline constexpr wchar_t kSaveFailed[] = L" (存檔失敗)";
inline constexpr wchar_t kExistsQuestion[] = L"檔案已經存在,您要覆蓋它嗎?";

// The part of `path` after its last "\", ":" or "/". A wide string has no double-byte trail
// units to mistake for either; "/" separates folders on every system we run on.
std::wstring FileNameOf(const std::wstring& path);

// `prefix` and the file's name, with `failure` appended when the operation did not succeed.
std::wstring FileCaption(const wchar_t* prefix, const std::wstring& path, bool succeeded,
                         const wchar_t* failure);

// Replaces image[0..n-1] with the first n <= image.size() bytes of the file. On failure the
// image is left exactly as it was and false comes back.
bool LoadImageFile(FileSystem& fs, const std::wstring& path, std::span<std::uint8_t> image);

// Stores `bytes` as the whole content of `path`. The old file, if any, is replaced in one step
// by a fully written new one, so a failure at any point leaves it as it was.
bool SaveImageFile(FileSystem& fs, const std::wstring& path, std::span<const std::uint8_t> bytes);

}  // namespace files
