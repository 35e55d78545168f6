// The screen: the program's forms and the cursor shown over all of them.
#pragma once

#include <vector>

#include "ui/Control.h"

namespace ui {

class TForm;

class TScreen {
 public:
  TScreen() = default;
  TScreen(const TScreen&) = delete;
  TScreen& operator=(const TScreen&) = delete;

  // Every existing form, in creation order.
  int FormCount() const { return int(forms_.size()); }
  TForm* Forms(int index) const { return forms_.at(std::size_t(index)); }
  const std::vector<TForm*>& FormList() const { return forms_; }
  // The form that was activated last (null when none is).
  TForm* ActiveForm() const { return activeForm_; }

  // crDefault lets each control show its own cursor; any other value shows
  // over all of the program's windows (crHourGlass while a task runs).
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  int Width() const;
  int Height() const;

  // Kept by the forms themselves.
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  void SetActiveForm(TForm* form) { activeForm_ = form; }

 private:
  std::vector<TForm*> forms_;
  TForm* activeForm_ = nullptr;
  TCursor cursor_ = crDefault;
};

// The screen object; exists while the application object does.
extern TScreen* Screen;

}  // namespace ui
