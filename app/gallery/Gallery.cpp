// skin-gallery: the skin engine's showcase and test bed. It loads the stored
// skin the training window uses and shows what the engine skins: an MDI frame
// with children, a dialog, a message box and a top-level window that belongs
// to no framework form.
//
//   skin-gallery           shows the windows; the message box comes up once
//                          they are on screen; closing the frame ends it
//   skin-gallery --check   the same, then checks that every window got its
//                          skin companion, closes everything and exits with
//                          0 when all did (1 otherwise)
#include <windows.h>

#include <cstring>
#include <vector>

#include "app/gallery/GalleryWindows.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/manager/SkinManage.h"
#include "ui/Resources.h"

namespace {

constexpr UINT_PTR kBoxTimer = 1;
constexpr UINT kBoxDelayMs = 700;

gallery::TGalleryWindows windows;
bool checking = false;
int exitCode = 1;  // until the check has passed

bool Skinned(HWND wnd) {
  const skin::TSkinManage* manager = skin::SkinManage();
  const skin::TWinSkinForm* companion = manager ? manager->FindForm(wnd) : nullptr;
  return companion && companion->SkinState == skin::ssRunning;
}

// Every window of the gallery has its companion.
bool AllSkinned() {
  for (HWND wnd : {windows.Frame, windows.Children[0], windows.Children[1], windows.Dialog, windows.Foreign})
    if (!Skinned(wnd)) return false;
  return true;
}

// In --check mode: runs inside the message box's own loop.
void CALLBACK CheckBox(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = GetActiveWindow();
  if (box == windows.Frame || !Skinned(box)) return;  // not up, or not started yet
  KillTimer(nullptr, id);
  exitCode = AllSkinned() ? 0 : 1;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void CALLBACK ShowBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (checking) SetTimer(nullptr, 0, 100, &CheckBox);
  gallery::ShowGalleryMessageBox(windows.Frame);
  if (checking) DestroyWindow(windows.Frame);  // ends the program
}

bool LoadSkin(skin::TSkinData& skinData) {
  auto bytes = ui::LoadResourceBytes("SKINDATA1");
  if (!bytes) return false;
  ui::TMemoryStream stream(std::move(*bytes));
  skinData.ReadSkinStream(stream);
  if (skinData.Empty) return false;
  skinData.SetActive(true);  // no window is active yet: skinning is on at once
  return true;
}

void RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (windows.Dialog && IsDialogMessageW(windows.Dialog, &msg)) continue;
    if (windows.Client && TranslateMDISysAccel(windows.Client, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  checking = std::strstr(commandLine, "--check") != nullptr;
  skin::TScratchBitmapOwner scratch;
  {
    skin::TSkinData skinData(nullptr);
    if (!LoadSkin(skinData)) return 2;
    windows = gallery::CreateGalleryWindows(instance);
    SetTimer(nullptr, kBoxTimer, kBoxDelayMs, &ShowBox);
    RunMessageLoop();
  }
  skin::FreeSkinManage();
  return checking ? exitCode : 0;
}
