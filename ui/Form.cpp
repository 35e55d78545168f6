#include "ui/Form.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/FormScale.h"
#include "ui/Menus.h"
#include "ui/Resources.h"
#include "ui/Screen.h"
#include "ui/StandardClasses.h"

namespace ui {

TForm::TForm(TComponent* owner) : TWinControl(owner), dpi_(SystemDpi()) {
  StoreVisible(false);
  StoreBounds(0, 0, 320, 240);
  if (Screen) Screen->AddForm(this);
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) {
    menu_->RemoveFreeNotification(this);
    if (menu_->form_ == this) menu_->form_ = nullptr;
  }
  if (menu && menu->form_ && menu->form_ != this) menu->form_->SetMenu(nullptr);
  menu_ = menu;
  if (menu_) {
    menu_->FreeNotification(this);
    menu_->form_ = this;
  }
  ApplyMenu();
  if (HandleAllocated() && !InState(csDestroying)) SendMessageW(Handle(), CM_MENUCHANGED, 0, 0);
}

void TForm::ApplyMenu() {
  if (!HandleAllocated() || Parent() || FormStyle == fsMDIChild) return;
  ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
}

void TForm::ApplyIcon() {
  if (Parent()) return;
  HICON big = Icon ? Icon : Application ? Application->Icon() : nullptr;
  HICON small = Icon ? Icon : Application ? Application->SmallIcon() : nullptr;
  if (big) SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (small) SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) menu_ = nullptr;  // ~TMainMenu took it off the window
  if (operation == opRemove && scale_) scale_->Forget(component);
}

bool TForm::MenuMessage(TMessage& m) {
  if (!menu_) return false;
  switch (m.Msg) {
    case WM_COMMAND:
      return m.LParam == 0 && HIWORD(m.WParam) == 0 && menu_->DispatchCommand(LOWORD(m.WParam));
    case WM_MEASUREITEM:
      if (!menu_->DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) return false;
      m.Result = TRUE;
      return true;
    case WM_DRAWITEM:
      if (!menu_->DispatchDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) return false;
      m.Result = TRUE;
      return true;
    case WM_DESTROY:
      // The system destroys the menu of a window that goes; the menu belongs to its component.
      if (HMENU handle = menu_->HandleIfAllocatedRoot(); handle && GetMenu(Handle()) == handle)
        ::SetMenu(Handle(), nullptr);
      return false;
    default:
      return false;
  }
}

TForm::~TForm() {
  // An MDI child leaves through its client, which then activates the next one.
  if (FormStyle == fsMDIChild) DestroyHandle();
  if (Screen) Screen->RemoveForm(this);
}

void TForm::InitializeForm() {
  std::string name = ClassName();
  std::transform(name.begin(), name.end(), name.begin(), [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; });
  const auto text = LoadResourceBytes(name);
  if (!text) throw EFormError("there is no form description resource " + name);
  InitializeForm(std::string_view(reinterpret_cast<const char*>(text->data()), text->size()),
                 [](const std::string& resource) { return LoadResourceBytes(resource); });
}

void TForm::InitializeForm(std::string_view text, TResourceLoader resources) {
  RegisterStandardClasses();
  TReader reader(*this, bindings_, resources);
  reader.BeforeLoaded = [&] { DescriptionRead(reader, resources); };
  dpi_ = kDesignDpi;  // what is being read is in 96-DPI units
  try {
    reader.Read(text);
  } catch (...) {
    if (!scale_) dpi_ = SystemDpi();
    throw;
  }
  if (OnCreate) OnCreate(this);
}

void TForm::DescriptionRead(const TReader& reader, const TResourceLoader& resources) {
  ApplyLoadedClientHeight();
  scale_ = std::make_unique<TFormScale>(*this, reader.BinaryProperties(), resources);
  ScaleToDpi(SystemDpi());
}

void TForm::ScaleToDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  const int old = std::exchange(dpi_, dpi);
  if (scale_) scale_->Apply(dpi, !HandleAllocated());
  ScaleMdiChildren(old, dpi);
}

void TForm::ApplySuggestedRect(const RECT& r) {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm::CreatedWindowDpi() {
  if (FormStyle == fsMDIChild) {
    TForm* frame = Application ? Application->MainForm() : nullptr;
    return frame && frame != this ? frame->Dpi() : dpi_;
  }
  if (Parent()) {  // inside another form: that form's
    TWinControl* top = Parent();
    while (top->Parent()) top = top->Parent();
    auto* form = dynamic_cast<TForm*>(top);
    return form ? form->Dpi() : dpi_;
  }
  return WindowDpi(Handle());
}

void TForm::TakeWindowDpi() {
  const int dpi = CreatedWindowDpi();
  if (dpi == dpi_) return;
  const int old = std::exchange(dpi_, dpi);
  // The window was made at the size of the DPI before: it takes the rule's.
  if (scale_) scale_->Apply(dpi, true);
  ScaleMdiChildren(old, dpi);
}

void TForm::ScaleMdiChildren(int fromDpi, int toDpi) {
  for (int i = 0; TForm* child = MDIChildren(i); ++i) {
    child->ScaleToDpi(toDpi);
    if (IsZoomed(child->Handle()) || IsIconic(child->Handle())) continue;  // the client places those
    // Where the user put it, as the system moves a top-level window.
    RECT r;
    GetWindowRect(child->Handle(), &r);
    MapWindowPoints(nullptr, clientHandle_, reinterpret_cast<POINT*>(&r), 2);
    const auto scale = [&](LONG v) { return MulDiv(v, toDpi, fromDpi); };
    const int left = scale(r.left), top = scale(r.top);
    SetWindowPos(child->Handle(), nullptr, left, top, scale(r.right) - left, scale(r.bottom) - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TForm::IsMainForm() const { return Application && Application->MainForm() == this; }

void TForm::FrameStyles(DWORD& style, DWORD& exStyle) const {
  style = WS_CLIPCHILDREN;
  exStyle = 0;
  switch (BorderStyle) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      style |= WS_CAPTION;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (BorderStyle != bsNone && (BorderIcons & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (BorderStyle == bsSingle || BorderStyle == bsSizeable) {
      if (BorderIcons & biMinimize) style |= WS_MINIMIZEBOX;
      if (BorderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
}

SIZE TForm::FrameSize() const {
  DWORD style, exStyle;
  FrameStyles(style, exStyle);
  const bool withMenu = menu_ && FormStyle != fsMDIChild && !Parent();
  const RECT r = FrameForDpi(style, exStyle, withMenu, dpi_);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (Parent()) return;  // a form inside another control is an ordinary child window
  FrameStyles(params.Style, params.ExStyle);
  params.WndParent = nullptr;
  params.ClassStyle = CS_DBLCLKS;
  if (Application) {  // the class icon: what the system shows for a window that sets none
    params.ClassIcon = Application->Icon();
    params.ClassSmallIcon = Application->SmallIcon();
  }
  if (FormStyle == fsMDIChild) MdiCreateParams(params);
}

void TForm::CreateHandle() {
  ApplyPosition();
  TWinControl::CreateHandle();
}

void TForm::ApplyPosition() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  switch (Position) {
    case poScreenCenter:
    case poDesktopCenter:
      break;
    case poMainFormCenter:
      if (Application && Application->MainForm() && Application->MainForm() != this)
        area = Application->MainForm()->BoundsRect();
      break;
    default:
      return;
  }
  StoreBounds(area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
              Width(), Height());
}

RECT TForm::ClientRect() const {
  if (HandleAllocated() || Parent()) return TWinControl::ClientRect();
  const SIZE frame = FrameSize();
  return RECT{0, 0, std::max<LONG>(Width() - frame.cx, 0), std::max<LONG>(Height() - frame.cy, 0)};
}

void TForm::SetClientWidth(int width) { SetWidth(width + (Width() - ClientRect().right)); }

void TForm::SetClientHeight(int height) { SetHeight(height + (Height() - ClientRect().bottom)); }

void TForm::SetVisible(bool visible) {
  if (Parent()) {
    TWinControl::SetVisible(visible);
    return;
  }
  if (InState(csLoading)) {  // shown once everything has been read
    showWhenLoaded_ = visible;
    return;
  }
  if (visible == Visible()) return;
  if (visible) {
    HandleNeeded();
    StoreVisible(true);
    if (OnShow) OnShow(this);
    if (HandleAllocated() && Visible()) {
      if (FormStyle == fsMDIChild) {  // activated inside its client, not as a top-level window
        ShowWindow(Handle(), SW_SHOW);
        SendMessageW(GetParent(Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
      } else {
        ShowWindow(Handle(), SW_SHOWNORMAL);
        SetForegroundWindow(Handle());
      }
      UpdateWindow(Handle());
    }
  } else {
    StoreVisible(false);
    if (OnHide) OnHide(this);
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  }
  Perform(CM_VISIBLECHANGED, visible);
}

void TForm::Loaded() {
  TWinControl::Loaded();
  ApplyLoadedClientHeight();
  if (showWhenLoaded_) {
    showWhenLoaded_ = false;
    SetVisible(true);
  }
}

void TForm::ApplyLoadedClientHeight() {
  // The menu reference is resolved after the other properties: a client
  // height read before it is laid out again below the menu bar.
  if (loadedClientHeight_ >= 0 && menu_ && !HandleAllocated()) SetClientHeight(loadedClientHeight_);
  loadedClientHeight_ = -1;
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (!CloseQuery()) return;
  // An MDI child cannot leave its client's list by hiding: closing frees it.
  TCloseAction action = IsMainForm() || FormStyle == fsMDIChild ? caFree : caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (IsMainForm()) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: ShowWindow(Handle(), SW_MINIMIZE); break;
    default: Release(); break;
  }
}

void TForm::Release() {
  if (HandleAllocated()) PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

bool TForm::Active() const { return Screen && Screen->ActiveForm() == this; }

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_QUERYENDSESSION:
      m.Result = CloseQuery();
      return;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE) {
        if (Screen) Screen->SetActiveForm(this);
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      break;
    case CM_RELEASE:
      delete this;  // nothing of this form is touched after this
      return;
    case WM_DPICHANGED:
      ScaleToDpi(LOWORD(m.WParam));
      if (m.LParam) ApplySuggestedRect(*reinterpret_cast<const RECT*>(m.LParam));
      m.Result = 0;
      return;
    case WM_CREATE:
      // Before an MDI child is activated (and skinned) inside its creation.
      ApplyIcon();
      break;
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_DESTROY:
      if (MenuMessage(m)) return;
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

bool TForm::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Position")
    Position = value.AsEnum<TPosition>({{"poDesigned", poDesigned}, {"poDefault", poDefault},
                                        {"poDefaultPosOnly", poDefaultPosOnly}, {"poDefaultSizeOnly", poDefaultSizeOnly},
                                        {"poScreenCenter", poScreenCenter}, {"poDesktopCenter", poDesktopCenter},
                                        {"poMainFormCenter", poMainFormCenter}});
  else if (name == "BorderStyle")
    BorderStyle = value.AsEnum<TFormBorderStyle>({{"bsNone", bsNone}, {"bsSingle", bsSingle},
                                                  {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog},
                                                  {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}});
  else if (name == "BorderIcons")
    BorderIcons = value.AsFlags<unsigned>({{"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize},
                                           {"biMaximize", biMaximize}, {"biHelp", biHelp}});
  else if (name == "FormStyle")
    FormStyle = value.AsEnum<TFormStyle>(
        {{"fsNormal", fsNormal}, {"fsMDIChild", fsMDIChild}, {"fsMDIForm", fsMDIForm}});
  else if (name == "TileMode")
    TileMode = value.AsEnum<TTileMode>({{"tbHorizontal", tbHorizontal}, {"tbVertical", tbVertical}});
  else if (name == "Menu") reader.ReadReference<TMainMenu>(value, [this](TMainMenu* m) { SetMenu(m); });
  else if (name == "ClientWidth") SetClientWidth(value.AsInt());
  else if (name == "ClientHeight") {
    loadedClientHeight_ = value.AsInt();
    SetClientHeight(loadedClientHeight_);
  }
  else if (name == "OnCreate") OnCreate = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnShow") OnShow = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnHide") OnHide = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnActivate") OnActivate = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnDeactivate") OnDeactivate = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnCloseQuery") OnCloseQuery = reader.FindEvent<TCloseQueryEvent>(value);
  else if (name == "OnClose") OnClose = reader.FindEvent<TCloseEvent>(value);
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
