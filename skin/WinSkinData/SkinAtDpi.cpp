#include "skin/WinSkinData/SkinAtDpi.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <limits>

#include "skin/WinSkinData/ImageScale.h"

namespace skin {

namespace {

// No skin image is drawn larger than this (pixels); a hostile image scaled
// past it keeps its base size instead.
constexpr std::int64_t kMaxScaledPixels = std::int64_t(1) << 26;

// How one image of the skin is cut: frames along each axis, and the fixed
// ends of a frame in 96-DPI units.
struct TImageGeometry {
  int Across = 1;
  int Down = 1;
  int Left = 0;
  int Right = 0;
  int Top = 0;
  int Bottom = 0;
};

// One image of a skin set with its larger pictures and its cut.
struct TImageSlot {
  ui::TBitmap* Bitmap;
  TLargerImages* Larger;
  TImageGeometry Geometry;
};

int Frames(int count) { return std::max(count, 1); }

TImageGeometry ObjectGeometry(const TDataSkinObject& o, bool stacked) {
  TImageGeometry g{1, 1, o.LeftWidth, o.RightWidth, o.TopHeight, o.BottomHeight};
  (stacked ? g.Down : g.Across) = Frames(o.FrameCount);
  return g;
}

TImageGeometry Strip(int frames) { return TImageGeometry{Frames(frames), 1}; }

// Every image of the set, in a fixed order (two sets of the same shape give
// matching lists). The top and bottom borders, the title strip and the menu
// bar have their frames stacked, all others side by side.
std::vector<TImageSlot> ImageSlots(const TSkinSet& s) {
  std::vector<TImageSlot> slots;
  const auto add = [&slots](TDataSkinObject* o, TImageGeometry g) {
    if (o) slots.push_back({&o->Bitmap, &o->BitmapLarger, g});
  };
  for (std::size_t i = 0; i < s.Borders.size(); ++i) add(s.Borders[i].get(), ObjectGeometry(*s.Borders[i], i >= bdTop));
  TImageGeometry title{1, Frames(s.Title->FrameCount), s.Title->TXTBackleft, s.Title->TXTBackRight, 0, 0};
  add(s.Title.get(), title);
  add(s.Buttons.get(), ObjectGeometry(*s.Buttons, false));
  slots.push_back({&s.Buttons->CheckBitmap, &s.Buttons->CheckLarger, Strip(s.Buttons->CheckFrames)});
  slots.push_back({&s.Buttons->RadioBitmap, &s.Buttons->RadioLarger, Strip(s.Buttons->RadioFrames)});
  for (const auto& b : s.SysButtons) add(b.get(), Strip(b->FrameCount));
  if (s.MenuBar) add(s.MenuBar.get(), ObjectGeometry(*s.MenuBar, true));
  for (TDataSkinObject* o :
       {s.Progress.get(), s.GroupBoxEdge.get(), s.Toolbars.get(), s.StatusBarEdges.get(), s.ComboButton.get(),
        s.SunkEdge.get(), s.ExtraImages.get(), s.Headerbar.get(), s.MenuItem.get(), s.MenuBackground.get(),
        s.Scrollbar.get(), s.HorzScroll.get(), s.VertScroll.get(), s.HorzScrollThumb.get(), s.VertScrollThumb.get()})
    if (o) add(o, ObjectGeometry(*o, false));
  for (TDataSkinBorder* o : {s.Tabs.get(), s.UpDownHorz.get(), s.UpDownVert.get()}) {
    if (!o) continue;
    add(o, ObjectGeometry(*o, false));
    // The tab panel is one picture; the up-down glyphs have the buttons' frames.
    const int frames = o == s.Tabs.get() ? 1 : o->FrameCount;
    slots.push_back({&o->Bitmap2, &o->Bitmap2Larger, Strip(frames)});
  }
  return slots;
}

bool AxisFits(int base, int larger, int frames, int dpi) {
  return larger == ScaleLength(base, dpi) || larger == std::int64_t(frames) * ScaleLength(base / frames, dpi);
}

// One axis of an image at `dpi`, from a source image `sourceLength` long
// (the base image or a larger picture).
TScaleAxis Axis(int baseLength, int sourceLength, int frames, int low, int high, int dpi) {
  const int frame = baseLength / frames;
  low = std::clamp(low, 0, frame);
  high = std::clamp(high, 0, frame - low);
  const int destFrame = ScaleLength(frame, dpi);
  const int destLow = std::min(ScaleLength(low, dpi), destFrame);
  const int destHigh = std::min(ScaleLength(high, dpi), destFrame - destLow);
  const double sourceFrame = double(sourceLength) / frames;
  const double ratio = frame > 0 ? sourceFrame / frame : 0;
  return FramePieces(sourceFrame, low * ratio, high * ratio, frames, destFrame, destLow, destHigh);
}

// The picture to scale for `dpi`: the nearest at or above it, else the largest.
const ui::TBitmap* PickSource(const ui::TBitmap& base, const TLargerImages& larger, int dpi, int& sourceDpi) {
  const ui::TBitmap* pick = nullptr;
  sourceDpi = 0;
  const auto consider = [&](const ui::TBitmap& b, int d) {
    const bool above = d >= dpi, pickAbove = sourceDpi >= dpi;
    if (!pick || (above && (!pickAbove || d < sourceDpi)) || (!above && !pickAbove && d > sourceDpi)) {
      pick = &b;
      sourceDpi = d;
    }
  };
  consider(base, kBaseDpi);
  for (const auto& l : larger) consider(l->Bitmap, l->Dpi);
  return pick;
}

void ScaleSlot(const TImageSlot& from, int dpi, ui::TBitmap& to) {
  const ui::TBitmap& base = *from.Bitmap;
  int sourceDpi = 0;
  const ui::TBitmap& source = *PickSource(base, *from.Larger, dpi, sourceDpi);
  const TImageGeometry& g = from.Geometry;
  const std::int64_t pixels = std::int64_t(ScaleLength(base.Width(), dpi)) * ScaleLength(base.Height(), dpi);
  if (sourceDpi == dpi || base.Empty() || pixels > kMaxScaledPixels) {
    to.Assign(sourceDpi == dpi ? source : base);
  } else {
    const TScaleAxis across = Axis(base.Width(), source.Width(), g.Across, g.Left, g.Right, dpi);
    const TScaleAxis down = Axis(base.Height(), source.Height(), g.Down, g.Top, g.Bottom, dpi);
    ScaleImagePieces(source, across, down, to);
  }
  to.Transparent = base.Transparent;
  to.TransparentColor = base.TransparentColor;
}

// The measures every object has; the images are filled in afterwards.
void CopyObject(const TDataSkinObject& from, int dpi, TDataSkinObject& to) {
  to.LeftWidth = ScaleLength(from.LeftWidth, dpi);
  to.TopHeight = ScaleLength(from.TopHeight, dpi);
  to.RightWidth = ScaleLength(from.RightWidth, dpi);
  to.BottomHeight = ScaleLength(from.BottomHeight, dpi);
  to.Trans = from.Trans;
  to.Tile = from.Tile;
  to.FrameCount = from.FrameCount;
  to.NormalColour = from.NormalColour;
  to.MouseOverColour = from.MouseOverColour;
  to.PressedColour = from.PressedColour;
  to.NormalColour2 = from.NormalColour2;
  to.MouseOverColour2 = from.MouseOverColour2;
  to.PressedColour2 = from.PressedColour2;
}

void CopyTitle(const TDataSkinTitle& from, int dpi, TDataSkinTitle& to) {
  CopyObject(from, dpi, to);
  to.TextAlignment = from.TextAlignment;
  to.Textbackground = from.Textbackground;
  to.FontHeight = ScaleLength(from.FontHeight, dpi);
  to.TXTBackleft = ScaleLength(from.TXTBackleft, dpi);
  to.TXTBackRight = ScaleLength(from.TXTBackRight, dpi);
  to.ActiveTextColour = from.ActiveTextColour;
  to.InactiveTextColour = from.InactiveTextColour;
}

void CopyButtons(const TDataSkinButton& from, int dpi, TDataSkinButton& to) {
  CopyObject(from, dpi, to);
  to.RadioFrames = from.RadioFrames;
  to.CheckFrames = from.CheckFrames;
}

std::shared_ptr<TDataSkinSysButton> CopySysButton(const TDataSkinSysButton& from, int dpi) {
  auto to = std::make_shared<TDataSkinSysButton>(from.Name);
  CopyObject(from, dpi, *to);
  to->Action = from.Action;
  to->Align = from.Align;
  to->Xcoord = ScaleLength(from.Xcoord, dpi);
  to->Ycoord = ScaleLength(from.Ycoord, dpi);
  to->CombineOp = from.CombineOp;
  to->Visibility = from.Visibility;
  to->Visibility1 = from.Visibility1;
  return to;
}

template <typename T>
std::unique_ptr<T> CopyOptional(const std::unique_ptr<T>& from, int dpi) {
  if (!from) return nullptr;
  auto to = std::make_unique<T>(from->Name);
  CopyObject(*from, dpi, *to);
  return to;
}

void CopyColours(const TSkinSet& from, TSkinSet& to) {
  for (auto member : kSkinColours) to.*member = from.*member;
}

// Names, measures (scaled to `dpi`) and flags of every object; no image yet.
void CopyShape(const TSkinSet& base, int dpi, TSkinSet& out) {
  out.SkinName = base.SkinName;
  out.AccentHue = base.AccentHue;
  out.Dpi = dpi;
  for (std::size_t i = 0; i < base.Borders.size(); ++i) CopyObject(*base.Borders[i], dpi, *out.Borders[i]);
  CopyTitle(*base.Title, dpi, *out.Title);
  CopyButtons(*base.Buttons, dpi, *out.Buttons);
  out.SysButtons.clear();
  for (const auto& b : base.SysButtons) out.SysButtons.push_back(CopySysButton(*b, dpi));
  out.MenuBar = CopyOptional(base.MenuBar, dpi);
  out.Progress = CopyOptional(base.Progress, dpi);
  out.Tabs = CopyOptional(base.Tabs, dpi);
  out.UpDownHorz = CopyOptional(base.UpDownHorz, dpi);
  out.UpDownVert = CopyOptional(base.UpDownVert, dpi);
  out.GroupBoxEdge = CopyOptional(base.GroupBoxEdge, dpi);
  out.Toolbars = CopyOptional(base.Toolbars, dpi);
  out.StatusBarEdges = CopyOptional(base.StatusBarEdges, dpi);
  out.ComboButton = CopyOptional(base.ComboButton, dpi);
  out.SunkEdge = CopyOptional(base.SunkEdge, dpi);
  out.ExtraImages = CopyOptional(base.ExtraImages, dpi);
  out.Headerbar = CopyOptional(base.Headerbar, dpi);
  out.MenuItem = CopyOptional(base.MenuItem, dpi);
  out.MenuBackground = CopyOptional(base.MenuBackground, dpi);
  out.Scrollbar = CopyOptional(base.Scrollbar, dpi);
  out.HorzScroll = CopyOptional(base.HorzScroll, dpi);
  out.VertScroll = CopyOptional(base.VertScroll, dpi);
  out.HorzScrollThumb = CopyOptional(base.HorzScrollThumb, dpi);
  out.VertScrollThumb = CopyOptional(base.VertScrollThumb, dpi);
}

// --- Colouring ---------------------------------------------------------------

// The one colour regions and transparent drawing leave out (the painters' key).
constexpr ui::TColor kKey = ui::clFuchsia;

std::vector<TDataSkinObject*> Objects(const TSkinSet& s) {
  std::vector<TDataSkinObject*> all;
  for (const auto& b : s.Borders) all.push_back(b.get());
  all.push_back(s.Title.get());
  all.push_back(s.Buttons.get());
  for (const auto& b : s.SysButtons) all.push_back(b.get());
  for (TDataSkinObject* o :
       {s.MenuBar.get(), s.Progress.get(), s.GroupBoxEdge.get(), s.Toolbars.get(), s.StatusBarEdges.get(),
        s.ComboButton.get(), s.SunkEdge.get(), s.ExtraImages.get(), s.Headerbar.get(), s.MenuItem.get(),
        s.MenuBackground.get(), s.Scrollbar.get(), s.HorzScroll.get(), s.VertScroll.get(),
        s.HorzScrollThumb.get(), s.VertScrollThumb.get(), static_cast<TDataSkinObject*>(s.Tabs.get()),
        static_cast<TDataSkinObject*>(s.UpDownHorz.get()), static_cast<TDataSkinObject*>(s.UpDownVert.get())})
    if (o) all.push_back(o);
  return all;
}

// The state colours are numbers, -1 when not set.
void ShiftNumber(std::int32_t& colour, const TColourShift& shift) {
  if (colour >= 0) colour = std::int32_t(ShiftColour(ui::TColor(colour), shift));
}

void ShiftObjectColours(TDataSkinObject& o, const TColourShift& shift) {
  for (std::int32_t* c : {&o.NormalColour, &o.MouseOverColour, &o.PressedColour}) ShiftNumber(*c, shift);
  for (ui::TColor* c : {&o.NormalColour2, &o.MouseOverColour2, &o.PressedColour2}) *c = ShiftColour(*c, shift);
}

void ShiftTitleColours(TDataSkinTitle& title, const TColourShift& shift) {
  title.ActiveTextColour = ShiftColour(title.ActiveTextColour, shift);
  title.InactiveTextColour = ShiftColour(title.InactiveTextColour, shift);
}

// Each text colour with the face it is read on.
struct TTextOnFace {
  ui::TColor TSkinSet::*Text;
  ui::TColor TSkinSet::*Face;
};
constexpr TTextOnFace kTextsOnFaces[] = {
    {&TSkinSet::WindowTextColour, &TSkinSet::ButtonFaceColour},
    {&TSkinSet::ButtonTextColour, &TSkinSet::ButtonFaceColour},
    {&TSkinSet::MenuTextColour, &TSkinSet::MenuColour},
    {&TSkinSet::MenuBarTextColour, &TSkinSet::MenubarColour},
    {&TSkinSet::HilightTextColour, &TSkinSet::HilightColour},
};

void ShiftColours(const TSkinSet& plain, const TColourShift& shift, TSkinSet& out) {
  for (auto member : kSkinColours) out.*member = ShiftColour(plain.*member, shift);
  // A brighter or darker face must not swallow its text.
  for (const TTextOnFace& pair : kTextsOnFaces) {
    if (((plain.*pair.Text | plain.*pair.Face) & 0xFF000000u) != 0) continue;  // system colours: the system's pair
    const double had = ContrastRatio(plain.*pair.Text, plain.*pair.Face);
    out.*pair.Text = KeepContrast(out.*pair.Text, out.*pair.Face, had);
  }
}

void ColourBitmap(const ui::TBitmap& from, const TColourShift& shift, ui::TBitmap& to) {
  to.Assign(from);
  const ui::TColor keys[] = {kKey};
  ShiftPixels(to, shift, keys);
}

void ColourSlot(const TImageSlot& from, const TColourShift& shift, const TImageSlot& to) {
  ColourBitmap(*from.Bitmap, shift, *to.Bitmap);
  to.Larger->clear();
  for (const auto& l : *from.Larger) {
    auto image = std::make_unique<TLargerImage>();
    image->Name = l->Name;
    image->Dpi = l->Dpi;
    ColourBitmap(l->Bitmap, shift, image->Bitmap);
    to.Larger->push_back(std::move(image));
  }
}

}  // namespace

std::int32_t ScaleLength(std::int64_t length, int dpi) {
  const std::int64_t twice = std::llabs(length) * dpi * 2 / kBaseDpi;  // in half pixels, truncated
  const std::int64_t scaled = (twice + 1) / 2;                          // half up
  const std::int64_t limit = std::numeric_limits<std::int32_t>::max();
  return std::int32_t(std::min(scaled, limit) * (length < 0 ? -1 : 1));
}

TEngineMeasures EngineMeasuresAt(int dpi) {
  TEngineMeasures m;
  for (int* length : {&m.MarkCell, &m.GlyphBox, &m.GlyphInset, &m.GlyphTextGap, &m.ShortcutGap, &m.ArrowRoom,
                      &m.SeparatorLine, &m.ItemExtraWidth, &m.BarItemExtraWidth, &m.ItemExtraHeight,
                      &m.SeparatorHeight})
    *length = ScaleLength(*length, dpi);
  return m;
}

bool LargerImageFits(const ui::TBitmap& base, const ui::TBitmap& larger, int dpi, int framesAcross,
                     int framesDown) {
  return AxisFits(base.Width(), larger.Width(), Frames(framesAcross), dpi) &&
         AxisFits(base.Height(), larger.Height(), Frames(framesDown), dpi);
}

std::vector<TMisfitImage> DropMisfitLargerImages(TSkinSet& set) {
  std::vector<TMisfitImage> dropped;
  for (const TImageSlot& slot : ImageSlots(set)) {
    const TImageGeometry& g = slot.Geometry;
    std::erase_if(*slot.Larger, [&](const std::unique_ptr<TLargerImage>& l) {
      if (LargerImageFits(*slot.Bitmap, l->Bitmap, l->Dpi, g.Across, g.Down)) return false;
      const auto expected = [&l](int length, int frames) {
        return std::int64_t(Frames(frames)) * ScaleLength(length / Frames(frames), l->Dpi);
      };
      dropped.push_back({l->Name, l->Bitmap.Width(), l->Bitmap.Height(), expected(slot.Bitmap->Width(), g.Across),
                         expected(slot.Bitmap->Height(), g.Down)});
      return true;
    });
  }
  return dropped;
}

void BuildSkinAtDpi(const TSkinSet& base, int dpi, TSkinSet& out) {
  CopyShape(base, dpi, out);
  out.Measures = EngineMeasuresAt(dpi);
  CopyColours(base, out);
  const std::vector<TImageSlot> from = ImageSlots(base);
  const std::vector<TImageSlot> to = ImageSlots(out);
  for (std::size_t i = 0; i < from.size() && i < to.size(); ++i) ScaleSlot(from[i], dpi, *to[i].Bitmap);
  out.Empty = base.Empty;
}

void BuildColouredSkin(const TSkinSet& plain, const TColourShift& shift, TSkinSet& out) {
  CopyShape(plain, kBaseDpi, out);
  out.Dpi = plain.Dpi;
  out.Measures = plain.Measures;
  out.MisfitImages = plain.MisfitImages;
  CopyColours(plain, out);
  ShiftColours(plain, shift, out);
  for (TDataSkinObject* o : Objects(out)) ShiftObjectColours(*o, shift);
  ShiftTitleColours(*out.Title, shift);
  const std::vector<TImageSlot> from = ImageSlots(plain);
  const std::vector<TImageSlot> to = ImageSlots(out);
  for (std::size_t i = 0; i < from.size() && i < to.size(); ++i) ColourSlot(from[i], shift, to[i]);
  out.Empty = plain.Empty;
}

}  // namespace skin
