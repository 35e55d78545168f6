#include "ui/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>

#include "ui/FormParser.h"
#include "ui/FormReader.h"

namespace ui {

namespace {

// Registers the system classes of `iccClass` once per set.
void InitCommonControlClasses(DWORD iccClass) {
  static DWORD done = 0;
  if ((done & iccClass) == iccClass) return;
  INITCOMMONCONTROLSEX init{sizeof(init), iccClass};
  if (InitCommonControlsEx(&init)) done |= iccClass;
}

int ClampTo(int value, int min, int max) { return min <= max ? std::clamp(value, min, max) : min; }

TAlignment AlignmentFromValue(const TPropertyValue& value) {
  return value.AsEnum<TAlignment>(
      {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
}

// The status bar takes a panel's alignment from tabs before its text.
std::wstring AlignedText(const TStatusPanel& panel) {
  switch (panel.Alignment) {
    case taCenter: return L"\t" + panel.Text;
    case taRightJustify: return L"\t\t" + panel.Text;
    default: return panel.Text;
  }
}

WPARAM BevelFlags(TStatusPanelBevel bevel) {
  switch (bevel) {
    case pbNone: return SBT_NOBORDERS;
    case pbRaised: return SBT_POPOUT;
    default: return 0;
  }
}

}  // namespace

// ----------------------------------------------------------- TCommonControl

TCommonControl::TCommonControl(TComponent* owner, const wchar_t* systemClass, DWORD iccClass)
    : TWinControl(owner), systemClass_(systemClass) {
  InitCommonControlClasses(iccClass);
}

void TCommonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = systemClass_;
  params.Style |= ControlStyle();
}

void TCommonControl::CreateWnd() {
  TWinControl::CreateWnd();
  WindowCreated();
}

void TCommonControl::UpdateControlStyle(DWORD mask) {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  const DWORD style = (DWORD(GetWindowLongPtrW(wnd, GWL_STYLE)) & ~mask) | (ControlStyle() & mask);
  SetWindowLongPtrW(wnd, GWL_STYLE, LONG_PTR(style));
  InvalidateRect(wnd, nullptr, TRUE);
}

// ------------------------------------------------------------ TRangeControl

TRangeControl::TRangeControl(TComponent* owner, const wchar_t* systemClass, DWORD iccClass, int max)
    : TCommonControl(owner, systemClass, iccClass), max_(max) {}

void TRangeControl::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (!InState(csLoading)) position_ = ClampTo(position_, min_, max_);
  if (HandleAllocated()) WindowCreated();
}

int TRangeControl::InRange(int value) const { return InState(csLoading) ? value : ClampTo(value, min_, max_); }

bool TRangeControl::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Min") SetMin(value.AsInt());
  else if (name == "Max") SetMax(value.AsInt());
  else if (name == "Position") SetPosition(value.AsInt());
  else return TCommonControl::SetProperty(name, value, reader);
  return true;
}

// ------------------------------------------------------------- TProgressBar

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner, PROGRESS_CLASSW, ICC_PROGRESS_CLASS, 100) {
  StoreBounds(0, 0, 150, 16);
}

DWORD TProgressBar::ControlStyle() const { return orientation_ == pbVertical ? PBS_VERTICAL : 0; }

void TProgressBar::WindowCreated() {
  SendMessageW(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
  SendMessageW(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetPosition(int value) {
  position_ = InRange(value);
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::Loaded() {
  TRangeControl::Loaded();
  SetPosition(position_);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  UpdateControlStyle(PBS_VERTICAL);
}

bool TProgressBar::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Orientation")
    SetOrientation(value.AsEnum<TProgressBarOrientation>({{"pbHorizontal", pbHorizontal}, {"pbVertical", pbVertical}}));
  else return TRangeControl::SetProperty(name, value, reader);
  return true;
}

// ---------------------------------------------------------------- TTrackBar

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner, TRACKBAR_CLASSW, ICC_BAR_CLASSES, 10) {
  TabStop = true;
  StoreBounds(0, 0, 150, 45);
}

DWORD TTrackBar::ControlStyle() const {
  DWORD style = orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
  if (tickStyle_ == tsAuto) style |= TBS_AUTOTICKS;
  if (tickStyle_ == tsNone) style |= TBS_NOTICKS;
  if (TabStop) style |= WS_TABSTOP;
  return style;
}

void TTrackBar::WindowCreated() {
  const HWND wnd = Handle();
  SendMessageW(wnd, TBM_SETRANGEMIN, FALSE, LPARAM(min_));
  SendMessageW(wnd, TBM_SETRANGEMAX, FALSE, LPARAM(max_));
  SendMessageW(wnd, TBM_SETTICFREQ, WPARAM(frequency_), 0);
  SendMessageW(wnd, TBM_SETPOS, TRUE, LPARAM(position_));
}

void TTrackBar::SetPosition(int value) {
  value = InRange(value);
  if (value == position_) return;
  position_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, LPARAM(position_));
  Changed();
}

void TTrackBar::Loaded() {
  TRangeControl::Loaded();
  position_ = ClampTo(position_, min_, max_);
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, LPARAM(position_));
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  UpdateControlStyle(TBS_VERT | TBS_HORZ);
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  if (value == tickStyle_) return;
  tickStyle_ = value;
  UpdateControlStyle(TBS_AUTOTICKS | TBS_NOTICKS);
  if (HandleAllocated()) WindowCreated();  // the automatic ticks come back with the frequency
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = std::max(value, 1);
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, WPARAM(frequency_), 0);
}

void TTrackBar::Changed() {
  if (OnChange && !InState(csLoading)) OnChange(this);
}

void TTrackBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    const int now = int(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
    if (now != position_) {
      position_ = now;
      Changed();
    }
    m.Result = 0;
    return;
  }
  TCommonControl::WndProc(m);
}

bool TTrackBar::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Frequency") SetFrequency(value.AsInt());
  else if (name == "Orientation")
    SetOrientation(value.AsEnum<TTrackBarOrientation>({{"trHorizontal", trHorizontal}, {"trVertical", trVertical}}));
  else if (name == "TickStyle")
    SetTickStyle(value.AsEnum<TTickStyle>({{"tsNone", tsNone}, {"tsAuto", tsAuto}, {"tsManual", tsManual}}));
  else if (name == "OnChange") OnChange = reader.FindEvent<TNotifyEvent>(value);
  else return TRangeControl::SetProperty(name, value, reader);
  return true;
}

// --------------------------------------------------------------- TStatusBar

TStatusBar::TStatusBar(TComponent* owner) : TCommonControl(owner, STATUSCLASSNAMEW, ICC_BAR_CLASSES) {
  StoreBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

// The framework places the bar; the system must not move or size it.
DWORD TStatusBar::ControlStyle() const {
  return CCS_NOPARENTALIGN | CCS_NORESIZE | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::WindowCreated() {
  ShowPanels();
  ShowSimple();
}

void TStatusBar::ShowPanels() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  std::vector<int> edges;
  int right = 0;
  for (const TStatusPanel& panel : panels_) edges.push_back(right += std::max(panel.Width, 0));
  if (edges.empty()) edges.push_back(-1);
  edges.back() = -1;  // the last panel reaches to the end
  SendMessageW(wnd, SB_SETPARTS, WPARAM(edges.size()), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    const std::wstring text = AlignedText(panels_[i]);
    SendMessageW(wnd, SB_SETTEXTW, WPARAM(i) | BevelFlags(panels_[i].Bevel), reinterpret_cast<LPARAM>(text.c_str()));
  }
  InvalidateRect(wnd, nullptr, TRUE);
}

void TStatusBar::ShowSimple() {
  if (!HandleAllocated()) return;
  const HWND wnd = Handle();
  SendMessageW(wnd, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
  SendMessageW(wnd, SB_SIMPLE, simplePanel_ ? TRUE : FALSE, 0);
  InvalidateRect(wnd, nullptr, TRUE);
}

void TStatusBar::SetPanels(const std::vector<TStatusPanel>& panels) {
  panels_ = panels;
  if (panels_.size() > std::size_t(kMaxPanels)) panels_.resize(std::size_t(kMaxPanels));
  ShowPanels();
}

void TStatusBar::SetPanel(int index, const TStatusPanel& panel) {
  panels_.at(std::size_t(index)) = panel;
  ShowPanels();
}

void TStatusBar::SetSimplePanel(bool value) {
  simplePanel_ = value;
  ShowSimple();
}

void TStatusBar::SetSimpleText(const std::wstring& text) {
  simpleText_ = text;
  ShowSimple();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  UpdateControlStyle(SBARS_SIZEGRIP);
}

bool TStatusBar::SetPanelProperty(std::string_view name, const TPropertyValue& value) {
  constexpr std::string_view prefix = "Panels.Item";
  if (!name.starts_with(prefix)) return false;
  name.remove_prefix(prefix.size());
  int index = -1;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), index);
  if (error != std::errc() || index < 0 || index >= kMaxPanels) throw EPropertyError("bad panel index");
  name.remove_prefix(std::size_t(end - name.data()));
  if (panels_.size() <= std::size_t(index)) panels_.resize(std::size_t(index) + 1);
  TStatusPanel& panel = panels_[std::size_t(index)];
  if (name == ".Text") panel.Text = value.AsWide();
  else if (name == ".Width") panel.Width = value.AsInt();
  else if (name == ".Alignment") panel.Alignment = AlignmentFromValue(value);
  else if (name == ".Bevel")
    panel.Bevel = value.AsEnum<TStatusPanelBevel>({{"pbNone", pbNone}, {"pbLowered", pbLowered}, {"pbRaised", pbRaised}});
  else throw EPropertyError("unknown panel property");
  ShowPanels();
  return true;
}

bool TStatusBar::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "SimplePanel") SetSimplePanel(value.AsBool());
  else if (name == "SimpleText") SetSimpleText(value.AsWide());
  else if (name == "SizeGrip") SetSizeGrip(value.AsBool());
  else if (SetPanelProperty(name, value)) return true;
  else return TCommonControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
