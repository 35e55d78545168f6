#include "skin/manager/SkinManage.h"

#include <algorithm>

#include "skin/WinSkinData/SkinData.h"
#include "skin/manager/SystemLook.h"

#ifdef _WIN32
#include "skin/WinSkinForm/SkinTimer.h"
#include "skin/popup_menu/WinSkinPopMenu.h"
#include "ui/UtilWindow.h"
#endif

namespace skin {

std::uint32_t WinVersion = 0;

namespace {

TSkinManage* instance = nullptr;

// Frees the manager when the program's statics go, like a unit finalisation.
struct TFinalization {
  ~TFinalization() { FreeSkinManage(); }
} finalization;

}  // namespace

TSkinManage* SkinManage() { return instance; }

TSkinManage& EnsureSkinManage() {
  if (!instance) instance = new TSkinManage();
  return *instance;
}

void FreeSkinManage() {
  // Cleared first: the hook and the companions must not find a manager that
  // is half gone.
  TSkinManage* manager = instance;
  instance = nullptr;
  delete manager;
}

TSkinManage::TSkinManage() {
  SteppedAside = HighContrastOn();
#ifdef _WIN32
  Timer = std::make_unique<TSkinTimer>(250, [this] { RunPendingAction(); });
  LoadScrollLibrary();
  InstallHook();
  WatchSystemLook();
#endif
}

TSkinManage::~TSkinManage() {
  Started = 4;
#ifdef _WIN32
  Timer.reset();
  lookWatch_.reset();
  RemoveHook();
  if (CoolSBUninitializeApp) CoolSBUninitializeApp();
  FreeAllForms();
  FreeAllPopupMenus();
  if (ScrollLibrary) FreeLibrary(ScrollLibrary);
#endif
  Forms.clear();
  PopupMenus.clear();
  SkinDatas.clear();
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) { SkinDatas.push_back(skinData); }

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  std::erase(SkinDatas, skinData);
  if (ChangedSkinData == skinData) ChangedSkinData = nullptr;  // never tell a freed component
#ifdef _WIN32
  // An open popup painted with this skin keeps the system look from now on.
  for (TWinSkinPopMenu* popup : PopupMenus)
    if (popup->SkinData == skinData) popup->SkinData = nullptr;
#endif
}

void TSkinManage::SetTimerEnabled(bool enabled) {
  TimerEnabled = enabled;
#ifdef _WIN32
  if (Timer) Timer->SetEnabled(enabled);
#endif
}

void TSkinManage::SetState(int action) {
  // Only the latest requests are kept: a program that switches for hours
  // must not keep every one.
  if (requestLog_.size() >= kRequestLogLimit)
    requestLog_.erase(requestLog_.begin(), requestLog_.begin() + kRequestLogLimit / 2);
  requestLog_.push_back(action);
  PendingAction = action;
  if (Started != 0) {
    SetTimerEnabled(true);
    return;
  }
  // No window has been activated yet: switch at once, so that the first
  // window is skinned at its own first activation.
  if (action == 1) Enabled = true;
  if (action == 2) Enabled = false;
}

bool TSkinManage::CanSkinClass(std::string_view className) const {
  const auto first = std::find_if(SkinDatas.begin(), SkinDatas.end(),
                                  [](const TSkinData* d) { return d->SkinFormtype == sfMainform; });
  if (first == SkinDatas.end()) return true;
  bool doSkin = true;
  (*first)->FormFilter(className, doSkin);
  return doSkin;
}

void TSkinManage::RunPendingAction() {
  SetTimerEnabled(false);
  switch (PendingAction) {
    case 1:
      Enabled = true;
      ActivateAll();
      break;
    case 2:
      Enabled = false;
      DeactivateAll();
      break;
    case 3:
      RefreshAll();
      if (ChangedSkinData) {
        TSkinData* changed = ChangedSkinData;
        ChangedSkinData = nullptr;
        changed->SkinChanged();
      }
      break;
    default:
      break;
  }
}

void TSkinManage::SystemLookChanged() {
  const bool aside = HighContrastOn();
  if (aside == SteppedAside) return;
  SteppedAside = aside;
  if (aside) DeactivateAll();
  else if (Enabled) ActivateAll();
}

#ifndef _WIN32
// Without windows there is nothing to skin: only the requests are kept.
void TSkinManage::FreeAllSysButtons() {}
void TSkinManage::SkinDataReloaded(TSkinData*) {}
void TSkinManage::ActivateAll() {}
void TSkinManage::DeactivateAll() {}
void TSkinManage::RefreshAll() {}
#endif

}  // namespace skin
