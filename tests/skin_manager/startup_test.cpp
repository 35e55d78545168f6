// The program's start-up: the training window, read with its skin data
// component, is skinned at its first activation, and its message boxes are
// skinned too.
#include <gtest/gtest.h>

#include <ole2.h>

#include "app/UnitMain.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin_form/FormTestSupport.h"
#include "ui/Application.h"

namespace {

using form_test::ClientSize;
using form_test::PumpFor;
using form_test::WindowSize;

bool boxSkinned = false;

void CALLBACK CheckAndCloseBox(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = GetActiveWindow();
  wchar_t name[16] = {};
  GetClassNameW(box, name, 16);
  if (std::wstring(name) != L"#32770") return;
  const skin::TWinSkinForm* companion = skin::SkinManage()->FindForm(box);
  if (companion && companion->SkinState != skin::ssRunning) return;  // not started yet
  boxSkinned = companion != nullptr;
  KillTimer(nullptr, id);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(Startup, TrainingWindowIsSkinnedAtItsFirstActivation) {
  const HRESULT ole = OleInitialize(nullptr);
  skin::FreeSkinManage();
  {
    ui::TApplication application;
    TForm1* form = application.CreateForm<TForm1>();
    skin::TSkinManage* manager = skin::SkinManage();
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->Enabled);  // asked for at the end of loading, before any activation
    EXPECT_TRUE(manager->Forms.empty());

    form->Show();
    SetForegroundWindow(form->Handle());
    PumpFor(300);
    const HWND wnd = form->Handle();
    const skin::TWinSkinForm* companion = manager->FindForm(wnd);
    ASSERT_NE(companion, nullptr);
    EXPECT_EQ(companion->Form, form);
    EXPECT_EQ(companion->SkinData, form->SkinData1);
    EXPECT_EQ(companion->SkinState, skin::ssRunning);
    EXPECT_GT(companion->BorderTop, 0);
    EXPECT_EQ(WindowSize(wnd).cx,
              ClientSize(wnd).cx + companion->BorderLeft + companion->BorderRight);
    EXPECT_EQ(form->Color(), form->SkinData1->ButtonFaceColour);

    boxSkinned = false;
    SetTimer(nullptr, 0, 100, &CheckAndCloseBox);
    MessageBoxW(wnd, L"\u4efb\u52a1", L"Tavrin", MB_OK);
    EXPECT_TRUE(boxSkinned);
    EXPECT_EQ(manager->Forms.size(), 1u);
  }
  EXPECT_TRUE(skin::SkinManage()->Forms.empty());  // the window went, and its companion
  skin::FreeSkinManage();
  if (SUCCEEDED(ole)) OleUninitialize();
}

}  // namespace
