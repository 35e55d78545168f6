// Text-entry controls: single-line edit and memo. Each is a thin wrapper of
// a window of the system's EDIT class (superclassed, so its window class
// carries the framework class name: "TEdit", "TMemo"). The text lives in the
// window while it exists; Text reads it from there.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Form.h"  // bsNone, bsSingle

namespace ui {

// Base of the edit controls: border, read-only flag and text.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  std::string ClassName() const override { return "TCustomEdit"; }

  // bsSingle: a sunken border; bsNone: none. Other values are refused.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // The text, as the window holds it (it changes as the user types).
  std::wstring Text() const;
  void SetText(const std::wstring& text) { SetCaption(text); }

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  // The ES_* style bits of this kind of edit.
  virtual DWORD EditStyle() const { return ES_AUTOHSCROLL; }
  // Makes the window again with the current settings (style bits that the
  // edit takes only at creation), keeping the text.
  void RecreateWnd();

  void CreateParams(TCreateParams& params) override;
  void DestroyWnd() override;

 private:
  TFormBorderStyle borderStyle_ = bsSingle;
  bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner);
  std::string ClassName() const override { return "TEdit"; }
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit. Lines are the text's lines; WordWrap breaks long lines
// at the right edge (and then there is no horizontal scrolling).
class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* owner);
  std::string ClassName() const override { return "TMemo"; }

  std::vector<std::wstring> Lines() const;
  void SetLines(const std::vector<std::wstring>& lines);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  // "Lines" is one string, a line per line; "Text" the whole text.
  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  DWORD EditStyle() const override;
  void CreateParams(TCreateParams& params) override;

 private:
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
};

// The lines of `text` (CR LF, LF or CR ends a line; no empty last line for a
// final line break), and lines joined with CR LF.
std::vector<std::wstring> SplitTextLines(const std::wstring& text);
std::wstring JoinTextLines(const std::vector<std::wstring>& lines);

}  // namespace ui
