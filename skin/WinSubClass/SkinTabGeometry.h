// Where a skinned tab control's parts go. The tab strip is always composed
// as a horizontal strip (tabs along its length, the page below) and turned
// into place afterwards: mirrored for tabs at the bottom, rotated for tabs at
// the left or right. These functions map between the control and that strip.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

// Tab orientations: the side the tabs are on.
enum TTabOrientation : std::uint8_t { toTop = 0, toBottom = 1, toLeft = 2, toRight = 3 };

// From the tab control's style: TCS_BOTTOM with TCS_VERTICAL is right,
// TCS_BOTTOM alone bottom, TCS_VERTICAL alone left, neither top.
TTabOrientation TabOrientation(DWORD style);

// The page frame: the display area grown by 4 on every side, then one pixel
// towards the tabs.
RECT TabPageRect(const RECT& display, TTabOrientation orientation);

// The band between the control's edge on the tabs' side and the page frame.
RECT TabStripRect(const RECT& rect, const RECT& page, TTabOrientation orientation);

// The strip's size as composed: length along the tabs by depth.
SIZE TabStripSize(const RECT& strip, TTabOrientation orientation);

// A tab's item rectangle (control coordinates) in the composed strip. `size`
// is the composed strip's size.
RECT MapTabToStrip(const RECT& item, const RECT& rect, const RECT& page, SIZE size, TTabOrientation orientation);

// The page border's margins (left, top, right, bottom) for an orientation:
// the skin gives them for tabs on top; the border image is mirrored or turned
// with the tabs, and its margins go with it.
RECT TabBorderMargins(TTabOrientation orientation);

}  // namespace skin
