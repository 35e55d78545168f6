// TWinSkinForm: construction, attachment, detachment and the frame metrics.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/AccessibleBase.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/draw/WindowText.h"
#include "skin/manager/SkinManage.h"
#include "ui/Form.h"
#include "ui/KeyboardCues.h"

namespace skin {

namespace {

constexpr DWORD kButtonStyleMask = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;  // 0xB0000

int RectWidth(const RECT& r) { return r.right - r.left; }
int RectHeight(const RECT& r) { return r.bottom - r.top; }

bool ManagerMdiMaximized() {
  const TSkinManage* manager = SkinManage();
  return manager && manager->MdiMaximized;
}

}  // namespace

TWinSkinForm::TWinSkinForm(ui::TComponent* owner)
    : ui::TComponent(owner),
      Canvas(std::make_unique<ui::TCanvas>()),
      ControlCanvas(std::make_unique<ui::TCanvas>()) {}

TWinSkinForm::~TWinSkinForm() {
  DisconnectAccessible();
  FreeSysButtons();
  Timer.reset();
  FreeMenuBar();
  FreeControls();
  // Never leave the form calling into a freed object, whatever path led here.
  RestoreFormWindowProc();
  RestoreMdiClient();
  WndProcStub.Detach();
}

void TWinSkinForm::Release() {
  if (procedureDepth_ > 0) releasePending_ = true;
  else delete this;
}

void TWinSkinForm::Notification(ui::TComponent* component, ui::TOperation operation) {
  ui::TComponent::Notification(component, operation);
  if (operation != ui::opRemove) return;
  if (component == SkinData) SkinData = nullptr;
  if (component == Form) {
    Form = nullptr;
    OldWindowProc = nullptr;  // it belonged to the form that is going
  }
}

// --- Attach ------------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* skinData, ui::TForm* form) {
  if (!skinData || !form) return;
  Form = form;
  Form->FreeNotification(this);
  if (!Handle) Handle = Form->Handle();
  // (The library's forms do not scroll, so there is no AutoScroll to switch off.)
  if (skinData->SkinControls.Contains(xcMainMenu)) TakeOverFormWindowProc();
  AttachHandle(skinData);
  OrigColor = Form->Color();
  OrigFontColor = Form->Font().Color();
  Form->SetColor(skinData->ButtonFaceColour);
  Form->Font().SetColor(skinData->WindowTextColour);  // its text stays readable on a dark face
  SetPopupOwnerDraw(true);
}

TSkinSet* TWinSkinForm::Skin() const { return SkinData ? &SkinData->AtDpi(Dpi) : nullptr; }

void TWinSkinForm::AttachHandle(TSkinData* skinData) {
  if (!skinData || !IsWindow(Handle)) return;
  Dpi = WindowDpi(Handle);
  if (GetAncestor(Handle, GA_ROOT) == Handle) ui::StartCueState(Handle);
  if (!skinData->SkinControls.Contains(xcMainMenu)) {
    SkinData = skinData;
    SkinData->FreeNotification(this);
    AttachControlsOnly();
    return;
  }
  if (WndProcStub.Attached()) return;
  SkinData = skinData;
  SkinData->FreeNotification(this);
  AttachFrame();
}

void TWinSkinForm::AttachControlsOnly() {
  controlsOnly_ = true;
  Timer = std::make_unique<TSkinTimer>(250, [this] { TimerTick(); });
  DetectMdiClient();
  if (FormKind == fkMdiFrame) SubclassMdiClient();
  ComputeFrameMetrics();
  DiscoverControls();
  // No mouse message of the window is seen here (it is not subclassed): a
  // control that turns hot starts the tick (SetHotControl).
}

void TWinSkinForm::AttachFrame() {
  controlsOnly_ = false;
  Timer = std::make_unique<TSkinTimer>(250, [this] { TimerTick(); });
  CreateCaptionFont();
  Style = DWORD(GetWindowLongPtrW(Handle, GWL_STYLE));
  const DWORD exStyle = DWORD(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
  SysMenu = GetSystemMenu(Handle, FALSE);
  BuildIconBitmap();
  GetWindowRect(Handle, &WindowRect);
  GetClientRect(Handle, &ClientRect);
  OrigFrameSize = RECT{0, 0, RectWidth(WindowRect) - RectWidth(ClientRect),
                       RectHeight(WindowRect) - RectHeight(ClientRect)};
  ReadButtonStyles();
  UpdateWindowState();
  DetectMdiClient();
  if (exStyle & WS_EX_MDICHILD) FormKind = fkMdiChild;
  DetectBorderKind(exStyle);
  OrigMenu = GetMenu(Handle);
  if (OrigMenu && FormKind != fkMdiChild) CreateMenuBar();
  if (!WndProcStub.Attach(Handle, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
        return Dispatch(&TWinSkinForm::WindowProcedure, msg, wParam, lParam);
      })) {
    FreeMenuBar();  // a window we cannot subclass stays as it was
    RestoreFormWindowProc();
    return;
  }
  if (!(FormKind == fkMdiChild && ManagerMdiMaximized())) SetButtonStyles(false);
  if (FormKind == fkMdiFrame) SubclassMdiClient();
  ComputeFrameMetrics();
  DiscoverControls();
  InvalidateRect(Handle, nullptr, TRUE);
  // The frame is re-sized on WM_SKINSTART, once the activation is over.
}

void TWinSkinForm::StartHoverTick() {
  if (Timer) Timer->SetEnabled(true);
}

// An idle window costs no ticks: once the pointer is elsewhere and nothing
// is hot, the tick has nothing left to notice until the mouse comes back.
void TWinSkinForm::TimerTick() {
  HoverCheck();
  ControlsHoverCheck();
  if (!HotObject && !HotControl && !PointerOverWindow() && Timer) Timer->SetEnabled(false);
}

bool TWinSkinForm::PointerOverWindow() const {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return false;
  const HWND under = WindowFromPoint(cursor);
  return under && (under == Handle || IsChild(Handle, under));
}

void TWinSkinForm::CreateCaptionFont() {
  NONCLIENTMETRICSW metrics;
  if (NonClientMetricsForDpi(metrics, Dpi)) CaptionFont.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
}

void TWinSkinForm::ReadButtonStyles() {
  origButtonStyles_ = Style & kButtonStyleMask;
  ButtonStyles = 0;
  if ((Style & WS_SYSMENU) || SysMenu) ButtonStyles |= bsSystemMenu;
  if (Style & WS_MINIMIZEBOX) ButtonStyles |= bsMinimizeBox;
  if (Style & WS_MAXIMIZEBOX) ButtonStyles |= bsMaximizeBox;
}

void TWinSkinForm::DetectMdiClient() {
  FormKind = fkNormal;
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetClassNameString(child) == L"MDIClient") {
      FormKind = fkMdiFrame;
      MdiClient = child;
      if (TSkinManage* manager = SkinManage()) manager->MdiClientWnd = child;
      return;
    }
  }
}

void TWinSkinForm::DetectBorderKind(DWORD exStyle) {
  BorderKind = bkPlain;
  if ((Style & WS_POPUP) && (Style & WS_CAPTION) != WS_CAPTION) BorderKind = bkNone;
  else if ((exStyle & WS_EX_WINDOWEDGE) || (Style & WS_THICKFRAME)) BorderKind = bkEdge;
}

void TWinSkinForm::TakeOverFormWindowProc() {
  if (!Form || OldWindowProc) return;  // taking it over twice would make it call itself
  OldWindowProc = Form->WindowProc;
  Form->WindowProc = [this](ui::TMessage& message) {
    message.Result = Dispatch(&TWinSkinForm::FormWindowProc, message.Msg, message.WParam, message.LParam);
  };
}

void TWinSkinForm::RestoreFormWindowProc() {
  if (!OldWindowProc) return;
  if (Form) Form->WindowProc = OldWindowProc;
  OldWindowProc = nullptr;
}

void TWinSkinForm::SubclassMdiClient() {
  if (!MdiClient || ClientProcStub.Attached()) return;
  ClientProcStub.Attach(MdiClient, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(&TWinSkinForm::ClientProcedure, msg, wParam, lParam);
  });
}

void TWinSkinForm::RestoreMdiClient() { ClientProcStub.Detach(); }

LRESULT TWinSkinForm::Dispatch(void (TWinSkinForm::*procedure)(ui::TMessage&), UINT msg, WPARAM wParam,
                               LPARAM lParam) {
  ui::TMessage message{msg, wParam, lParam, 0};
  ++procedureDepth_;
  try {
    (this->*procedure)(message);
  } catch (...) {
    message.Result = 0;  // nothing of the skin may reach the message loop
  }
  if (--procedureDepth_ == 0 && releasePending_) delete this;
  return message.Result;
}

// --- Frame metrics, styles, size ---------------------------------------------

void TWinSkinForm::FreeSysButtons() {
  for (const auto& button : SysButtons)
    if (HotObject == button.get()) HotObject = nullptr;
  SysButtons.clear();
  SysButtonCount = 0;
}

void TWinSkinForm::ComputeFrameMetrics() {
  DropFrameCache();  // composed from the skin this object had until now
  TSkinSet* skin = Skin();
  if (!skin || skin->Empty) return;
  if (BorderKind == bkNone) MenuBarHeight = 0;
  const RECT borders = FrameBordersAt(Dpi);
  BorderLeft = borders.left;
  BorderTop = borders.top;
  BorderRight = borders.right;
  BorderBottom = borders.bottom;
  FreeSysButtons();
  for (const auto& entry : skin->SysButtons) {
    SysButtons.push_back(std::make_unique<TWinSysButton>(this, entry));
    if (entry->Action != 3 && entry->Action != 11) continue;
    // The icon buttons show the window's own icon.
    if (entry->Bitmap.Empty()) entry->Bitmap.Assign(IconBitmap);
    if (SkinData->DefaultIcon.Empty()) SkinData->DefaultIcon.Assign(IconBitmap);
    entry->FrameCount = 1;
  }
  SysButtonCount = int(SysButtons.size());
}

RECT TWinSkinForm::FrameBordersAt(int dpi) const {
  if (!SkinData || BorderKind == bkNone) return RECT{};
  const TSkinSet& skin = SkinData->AtDpi(dpi);
  // A side border's frames lie side by side, the top and bottom ones' stacked.
  const auto across = [&](TBorderIndex i) {
    const auto& b = skin.Borders[i];
    return b ? b->Bitmap.Width() / b->SafeFrameCount() : 0;
  };
  const auto down = [&](TBorderIndex i) {
    const auto& b = skin.Borders[i];
    return b ? b->Bitmap.Height() / b->SafeFrameCount() : 0;
  };
  return RECT{across(bdLeft), down(bdTop), across(bdRight), down(bdBottom)};
}

void TWinSkinForm::SetButtonStyles(bool on) {
  if (FormKind == fkMdiChild && ManagerMdiMaximized() && !on) return;
  const DWORD old = DWORD(GetWindowLongPtrW(Handle, GWL_STYLE));
  DWORD style = old;
  // Only what the window had: a window without a system-menu style never
  // gains one because it has a system menu.
  if (on) style |= origButtonStyles_;
  else style &= ~kButtonStyleMask;
  // Every size change asks (WM_GETMINMAXINFO): an unchanged style is not set
  // again, which would cost two style messages each time.
  if (style != old) SetWindowLongPtrW(Handle, GWL_STYLE, LONG_PTR(style));
}

void TWinSkinForm::ResizeFrame(bool withMenu) {
  if (WindowState == wsMaximized) {
    PlaceMaximized();  // the skin's borders decide the maximised place
    return;
  }
  GetClientRect(Handle, &ClientRect);
  GetWindowRect(Handle, &WindowRect);
  const int width = ClientRect.right + BorderLeft + BorderRight;
  const int height = ClientRect.bottom + BorderTop + BorderBottom + (withMenu ? MenuBarHeight : 0);
  // SWP_NOACTIVATE: skinning a background window must not bring it forward.
  SetWindowPos(Handle, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::UpdateWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(Handle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMAXIMIZED: WindowState = wsMaximized; break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: WindowState = wsMinimized; break;
    default: WindowState = wsNormal; break;
  }
}

void TWinSkinForm::ForceFrameChange() {
  SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::CallOld(ui::TMessage& message) {
  message.Result = WndProcStub.CallOld(message.Msg, message.WParam, message.LParam);
}

// --- Re-skin -----------------------------------------------------------------

void TWinSkinForm::Reskin() {
  DropFrameCache();
  if (!SkinData) return;
  if (Form) {
    Form->SetColor(SkinData->ButtonFaceColour);
    Form->Font().SetColor(SkinData->WindowTextColour);
    for (int i = 0; i < Form->ComponentCount(); ++i)
      if (auto* inner = dynamic_cast<ui::TForm*>(Form->Components(i))) inner->SetColor(SkinData->ButtonFaceColour);
  }
  ReskinControls();
  if (Form) SetPopupOwnerDraw(true);
  if (controlsOnly_ || !WndProcStub.Attached()) return;  // the system's frame needs no re-sizing
  SkinState = ssReskinning;
  // As at the start: a minimised window, or one that keeps the system's
  // frame (no skin borders), is not re-sized; it would shrink by its frame.
  if (WindowState != wsMinimized && BorderKind != bkNone) ResizeFrame(true);
  else ForceFrameChange();
  SkinState = ssRunning;
  UpdateRegion();
}

// --- Detach ------------------------------------------------------------------

void TWinSkinForm::Detach() {
  if (controlsOnly_) DetachControlsOnly();
  else DetachFrame();
  // The system's own cue state is the window's again.
  if (IsWindow(Handle) && GetAncestor(Handle, GA_ROOT) == Handle) ui::EndCueState(Handle);
}

void TWinSkinForm::DetachControlsOnly() {
  if (Timer) Timer->SetEnabled(false);
  FreeControls();
  if (Form) {
    SetPopupOwnerDraw(false);
    if (SkinState != ssDestroying) RestoreFormColor();
  }
  RestoreMdiClient();
  if (Form) InvalidateFormControls();
  // A complete redraw of the window and its children, without the
  // minimise-restore round that would also un-maximise the window.
  if (SkinState != ssDestroying && IsWindow(Handle))
    RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinSkinForm::DetachFrame() {
  if (Timer) Timer->SetEnabled(false);
  RestoreFormWindowProc();
  if (!WndProcStub.Attached()) return;
  DisconnectAccessible();
  SetButtonStyles(true);
  WndProcStub.Detach();
  FreeControls();
  if (Form) {
    SetPopupOwnerDraw(false);
    if (SkinState != ssDestroying) RestoreFormColor();
  }
  FreeMenuBar();
  RestoreMdiClient();
  FrameBitmap.Clear();
  RestoreOuterSize();
  SetWindowRgn(Handle, nullptr, TRUE);
  HasRegion = false;
  Region = nullptr;
  HotObject = nullptr;
}

void TWinSkinForm::RestoreFormColor() {
  if (!Form) return;
  Form->SetColor(OrigColor);
  Form->Font().SetColor(OrigFontColor);
}

// The window gets back the outer size it had: its client area keeps its size
// and the system frame replaces the skin frame (and the skinned menu bar).
void TWinSkinForm::RestoreOuterSize() {
  const bool childWindow = (Style & WS_CHILD) != 0;
  if (childWindow && FormKind != fkMdiChild) return;
  // Before the skin frame was in effect, for a window whose frame was never
  // the skin's, and for a maximised or minimised window the system's own
  // frame calculation gives the right size.
  const bool sizeIsSkins =
      frameApplied_ && BorderKind != bkNone && !IsZoomed(Handle) && !IsIconic(Handle);
  if (frameApplied_ && !childWindow && IsZoomed(Handle)) {
    PlaceSystemMaximized();
    return;
  }
  if (!sizeIsSkins) {
    ForceFrameChange();
    return;
  }
  RECT rect{};
  GetWindowRect(Handle, &rect);
  POINT position{rect.left, rect.top};
  if (FormKind == fkMdiChild) ScreenToClient(GetParent(Handle), &position);
  const int width = RectWidth(rect) + OrigFrameSize.right - BorderLeft - BorderRight;
  const int height = RectHeight(rect) + OrigFrameSize.bottom - BorderTop - MenuBarHeight - BorderBottom;
  SetWindowPos(Handle, nullptr, position.x, position.y, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

}  // namespace skin
