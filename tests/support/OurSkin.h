// Our own skin in a test: a test program that names the packed skin in its
// resources as TAVRINSKIN (RCDATA "tavrin.skin", see tavrin_use_packed_skin)
// loads it into a skin data component.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/WinSkinData/SkinData.h"
#include "ui/Streams.h"

namespace test_support {

// A skin data component (no owner) holding our skin, or another built-in
// skin by its resource name (TAVRINSKIN_JADE, ...: BuiltinSkins.rc); Empty
// when the resource is missing.
inline std::unique_ptr<skin::TSkinData> OurSkin(const wchar_t* resource = L"TAVRINSKIN") {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  HRSRC found = FindResourceW(nullptr, resource, reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!found) return data;
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
  ui::TMemoryStream stream{std::vector<std::uint8_t>(bytes, bytes + SizeofResource(nullptr, found))};
  data->LoadFromStored(stream);
  return data;
}

}  // namespace test_support
