#include "skin/WinSubClass/SkinBox.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "ui/StdCtrls.h"

namespace skin {

TSkinBox::~TSkinBox() { RestoreCaption(); }

bool TSkinBox::Attach(ui::TWinControl* control, TSkinSet* skinData, bool changeColor, ui::TCanvas* canvas) {
  if (!TSkinControl::Attach(control, skinData, changeColor, canvas)) return false;
  ColourCaption();
  return true;
}

void TSkinBox::Detach() {
  RestoreCaption();
  TSkinControl::Detach();
}

bool TSkinBox::BeforeDefault(ui::TMessage& message) {
  if (message.Msg == WM_PAINT) ColourCaption();
  return true;
}

bool TSkinBox::IsGroupBox() const {
  if (Control) return dynamic_cast<const ui::TGroupBox*>(Control) != nullptr;
  if (!Handle) return false;
  wchar_t name[16] = {};
  GetClassNameW(Handle, name, 16);
  return lstrcmpiW(name, L"button") == 0 && (GetWindowLongPtrW(Handle, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

void TSkinBox::ColourCaption() {
  // A bare window's caption colour is its parent's to give.
  if (!Control || !SkinData || !Attached() || !IsGroupBox()) return;
  ui::TFont& font = Control->Font();
  if (font.Color() == SkinData->ButtonTextColour) return;
  if (!captionChanged_) {
    captionChanged_ = true;
    oldFontColor_ = font.Color();
    oldParentFont_ = Control->ParentFont();
  }
  font.SetColor(SkinData->ButtonTextColour);
}

void TSkinBox::RestoreCaption() {
  if (!captionChanged_) return;
  captionChanged_ = false;
  const bool ownerGoing = OwnerForm() && OwnerForm()->SkinState == ssDestroying;
  if (!Control || ownerGoing || Control->InState(ui::csDestroying)) return;
  Control->Font().SetColor(oldFontColor_);
  if (oldParentFont_) Control->SetParentFont(true);
}

}  // namespace skin
