// TSkinManage, window side: the CBT hook, attaching and detaching window and
// popup-menu companions, the requests' work on windows, the MDI maximise state.
#include <algorithm>
#include <cwctype>
#include <string>
#include <utility>
#include <vector>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/WindowText.h"
#include "skin/manager/SkinManage.h"
#include "skin/popup_menu/WinSkinPopMenu.h"
#include "ui/Form.h"
#include "ui/Screen.h"
#include "ui/TextConv.h"

namespace skin {

namespace {

HHOOK cbtHook = nullptr;

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = wchar_t(std::towlower(c));
  return text;
}

// The framework form whose window this is, among the screen's forms.
ui::TForm* FindVclForm(HWND wnd) {
  if (!ui::Screen) return nullptr;
  for (ui::TForm* form : ui::Screen->FormList())
    if (form->HandleAllocated() && form->Handle() == wnd) return form;
  return nullptr;
}

// A child window that is not an MDI child.
bool IsPlainChild(HWND wnd) {
  if (!(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD)) return false;
  return Lower(GetClassNameString(GetParent(wnd))) != L"mdiclient";
}

// Only windows of the GUI thread are ever skinned: the hook is the thread's,
// yet an activation can name another program's window (the one that takes
// over the foreground), and that one must be left alone.
bool OfThisThread(HWND wnd) { return GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId(); }

bool HasArea(HWND wnd) {
  RECT rect{};
  if (!GetWindowRect(wnd, &rect)) return false;
  return std::int64_t(rect.right - rect.left) * std::int64_t(rect.bottom - rect.top) != 0;
}

bool OwnedByWindow(const TSkinData* data, HWND wnd) {
  auto* owner = dynamic_cast<ui::TWinControl*>(data->Owner());
  return owner && owner->HandleAllocated() && owner->Handle() == wnd;
}

std::uint32_t ReadWinVersion() {
#ifdef _MSC_VER
#pragma warning(suppress : 4996)  // the platform family is all that is read
#endif
  return std::uint32_t(GetVersion());
}

}  // namespace

// --- Construction and destruction --------------------------------------------

void TSkinManage::LoadScrollLibrary() {
  // No scroll-bar library is shipped: ScrollLibrary stays 0 and so do the
  // entry points. Were one loaded, this is where it would be wired up.
  if (!ScrollLibrary) return;
  CoolSBInitializeApp = reinterpret_cast<TInitializeApp>(
      reinterpret_cast<void*>(GetProcAddress(ScrollLibrary, "CoolSB_InitializeApp")));
  CoolSBUninitializeApp = reinterpret_cast<TUninitializeApp>(
      reinterpret_cast<void*>(GetProcAddress(ScrollLibrary, "CoolSB_UninitializeApp")));
  InitializeCoolSB = reinterpret_cast<TWindowEntry>(
      reinterpret_cast<void*>(GetProcAddress(ScrollLibrary, "InitializeCoolSB")));
  UninitializeCoolSB = reinterpret_cast<TWindowEntry>(
      reinterpret_cast<void*>(GetProcAddress(ScrollLibrary, "UninitializeCoolSB")));
  if (CoolSBInitializeApp) ScrollLibReady = CoolSBInitializeApp() != FALSE;
}

void TSkinManage::InstallHook() {
  WinVersion = ReadWinVersion();
  wchar_t text[32] = {};
  wsprintfW(text, L"winversion %1x", unsigned(WinVersion));
  SkinTrace(text);
  cbtHook = SetWindowsHookExW(WH_CBT, &TSkinManage::CbtHookProc, nullptr, GetCurrentThreadId());
}

void TSkinManage::RemoveHook() {
  if (cbtHook) UnhookWindowsHookEx(cbtHook);
  cbtHook = nullptr;
}

void TSkinManage::FreeForm(std::size_t index) {
  TWinSkinForm* form = Forms[index];
  Forms.erase(Forms.begin() + std::ptrdiff_t(index));
  form->Release();
}

void TSkinManage::FreeAllForms() {
  while (!Forms.empty()) {
    TWinSkinForm* form = Forms.back();
    form->SkinState = ssDestroying;
    form->Detach();
    FreeForm(Forms.size() - 1);
  }
}

void TSkinManage::FreeAllPopupMenus() {
  while (!PopupMenus.empty()) {
    delete PopupMenus.back();
    PopupMenus.pop_back();
  }
}

// --- The CBT hook ------------------------------------------------------------

LRESULT CALLBACK TSkinManage::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = SkinManage();
  if (code >= 0 && manager && manager->Started != 4) {
    try {
      const LRESULT refused = manager->CbtHook(code, wParam, lParam);
      if (refused) return refused;
    } catch (...) {
      // Skinning fails silently; the window goes on unskinned.
    }
  }
  return CallNextHookEx(cbtHook, code, wParam, lParam);
}

// Non-zero refuses the window's creation.
LRESULT TSkinManage::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto wnd = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND: {
      const std::wstring name = GetClassNameString(wnd);
      if (name == L"ScrollBar") {
        // A system scroll bar straight on a skinned window would be drawn
        // unskinned over the skinned frame.
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (create && create->lpcs && IsSkinned(create->lpcs->hwndParent)) return 10;
      }
      if (name == L"#32768") PopupCreated(wnd);
      return 0;
    }
    case HCBT_DESTROYWND:
      PopupDestroyed(wnd);
      WindowDestroyed(wnd);
      return 0;
    case HCBT_ACTIVATE:
      if (Started == 0) Started = 1;
      TrySkinWindow(wnd);
      return 0;
    default:
      return 0;
  }
}

void TSkinManage::PopupCreated(HWND wnd) {
  if (!Enabled || SteppedAside) return;
  if (std::any_of(PopupMenus.begin(), PopupMenus.end(), [wnd](const TWinSkinPopMenu* p) { return p->Handle == wnd; }))
    return;
  TSkinData* data = FindSkinData(wnd);
  if (!data || data->Empty) return;
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Attach(wnd, data, nullptr);
  PopupMenus.push_back(popup.release());
}

void TSkinManage::PopupDestroyed(HWND wnd) {
  const auto it = std::find_if(PopupMenus.begin(), PopupMenus.end(),
                               [wnd](const TWinSkinPopMenu* p) { return p->Handle == wnd; });
  if (it == PopupMenus.end()) return;
  TWinSkinPopMenu* popup = *it;
  PopupMenus.erase(it);
  popup->Detach();
  delete popup;
}

// --- Window companions -------------------------------------------------------

bool TSkinManage::TrySkinWindow(HWND wnd) {
  if (!Enabled || SteppedAside || !IsWindow(wnd) || !OfThisThread(wnd)) return false;
  ui::TForm* form = FindVclForm(wnd);
  if (IsSkinned(wnd)) return false;
  if (!Sweeping && IsPlainChild(wnd)) return false;
  if (!HasArea(wnd)) return false;
  if (form && form->Tag == 99) return false;
  const std::wstring className = GetClassNameString(wnd);
  if (className == L"TApplication") return false;
  if (!CanSkinClass(ui::WideToUtf8(className))) return false;
  TSkinData* data = FindSkinData(wnd);
  if (!data || data->Empty) return false;

  auto companion = std::make_unique<TWinSkinForm>(nullptr);
  companion->Handle = wnd;
  if (form) companion->AttachForm(data, form);
  else companion->AttachHandle(data);
  Forms.push_back(companion.release());
  PostMessageW(wnd, WM_SKINSTART, 0, 1000);
  return true;
}

bool TSkinManage::WindowDestroyed(HWND wnd) {
  const auto it = std::find_if(Forms.begin(), Forms.end(), [wnd](const TWinSkinForm* f) { return f->Handle == wnd; });
  if (it == Forms.end()) return false;
  TWinSkinForm* form = *it;
  form->SkinState = ssDestroying;
  form->Detach();
  // Found again: detaching may have run code that changed the list.
  const auto again = std::find(Forms.begin(), Forms.end(), form);
  if (again != Forms.end()) FreeForm(std::size_t(again - Forms.begin()));
  return true;
}

TWinSkinForm* TSkinManage::FindForm(HWND wnd) const {
  if (!wnd) return nullptr;
  const auto it = std::find_if(Forms.begin(), Forms.end(), [wnd](const TWinSkinForm* f) { return f->Handle == wnd; });
  return it == Forms.end() ? nullptr : *it;
}

bool TSkinManage::IsSkinned(HWND wnd) const { return FindForm(wnd) != nullptr; }

// In registration order, the last match of the first rule that matches.
TSkinData* TSkinManage::FindSkinData(HWND wnd) const {
  const auto lastWhere = [this](auto rule) {
    TSkinData* found = nullptr;
    for (TSkinData* data : SkinDatas)
      if (rule(data)) found = data;
    return found;
  };
  if (TSkinData* own = lastWhere([wnd](const TSkinData* d) {
        return d->SkinFormtype == sfOnlyThisForm && OwnedByWindow(d, wnd);
      }))
    return own;
  const std::wstring className = Lower(GetClassNameString(wnd));
  if (className == L"tmessageform" || className == L"#32770") {
    if (TSkinData* dialog = lastWhere([](const TSkinData* d) { return d->SkinFormtype == sfDialog; }))
      return dialog;
  }
  if (TSkinData* main = lastWhere([](const TSkinData* d) { return d->SkinFormtype == sfMainform; })) return main;
  return SkinDatas.empty() ? nullptr : SkinDatas.front();
}

void TSkinManage::SetMdiMax(bool value) {
  if (value == MdiMaximized) return;
  MdiMaximized = value;
  for (TWinSkinForm* form : std::vector<TWinSkinForm*>(Forms)) {
    if (form->FormKind != fkMdiChild) continue;
    if (value) {
      if (form->HasRegion) form->RemoveRegion();
      form->SetButtonStyles(true);
    } else if (form->WindowState == wsMinimized) {
      form->SetButtonStyles(true);
    } else {
      form->WindowState = wsNormal;
      form->UpdateRegion();
      form->SetButtonStyles(false);
      if (!form->HasRegion)
        SetWindowPos(form->Handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
  SkinTrace(value ? "***** SetMdiMax True" : "***** SetMdiMax False");
}

TWinSkinPopMenu* TSkinManage::FindPopupMenu(HMENU menu) const {
  // Popups not yet bound to a menu have 0 and never answer for one.
  if (!menu) return nullptr;
  TWinSkinPopMenu* found = nullptr;
  for (TWinSkinPopMenu* popup : PopupMenus)
    if (popup->MenuHandle == menu) found = popup;
  return found;
}

ui::TBitmap* TSkinManage::PopupBackground(HMENU menu) const {
  TWinSkinPopMenu* popup = FindPopupMenu(menu);
  return popup ? &popup->Background : nullptr;
}

int TSkinManage::ScrollBarUninit(HWND wnd) {
  if (ScrollLibReady && UninitializeCoolSB) return UninitializeCoolSB(wnd);
  return 0;
}

void TSkinManage::FreeAllSysButtons() {
  // Built again at once: a window painted before the re-apply request runs
  // shows the new skin's buttons rather than none.
  for (TWinSkinForm* form : Forms) form->ComputeFrameMetrics();
}

void TSkinManage::SkinDataReloaded(TSkinData* skinData) {
  for (TWinSkinForm* form : std::vector<TWinSkinForm*>(Forms)) {
    if (form->SkinData != skinData) continue;
    form->ComputeFrameMetrics();
    // A window skinned for its controls only is not subclassed and would
    // never see the request; its re-apply touches no frame and runs now.
    if (form->WndProcStub.Attached()) PostMessageW(form->Handle, WM_SKINREFRESH, 0, 0);
    else form->Reskin();
  }
}

// --- Requests ----------------------------------------------------------------

void TSkinManage::ActivateAll() {
  if (!ui::Screen) return;
  Sweeping = true;
  // A copy: skinning a form runs its handlers, which may open or close forms.
  const std::vector<ui::TForm*> forms = ui::Screen->FormList();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    const auto& current = ui::Screen->FormList();
    if (std::find(current.begin(), current.end(), *it) == current.end()) continue;
    if ((*it)->HandleAllocated()) TrySkinWindow((*it)->Handle());
  }
  // The windows of no framework form that the last deactivation took the
  // skin from (dialogs, message boxes, MDI children, foreign windows) get it
  // back too, in the order they had it.
  for (HWND wnd : std::exchange(unskinned_, {})) TrySkinWindow(wnd);
  // Captioned windows of no framework form that came while skinning was off
  // (a message box opened meanwhile) are in no list at all, and one that is
  // not activated again would keep the system frame.
  std::vector<HWND> captioned;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM list) {
        if (IsWindowVisible(wnd) && (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&captioned));
  for (HWND wnd : captioned)
    if (!FindVclForm(wnd)) TrySkinWindow(wnd);
  Sweeping = false;
}

void TSkinManage::DeactivateAll() {
  unskinned_.clear();
  for (const TWinSkinForm* form : Forms) unskinned_.push_back(form->Handle);
  while (!Forms.empty()) {
    TWinSkinForm* form = Forms.back();
    const HWND wnd = form->Handle;
    form->Detach();
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
    const auto it = std::find(Forms.begin(), Forms.end(), form);
    if (it != Forms.end()) FreeForm(std::size_t(it - Forms.begin()));
  }
}

void TSkinManage::RefreshAll() {
  for (TWinSkinForm* form : std::vector<TWinSkinForm*>(Forms)) {
    form->FreeSysButtons();
    form->ComputeFrameMetrics();
  }
  for (TWinSkinForm* form : std::vector<TWinSkinForm*>(Forms))
    if (std::find(Forms.begin(), Forms.end(), form) != Forms.end()) form->Reskin();
}

}  // namespace skin
