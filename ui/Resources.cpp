#include "ui/Resources.h"

#include "ui/TextConv.h"

namespace ui {

std::optional<std::vector<std::uint8_t>> LoadResourceBytes(const std::string& name, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  const std::wstring wide = Utf8ToWide(name);
  HRSRC info = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!info) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, info);
  const DWORD size = SizeofResource(module, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace ui
