// TSkinTrackBar: a track bar keeps its system channel and tick marks; only
// the thumb is skinned (frame 4 of the Buttons strip, stretched whole over
// the thumb), through the control's custom-draw notifications.
//
// Its background takes the skin's face colour.
//
// The notifications go to the track bar's parent. A framework parent hands
// them back to the control as CN_NOTIFY, which reaches the companion through
// the control's WindowProc. A bare window's parent keeps them, so a track bar
// attached with AttachWindow also hooks its parent for the notifications of
// this one control (when the parent cannot be hooked, the thumb stays the
// system's).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinTrackBar : public TSkinControl {
 public:
  explicit TSkinTrackBar(TWinSkinForm* owner) : TSkinControl(owner) {}
  std::string ClassName() const override { return "TSkinTrackBar"; }

  bool AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas) override;
  void Detach() override;
  bool BeforeDefault(ui::TMessage& message) override;

  // The custom-draw answer for one notification: the thumb drawn here,
  // everything else left to the control.
  LRESULT TrackBarCustomDraw(const NMCUSTOMDRAW& draw);

 private:
  // A custom-draw notification from this track bar, answered in `message`.
  bool HandleNotify(ui::TMessage& message);
  // The control's background in the skin's face colour, like the container
  // it sits on (the framework asks the control itself for its colours).
  bool FaceBackground(ui::TMessage& message) const;
  // The thumb over `thumb` of `dc`.
  void DrawThumb(HDC dc, const RECT& thumb) const;

  WindowSubclass parentHook_;  // bare windows only
};

}  // namespace skin
