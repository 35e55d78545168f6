// TSkinManage: the one process-wide coordinator of window skinning. It keeps
// the registry of skin data components and carries out their requests
// (1 activate, 2 deactivate, 3 re-apply a changed skin).
//
// This is the part the skin data component needs. The window side — the CBT
// hook that sees window creation, activation and destruction, the 250 ms
// request timer, attaching and detaching window companions (TrySkinWindow,
// WindowDestroyed, IsSkinned, FindSkinData, SetMdiMax, PopupBackground,
// ScrollBarUninit) and the popup-menu companions — is left to the window
// skinning work; every place it plugs in is marked "Window skinning:".
#pragma once

#include <string_view>
#include <vector>

#include "ui/Colors.h"  // before <windows.h>, whose colour macros would hide its functions
#include "ui/Component.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace skin {

class TSkinData;
class TWinSkinForm;     // window companion (window skinning)
class TWinSkinPopMenu;  // popup-menu companion (window skinning)

class TSkinManage : public ui::TObject {
 public:
  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // Window skinning: `Timer` (250 ms, disabled at creation, tick runs
  // RunPendingAction). Until then this flag stands for "timer enabled".
  bool TimerEnabled = false;
  // Window skinning: one entry per skinned window / popup-menu window (owned).
  std::vector<TWinSkinForm*> Forms;
  std::vector<TWinSkinPopMenu*> PopupMenus;
  // Registered skin data components in creation order (not owned).
  std::vector<TSkinData*> SkinDatas;
  bool Enabled = false;
  bool Sweeping = false;
  // 0 until the hook sees the first window activation, then 1; 4 while destroying.
  int Started = 0;
  bool MdiMaximized = false;
#ifdef _WIN32
  HWND MdiClientWnd = nullptr;
#endif
  int PendingAction = 0;
  // Set by a component before it asks for request 3; told when it is done.
  TSkinData* ChangedSkinData = nullptr;
  bool ScrollLibReady = false;

  void RegisterSkinData(TSkinData* skinData);
  void UnregisterSkinData(TSkinData* skinData);

  // Before the first activation requests take effect at once (1 on, 2 off,
  // 3 nothing to redo); afterwards they wait for the next timer tick.
  void SetState(int action);
  // Every skinned window frees its caption-button objects.
  void FreeAllSysButtons();
  // Asks the first sfMainform component; true when there is none.
  bool CanSkinClass(std::string_view className) const;
  // The timer tick: carries out PendingAction.
  void RunPendingAction();

  // Every SetState request in order, for tests (requests are otherwise only
  // visible through their effect on windows).
  const std::vector<int>& RequestLog() const { return requestLog_; }
  void ClearRequestLog() { requestLog_.clear(); }

 private:
  std::vector<int> requestLog_;
};

// The manager, or null before the first run-time skin data component.
TSkinManage* SkinManage();
// The manager, created on demand.
TSkinManage& EnsureSkinManage();
// Frees the manager (at the end of the program; tests use it to start afresh).
void FreeSkinManage();

}  // namespace skin
