// Closing the gallery with every kind of window open leaves no window, no
// companion and no GDI or USER object behind.
#include <vector>

#include "GalleryTestSupport.h"
#include "gallery/UnskinnedForm.h"
#include "skin_form/HandleCounts.h"

namespace {

using gallery_test::PumpFor;
using handle_counts::GdiObjects;
using handle_counts::UserObjects;

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// The gallery with all its windows, closed by the user through its frame.
// Returns the windows it had.
std::vector<HWND> OpenAndCloseEverything() {
  std::vector<HWND> windows;
  ui::TApplication application;
  auto* frame = application.CreateForm<gallery::TGalleryMain>();
  frame->Show();
  PumpFor(100);
  for (const char* name : {"mdi", "maximised", "dialog", "foreign", "unskinned"}) frame->RunCommand(name);
  PumpFor(300);
  skin::TSkinManage* manager = skin::SkinManage();
  EXPECT_EQ(manager->Forms.size(), 6u);  // frame, three children, dialog, foreign window
  for (const skin::TWinSkinForm* companion : manager->Forms) windows.push_back(companion->Handle);
  windows.push_back(frame->Unskinned()->Handle());
  SendMessageW(frame->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(application.Terminated());
  return windows;
}

TEST(GalleryLifecycle, ClosingEverythingLeavesNoWindowAndNoHandle) {
  skin::TScratchBitmapOwner scratch;
  OpenAndCloseEverything();  // warm-up: caches of the system fill once
  skin::FreeSkinManage();
  const std::size_t threadWindows = ThreadWindows().size();
  const DWORD gdi = GdiObjects();
  const DWORD user = UserObjects();
  ASSERT_GT(gdi, 0u) << "no way to count GDI objects here";

  const std::vector<HWND> windows = OpenAndCloseEverything();
  EXPECT_EQ(windows.size(), 7u);
  for (HWND wnd : windows) EXPECT_FALSE(IsWindow(wnd));
  ASSERT_NE(skin::SkinManage(), nullptr);
  EXPECT_TRUE(skin::SkinManage()->Forms.empty());
  skin::FreeSkinManage();  // with its own window, which hears the system's setting changes
  EXPECT_EQ(ThreadWindows().size(), threadWindows);
  EXPECT_LE(GdiObjects(), gdi + 5);
  EXPECT_LE(UserObjects(), user + 5);
}

}  // namespace
