// Forms: top-level windows made from a stored form description.
//
// A form class binds its handlers and component fields by name, then reads its
// description:
//
//   TForm1::TForm1(TComponent* owner) : TForm(owner) {
//     BindField("Panel1", Panel1);
//     BindEvent("FormCreate", this, &TForm1::FormCreate);
//     InitializeForm();   // reads resource "TFORM1", then raises OnCreate
//   }
//
// The form's window class is named after its class ("TForm1"), so windows of
// framework forms can be told apart by class name.
//
// MDI: a form with FormStyle fsMDIForm (the main form) holds an MDI client
// window ("MDIClient") in the space its aligned controls leave; forms with
// fsMDIChild are created by that client (WM_MDICREATE) inside it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "ui/Control.h"
#include "ui/FormReader.h"

namespace ui {

class TMainMenu;
class TFormScale;

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm };
enum TTileMode { tbHorizontal, tbVertical };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }

  // These take effect when the window is created.
  TPosition Position = poDesigned;
  TFormBorderStyle BorderStyle = bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TFormStyle FormStyle = fsNormal;
  TTileMode TileMode = tbHorizontal;  // how Tile arranges the MDI children: stacked or side by side
  // The form's own icon (not owned); null: the application's (TApplication::Icon).
  HICON Icon = nullptr;

  // The menu bar. Its WM_COMMAND reaches the item's OnClick; WM_MEASUREITEM and
  // WM_DRAWITEM of its owner-drawn items go through WindowProc to the items.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseQueryEvent OnCloseQuery;
  TCloseEvent OnClose;

  // Asks OnCloseQuery, then OnClose; closing the main form ends the application
  // (the form itself is freed with the application, never under a running handler).
  void Close();
  bool CloseQuery();
  // Frees the form once the messages being handled now are done.
  void Release();
  bool Active() const;

  void SetClientWidth(int width);
  void SetClientHeight(int height);

  // The DPI the form is laid out at: the system DPI until its window exists,
  // then the window's (an MDI child's is its frame's), then whatever
  // WM_DPICHANGED last gave.
  int Dpi() const { return dpi_; }
  // Lays the form out at `dpi` from its description's 96-DPI values
  // (FormScale.h): controls, fonts and pictures, and the form's own position
  // and size while it has no window; an MDI frame's children follow. On
  // WM_DPICHANGED the form does this, then ApplySuggestedRect; a hook that
  // handles the message first (the skin engine) may call both itself.
  void ScaleToDpi(int dpi);
  // Puts the window on the rectangle WM_DPICHANGED suggests (screen coordinates).
  void ApplySuggestedRect(const RECT& rect);
  RECT ClientRect() const override;
  void SetVisible(bool visible) override;

  // MDI frame (fsMDIForm): its client window (null before the window exists),
  // its children in creation order, the active one, and their arrangement.
  HWND ClientHandle() const { return clientHandle_; }
  int MDIChildCount() const;
  TForm* MDIChildren(int index) const;
  TForm* ActiveMDIChild() const;
  void Cascade();
  void Tile();
  void ArrangeIcons();

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  template <class F, class... A>
  void BindEvent(const std::string& name, F* object, void (F::*method)(A...)) {
    bindings_.Events.Bind<std::function<void(A...)>>(
        name, [object, method](A... args) { (object->*method)(std::forward<A>(args)...); });
  }
  template <class T>
  void BindField(const std::string& name, T*& field) {
    bindings_.Fields.Bind(name, field);
  }
  TFormBindings& Bindings() { return bindings_; }

  // Reads the form description stored as the RCDATA resource named after the
  // class in capitals ("TFORM1"), then raises OnCreate. Throws EFormError.
  void InitializeForm();
  // The same from a given text, with binary properties from `resources`.
  void InitializeForm(std::string_view text, TResourceLoader resources);

  void CreateParams(TCreateParams& params) override;
  void CreateHandle() override;
  void CreateWnd() override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void DestroyWnd() override;
  void AlignControls(RECT& rect) override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

 private:
  bool IsMainForm() const;
  // MDI parts (FormMdi.cpp).
  void MdiCreateParams(TCreateParams& params) const;
  void CreateClientWindow();
  // The MDI client of the main form, which holds this fsMDIChild form.
  static HWND ParentClient();
  void FrameStyles(DWORD& style, DWORD& exStyle) const;
  SIZE FrameSize() const;
  void ApplyPosition();

  TFormBindings bindings_;
  bool showWhenLoaded_ = false;
  HWND clientHandle_ = nullptr;  // fsMDIForm: the MDI client, destroyed with the window
  TMainMenu* menu_ = nullptr;
  int loadedClientHeight_ = -1;  // ClientHeight as read from the description, until Loaded
  int dpi_;
  std::unique_ptr<TFormScale> scale_;  // the description's values, once read
  // The description has been read (before any Loaded): the form records it
  // and takes its DPI.
  void DescriptionRead(const TReader& reader, const TResourceLoader& resources);
  // The DPI of the window just made; the form takes it (CreateWnd).
  int CreatedWindowDpi();
  void TakeWindowDpi();
  void ScaleMdiChildren(int fromDpi, int toDpi);
  // The menu bar's client height, which the description gave before its menu.
  void ApplyLoadedClientHeight();
  // The menu on the window (an MDI child shows none: its frame has the bar).
  void ApplyMenu();
  bool MenuMessage(TMessage& message);
  // The icons on the window, set while it is created: the skin reads them
  // (WM_GETICON) when the window is first activated.
  void ApplyIcon();
};

}  // namespace ui
