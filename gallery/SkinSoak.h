// Skin switching under load, for the soak benchmark and its short version in
// the tests: switches cycle through the built-in skins, the last one in
// another colour and back, "No skin" and a bad skin on whatever gallery
// windows are open, each one carried out at once
// (the request as the menu makes it, then the manager's pending action
// instead of waiting for its tick) and painted before the next.
#pragma once

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <string>

#include "ui/LiveHandles.h"

namespace gallery {

class TGalleryMain;

// The process's window-system objects and memory, the live objects of the
// handle wrappers, and the skin manager's companions (skinned windows and
// menus): what a switch could leak.
struct TResourceCounts {
  DWORD Gdi = 0;
  DWORD User = 0;
  ui::TLiveHandles Live;
  std::size_t PrivateBytes = 0;
  std::size_t Companions = 0;
};
TResourceCounts CurrentCounts();
std::string Describe(const TResourceCounts& counts);

class TSkinSoak {
 public:
  // `badSkin` is a file the switches try and must refuse.
  TSkinSoak(TGalleryMain& frame, std::filesystem::path badSkin);
  ~TSkinSoak();
  TSkinSoak(const TSkinSoak&) = delete;
  TSkinSoak& operator=(const TSkinSoak&) = delete;

  // Steps in one round: each built-in skin, a colour, the colour as
  // painted, no skin, the bad skin.
  std::size_t RoundLength() const;
  // Switch number `step` (taken modulo the round), carried out and painted.
  void Switch(std::size_t step);
  // Seconds for one full repaint of every window of the thread.
  double RepaintSeconds();
  // Problems reported (by the bad skin) so far.
  std::size_t Problems() const { return problems_; }

 private:
  TGalleryMain& frame_;
  std::filesystem::path badSkin_;
  std::size_t problems_ = 0;
};

// Handles every message already waiting, paints included.
void Drain();

}  // namespace gallery
