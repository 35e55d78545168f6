#include "app/gallery/GalleryWindows.h"

namespace gallery {

namespace {

constexpr wchar_t kFrameClass[] = L"TavrinGalleryFrame";
constexpr wchar_t kChildClass[] = L"TavrinGalleryChild";
constexpr wchar_t kWindowClass[] = L"TavrinGalleryWindow";
constexpr int kFirstChildId = 0xFF00;

HWND client = nullptr;  // the frame's MDI client, for DefFrameProcW

void PaintLine(HWND wnd, const wchar_t* text) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, 12, 12, text, lstrlenW(text));
  EndPaint(wnd, &ps);
}

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT ccs{};
      ccs.idFirstChild = kFirstChildId;
      client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                               WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, wnd, nullptr,
                               reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance, &ccs);
      return client ? 0 : -1;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefFrameProcW(wnd, client, msg, wParam, lParam);
  }
}

LRESULT CALLBACK ChildProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PaintLine(wnd, L"MDI child");
    return 0;
  }
  return DefMDIChildProcW(wnd, msg, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PaintLine(wnd, L"A top-level window of no framework form");
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

void RegisterClasses(HINSTANCE instance) {
  const auto add = [instance](const wchar_t* name, WNDPROC proc, int background) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(INT_PTR(background) + 1);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
  };
  add(kFrameClass, FrameProc, COLOR_APPWORKSPACE);
  add(kChildClass, ChildProc, COLOR_WINDOW);
  add(kWindowClass, WindowProc, COLOR_BTNFACE);
}

HWND CreateChild(int index) {
  MDICREATESTRUCTW mcs{};
  mcs.szClass = kChildClass;
  mcs.szTitle = index == 0 ? L"Child one" : L"Child two";
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.x = 10 + 40 * index;
  mcs.y = 10 + 40 * index;
  mcs.cx = 260;
  mcs.cy = 170;
  mcs.style = WS_OVERLAPPEDWINDOW;
  const auto child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, LPARAM(&mcs)));
  // What an MDI application does after a new child; the skinned frame takes
  // the new child over here.
  SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);
  return child;
}

HWND CreateControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                   int id) {
  HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                 reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return control;
}

// A window of the standard dialog class, as dialog boxes and message boxes are.
HWND CreateDialogWindow() {
  HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Dialog",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, 660, 60, 300, 200, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  CreateControl(dialog, L"STATIC", L"Name:", 0, 16, 18, 60, 18, -1);
  CreateControl(dialog, L"EDIT", L"Tavrin", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 80, 16, 180, 22, 100);
  CreateControl(dialog, L"BUTTON", L"Remember me", BS_AUTOCHECKBOX | WS_TABSTOP, 16, 50, 200, 20, 101);
  CreateControl(dialog, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 180, 110, 80, 26, IDOK);
  return dialog;
}

}  // namespace

TGalleryWindows CreateGalleryWindows(HINSTANCE instance) {
  RegisterClasses(instance);
  TGalleryWindows windows;
  windows.Foreign = CreateWindowExW(0, kWindowClass, L"Top-level window", WS_OVERLAPPEDWINDOW, 660, 300, 320, 180,
                                    nullptr, nullptr, instance, nullptr);
  ShowWindow(windows.Foreign, SW_SHOW);
  windows.Dialog = CreateDialogWindow();
  ShowWindow(windows.Dialog, SW_SHOW);
  windows.Frame = CreateWindowExW(0, kFrameClass, L"skin-gallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 30, 30,
                                  600, 440, nullptr, nullptr, instance, nullptr);
  windows.Client = client;
  ShowWindow(windows.Frame, SW_SHOW);
  UpdateWindow(windows.Frame);
  windows.Children[0] = CreateChild(0);
  windows.Children[1] = CreateChild(1);
  return windows;
}

void ShowGalleryMessageBox(HWND owner) {
  MessageBoxW(owner, L"A message box: a standard dialog, skinned at its first activation.", L"skin-gallery",
              MB_OK | MB_ICONINFORMATION);
}

}  // namespace gallery
