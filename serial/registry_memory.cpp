#include "serial/registry_memory.h"

namespace serial {

MemoryRegistry::Access MemoryRegistry::AccessOf(RegRoot root) const {
  auto it = access_.find(root);
  return it == access_.end() ? Access::Full : it->second;
}

void MemoryRegistry::SetAccess(RegRoot root, Access access) {
  access_[root] = access;
}

bool MemoryRegistry::CreateKey(RegRoot root, const std::wstring& path) {
  // Opening with full access needs write rights even when the key exists.
  if (AccessOf(root) != Access::Full) return false;
  keys_[{root, path}];
  return true;
}

std::optional<std::uint32_t> MemoryRegistry::ReadDword(RegRoot root, const std::wstring& path,
                                                       const std::wstring& name) {
  if (AccessOf(root) == Access::Missing) return std::nullopt;
  std::optional<Value> value = Get(root, path, name);
  if (!value || !std::holds_alternative<std::uint32_t>(*value)) return std::nullopt;
  return std::get<std::uint32_t>(*value);
}

bool MemoryRegistry::WriteDword(RegRoot root, const std::wstring& path, const std::wstring& name,
                                std::uint32_t value) {
  if (AccessOf(root) != Access::Full) return false;
  keys_[{root, path}][name] = value;
  ++changes_;
  return true;
}

bool MemoryRegistry::DeleteValue(RegRoot root, const std::wstring& path, const std::wstring& name) {
  if (AccessOf(root) != Access::Full) return false;
  auto key = keys_.find({root, path});
  if (key == keys_.end() || key->second.erase(name) == 0) return false;
  ++changes_;
  return true;
}

void MemoryRegistry::PutString(RegRoot root, const std::wstring& path, const std::wstring& name,
                               std::wstring text) {
  keys_[{root, path}][name] = std::move(text);
}

void MemoryRegistry::PutDword(RegRoot root, const std::wstring& path, const std::wstring& name,
                              std::uint32_t value) {
  keys_[{root, path}][name] = value;
}

bool MemoryRegistry::KeyExists(RegRoot root, const std::wstring& path) const {
  return keys_.count({root, path}) != 0;
}

std::optional<MemoryRegistry::Value> MemoryRegistry::Get(RegRoot root, const std::wstring& path,
                                                         const std::wstring& name) const {
  auto key = keys_.find({root, path});
  if (key == keys_.end()) return std::nullopt;
  auto value = key->second.find(name);
  if (value == key->second.end()) return std::nullopt;
  return value->second;
}

}  // namespace serial
