// Skinned scroll bars, list views and headers on real windows: a skin whose
// arrows, tracks, thumbs and header frames each have a colour of their own,
// windows to put scrolling controls on, and the messages they pass on.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/WinSubClass/SkinScrollBar.h"
#include "skin/draw/Frames.h"
#include "skin_controls/ControlTestSupport.h"
#include "support/Cursor.h"

namespace scroll_test {

using control_test::TShot;
using skin::RectHeight;
using skin::RectWidth;
using form_test::Pump;
using form_test::PumpFor;
using ui::RGBColor;
using ui::TColor;

constexpr int kArrowFrames = 23;
// Arrow frame i (1..23) of the Scrollbar image: a colour of its own.
constexpr TColor ArrowColour(int frame) { return RGBColor(200, std::uint8_t(10 * frame), 40); }
constexpr TColor kHorzTrack = RGBColor(0, 100, 100);
constexpr TColor kVertTrack = RGBColor(0, 60, 140);
constexpr TColor kOtherTrackFrame = RGBColor(1, 2, 3);
// Thumb frames 1 to 3.
constexpr TColor kHorzThumb[4] = {0, RGBColor(255, 200, 0), RGBColor(255, 100, 0), RGBColor(255, 0, 0)};
constexpr TColor kVertThumb[4] = {0, RGBColor(0, 200, 255), RGBColor(0, 100, 255), RGBColor(0, 0, 255)};
constexpr TColor kBarColour = RGBColor(90, 90, 90);  // ScrollbarColour
// Headerbar frames 1 to 5.
constexpr TColor kHeader[6] = {0, RGBColor(40, 150, 40), RGBColor(150, 40, 40), RGBColor(40, 40, 150),
                               RGBColor(150, 150, 40), RGBColor(40, 150, 150)};
constexpr TColor kFace = control_test::kFace;

inline skin_test::Bytes Strip(int frameWidth, int height, int frames, const std::function<TColor(int)>& colour) {
  return skin_test::PaintedFile(frameWidth * frames, height, [&](int x, int) { return colour(1 + x / frameWidth); });
}

// `header` false leaves the Headerbar out.
inline std::unique_ptr<skin::TSkinData> MakeScrollSkin(bool header = true) {
  std::string d = control_test::ControlDefinition();
  const std::string colours = "ButtonText=1 2 3\n";
  d.insert(d.find(colours) + colours.size(), "Scrollbar=90 90 90\n");
  d += "[Scrollbar]\nImage=arrows.bmp\nTrans=1\n"
       "[HorzScroll]\nImage=htrack.bmp\n"
       "[VertScroll]\nImage=vtrack.bmp\n"
       "[HorzScrollThumb]\nImage=hthumb.bmp\nLeftWidth=2\nRightWidth=2\nTrans=1\nFrameCount=3\n"
       "[VertScrollThumb]\nImage=vthumb.bmp\nTopHeight=2\nBottomHeight=2\nTrans=1\nFrameCount=3\n";
  if (header) d += "[Headerbar]\nImage=header.bmp\nLeftWidth=1\nRightWidth=1\n";
  skin_test::TFiles files = control_test::ControlFiles();
  files.push_back({"arrows.bmp", Strip(16, 16, kArrowFrames, ArrowColour)});
  files.push_back({"htrack.bmp", Strip(8, 16, 4, [](int f) { return f == 1 ? kHorzTrack : kOtherTrackFrame; })});
  files.push_back({"vtrack.bmp", Strip(16, 8, 4, [](int f) { return f == 1 ? kVertTrack : kOtherTrackFrame; })});
  files.push_back({"hthumb.bmp", Strip(12, 16, 3, [](int f) { return kHorzThumb[f]; })});
  files.push_back({"vthumb.bmp", Strip(16, 12, 3, [](int f) { return kVertThumb[f]; })});
  files.push_back({"header.bmp", Strip(10, 20, 5, [](int f) { return kHeader[f]; })});
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  skin_test::LoadDefinition(*data, d, files);
  data->SkinControls = control_test::ControlsOnly();
  return data;
}

// A window procedure spliced under a companion: records the messages the
// companion passes on, then hands them to the window's own procedure.
class TPassedOn {
 public:
  explicit TPassedOn(HWND wnd) : wnd_(wnd) {
    SetPropW(wnd, L"TavrinPassedOn", this);
    old_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~TPassedOn() {
    if (!IsWindow(wnd_)) return;
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
    RemovePropW(wnd_, L"TavrinPassedOn");
  }
  TPassedOn(const TPassedOn&) = delete;
  TPassedOn& operator=(const TPassedOn&) = delete;

  struct TSeen {
    UINT Msg;
    WPARAM WParam;
  };
  std::vector<TSeen> Seen;
  int Count(UINT msg) const {
    int n = 0;
    for (const TSeen& s : Seen) n += s.Msg == msg;
    return n;
  }
  // The scroll messages seen, as (code, position) pairs.
  std::vector<std::pair<int, int>> Scrolls(UINT msg) const {
    std::vector<std::pair<int, int>> out;
    for (const TSeen& s : Seen)
      if (s.Msg == msg) out.emplace_back(int(LOWORD(s.WParam)), int(short(HIWORD(s.WParam))));
    return out;
  }

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TPassedOn*>(GetPropW(wnd, L"TavrinPassedOn"));
    if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
    self->Seen.push_back({msg, wParam});
    return CallWindowProcW(self->old_, wnd, msg, wParam, lParam);
  }

  HWND wnd_;
  WNDPROC old_ = nullptr;
};

// The control tests' fixture with the scroll skin.
class ScrollTest : public control_test::ControlTest {
 protected:
  void SetUp() override {
    control_test::ControlTest::SetUp();
    data_ = MakeScrollSkin();
  }
  // A child window of the bare window, with the sharp font.
  HWND BareChild(const wchar_t* cls, DWORD style, RECT r, int id = 1) {
    if (!bareWnd_) NewBareWindow();
    return control_test::Child(bareWnd_, cls, L"", style, r, id);
  }
};

inline std::string Describe(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof(text), "(%ld,%ld,%ld,%ld)", long(r.left), long(r.top), long(r.right), long(r.bottom));
  return text;
}

// The system's arrow length and bar thickness.
inline int Arrow() { return GetSystemMetrics(SM_CXHSCROLL); }

using test_support::SettleCursor;

// The real mouse button: MOUSEEVENTF_LEFTDOWN or MOUSEEVENTF_LEFTUP.
inline void SendInputButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

// The window rectangle of `wnd` in its own window coordinates.
inline RECT WindowAtOrigin(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  OffsetRect(&r, -r.left, -r.top);
  return r;
}

// A system scroll bar's rectangle in its window's coordinates.
inline RECT SystemBarRect(HWND wnd, bool horizontal) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(wnd, horizontal ? LONG(OBJID_HSCROLL) : LONG(OBJID_VSCROLL), &info);
  RECT window{};
  GetWindowRect(wnd, &window);
  RECT r = info.rcScrollBar;
  OffsetRect(&r, -window.left, -window.top);
  return r;
}

}  // namespace scroll_test
