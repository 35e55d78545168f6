#include "gallery/ButtonsPage.h"

#include <cstdlib>
#include <string>

#include "gallery/GalleryNote.h"
#include "ui/Dialogs.h"
#include "ui/TextConv.h"

namespace gallery {

namespace {

constexpr ui::TColor kKey = ui::clFuchsia;  // the glyphs' transparent colour (bottom-left pixel)

using TShape = bool (*)(int x, int y);

// A 16 x 16 glyph strip of three images (normal, disabled, pressed) of one
// shape on the key colour.
void PaintGlyph(ui::TGlyphSettings& glyph, TShape shape) {
  const ui::TColor colours[] = {ui::RGBColor(179, 38, 46), ui::RGBColor(160, 154, 146), ui::RGBColor(32, 32, 34)};
  glyph.Glyph.SetSize(16 * 3, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16 * 3; ++x) glyph.Glyph.SetPixel(x, y, shape(x % 16, y) ? colours[x / 16] : kKey);
  glyph.NumGlyphs = 3;
}

bool Diamond(int x, int y) { return std::abs(x - 8) + std::abs(y - 8) < 7; }
// Text lines aligned left, centred and right: the tool bar's three choices.
bool Lines(int x, int y, int left, int right) { return y % 4 == 1 && y > 1 && y < 15 && x >= left && x < right; }
bool AlignLeft(int x, int y) { return Lines(x, y, 2, y % 8 == 5 ? 10 : 14); }
bool AlignCentre(int x, int y) { return Lines(x, y, y % 8 == 5 ? 5 : 2, y % 8 == 5 ? 11 : 14); }
bool AlignRight(int x, int y) { return Lines(x, y, y % 8 == 5 ? 6 : 2, 14); }
bool Cross(int x, int y) { return x > 1 && x < 14 && (x == y || x == 15 - y || x + 1 == y || x == 14 - y); }

void PaintGlyphs(ui::TForm& page) {
  for (int i = 0; i < page.ComponentCount(); ++i) {
    ui::TComponent* component = page.Components(i);
    if (auto* button = dynamic_cast<ui::TBitBtn*>(component)) PaintGlyph(button->Glyph(), Diamond);
    auto* tool = dynamic_cast<ui::TSpeedButton*>(component);
    if (!tool || !tool->Caption().empty()) continue;
    const std::string name = tool->Name();
    PaintGlyph(tool->Glyph(), name == "ToolLeft"     ? AlignLeft
                              : name == "ToolCentre" ? AlignCentre
                              : name == "ToolRight"  ? AlignRight
                                                     : Cross);
  }
}

}  // namespace

TButtonsPage::TButtonsPage(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("FocusedButton", FocusedButton);
  BindField("MessageButton", MessageButton);
  BindEvent("MessageButtonClick", this, &TButtonsPage::MessageButtonClick);
  InitializeForm();
  PaintGlyphs(*this);
  OnShow = [this](ui::TObject*) { FocusedButton->SetFocus(); };
}

TButtonsPage::~TButtonsPage() { DestroyComponents(); }

std::wstring TButtonsPage::MessageText() {
  return ui::Utf8ToWide("继续吗？消息框的按钮也由皮肤绘制。\nGo on? The message box's buttons are skinned too.");
}

std::wstring TButtonsPage::MessageCaption() { return ui::Utf8ToWide("确定或取消 · OK or Cancel"); }

void TButtonsPage::MessageButtonClick(ui::TObject*) {
  ui::ShowMessageBox(Handle(), MessageText(), MessageCaption(), MB_OKCANCEL | MB_ICONQUESTION);
}

}  // namespace gallery
