// TForm's MDI parts: the frame's client window, children made by that client,
// the system's default procedures for both, and the arrangement commands.
#include <stdexcept>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Screen.h"

namespace ui {

namespace {

// Menu ids the client gives its children in a window menu.
constexpr UINT kFirstChildId = 0xFF00;

// Framework notifications mean nothing to the system's MDI procedures.
bool IsFrameworkMessage(UINT msg) { return msg >= CM_BASE && msg < 0xC000; }

}  // namespace

HWND TForm::ParentClient() {
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (!main || main->FormStyle != fsMDIForm) throw std::runtime_error("an MDI child form needs an MDI main form");
  main->HandleNeeded();
  return main->clientHandle_;
}

void TForm::MdiCreateParams(TCreateParams& params) const {
  params.ExStyle |= WS_EX_MDICHILD;
  params.Style |= WS_VISIBLE;  // the client shows and activates a new child at once
  params.WndParent = ParentClient();
  if (Position == poDefault || Position == poDefaultPosOnly) params.X = params.Y = CW_USEDEFAULT;
  if (Position == poDefault || Position == poDefaultSizeOnly) params.Width = params.Height = CW_USEDEFAULT;
}

void TForm::CreateWnd() {
  TWinControl::CreateWnd();
  TakeWindowDpi();
  if (FormStyle == fsMDIForm) CreateClientWindow();
  ApplyMenu();
}

void TForm::CreateClientWindow() {
  CLIENTCREATESTRUCT create{};
  create.idFirstChild = kFirstChildId;
  clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                                  WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 0, 0,
                                  Handle(), nullptr, GetModuleHandleW(nullptr), &create);
  if (!clientHandle_) throw std::runtime_error("cannot create the MDI client of " + Name());
}

HWND TForm::CreateWindowHandle(const TCreateParams& params) {
  if (FormStyle != fsMDIChild) return TWinControl::CreateWindowHandle(params);
  MDICREATESTRUCTW create{};
  create.szClass = params.WinClassName.c_str();
  create.szTitle = params.Caption.c_str();
  create.hOwner = GetModuleHandleW(nullptr);
  create.x = params.X;
  create.y = params.Y;
  create.cx = params.Width;
  create.cy = params.Height;
  create.style = params.Style;
  const auto wnd = reinterpret_cast<HWND>(
      SendMessageW(params.WndParent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  // What an MDI program does after a new child: whoever keeps the frame's
  // menu and children in step (the window menu, a skinned frame) catches up.
  if (wnd) SendMessageW(params.WndParent, WM_MDIREFRESHMENU, 0, 0);
  return wnd;
}

void TForm::DestroyWnd() {
  if (FormStyle == fsMDIChild && HandleAllocated()) {
    const HWND wnd = Handle();
    if (const HWND client = GetParent(wnd)) SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(wnd), 0);
    if (!HandleAllocated()) return;
  }
  TWinControl::DestroyWnd();
}

void TForm::AlignControls(RECT& rect) {
  TWinControl::AlignControls(rect);
  // The client fills what the aligned controls leave.
  if (clientHandle_)
    MoveWindow(clientHandle_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void TForm::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_NCDESTROY) clientHandle_ = nullptr;  // went with this window
  if (FormStyle == fsNormal || !HandleAllocated() || IsFrameworkMessage(m.Msg)) {
    TWinControl::DefaultHandler(m);
  } else if (FormStyle == fsMDIChild) {
    m.Result = DefMDIChildProcW(Handle(), m.Msg, m.WParam, m.LParam);
  } else if (m.Msg == WM_SIZE) {  // the frame places its client itself (AlignControls)
    TWinControl::DefaultHandler(m);
  } else {
    m.Result = DefFrameProcW(Handle(), clientHandle_, m.Msg, m.WParam, m.LParam);
  }
}

int TForm::MDIChildCount() const {
  int count = 0;
  while (MDIChildren(count)) ++count;
  return count;
}

TForm* TForm::MDIChildren(int index) const {
  if (!clientHandle_ || !Screen) return nullptr;
  for (TForm* form : Screen->FormList()) {
    if (form->FormStyle != fsMDIChild || !form->HandleAllocated() || GetParent(form->Handle()) != clientHandle_)
      continue;
    if (index-- == 0) return form;
  }
  return nullptr;
}

TForm* TForm::ActiveMDIChild() const {
  if (!clientHandle_) return nullptr;
  const auto active = reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TForm*>(FindControl(active));
}

void TForm::Cascade() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TForm::Tile() {
  if (clientHandle_)
    SendMessageW(clientHandle_, WM_MDITILE, TileMode == tbVertical ? MDITILE_VERTICAL : MDITILE_HORIZONTAL, 0);
}

void TForm::ArrangeIcons() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

}  // namespace ui
