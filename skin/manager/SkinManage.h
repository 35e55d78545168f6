// TSkinManage: the one process-wide coordinator of window skinning. It keeps
// the registry of skin data components and carries out their requests
// (1 activate, 2 deactivate, 3 re-apply a changed skin) and, on Windows, the
// window side: a thread-local CBT hook that sees window creation, activation
// and destruction, a companion (TWinSkinForm) for every skinned window, one
// (TWinSkinPopMenu) for every popup-menu window, and the MDI maximise state
// shared by all MDI children.
//
// Windows are skinned at their first activation (popup menus at creation);
// requests made before any window was activated take effect at once, later
// ones at the next tick of a 250 ms timer.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/Component.h"

#ifdef _WIN32
#include <windows.h>

#include "ui/Graphics.h"
#endif

namespace ui {
class TForm;
class TUtilWindow;
}

namespace skin {

class TSkinData;
class TWinSkinForm;     // window companion
class TWinSkinPopMenu;  // popup-menu companion
class TSkinTimer;

class TSkinManage : public ui::TObject {
 public:
  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The request timer (250 ms; its tick runs RunPendingAction) is running.
  // Change it only through SetState and RunPendingAction.
  bool TimerEnabled = false;
#ifdef _WIN32
  std::unique_ptr<TSkinTimer> Timer;
  // The optional scroll-bar library: never loaded, so its entry points stay
  // null and every use of them is skipped.
  HMODULE ScrollLibrary = nullptr;
  using TInitializeApp = BOOL(WINAPI*)();
  using TUninitializeApp = void(WINAPI*)();
  using TWindowEntry = BOOL(WINAPI*)(HWND);
  TInitializeApp CoolSBInitializeApp = nullptr;
  TUninitializeApp CoolSBUninitializeApp = nullptr;
  TWindowEntry InitializeCoolSB = nullptr;
  TWindowEntry UninitializeCoolSB = nullptr;
#endif
  // One entry per skinned window / popup-menu window (owned).
  std::vector<TWinSkinForm*> Forms;
  std::vector<TWinSkinPopMenu*> PopupMenus;
  // Registered skin data components in creation order (not owned).
  std::vector<TSkinData*> SkinDatas;
  bool Enabled = false;
  // High contrast is on: the skin has stepped aside from every window and no
  // window is skinned until it goes off (Enabled keeps what was asked).
  bool SteppedAside = false;
  bool Sweeping = false;  // an activation sweep over the screen's forms runs
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
  // 3 nothing to redo); afterwards they wait for the next timer tick, and a
  // later request replaces a waiting one.
  void SetState(int action);
  // Every skinned window frees its caption-button objects and builds them
  // anew from its skin (a window whose skin is not loaded keeps its own:
  // they hold the skin objects they were built from).
  void FreeAllSysButtons();
  // `skinData` has a new skin: its windows build their caption buttons and
  // frame sizes from it at once, and a re-apply request (WM_SKINREFRESH)
  // puts it on their frames, controls and colours.
  void SkinDataReloaded(TSkinData* skinData);
  // Asks the first sfMainform component; true when there is none.
  bool CanSkinClass(std::string_view className) const;
  // The timer tick: carries out PendingAction.
  void RunPendingAction();
  // A system setting or the system colours changed: the skin steps aside
  // while high contrast is on and comes back on every window when it goes off.
  void SystemLookChanged();

#ifdef _WIN32
  // Attaches a companion to the window when everything allows it.
  bool TrySkinWindow(HWND wnd);
  // Detaches and frees the window's companion; false when it has none.
  bool WindowDestroyed(HWND wnd);
  bool IsSkinned(HWND wnd) const;
  // The window's companion, or null.
  TWinSkinForm* FindForm(HWND wnd) const;
  // The skin data component that skins the window, or null.
  TSkinData* FindSkinData(HWND wnd) const;
  // The MDI children are maximised (or not): their caption buttons and
  // regions follow.
  void SetMdiMax(bool value);
  // The popup-menu companion whose window shows `menu` (the last one bound
  // to it), or null.
  TWinSkinPopMenu* FindPopupMenu(HMENU menu) const;
  // The cached background of the popup-menu window showing `menu`, or null.
  ui::TBitmap* PopupBackground(HMENU menu) const;
  // The scroll-bar library's detach for a window; 0 without the library.
  int ScrollBarUninit(HWND wnd);
#endif

  // The SetState requests in order (the latest thousands), for tests
  // (requests are otherwise only visible through their effect on windows).
  const std::vector<int>& RequestLog() const { return requestLog_; }
  void ClearRequestLog() { requestLog_.clear(); }

 private:
  void SetTimerEnabled(bool enabled);
  void ActivateAll();
  void DeactivateAll();
  void RefreshAll();
#ifdef _WIN32
  static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
  LRESULT CbtHook(int code, WPARAM wParam, LPARAM lParam);
  void InstallHook();
  void RemoveHook();
  void LoadScrollLibrary();
  void PopupCreated(HWND wnd);
  void PopupDestroyed(HWND wnd);
  void FreeForm(std::size_t index);
  void FreeAllForms();
  void FreeAllPopupMenus();
#endif

  static constexpr std::size_t kRequestLogLimit = 4096;
  std::vector<int> requestLog_;
#ifdef _WIN32
  // Hears setting and colour changes (a hidden top-level window: broadcasts
  // reach it whether or not any window is skinned).
  std::unique_ptr<ui::TUtilWindow> lookWatch_;
  void WatchSystemLook();
  // The windows the last deactivation took the skin from.
  std::vector<HWND> unskinned_;
#endif
};

// The manager, or null before the first run-time skin data component.
TSkinManage* SkinManage();
// The manager, created on demand.
TSkinManage& EnsureSkinManage();
// Frees the manager (at the end of the program; tests use it to start afresh).
void FreeSkinManage();

// GetVersion() as the manager read it when it installed its hook; the top bit
// set means a Windows 95/98/Me system (some painters shift a few pixels by it).
extern std::uint32_t WinVersion;

}  // namespace skin
