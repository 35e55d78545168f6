#include "skin/WinSubClass/SkinEdit.h"

#include <utility>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/BorderBlit.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "skin/draw/SkinDraw.h"
#include "ui/GdiHandles.h"

namespace skin {

namespace {

bool IsSpinButtonClass(const std::wstring& name) { return name == L"msctls_updown32" || name == L"TSpinButton"; }

}  // namespace

TSkinEdit::~TSkinEdit() { TSkinEdit::Detach(); }

void TSkinEdit::Detach() {
  TSkinControl::Detach();
  // The spin button goes with its edit.
  if (TSkinUpDown* upDown = std::exchange(UpDown, nullptr)) upDown->Release();
}

void TSkinEdit::Notification(ui::TComponent* component, ui::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == ui::opRemove && component && component == UpDown) UpDown = nullptr;
}

void TSkinEdit::AfterDefault(ui::TMessage& message) {
  if (message.Msg == WM_NCPAINT) Redraw();
  else TSkinControl::AfterDefault(message);
}

void TSkinEdit::FindUpDown() {
  if (UpDown || !Handle || !SkinData) return;
  HWND spin = GetTopWindow(Handle);
  while (spin && !IsSpinButtonClass(GetClassNameString(spin))) spin = GetWindow(spin, GW_HWNDNEXT);
  if (!spin) return;
  auto* upDown = new TSkinUpDown(OwnerForm());
  if (!upDown->AttachWindow(spin, SkinData, Canvas)) {
    upDown->Release();
    return;
  }
  upDown->InEdit = true;
  if (TWinSkinForm* form = OwnerForm()) form->Controls.push_back(upDown);
  upDown->FreeNotification(this);
  UpDown = upDown;
  InvalidateRect(spin, nullptr, FALSE);
}

void TSkinEdit::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  if (!UpDown) FindUpDown();
  RECT client{};
  if (!GetClientRect(Handle, &client)) return;
  if (RectWidth(client) == RectWidth(rect) || RectHeight(client) == RectHeight(rect)) return;  // no border

  // The rings go over the system's 3D border: the inner ones in the brush
  // the DC has, the outermost in the skin's shadow colour. The ring inside
  // the border stays where a spin button sits on it.
  const int rings = UpDown ? 2 : 3;
  const RECT r = AtOrigin(rect);
  TBorderCanvas border(r);
  if (!border.Ok()) return;
  HDC borderDC = border.Handle();
  const HBRUSH brush = RingBrush(dc);
  RECT ring = r;
  for (int i = 1; i < rings; ++i) {
    InflateRect(&ring, -1, -1);
    FrameRect(borderDC, &ring, brush);
  }
  ui::BrushHandle shadow(CreateSolidBrush(Rgb(SkinData->ButtonShadowColour)));
  FrameRect(borderDC, &r, shadow.Get());
  border.DrawnRing(r, rings);
  border.PutOn(dc, rect.left, rect.top);
}

}  // namespace skin
