// The gallery's page of text entry: single-line and multi-line edits, a
// borderless, a read-only and a spin edit; drop-down, drop-down-list and
// simple combo boxes; vertical and horizontal up-downs stepping an edit;
// date-time pickers with a calendar button and with an up-down; each also
// disabled.
#pragma once

#include "ui/Form.h"

namespace gallery {

class TEditsPage : public ui::TForm {
 public:
  explicit TEditsPage(ui::TComponent* owner);
  ~TEditsPage() override;
  std::string ClassName() const override { return "TEditsPage"; }
};

}  // namespace gallery
