// The bars' test skin: every frame of the progress, status-bar and button
// images a solid colour of its own, and known face, text and shadow colours.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "skin/WinSkinForm/ControlDiscovery.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/draw/Frames.h"
#include "skin_controls/ControlTestSupport.h"
#include "ui/ComCtrls.h"

namespace bars_test {

using namespace control_test;
using skin::RectHeight;
using skin::RectWidth;

// Progress frames 1 (empty) and 2 (filled), 10 x 8 each.
constexpr TColor kProgress[3] = {0, RGBColor(0, 0, 90), RGBColor(0, 200, 90)};
// Status-bar edge frames 1 lowered, 2 raised, 3 none, 12 x 12 each.
constexpr TColor kEdge[4] = {0, RGBColor(90, 0, 0), RGBColor(0, 90, 0), RGBColor(90, 90, 90)};
constexpr TColor kPanelText = RGBColor(250, 250, 0);  // StatusBarEdges NormalColour2
constexpr TColor kBoxText = RGBColor(1, 2, 3);        // ButtonText
constexpr TColor kShadow = RGBColor(5, 6, 7);         // ButtonShadow
constexpr TColor kThumb = kButtonFrame[4];

struct TBarsSkin {
  bool Progress = true;
  bool Edges = true;
  bool ButtonImage = true;
  std::string ProgressExtra;  // more keys of [Progress] (odd data)
};

inline std::unique_ptr<skin::TSkinData> MakeBarsSkin(const TBarsSkin& s = {}) {
  std::string d =
      "[Personality]\n"
      "Left=left.bmp\nLeftFrame=2\nRight=right.bmp\nRightFrame=2\n"
      "Top=top.bmp\nTopFrame=2\nBottom=bottom.bmp\nBottomFrame=2\n"
      "[Colours]\nButtonFace=10 20 30\nButtonText=1 2 3\nButtonShadow=5 6 7\n"
      "[Buttons]\n" + std::string(s.ButtonImage ? "Bitmap=button.bmp\n" : "") +
      "CheckButton=check.bmp\nRadioButton=radio.bmp\nCheckButtonFrame=5\nRadioButtonFrame=4\n";
  if (s.Progress) d += "[Progress]\nBitmap=progress.bmp\n" + s.ProgressExtra;
  if (s.Edges) d += "[StatusBarEdges]\nImage=edges.bmp\nNormalColour2=250 250 0\n";
  skin_test::TFiles files = ControlFiles();
  files.push_back({"progress.bmp", SolidStrip(10, 8, kProgress, 2)});
  files.push_back({"edges.bmp", SolidStrip(12, 12, kEdge, 3)});
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  skin_test::LoadDefinition(*data, d, files);
  data->SkinControls = ControlsOnly();
  return data;
}

// A framework form with the bars' skin.
class BarsTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    data_ = MakeBarsSkin();
  }
  void UseSkin(const TBarsSkin& s) { data_ = MakeBarsSkin(s); }
  static TBarsSkin Without(bool progress, bool edges, bool buttonImage) {
    TBarsSkin s;
    s.Progress = !progress;
    s.Edges = !edges;
    s.ButtonImage = !buttonImage;
    return s;
  }

  template <class T>
  T* Add(ui::TWinControl* parent, RECT r) {
    auto* control = new T(parent);
    control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    control->SetParent(parent);
    return control;
  }

  // The companion class on `control`'s window ("" for none).
  std::string KindOf(ui::TWinControl* control) const {
    const skin::TSkinControl* companion = CompanionOf(control->Handle());
    return companion ? companion->ClassName() : "";
  }

  // Repaints `wnd` now.
  static void RepaintNow(HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
};

}  // namespace bars_test
