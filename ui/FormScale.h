// A form laid out at its DPI. Form descriptions stay written at 96 DPI (100 %);
// a form made from one is laid out at its own DPI (TForm::Dpi) by the rule
// below, here and nowhere else. What the description made is recorded once,
// when it has been read, and every DPI the form later takes starts again from
// those 96-DPI values, so no rounding accumulates: 96 -> 144 -> 96 gives back
// exactly the values read. At 96 DPI nothing is touched.
//
// The rule, with s = dpi / 96 (1.25, 1.5, 1.75, 2, 2.5...):
// - A value v becomes ScaleValue(v, dpi): v * s rounded half up, the sign kept
//   (16.5 -> 17, -16.5 -> -17).
// - Positions scale as positions: a control's right and bottom edges are
//   scaled like its left and top and its size is what lies between, so
//   controls that touch at 96 DPI touch at every scale, without gaps or
//   overlaps. List-view columns and status-bar panels, which stand side by
//   side, scale by their edges the same way.
// - The form: its position and its client area scale; the frame around the
//   client area is the system's frame at the DPI. Once the form has a window
//   the system places it: WM_DPICHANGED suggests its rectangle (a window the
//   system makes at another DPI than the system DPI keeps its place and
//   takes the rule's size).
// - Aligned controls keep their alignment: they get their scaled sizes and
//   their parents lay them out again.
// - Fonts (the form's and every control's own; fonts taken from the parent
//   follow it): one given in points (Font.Size) is made again from its points
//   at the DPI, one given in pixels (Font.Height) has its height scaled, so
//   either reaches the DPI exactly once.
// - Panels' bevel and border widths; the glyph margin and spacing of bitmap
//   and speed buttons (-1, "centred", stays); image-list Width and Height.
// - Pictures (TImage Picture, button glyphs, image-list bitmaps): the one
//   drawn for the scale where the program has it (PictureVariants.h), scaled
//   to the size the scale gives the 96-DPI picture (the size of an AutoSize
//   image comes out as its scaled edges, like any control's); a picture's
//   transparent colour stays exact.
// - Controls that lay out parts of their own (a group box's edges, a radio
//   group's buttons, a spin edit's button, an owner-drawn menu item's glyph
//   column and gaps) scale their fixed 96-DPI gaps by ScaleValue at their
//   DPI (TControl::Dpi, TMenu::Dpi) each time they lay them out.
// The class library has no anchors and no size constraints; components a
// program makes at run time are its own to lay out.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/FormReader.h"

namespace ui {

class TForm;

// v * dpi / 96, rounded half up with the sign kept.
int ScaleValue(int value, int dpi);

// The 96-DPI values of a form and the components it owns, and their layout
// at any DPI from them.
class TFormScale {
 public:
  // Records `form` and everything it owns as its description has just made
  // them; `binaries` names the resources their pictures were read from, which
  // `resources` loads again for other scales.
  TFormScale(TForm& form, const std::vector<TBinaryProperty>& binaries, TResourceLoader resources);
  ~TFormScale();
  TFormScale(const TFormScale&) = delete;
  TFormScale& operator=(const TFormScale&) = delete;

  // Lays the recorded components out at `dpi`; the form's own size only
  // with `formBounds`, and its position too while it has no window.
  void Apply(int dpi, bool formBounds);
  // The component goes away or to another owner: no longer laid out.
  void Forget(const TComponent* component);

 private:
  struct TRecord;
  void Record(TComponent& component, const std::vector<TBinaryProperty>& binaries);
  void ApplyFonts(int dpi);
  void ApplyBounds(const TRecord& r, int dpi, bool formBounds);
  void ApplyValues(const TRecord& r, int dpi);
  void ApplyPictures(const TRecord& r, int dpi);

  TForm& form_;
  TResourceLoader resources_;
  std::vector<std::unique_ptr<TRecord>> records_;  // the form first, then in reading order
};

}  // namespace ui
