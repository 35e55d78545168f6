#include "ui/Font.h"

#include <utility>

#include "ui/FormParser.h"

namespace ui {

namespace {

int ScreenPixelsPerInch() {
  WindowDC screen(nullptr);
  return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

const std::pair<std::string_view, TColor> kColorNames[] = {
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clRed", clRed},
    {"clFuchsia", clFuchsia},
    {"clNone", clNone},
    {"clMaroon", RGBColor(128, 0, 0)},
    {"clGreen", RGBColor(0, 128, 0)},
    {"clNavy", RGBColor(0, 0, 128)},
    {"clGray", RGBColor(128, 128, 128)},
    {"clSilver", RGBColor(192, 192, 192)},
    {"clLime", RGBColor(0, 255, 0)},
    {"clBlue", RGBColor(0, 0, 255)},
    {"clYellow", RGBColor(255, 255, 0)},
    {"clAqua", RGBColor(0, 255, 255)},
};

const std::pair<std::string_view, int> kCharsetNames[] = {
    {"ANSI_CHARSET", ANSI_CHARSET},         {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},     {"GB2312_CHARSET", GB2312_CHARSET},
    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET}, {"OEM_CHARSET", OEM_CHARSET},
};

}  // namespace

TColor ColorFromValue(const TPropertyValue& value) {
  if (value.kind == TPropertyValue::Kind::Integer) return TColor(value.AsInt64());
  const std::string& name = value.AsIdent();
  for (const auto& [n, c] : kColorNames)
    if (n == name) return c;
  throw EPropertyError("unknown colour " + name);
}

void TFont::SetName(const std::wstring& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  points_ = 0;
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_ > 0 ? pixelsPerInch_ : ScreenPixelsPerInch()); }

void TFont::SetSize(int points) {
  const int height = -MulDiv(points, pixelsPerInch_ > 0 ? pixelsPerInch_ : ScreenPixelsPerInch(), 72);
  points_ = points;  // before OnChange: fonts that follow this one copy it
  if (height == height_) return;
  height_ = height;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetStyle(unsigned style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  points_ = source.points_;
  pixelsPerInch_ = source.pixelsPerInch_;
  if (name_ == source.name_ && height_ == source.height_ && color_ == source.color_ &&
      charset_ == source.charset_ && style_ == source.style_)
    return;
  name_ = source.name_;
  height_ = source.height_;
  color_ = source.color_;
  charset_ = source.charset_;
  style_ = source.style_;
  Changed();
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = BYTE((style_ & fsItalic) != 0);
    lf.lfUnderline = BYTE((style_ & fsUnderline) != 0);
    lf.lfStrikeOut = BYTE((style_ & fsStrikeOut) != 0);
    lf.lfCharSet = BYTE(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

bool TFont::SetProperty(std::string_view name, const TPropertyValue& value) {
  if (name == "Name") {
    SetName(value.AsWide());
  } else if (name == "Height") {
    SetHeight(value.AsInt());
  } else if (name == "Size") {
    SetSize(value.AsInt());
  } else if (name == "Color") {
    SetColor(ColorFromValue(value));
  } else if (name == "Charset") {
    if (value.kind == TPropertyValue::Kind::Integer) {
      SetCharset(value.AsInt());
    } else {
      const std::string& ident = value.AsIdent();
      bool found = false;
      for (const auto& [n, c] : kCharsetNames)
        if (n == ident) SetCharset(c), found = true;
      if (!found) throw EPropertyError("unknown character set " + ident);
    }
  } else if (name == "Style") {
    SetStyle(value.AsFlags<unsigned>({{"fsBold", fsBold}, {"fsItalic", fsItalic},
                                      {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}}));
  } else {
    return false;
  }
  return true;
}

}  // namespace ui
