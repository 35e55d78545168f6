// A small skin with caption buttons whose frames are solid colours, a window
// class that records what reaches its own procedure, and pixel and point
// helpers for the caption-button tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin_data/SkinTestSupport.h"
#include "support/MessagePump.h"

// Rectangles compared and printed in expectations (found by argument lookup).
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& os, const RECT& r) {
  return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace button_test {

// Frame sizes of the test skin (image size div frame count).
constexpr int kLeft = 8;
constexpr int kRight = 6;
constexpr int kTop = 12;
constexpr int kBottom = 4;
constexpr int kButtonW = 12;  // one frame of a caption-button image
constexpr int kButtonH = 10;
constexpr int kMdiCell = 12;  // MDICONTROLS: twelve 12 x 12 cells

// Index of each caption button in SysButtons (the order of the sections).
enum : int {
  kClose,
  kMaximize,
  kRestore,
  kMinimize,
  kMinimizeAlone,
  kSystemMenu,
  kExtra,         // Action 5, three frames
  kBeforeCaption, // Align 2
  kAfterCaption,  // Align 3
  kNeverHit,      // negative Action
  kMdiMinimize,   // the three MDI entries come last
  kMdiRestore,
  kMdiClose,
};

// Image tags: frame f of the image tagged t is the solid colour FrameColour(t, f).
constexpr std::uint8_t kCloseTag = 10, kMaximizeTag = 20, kRestoreTag = 30, kMinimizeTag = 40, kExtraTag = 50,
                       kBeforeTag = 60, kAfterTag = 70, kNeverTag = 80, kMdiTag = 90;

inline ui::TColor FrameColour(std::uint8_t tag, int frame) {
  return ui::RGBColor(tag, std::uint8_t(30 * frame), 90);
}
// The three MDI images are cells 1-4, 5-8 and 9-12 of one strip.
inline ui::TColor MdiColour(int button, int frame) { return FrameColour(std::uint8_t(kMdiTag + button), frame); }

// A strip of `frames` solid frames of w x h.
inline skin_test::Bytes StripFile(int w, int h, int frames, std::uint8_t tag) {
  return skin_test::PaintedFile(w * frames, h, [=](int x, int) { return FrameColour(tag, x / w + 1); });
}

inline skin_test::Bytes MdiStripFile() {
  return skin_test::PaintedFile(12 * kMdiCell, kMdiCell, [](int x, int) {
    const int cell = x / kMdiCell;
    return MdiColour(cell / 4, cell % 4 + 1);
  });
}

inline std::string Section(const std::string& name, int action, int align, int x, int y, int visibility,
                           int visibility1, const std::string& image) {
  std::string text = "[" + name + "]\nAction=" + std::to_string(action) + "\nAlign=" + std::to_string(align) +
                     "\nXcoord=" + std::to_string(x) + "\nYcoord=" + std::to_string(y) +
                     "\nVisibility=" + std::to_string(visibility) + "\nVisibility1=" + std::to_string(visibility1) + "\n";
  if (!image.empty()) text += "ButtonImage=" + image + "\n";
  return text;
}

inline std::string ButtonDefinition() {
  return "[Personality]\n"
         "Left=left.bmp\nLeftFrame=2\nRight=right.bmp\nRightFrame=2\n"
         "Top=top.bmp\nTopFrame=2\nBottom=bottom.bmp\nBottomFrame=2\n" +
         Section("Button.Close", 0, 1, 20, 1, 0, 0, "close.bmp") +
         Section("Button.Maximize", 1, 1, 34, 1, 2, 6, "maximize.bmp") +
         Section("Button.Restore", 1, 1, 34, 1, 1, 6, "restore.bmp") +
         Section("Button.Minimize", 2, 1, 48, 1, 8, 6, "minimize.bmp") +
         Section("Button.MinimizeAlone", 2, 1, 34, 1, 8, 7, "minimize.bmp") +
         Section("Button.SystemMenu", 3, 0, 2, 0, 0, 0, "") +
         Section("Button.Extra", 5, 0, 22, 1, 250, 250, "extra.bmp") +
         Section("Button.BeforeCaption", 6, 2, 3, 1, 250, 250, "before.bmp") +
         Section("Button.AfterCaption", 40, 3, 4, 1, 250, 250, "after.bmp") +
         Section("Button.NeverHit", -1, 0, 100, 1, 250, 250, "never.bmp") +
         "[MDICONTROLS]\nImage=mdi.bmp\n";
}

inline skin_test::TFiles ButtonFiles() {
  return {{"left.bmp", skin_test::BitmapFile(2 * kLeft, 40, 1)},
          {"right.bmp", skin_test::BitmapFile(2 * kRight, 40, 2)},
          {"top.bmp", skin_test::BitmapFile(40, 2 * kTop, 3)},
          {"bottom.bmp", skin_test::BitmapFile(40, 2 * kBottom, 4)},
          {"close.bmp", StripFile(kButtonW, kButtonH, 6, kCloseTag)},
          {"maximize.bmp", StripFile(kButtonW, kButtonH, 6, kMaximizeTag)},
          {"restore.bmp", StripFile(kButtonW, kButtonH, 6, kRestoreTag)},
          {"minimize.bmp", StripFile(kButtonW, kButtonH, 6, kMinimizeTag)},
          {"extra.bmp", StripFile(kButtonW, kButtonH, 3, kExtraTag)},
          {"before.bmp", StripFile(kButtonW, kButtonH, 6, kBeforeTag)},
          {"after.bmp", StripFile(kButtonW, kButtonH, 6, kAfterTag)},
          {"never.bmp", StripFile(kButtonW, kButtonH, 6, kNeverTag)},
          {"mdi.bmp", MdiStripFile()}};
}

inline std::unique_ptr<skin::TSkinData> MakeButtonSkin(const std::string& definition = ButtonDefinition(),
                                                      const skin_test::TFiles& files = ButtonFiles()) {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  skin_test::LoadDefinition(*data, definition, files);
  return data;
}

// --- A window that records what reaches its own procedure --------------------

struct TRecorded {
  UINT Msg;
  WPARAM WParam;
};

// Messages of the recording class's procedure. WM_CLOSE does not destroy the
// window, and the non-client presses start no move or size loop.
inline std::vector<TRecorded>& Recorded() {
  static std::vector<TRecorded> messages;
  return messages;
}

inline int CountRecorded(UINT msg) {
  int count = 0;
  for (const auto& m : Recorded()) count += m.Msg == msg;
  return count;
}

inline LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
    case WM_NCRBUTTONDOWN:
      Recorded().push_back({msg, wParam});
      return 0;
    case skin::WM_SKINBUTTON:
      Recorded().push_back({msg, wParam});
      return 0;
    default:
      return DefWindowProcW(wnd, msg, wParam, lParam);
  }
}

// Registers a window class of this program once.
inline const wchar_t* RegisterOnce(const wchar_t* name, WNDPROC proc, int background = COLOR_BTNFACE) {
  WNDCLASSW wc{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), name, &wc)) return name;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(INT_PTR(background + 1));
  wc.lpszClassName = name;
  RegisterClassW(&wc);
  return name;
}

inline const wchar_t* RecordingClass() { return RegisterOnce(L"TavrinButtonTestWindow", RecordingProc); }

// A solid 16 x 16 icon of one colour.
class TSolidIcon {
 public:
  explicit TSolidIcon(COLORREF colour) {
    const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    HDC screen = GetDC(nullptr);
    HBITMAP colourBitmap = CreateCompatibleBitmap(screen, w, h);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colourBitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT r{0, 0, w, h};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    std::vector<BYTE> zeros(std::size_t((w + 15) / 16 * 2 * h), 0);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, zeros.data());  // all opaque
    ICONINFO info{TRUE, 0, 0, mask, colourBitmap};
    icon_ = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colourBitmap);
  }
  ~TSolidIcon() { DestroyIcon(icon_); }
  TSolidIcon(const TSolidIcon&) = delete;
  TSolidIcon& operator=(const TSolidIcon&) = delete;
  HICON Get() const { return icon_; }

 private:
  HICON icon_;
};

// --- Points, pixels, pumping -------------------------------------------------

inline POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A frame point (relative to the window's top-left corner) on the screen.
inline POINT FrameToScreen(HWND wnd, POINT p) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return POINT{r.left + p.x, r.top + p.y};
}

inline LPARAM PointParam(POINT screen) { return MAKELPARAM(WORD(short(screen.x)), WORD(short(screen.y))); }

// The colour painted at a frame point of the window.
inline ui::TColor FramePixel(HWND wnd, POINT p) {
  ui::TBitmap pixel;
  pixel.SetPixelFormat(ui::TPixelFormat::pf32bit);
  pixel.SetSize(1, 1);
  HDC dc = GetWindowDC(wnd);
  BitBlt(pixel.Canvas().Handle(), 0, 0, 1, 1, dc, p.x, p.y, SRCCOPY);
  ReleaseDC(wnd, dc);
  return pixel.Pixel(0, 0);
}

using test_support::Pump;
using test_support::PumpFor;
using test_support::PumpUntil;

// Brings the skinned window to the front and waits until its companion
// knows it is active (other programs on the desktop may hold the focus).
inline bool Activate(HWND wnd, const skin::TWinSkinForm& form) {
  SetForegroundWindow(wnd);
  return PumpUntil([&] { return form.Active && GetForegroundWindow() == wnd; }, 2000);
}

}  // namespace button_test

namespace button_test {

// A shown, active window of the recording class with a started companion
// and its caption buttons placed as a title-bar paint places them.
class TSkinnedWindow {
 public:
  // Where the caption text is taken to be for the buttons placed beside it.
  static constexpr RECT kCaption{70, 0, 200, kTop};

  explicit TSkinnedWindow(skin::TSkinData& data, DWORD style = WS_OVERLAPPEDWINDOW, HICON icon = nullptr)
      : wnd_(CreateWindowExW(0, RecordingClass(), L"buttons", style, 100, 100, 400, 300, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr)) {
    if (icon) SendMessageW(wnd_, WM_SETICON, ICON_SMALL, LPARAM(icon));
    ShowWindow(wnd_, SW_SHOWNORMAL);
    SetForegroundWindow(wnd_);
    Pump();
    form_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    form_->Handle = wnd_;
    form_->AttachHandle(&data);
    SendMessageW(wnd_, skin::WM_SKINSTART, 0, 1000);
    Pump();
    Activate(wnd_, *form_);
    Layout();
    Recorded().clear();
  }
  ~TSkinnedWindow() {
    if (IsWindow(wnd_)) form_->Detach();
    form_.reset();
    if (IsWindow(wnd_)) DestroyWindow(wnd_);
  }
  TSkinnedWindow(const TSkinnedWindow&) = delete;
  TSkinnedWindow& operator=(const TSkinnedWindow&) = delete;

  HWND Wnd() const { return wnd_; }
  skin::TWinSkinForm& Form() const { return *form_; }
  skin::TWinSysButton& Button(int index) const { return *form_->SysButtons.at(std::size_t(index)); }

  int Width() const {
    RECT r{};
    GetWindowRect(wnd_, &r);
    return r.right - r.left;
  }

  // What the title-bar paint does before it draws the buttons.
  void Layout() {
    form_->FrameWidth = Width();
    form_->CaptionRect = kCaption;
    form_->LayoutSysButtons();
  }

  // The centre of a button on the screen.
  POINT ScreenPoint(int index) const { return FrameToScreen(wnd_, Centre(Button(index).Rect)); }

  // A non-client mouse message at a screen point, as the system sends it.
  LRESULT Send(UINT msg, POINT screen, WPARAM hit = HTCAPTION) const {
    return SendMessageW(wnd_, msg, hit, PointParam(screen));
  }
  void Click(int index) const {
    Send(WM_NCMOUSEMOVE, ScreenPoint(index));
    Send(WM_NCLBUTTONDOWN, ScreenPoint(index));
    Send(WM_NCLBUTTONUP, ScreenPoint(index));
  }

  ui::TColor PixelOf(int index) const { return FramePixel(wnd_, Centre(Button(index).Rect)); }

 private:
  HWND wnd_;
  std::unique_ptr<skin::TWinSkinForm> form_;
};

}  // namespace button_test
