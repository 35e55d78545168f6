// A font description (name, height, colour, character set, style) and the GDI
// font made from it on demand.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/Colors.h"
#include "ui/GdiHandles.h"

namespace ui {

class TPropertyValue;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
 public:
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& name);
  // Height in pixels: negative = character height, positive = cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Size in points at PixelsPerInch.
  int Size() const;
  void SetSize(int points);
  // The points last given by SetSize, 0 once a height in pixels has been set
  // since: a form laid out at another DPI converts these again instead of
  // scaling a height that was made from them.
  int GivenPoints() const { return points_; }
  // The resolution Size converts with; 0 (the start) means the screen's. A
  // form sets its DPI on the fonts it lays out. Changes no height.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int dpi) { pixelsPerInch_ = dpi; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  unsigned Style() const { return style_; }
  void SetStyle(unsigned style);

  // Copies the description (not OnChange) with its points and resolution;
  // raises OnChange when what the font looks like differs.
  void Assign(const TFont& source);

  // The GDI font, made on first use and again after each change; owned by this object.
  HFONT Handle() const;

  // Handles the sub-property `name` ("Name", "Height", "Color", "Charset",
  // "Style", "Size") of a "Font.xxx" form property; false for another name.
  bool SetProperty(std::string_view name, const TPropertyValue& value);

  std::function<void()> OnChange;

 private:
  void Changed();

  std::wstring name_ = L"MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  unsigned style_ = 0;
  int points_ = 0;
  int pixelsPerInch_ = 0;
  mutable FontHandle handle_;
};

// A colour from a form description: an identifier (clBtnFace, clRed...) or an integer.
TColor ColorFromValue(const TPropertyValue& value);

}  // namespace ui
