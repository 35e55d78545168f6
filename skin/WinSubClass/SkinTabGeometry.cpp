#include "skin/WinSubClass/SkinTabGeometry.h"

#include <windows.h>

#include <commctrl.h>

namespace skin {

namespace {

// The page border for tabs on top: the thicker edge is the tabs' side.
constexpr RECT kTopBorderMargins{4, 5, 4, 4};

}  // namespace

TTabOrientation TabOrientation(DWORD style) {
  const bool bottom = (style & TCS_BOTTOM) != 0, vertical = (style & TCS_VERTICAL) != 0;
  if (bottom && vertical) return toRight;
  if (bottom) return toBottom;
  if (vertical) return toLeft;
  return toTop;
}

RECT TabPageRect(const RECT& display, TTabOrientation orientation) {
  RECT p = display;
  InflateRect(&p, 4, 4);
  switch (orientation) {
    case toTop: ++p.top; break;
    case toBottom: --p.bottom; break;
    case toLeft: ++p.left; break;
    case toRight: --p.right; break;
  }
  return p;
}

RECT TabStripRect(const RECT& rect, const RECT& page, TTabOrientation orientation) {
  switch (orientation) {
    case toBottom: return RECT{rect.left, page.bottom, rect.right, rect.bottom};
    case toLeft: return RECT{rect.left, rect.top, page.left, rect.bottom};
    case toRight: return RECT{page.right, rect.top, rect.right, rect.bottom};
    default: return RECT{rect.left, rect.top, rect.right, page.top};
  }
}

SIZE TabStripSize(const RECT& strip, TTabOrientation orientation) {
  const LONG w = strip.right - strip.left, h = strip.bottom - strip.top;
  if (orientation == toLeft || orientation == toRight) return SIZE{h, w};
  return SIZE{w, h};
}

RECT MapTabToStrip(const RECT& t, const RECT& rect, const RECT& page, SIZE size, TTabOrientation orientation) {
  switch (orientation) {
    case toBottom: {
      RECT r = t;
      OffsetRect(&r, 0, -(page.bottom + 1));
      return r;
    }
    case toLeft: return RECT{size.cx - t.bottom, t.left, size.cx - t.top, t.right};
    case toRight: return RECT{t.top - 1, rect.right - t.right, t.bottom - 1, rect.right - t.left};
    default: {
      RECT r = t;
      OffsetRect(&r, 0, 1);
      return r;
    }
  }
}

RECT TabBorderMargins(TTabOrientation orientation) {
  const RECT m = kTopBorderMargins;
  switch (orientation) {
    case toBottom: return RECT{m.left, m.bottom, m.right, m.top};  // mirrored top to bottom
    case toLeft: return RECT{m.top, m.right, m.bottom, m.left};    // turned anticlockwise
    case toRight: return RECT{m.bottom, m.left, m.top, m.right};   // turned clockwise
    default: return m;
  }
}

}  // namespace skin
