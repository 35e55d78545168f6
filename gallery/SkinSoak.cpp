#include "gallery/SkinSoak.h"

#include <psapi.h>

#include <chrono>

#include "gallery/BuiltInSkins.h"
#include "gallery/GalleryMain.h"
#include "gallery/GallerySkins.h"
#include "skin/manager/SkinManage.h"

namespace gallery {

namespace {

BOOL CALLBACK Repaint(HWND wnd, LPARAM) {
  if (IsWindowVisible(wnd))
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}

}  // namespace

TResourceCounts CurrentCounts() {
  TResourceCounts counts;
  counts.Gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  counts.User = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  counts.Live = ui::LiveHandles();
  if (const skin::TSkinManage* manager = skin::SkinManage())
    counts.Companions = manager->Forms.size() + manager->PopupMenus.size();
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
    counts.PrivateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;  // the same on Windows; Wine fills only the latter
  return counts;
}

std::string Describe(const TResourceCounts& counts) {
  // Wine counts no window-system objects: both read 0 there.
  const std::string objects = counts.Gdi == 0 && counts.User == 0
                                  ? "GDI and USER not counted by this system"
                                  : "GDI " + std::to_string(counts.Gdi) + ", USER " + std::to_string(counts.User);
  return objects + ", live GDI objects " + std::to_string(counts.Live.Gdi) + ", live windows " +
         std::to_string(counts.Live.Windows) + ", private bytes " + std::to_string(counts.PrivateBytes) + ", skinned windows " +
         std::to_string(counts.Companions);
}

void Drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

TSkinSoak::TSkinSoak(TGalleryMain& frame, std::filesystem::path badSkin)
    : frame_(frame), badSkin_(std::move(badSkin)) {
  frame_.Skins().OnProblem = [this](const std::string&) { ++problems_; };
}

TSkinSoak::~TSkinSoak() { frame_.Skins().OnProblem = nullptr; }

std::size_t TSkinSoak::RoundLength() const { return BuiltInSkinCount() + 4; }

void TSkinSoak::Switch(std::size_t step) {
  const std::size_t at = step % RoundLength();
  const std::size_t skins = BuiltInSkinCount();
  if (at < skins)
    frame_.Skins().UseBuiltIn(at);
  else if (at == skins)
    frame_.Skins().SetColour({120, 30, -20});
  else if (at == skins + 1)
    frame_.Skins().SetColour({});
  else if (at == skins + 2)
    frame_.Skins().UseNone();
  else
    frame_.Skins().UsePath(badSkin_);
  if (skin::TSkinManage* manager = skin::SkinManage(); manager && manager->TimerEnabled) manager->RunPendingAction();
  Drain();
}

double TSkinSoak::RepaintSeconds() {
  const auto start = std::chrono::steady_clock::now();
  EnumThreadWindows(GetCurrentThreadId(), Repaint, 0);
  Drain();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace gallery
