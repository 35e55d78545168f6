// Edits, combo boxes, up-downs and sizers on real windows: a test skin whose
// combo-button, glyph, sunken-edge and up-down frames each have a colour of
// their own, a parent window that records the notifications of its
// controls, and pixels read back.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "../skin_controls/ControlTestSupport.h"

namespace edit_test {

using namespace control_test;

constexpr TColor kShadow = RGBColor(70, 80, 90);    // ButtonShadow
constexpr TColor kDkShadow = RGBColor(5, 6, 7);     // ButtonDkShadow
constexpr TColor kSunk = RGBColor(0, 90, 180);      // SunkEdge frame 1
// ComboButton frames 1 to 4 (16 x 16) and the glyph frames 1 to 5 (6 x 4).
constexpr TColor kCombo[5] = {0, RGBColor(200, 10, 10), RGBColor(10, 200, 10), RGBColor(10, 10, 200),
                              RGBColor(200, 200, 10)};
constexpr TColor kGlyph[6] = {0, RGBColor(250, 100, 0), RGBColor(0, 250, 100), RGBColor(100, 0, 250),
                              RGBColor(250, 0, 100), RGBColor(1, 1, 1)};
// Up-down frames 1 to 8 (10 x 10); their glyph frames (4 x 3) are one
// colour for all frames, so the button colour shows around them.
constexpr TColor kUpDown[9] = {0,
                               RGBColor(110, 0, 0),
                               RGBColor(0, 110, 0),
                               RGBColor(0, 0, 110),
                               RGBColor(110, 110, 0),
                               RGBColor(160, 0, 0),
                               RGBColor(0, 160, 0),
                               RGBColor(0, 0, 160),
                               RGBColor(160, 160, 0)};
constexpr TColor kUpDownGlyph[9] = {0, 1, 1, 1, 1, 1, 1, 1, 1};

// The skin's sections for the edit family; `upDownGlyph` names the glyph
// strip of both up-down objects (empty: none).
inline std::string EditSections(bool combo = true, bool upDown = true, const std::string& upDownGlyph = "udglyph.bmp") {
  std::string s = "[Colours]\nButtonFace=10 20 30\nButtonText=1 2 3\nButtonShadow=70 80 90\nButtonDkShadow=5 6 7\n";
  if (combo)
    s += "[ComboButton]\nImage=combo.bmp\nTrans=1\n"
         "[ExtraImages]\nImage=glyph.bmp\nTrans=1\n"
         "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=1\nTopHeight=1\nRightWidth=1\nBottomHeight=1\n";
  if (upDown) {
    const std::string glyph = upDownGlyph.empty() ? "" : "GlyphImage=" + upDownGlyph + "\n";
    s += "[UpDown.Vert]\nImage=updown.bmp\nTrans=1\n" + glyph + "[UpDown.Horz]\nImage=updown.bmp\nTrans=1\n" + glyph;
  }
  return s;
}

inline skin_test::TFiles EditFiles() {
  skin_test::TFiles files = ControlFiles();
  const TColor sunk[5] = {0, kSunk, kSunk, kSunk, kSunk};
  files.push_back({"combo.bmp", SolidStrip(16, 16, kCombo, 4)});
  files.push_back({"glyph.bmp", SolidStrip(6, 4, kGlyph, 5)});
  files.push_back({"sunk.bmp", SolidStrip(6, 6, sunk, 4)});
  files.push_back({"updown.bmp", SolidStrip(10, 10, kUpDown, 8)});
  files.push_back({"udglyph.bmp", SolidStrip(4, 3, kUpDownGlyph, 8)});
  files.push_back({"thin.bmp", SolidStrip(5, 3, kUpDownGlyph, 1)});  // narrower than its 8 frames
  return files;
}

// Our control skin plus the edit family's sections (later sections of the
// same name win, so [Colours] is replaced).
inline std::unique_ptr<skin::TSkinData> MakeEditSkin(bool combo = true, bool upDown = true,
                                                    const std::string& upDownGlyph = "udglyph.bmp") {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  std::string definition = ControlDefinition();
  const std::size_t colours = definition.find("[Colours]");
  const std::size_t buttons = definition.find("[Buttons]");
  definition.erase(colours, buttons - colours);
  skin_test::LoadDefinition(*data, definition + EditSections(combo, upDown, upDownGlyph), EditFiles());
  data->SkinControls = ControlsOnly();
  return data;
}

// --- A parent that records its controls' notifications ---------------------------

struct TNote {
  UINT Msg;
  WPARAM WParam;
  UINT Code;  // WM_NOTIFY: the code
};
inline std::vector<TNote>& Notes() {
  static std::vector<TNote> notes;
  return notes;
}

inline LRESULT CALLBACK NoteProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_VSCROLL || msg == WM_HSCROLL) Notes().push_back({msg, wParam, 0});
  if (msg == WM_NOTIFY) Notes().push_back({msg, wParam, reinterpret_cast<const NMHDR*>(lParam)->code});
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

inline const wchar_t* NoteClassName() {
  static const wchar_t* name = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS | ICC_USEREX_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSW wc{};
    wc.lpfnWndProc = NoteProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TavrinEditTestParent";
    RegisterClassW(&wc);
    return L"TavrinEditTestParent";
  }();
  return name;
}

inline int Count(UINT msg, UINT code = 0) {
  int n = 0;
  for (const TNote& note : Notes()) n += note.Msg == msg && (msg != WM_NOTIFY || note.Code == code);
  return n;
}

// A child window with an extended style.
inline HWND ChildEx(HWND parent, const wchar_t* cls, DWORD exStyle, DWORD style, RECT r, int id = 0) {
  const HWND wnd = CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, parent,
                                   reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(SharpFont()), FALSE);
  return wnd;
}

// Paints `wnd` now (and its children) and lets the messages run.
inline void PaintNow(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

inline LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// A fixture with the edit skin and a bare parent that records notifications.
class EditTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    data_ = MakeEditSkin();
    Notes().clear();
  }
  HWND NewNoteWindow() {
    DestroyBareWindow();
    bareWnd_ = CreateWindowExW(0, NoteClassName(), L"notes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 420, 320,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(bareWnd_);
    PumpFor(50);
    return bareWnd_;
  }
};

}  // namespace edit_test
