// TWinSkinForm: the companion of one skinned window (a framework form, a
// standard dialog or message box "#32770", any other top-level window or MDI
// child of the GUI thread). The skin manager creates it at the window's first
// activation, attaches it and frees it when the window goes or skinning is
// switched off.
//
// While attached it owns the window's procedure (and, for framework forms,
// the form's WindowProc) and routes every message through WindowProcedure:
//   stage 1  WM_DESTROY (restore the old procedure) and WM_STYLECHANGED;
//   stage 2  a plain child window passes everything on;
//   stage 3  state keeping: size, activation, min/max info, commands, colours,
//            WM_SKINSTART, menu changes;
//   stage 4  (skin running, window in its normal or maximised state) the
//            non-client area: size, paint, hit test, mouse, double click, and
//            owner-drawn menu items.
//
// The work is split by concern over several files, all members of this class:
//   WinSkinForm.cpp    construction, attach, detach, frame metrics, styles,
//                      resize, re-skin;
//   WindowRouting.cpp  the four stages, FormWindowProc, ClientProcedure;
//   IconBitmap.cpp     the window's small icon on the key colour;
//   FramePaint.cpp, CaptionText.cpp, FrameRegion.cpp, MaximizedFrame.cpp
//                      frame layout, painting, caption text, window region,
//                      the maximised place;
//   SysButtons.cpp, SysButtonActions.cpp, NcMouse.cpp
//                      caption buttons, their actions, the non-client mouse;
//   MenuBarHooks.cpp   call points of the skinned menu bar (WinSkinMenu.h;
//                      its popups are tracked in MenuFilter.cpp);
//   PopupHooks.cpp     call points of popup-menu owner drawing;
//   ControlHooks.cpp   call points of control discovery and the control companions;
//   AccessHooks.cpp    WM_GETOBJECT for the skinned menu bar and title bar
//                      (Accessible*.cpp), menu events;
//   DpiChange.cpp      a new DPI: the skin, fonts and frame at it, the new size.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/WinSkinForm/FrameParts.h"
#include "skin/WinSkinForm/NCObject.h"
#include "skin/WinSkinForm/ScreenMetrics.h"
#include "skin/WinSkinForm/SkinTimer.h"
#include "skin/WinSkinForm/WindowSubclass.h"
#include "ui/Colors.h"
#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"
#include "ui/Messages.h"

namespace ui {
class TForm;
}

namespace skin {

class TSkinData;
class TSkinSet;
class TSkinControl;   // control companion (control skinning)
class TWinSkinMenu;   // skinned menu bar (menus)
class TMenuBtn;       // one menu-bar item (menus)
struct TAccessTarget;  // the accessible objects' weak handle on this companion

// The skin engine's private window messages.
constexpr UINT WM_SKINREFRESH = 0x3401;   // re-apply the skin to a framework form
constexpr UINT WM_SKINNCREDRAW = 0x3502;  // repaint the non-client area
constexpr UINT WM_SKINSTART = 0x3503;     // posted by the manager right after attaching
constexpr UINT WM_SKINBUTTON = 0x3504;    // a caption-button action left to the application (wParam)
constexpr UINT WM_SKINCLICKBUTTON = 0x3505;  // click caption button wParam (its accessible object asked)

// FormKind
constexpr int fkNormal = 0;
constexpr int fkMdiFrame = 1;  // has an "MDIClient" child
constexpr int fkMdiChild = 2;  // WS_EX_MDICHILD
// BorderKind
constexpr int bkEdge = 0;   // WS_EX_WINDOWEDGE or WS_THICKFRAME: the usual captioned window
constexpr int bkNone = 2;   // WS_POPUP without the full WS_CAPTION: no skinned frame
constexpr int bkPlain = 3;  // neither window edge nor sizing frame
// ButtonStyles bits
constexpr int bsMaximizeBox = 1;
constexpr int bsMinimizeBox = 2;
constexpr int bsSystemMenu = 8;
// WindowState
constexpr int wsNormal = 0;
constexpr int wsMaximized = 1;
constexpr int wsMinimized = 2;
// SkinState
constexpr int ssAttached = 0;
constexpr int ssRunning = 1;
constexpr int ssReskinning = 3;
constexpr int ssDestroying = 4;
constexpr int ssFirstSizing = 5;

class TWinSkinForm : public ui::TComponent {
 public:
  explicit TWinSkinForm(ui::TComponent* owner);
  ~TWinSkinForm() override;

  std::string ClassName() const override { return "TWinSkinForm"; }

  // --- Fields ---------------------------------------------------------------

  // The framework form's previous WindowProc (framework forms with a skinned
  // frame only).
  ui::TWndMethod OldWindowProc;
  // The window's procedure while skinned; Attached() exactly while subclassed.
  WindowSubclass WndProcStub;
  // The same for the MDI client window of an MDI frame.
  WindowSubclass ClientProcStub;
  // Caption font from the system's non-client metrics.
  ui::FontHandle CaptionFont;
  // 250 ms hover tick (HoverCheck and the controls' share). It runs only
  // while the pointer is over the window or something is hot: started by
  // the mouse, it stops itself once neither holds.
  std::unique_ptr<TSkinTimer> Timer;
  // Put in front of the window text when the caption is drawn.
  std::wstring CaptionLead = L"   ";
  RECT ClientRect{};   // last GetClientRect
  int BorderLeft = 0;  // skin frame thicknesses in pixels
  int BorderTop = 0;
  int BorderRight = 0;
  int BorderBottom = 0;
  RECT WindowRect{};   // last GetWindowRect (screen coordinates)
  RECT CaptionRect{};  // caption text place at the last title-bar paint (frame coordinates)
  // (0, 0, window width - client width, window height - client height) at
  // attach: the system frame that skinning replaces.
  RECT OrigFrameSize{};
  int MenuBarHeight = 0;  // SM_CYMENU with a skinned menu bar, else 0
  int SysButtonCount = 0;
  bool MenuTracking = false;  // a popup opened from the skinned menu bar is tracked
  HWND MdiClient = nullptr;
  HWND LastMdiChild = nullptr;  // result of the last WM_MDICREATE
  HMENU OrigMenu = nullptr;     // GetMenu at attach
  HMENU SysMenu = nullptr;      // GetSystemMenu at attach
  HMENU TrackedMenu = nullptr;  // the popup opened from the menu bar
  ui::TColor OrigColor = 0;     // the framework form's Color before skinning
  ui::TColor OrigFontColor = 0; // and its font's colour
  DWORD Style = 0;              // GWL_STYLE, kept current through WM_STYLECHANGED
  TNCObject* HotObject = nullptr;  // the caption button or menu-bar item hot or pressed
  // The window region set on the window. Once set, the system owns it: it is
  // never deleted here.
  bool HasRegion = false;
  HRGN Region = nullptr;
  ui::TForm* Form = nullptr;  // the framework form, or null
  HWND Handle = nullptr;
  std::unique_ptr<ui::TCanvas> Canvas;
  std::unique_ptr<ui::TCanvas> ControlCanvas;  // lent to every skinned control
  TSkinData* SkinData = nullptr;
  // The window's DPI: GetDpiForWindow at attach, then what every
  // WM_DPICHANGED says.
  int Dpi = 96;
  // The skin at the window's DPI, which everything of this window paints
  // from (SkinData itself at 96 DPI); null without a skin data component.
  TSkinSet* Skin() const;
  TWinSkinMenu* SkinMenu = nullptr;  // owned; null without a skinned menu bar
  std::vector<std::unique_ptr<TWinSysButton>> SysButtons;  // one per skin caption button
  ui::TBitmap IconBitmap;   // the window's small icon on the key colour
  ui::TBitmap FrameBitmap;  // the last composed title bar
  // What FrameBitmap was composed for: a repaint with the same puts it on as
  // it is (FramePaint.cpp).
  struct TTitleBarKey {
    int Width = 0;
    int Height = 0;
    bool Active = false;
    int WindowState = 0;
    int MenuBarHeight = 0;
    unsigned VisibleButtons = 0;
    HBITMAP Icon = nullptr;
    HFONT Font = nullptr;
    std::wstring Text;
    // The skin's caption settings: alignment, shifts, clip, strip margins,
    // strip image and text colour.
    std::array<std::intptr_t, 8> Caption{};
    bool operator==(const TTitleBarKey&) const = default;
  };
  TTitleBarKey TitleBarKey;
  // The title bar composed before FrameBitmap's (another width or look),
  // with its caption's place: put back as it is on the way back.
  struct TKeptTitleBar {
    ui::TBitmap Bitmap;
    TTitleBarKey Key;
    RECT CaptionRect{};
  };
  TKeptTitleBar PreviousTitleBar;
  // The composed border images, kept between paints.
  TFrameParts FrameParts;
  // System metrics and monitor areas, kept until a display or settings change.
  TScreenMetrics ScreenMetrics;
  std::vector<TSkinControl*> Controls;  // owned
  int FrameWidth = 0;    // window width at the last frame paint
  int RegionWidth = 0;   // size the current shaped region was built for
  int RegionHeight = 0;
  bool Active = true;
  int FormKind = fkNormal;
  int BorderKind = bkPlain;
  int ButtonStyles = 0;
  int WindowState = wsNormal;
  int SkinState = ssAttached;
  TSkinControl* HotControl = nullptr;  // the control to tell when the mouse leaves
  // Shared with the accessible objects given out, which hold it weakly;
  // cleared when the frame or this object goes (DisconnectAccessible).
  std::shared_ptr<TAccessTarget> AccessTarget;

  // --- Lifecycle and attachment (WinSkinForm.cpp) ----------------------------

  // Attaches to a framework form (its window must exist): takes over its
  // WindowProc when the frame is skinned, attaches to its window, puts the
  // skin's face colour on it.
  void AttachForm(TSkinData* skinData, ui::TForm* form);
  // Attaches to Handle. With xcMainMenu the frame is skinned (once: a second
  // call on a subclassed window does nothing); without it only the controls.
  void AttachHandle(TSkinData* skinData);
  // Undoes the attachment: procedure, styles, colour, menu, MDI client,
  // controls, region and the window's outer size.
  void Detach();
  void FreeSysButtons();
  // Border sizes and caption-button objects from the skin.
  void ComputeFrameMetrics();
  // Re-applies colours, frame size and painting (WM_SKINREFRESH, skin change).
  void Reskin();
  // Puts the caption-button styles back on the window (on) or takes them off.
  void SetButtonStyles(bool on);
  // Re-sizes the window around its client area for the skin frame.
  void ResizeFrame(bool withMenu);
  // The skin frame's maximised window rectangle (screen coordinates) on the
  // window's monitor: title bar on the work area, the other borders off it.
  // False where the system's place stands (MDI children, no skin frame).
  bool SkinMaximizedRect(RECT& rect) const;
  // WindowState from GetWindowPlacement.
  void UpdateWindowState();
  // GetSystemMetrics(index), kept where the window hears of changes.
  int SystemMetric(int index) { return ScreenMetrics.Metric(index, FormKind != fkMdiChild); }
  // Passes the message to the window's previous procedure.
  void CallOld(ui::TMessage& message);
  void Notification(ui::TComponent* component, ui::TOperation operation) override;

  // Frees this object now, or, when called from inside its own window
  // procedure (a window destroyed while one of its messages runs), as soon
  // as that procedure returns. The manager frees companions this way.
  void Release();
  bool InWindowProcedure() const { return procedureDepth_ > 0; }

  // --- A new DPI (DpiChange.cpp) ---------------------------------------------

  // Takes `dpi` as the window's DPI: the skin, fonts, menu bar, icon, frame
  // metrics and control companions at it (the frame is repainted by the
  // caller). Does nothing for the DPI the window has.
  void SetDpi(int dpi);
  // WM_DPICHANGED: SetDpi, the framework form's own scaling, then the
  // suggested rectangle, and the frame drawn anew.
  void HandleDpiChanged(ui::TMessage& message);
  // WM_GETDPISCALEDSIZE: the window's size at the new DPI with the skin's
  // borders at that DPI around the scaled client area.
  void HandleGetDpiScaledSize(ui::TMessage& message);
  // WM_DPICHANGED_AFTERPARENT (MDI children): the top-level window's DPI.
  void HandleDpiChangedAfterParent();

  // --- Message routing (WindowRouting.cpp) -----------------------------------

  void WindowProcedure(ui::TMessage& message);
  void FormWindowProc(ui::TMessage& message);
  void ClientProcedure(ui::TMessage& message);

  // --- Icon (IconBitmap.cpp) -------------------------------------------------

  void BuildIconBitmap();

  // --- Frame layout and painting (FramePaint.cpp) ----------------------------

  // WM_NCCALCSIZE: places the client area inside the skin frame.
  void CalcFrameClient(ui::TMessage& message);
  // WM_NCPAINT: paints the frame on the update region's window DC, or passes
  // the message on where the frame is not skinned.
  void HandleNcPaint(ui::TMessage& message);
  // Borders, title bar and menu bar; dc 0 takes the window DC.
  void PaintFrame(HDC dc);
  void PaintTitleBar(HDC dc);
  // `text` is the caption as the title bar key read it (CaptionLead and the
  // window text), read once per paint: WM_SETTEXT only asks for a repaint.
  void DrawCaptionText(ui::TCanvas& canvas, const RECT& rect, const std::wstring& text);
  // index 1 left, 2 right, 3 top, 4 bottom.
  void DrawBorder(int index, const RECT& rect, HDC dc);
  // Border `index` composed at `size` in the window's look, as DrawBorder
  // puts it on (kept in FrameParts); null where DrawBorder draws nothing.
  ui::TBitmap* BorderPart(int index, SIZE size);
  void UpdateRegion();
  void RemoveRegion();
  // Forgets every composed frame image (the skin or its look has changed).
  void DropFrameCache();
  // The title bar key of the window as it is now, for a width x height frame.
  TTitleBarKey CurrentTitleBarKey(int width, int height);

  // --- Caption buttons and the non-client mouse (SysButtons.cpp) -------------

  bool UpdateSysButtonVisible(int index);
  void LayoutSysButtons();
  void PaintSysButtons(ui::TBitmap& titleBar);
  void PaintSysButton(TWinSysButton& button, int state);
  TWinSysButton* SysButtonAt(POINT framePoint);
  // Screen point to frame coordinates.
  POINT ScreenToFrame(int x, int y);
  void HoverCheck();
  // The skinned non-client area is in effect (running, not minimised).
  bool Stage4Applies() const;
  // Runs the hover tick (mouse moves, a hot object); it stops by itself.
  void StartHoverTick();
  void RunSysButtonAction(int x, int y);
  void ToggleMaximize();
  void RestoreWindow();
  void ToggleMinimize();
  void SendToMdiChild(UINT command);
  bool MdiChildMaximized();
  void ShowSystemMenu(int x, int y);
  // Alt+Space: the system menu at the system frame's place, first entry
  // selected; false where the window has none.
  bool ShowSystemMenuFromKeyboard();
  // The non-client mouse messages of stage 4. Each handles the message
  // completely: it consumes it (result 0) or passes it on with CallOld.
  void HandleNcMouseMove(ui::TMessage& message);
  void HandleNcLButtonDown(ui::TMessage& message);
  void HandleNcLButtonUp(ui::TMessage& message);
  void HandleNcRButtonDown(ui::TMessage& message);
  // WM_NCMOUSELEAVE, WM_NCMOUSEHOVER: consumed.
  void HandleNcMouseLeave(ui::TMessage& message);
  // WM_NCHITTEST: the system's answer, with the skinned caption buttons'
  // codes over them and HTCAPTION turned into HTMENU over the skinned menu bar.
  void HandleNcHitTest(ui::TMessage& message);
  // The hit code of the caption button at a frame point; false where none
  // stands or the system frame has no button of its kind.
  bool CaptionButtonHit(POINT framePoint, LRESULT& code);

  // --- Menu bar call points (MenuBarHooks.cpp, on to TWinSkinMenu) ----------

  // Creates SkinMenu for OrigMenu, sets MenuBarHeight and takes the menu off
  // the window. Not for MDI children.
  void CreateMenuBar();
  // Gives the window its menu back and frees SkinMenu.
  void FreeMenuBar();
  // CM_MENUCHANGED: rebuilds the menu-bar items.
  void RebuildMenuBar();
  void PaintMenuBar(HDC dc, const RECT& rect);
  // The menu-bar item at a frame point, or null.
  TNCObject* MenuBarItemAt(POINT framePoint);
  // The first enabled item whose caption has `key` as its accelerator, or null.
  TNCObject* MenuBarAccelItem(WPARAM key);
  // Opens an item as a click on it would.
  void ClickMenuItem(TNCObject* item);
  // WM_NCLBUTTONDOWN on a menu-bar item: opens its popup.
  void OpenMenuItem(TNCObject* item);

  // --- Assistive technology (AccessHooks.cpp) ---------------------------------

  // WM_GETOBJECT for OBJID_MENU and OBJID_TITLEBAR; false for any other
  // object (it goes on to the system).
  bool HandleGetObject(ui::TMessage& message);
  // The objects given out answer "disconnected" from now on.
  void DisconnectAccessible();
  // WM_SKINCLICKBUTTON: what a click on caption button `index` does.
  void ClickSysButton(int index);

  // --- Popup-menu call points (PopupHooks.cpp; the popup-menu work fills them)

  // Owner drawing of the framework form's popup menus on or off.
  void SetPopupOwnerDraw(bool on);
  // WM_MEASUREITEM / WM_DRAWITEM of menu items; false when not a menu item of
  // ours (the message then goes on).
  bool MeasureMenuItem(ui::TMessage& message);
  bool DrawMenuItem(ui::TMessage& message);

  // --- Control call points (ControlHooks.cpp; control skinning fills them) ---

  // Gives the window's controls their companions: the form's control tree
  // when Form is set, else the child windows of Handle.
  void DiscoverControls();
  // Detaches and frees every control companion.
  void FreeControls();
  // New skin: colours and skin objects of the control companions.
  void ReskinControls();
  // Tells HotControl the mouse has left and clears it.
  void ControlMouseLeave();
  // A control under the mouse: it becomes HotControl and the hover tick runs.
  void SetHotControl(TSkinControl* control);
  // A WM_HSCROLL / WM_VSCROLL the window has handled: a bare scroll bar
  // control that sent it shows its new state. (A window skinned for its
  // controls only is not subclassed: its bars show the skin again once a
  // press on them is over.)
  void ControlScrolled(const ui::TMessage& message);
  // The 250 ms tick's share for the controls.
  void ControlsHoverCheck();
  // Invalidates every control of the form (after a controls-only detach).
  void InvalidateFormControls();

 private:
  // Attach steps.
  void AttachControlsOnly();
  void AttachFrame();
  void ReadButtonStyles();
  void DetectMdiClient();
  void DetectBorderKind(DWORD exStyle);
  void SubclassWindow();
  void SubclassMdiClient();
  void RestoreMdiClient();
  void TakeOverFormWindowProc();
  void RestoreFormWindowProc();
  void CreateCaptionFont();
  // Detach steps.
  void DetachControlsOnly();
  void DetachFrame();
  void RestoreOuterSize();
  void RestoreFormColor();
  // The hover tick: the checks, then it stops itself once nothing is left to notice.
  void TimerTick();
  bool PointerOverWindow() const;
  // Routing stages.
  bool RouteStage3(ui::TMessage& message);

  bool RouteStage4(ui::TMessage& message);
  void HandleSize(ui::TMessage& message);
  // A size change between its WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED
  // (FrameRegion.cpp): the frame is painted once, with the region of its size.
  void NoteSizeChange(const ui::TMessage& message);
  bool RegionAwaitsNewSize() const;
  bool RegionIsStale() const;
  void FinishSizeChange(const ui::TMessage& message);
  void HandleEraseBkgnd(ui::TMessage& message);
  // Maximised place (MaximizedFrame.cpp).
  void HandleGetMinMaxInfo(ui::TMessage& message);
  bool SkinFrameMaximizes() const;
  void PlaceMaximized();
  void PlaceSystemMaximized();
  void HandleCommand(ui::TMessage& message);
  void HandleSysCommand(ui::TMessage& message);
  bool SwallowKeyMenu(const ui::TMessage& message);
  void HandleCtlColorStatic(ui::TMessage& message);
  void HandleSkinStart();
  void HandleNcActivate(ui::TMessage& message);
  void HandleNcDoubleClick();
  void RestoreOnDestroy();
  void ForceFrameChange();
  bool IsMdiChildNotNormal() const { return FormKind == fkMdiChild && WindowState != wsNormal; }
  // Runs a routed message with the depth count that Release relies on.
  LRESULT Dispatch(void (TWinSkinForm::*procedure)(ui::TMessage&), UINT msg, WPARAM wParam, LPARAM lParam);

  // The client size a DPI change proposed, and that size at 96 DPI: while
  // the window keeps it, the next change scales from the 96-DPI size, so
  // that a round trip over several DPIs ends exactly where it began.
  struct TDpiClient {
    SIZE Base{};
    SIZE Scaled{-1, -1};
  };
  TDpiClient dpiClient_;
  // The skin frame's border thicknesses (left, top, right, bottom) at `dpi`.
  RECT FrameBordersAt(int dpi) const;
  // The frame drawn anew at the window's size after a DPI change.
  void RedrawAtDpi();

  bool controlsOnly_ = false;    // attached without xcMainMenu: the frame stays the system's
  bool frameApplied_ = false;    // the skin frame has been in effect (WM_SKINSTART ran)
  DWORD origButtonStyles_ = 0;   // the window's own WS_SYSMENU/WS_MINIMIZEBOX/WS_MAXIMIZEBOX
  int procedureDepth_ = 0;
  bool releasePending_ = false;
  bool sizeChanging_ = false;       // a size change is under way (NoteSizeChange)
  bool framePaintDeferred_ = false; // its first WM_NCPAINT was left to the new region's
};

}  // namespace skin
