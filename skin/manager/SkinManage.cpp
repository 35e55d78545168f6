#include "skin/manager/SkinManage.h"

#include <algorithm>

#include "skin/WinSkinData/SkinData.h"

namespace skin {

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
  delete instance;
  instance = nullptr;
}

TSkinManage::TSkinManage() {
  // Window skinning: create the timer and install the CBT hook here
  // (WinVersion := GetVersion(), trace "winversion %1x", WH_CBT on this thread).
}

TSkinManage::~TSkinManage() {
  Started = 4;
  // Window skinning: free the timer, unhook, detach and free every entry of
  // Forms (last first) and of PopupMenus.
  Forms.clear();
  PopupMenus.clear();
  SkinDatas.clear();
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) { SkinDatas.push_back(skinData); }

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  std::erase(SkinDatas, skinData);
  if (ChangedSkinData == skinData) ChangedSkinData = nullptr;  // never tell a freed component
}

void TSkinManage::SetState(int action) {
  requestLog_.push_back(action);
  PendingAction = action;
  if (Started != 0) {
    TimerEnabled = true;
    return;
  }
  // No window has been activated yet: switch at once, so that the first
  // window is skinned at its own first activation.
  if (action == 1) Enabled = true;
  if (action == 2) Enabled = false;
}

void TSkinManage::FreeAllSysButtons() {
  // Window skinning: for every entry of Forms, free its caption-button objects.
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
  TimerEnabled = false;
  switch (PendingAction) {
    case 1:
      Enabled = true;
      // Window skinning: sweep the screen forms, last first, with TrySkinWindow.
      break;
    case 2:
      Enabled = false;
      // Window skinning: detach, repaint and free every entry of Forms, last first.
      break;
    case 3:
      // Window skinning: rebuild each form's frame metrics and caption buttons,
      // then re-skin each form.
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

}  // namespace skin
