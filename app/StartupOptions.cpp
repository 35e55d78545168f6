#include "app/StartupOptions.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/TextConv.h"

bool NoSkinOption(const std::vector<std::wstring>& args) {
  return std::find(args.begin(), args.end(), L"--no-skin") != args.end();
}

bool FollowSystemOption(const std::vector<std::wstring>& args) {
  return std::find(args.begin(), args.end(), L"--follow-system") != args.end();
}

std::optional<skin::TColourShift> ColourOption(const std::vector<std::wstring>& args, std::string& problem) {
  const auto at = std::find(args.begin(), args.end(), L"--colour");
  if (at == args.end()) return std::nullopt;
  if (at + 1 == args.end()) {
    problem = "--colour needs hue,saturation,brightness (e.g. --colour 120,0,0)";
    return std::nullopt;
  }
  return skin::ParseColourShift(ui::WideToUtf8(*(at + 1)), problem);
}

namespace {

constexpr UINT_PTR kSubclassId = 0x7461;  // any number of our own for this subclass

struct TFirstPaint {
  HANDLE Event = nullptr;  // null once set
  std::function<bool()> Ready;
};

// The frame was painted before the client (BeginPaint sends WM_NCPAINT);
// the children are painted here, at once, as the message loop would next.
void AfterPaint(HWND wnd, TFirstPaint& state) {
  if (!state.Event || !state.Ready()) return;
  RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  SetEvent(state.Event);
  CloseHandle(state.Event);
  state.Event = nullptr;
}

LRESULT CALLBACK FirstPaintProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<TFirstPaint*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(wnd, FirstPaintProc, kSubclassId);
    if (state->Event) CloseHandle(state->Event);
    delete state;
    return DefSubclassProc(wnd, msg, wParam, lParam);
  }
  const LRESULT result = DefSubclassProc(wnd, msg, wParam, lParam);
  if (msg == WM_PAINT) AfterPaint(wnd, *state);
  return result;
}

}  // namespace

void SignalFirstPaint(HWND wnd, std::function<bool()> ready) {
  wchar_t name[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"TAVRIN_FIRST_PAINT_EVENT", name, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (!event) return;
  // Left on the window for its life: removing a subclass that others were put
  // on top of would undo theirs.
  auto* state = new TFirstPaint{event, std::move(ready)};
  if (!SetWindowSubclass(wnd, FirstPaintProc, kSubclassId, DWORD_PTR(state))) {
    CloseHandle(event);
    delete state;
  }
}
