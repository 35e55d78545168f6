// The gallery's page of buttons: push buttons (normal, disabled, default,
// focused), bitmap buttons in the four glyph layouts and with the free space
// split evenly, speed buttons in groups (one down, one that may be all up) and
// flat on a tool bar, check boxes (grayed, disabled, mark on the right), radio
// buttons, a radio group, a group box and a panel, and a message box with OK
// and Cancel.
#pragma once

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/StdCtrls.h"

namespace gallery {

class TButtonsPage : public ui::TForm {
 public:
  explicit TButtonsPage(ui::TComponent* owner);
  ~TButtonsPage() override;
  std::string ClassName() const override { return "TButtonsPage"; }

  ui::TButton* FocusedButton = nullptr;
  ui::TButton* MessageButton = nullptr;

  void MessageButtonClick(ui::TObject* Sender);

  // The message box's texts.
  static std::wstring MessageText();
  static std::wstring MessageCaption();
};

}  // namespace gallery
