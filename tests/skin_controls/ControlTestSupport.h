// Skinned controls on real windows: a skin whose every button frame and mark
// frame has a colour of its own, framework forms and bare windows to put
// controls on, and pixels and messages read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/WinSkinForm/ControlDiscovery.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin_form/FormTestSupport.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/StdCtrls.h"

namespace control_test {

using form_test::Pump;
using form_test::PumpFor;
using ui::RGBColor;
using ui::TColor;

constexpr TColor kKey = ui::clFuchsia;
constexpr TColor kFace = RGBColor(10, 20, 30);  // ButtonFace
// Push-button frames 1 to 5 (20 x 16 each, solid).
constexpr TColor kButtonFrame[6] = {0, RGBColor(200, 0, 0), RGBColor(0, 160, 0), RGBColor(0, 0, 200),
                                    RGBColor(200, 200, 0), RGBColor(100, 100, 100)};
// Caption colours of the normal, hot and pressed states.
constexpr TColor kTextNormal = RGBColor(255, 255, 255);
constexpr TColor kTextHot = RGBColor(255, 128, 0);
constexpr TColor kTextPressed = RGBColor(0, 255, 255);
// Check frames 1 to 5: 13 x 13, solid but for a key-colour top-left pixel.
constexpr int kCheckSize = 13;
constexpr TColor kCheckFrame[6] = {0, RGBColor(60, 0, 0), RGBColor(0, 60, 0), RGBColor(0, 0, 60),
                                   RGBColor(60, 60, 0), RGBColor(0, 60, 60)};
// Radio frames 1 to 4: 12 x 12, solid.
constexpr int kRadioSize = 12;
constexpr TColor kRadioFrame[5] = {0, RGBColor(120, 0, 0), RGBColor(0, 120, 0), RGBColor(0, 0, 120),
                                   RGBColor(120, 120, 0)};

inline skin_test::Bytes SolidStrip(int frameWidth, int height, const TColor* colours, int frames,
                                   bool keyCorner = false) {
  return skin_test::PaintedFile(frameWidth * frames, height, [=](int x, int y) {
    const bool corner = keyCorner && x % frameWidth == 0 && y == 0;
    return corner ? kKey : colours[1 + x / frameWidth];
  });
}

// The test skin: the window borders of the window tests, and the buttons.
// `buttons` replaces the [Buttons] section (bad data tests).
inline std::string ControlDefinition(const std::string& buttons = "") {
  std::string d =
      "[Personality]\n"
      "Left=left.bmp\nLeftFrame=2\nRight=right.bmp\nRightFrame=2\n"
      "Top=top.bmp\nTopFrame=2\nBottom=bottom.bmp\nBottomFrame=2\n"
      "[Colours]\nButtonFace=10 20 30\nButtonText=1 2 3\n";
  if (!buttons.empty()) return d + buttons;
  return d +
         "[Buttons]\nBitmap=button.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"
         "CheckButtonFrame=5\nRadioButtonFrame=4\n"
         "NormalColour2=255 255 255\nMouseOverColour2=255 128 0\nPressedColour2=0 255 255\n";
}

inline skin_test::TFiles ControlFiles() {
  skin_test::TFiles files = form_test::BorderFiles();
  files.push_back({"button.bmp", SolidStrip(20, 16, kButtonFrame, 5)});
  files.push_back({"check.bmp", SolidStrip(kCheckSize, kCheckSize, kCheckFrame, 5, true)});
  files.push_back({"radio.bmp", SolidStrip(kRadioSize, kRadioSize, kRadioFrame, 4)});
  return files;
}

// Everything but the window frame: the controls are what is tested.
inline skin::TSkinControlTypes ControlsOnly() {
  skin::TSkinControlTypes set = skin::kDefaultSkinControls;
  set.Exclude(skin::xcMainMenu);
  return set;
}

inline std::unique_ptr<skin::TSkinData> MakeControlSkin(const std::string& buttons = "") {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  skin_test::LoadDefinition(*data, ControlDefinition(buttons), ControlFiles());
  data->SkinControls = ControlsOnly();
  return data;
}

// --- Pixels --------------------------------------------------------------------

// What the window shows, read into a 32-bpp DIB: the whole window, or its
// client area (where a form paints its windowless controls).
class TShot {
 public:
  explicit TShot(HWND wnd, bool whole = true) {
    RECT r{};
    if (whole) GetWindowRect(wnd, &r);
    else GetClientRect(wnd, &r);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    pixels_.resize(std::size_t(width_) * std::size_t(height_));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ui::BitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return;
    ui::MemoryDC memory;
    ui::WindowDC source(wnd, whole);
    {
      ui::SelectGuard select(memory.Get(), dib.Get());
      BitBlt(memory.Get(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    std::memcpy(pixels_.data(), bits, pixels_.size() * 4);
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TColor At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return ui::clNone;
    const std::uint32_t p = pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    return RGBColor(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
  }
  // Pixels of exactly this colour (within `area`).
  int Count(TColor colour) const { return Count(colour, RECT{0, 0, width_, height_}); }
  int Count(TColor colour, const RECT& area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += At(x, y) == colour;
    return n;
  }
  // The smallest rectangle holding every pixel of `colour` (empty when none).
  RECT BoundsOf(TColor colour) const {
    RECT r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) == colour) {
          r.left = std::min<LONG>(r.left, x);
          r.top = std::min<LONG>(r.top, y);
          r.right = std::max<LONG>(r.right, x + 1);
          r.bottom = std::max<LONG>(r.bottom, y + 1);
        }
    if (r.right <= r.left) return RECT{0, 0, 0, 0};
    return r;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// The face frame a button shows: its colour at a corner, where no caption is.
inline int ButtonFrameShown(HWND wnd) {
  const TColor c = TShot(wnd).At(2, 2);
  for (int i = 1; i <= 5; ++i)
    if (c == kButtonFrame[i]) return i;
  return 0;
}

// The frame of a button that is neither hot nor pressed: 4 while it has the
// focus. (The focus follows the activation, which other programs on a shared
// desktop may take at any moment.)
inline int FocusFrame(HWND wnd) { return GetFocus() == wnd ? 4 : 1; }

// --- Windows -------------------------------------------------------------------

// WM_COMMANDs that reached a bare parent window.
struct TCommand {
  WPARAM WParam;
  LPARAM LParam;
};
inline std::vector<TCommand>& Commands() {
  static std::vector<TCommand> commands;
  return commands;
}

inline LRESULT CALLBACK ParentProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) Commands().push_back({wParam, lParam});
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

inline const wchar_t* ParentClassName() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TavrinControlTestParent";
    RegisterClassW(&wc);
    return L"TavrinControlTestParent";
  }();
  return name;
}

// A font drawn without smoothing, so that text pixels have exactly the text colour.
inline HFONT SharpFont() {
  static const ui::FontHandle font(CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                               DEFAULT_PITCH, L"Tahoma"));
  return font.Get();
}

// A child window of `parent` of a system class, with the sharp font.
inline HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id) {
  const HWND wnd = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                                   GetModuleHandleW(nullptr), nullptr);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(SharpFont()), FALSE);
  return wnd;
}

// Records the WM_COMMANDs a framework control receives, for a scope.
class TCommandRecorder {
 public:
  explicit TCommandRecorder(ui::TControl* control) : control_(control), old_(control->WindowProc) {
    control->WindowProc = [this](ui::TMessage& m) {
      if (m.Msg == WM_COMMAND) WParams.push_back(m.WParam);
      old_(m);
    };
  }
  ~TCommandRecorder() { control_->WindowProc = old_; }
  TCommandRecorder(const TCommandRecorder&) = delete;
  TCommandRecorder& operator=(const TCommandRecorder&) = delete;

  std::vector<WPARAM> WParams;

 private:
  ui::TControl* control_;
  ui::TWndMethod old_;
};

// A fresh application, the test skin, and a shown framework form or bare
// window whose controls a window companion skins.
class ControlTest : public ::testing::Test {
 protected:
  // A framework control of type T on `form` at `r`.
  template <class T>
  static T* Add(ui::TForm* form, RECT r) {
    auto* control = new T(form);
    control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    control->SetParent(form);
    return control;
  }

  void SetUp() override {
    SetCursorPos(1015, 760);  // the real mouse stays off the test windows
    app_ = std::make_unique<ui::TApplication>();
    data_ = MakeControlSkin();
    Commands().clear();
  }
  void TearDown() override {
    companion_.reset();
    DestroyBareWindow();
    app_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  // A shown, active framework form; its controls are made by the caller.
  ui::TForm* NewForm() {
    auto* form = new ui::TForm(app_.get());
    form->SetBounds(100, 100, 420, 320);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpFor(50);
    return form;
  }

  // A shown bare top-level window of the recording class.
  HWND NewBareWindow() {
    DestroyBareWindow();
    bareWnd_ = CreateWindowExW(0, ParentClassName(), L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 420, 320,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(bareWnd_);
    PumpFor(50);
    return bareWnd_;
  }
  void DestroyBareWindow() {
    if (IsWindow(bareWnd_)) DestroyWindow(bareWnd_);
    bareWnd_ = nullptr;
  }

  // A window companion on the form (or on a bare window), as the manager
  // makes one.
  skin::TWinSkinForm& Skin(ui::TForm* form) {
    companion_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    companion_->Handle = form->Handle();
    companion_->AttachForm(data_.get(), form);
    PumpFor(30);
    return *companion_;
  }
  skin::TWinSkinForm& Skin(HWND wnd) {
    companion_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    companion_->Handle = wnd;
    companion_->AttachHandle(data_.get());
    PumpFor(30);
    return *companion_;
  }

  // The companion that skins `wnd`, or null.
  skin::TSkinControl* CompanionOf(HWND wnd) const {
    return companion_ ? skin::FindControlByHandle(*companion_, wnd) : nullptr;
  }

  void Unskin() {
    if (!companion_) return;
    companion_->Detach();
    companion_.reset();
  }

  skin::TScratchBitmapOwner scratch_;
  std::unique_ptr<ui::TApplication> app_;
  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<skin::TWinSkinForm> companion_;
  HWND bareWnd_ = nullptr;
};

}  // namespace control_test
