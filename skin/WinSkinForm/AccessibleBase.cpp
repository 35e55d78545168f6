#include "skin/WinSkinForm/AccessibleBase.h"

#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

namespace {

bool ChildId(const VARIANT& child, long& id) {
  if (child.vt == VT_I4) id = child.lVal;
  else if (child.vt == VT_I2) id = child.iVal;
  else if (child.vt == VT_EMPTY) id = CHILDID_SELF;
  else return false;
  return true;
}

void SetChild(VARIANT* out, long id) {
  out->vt = VT_I4;
  out->lVal = id;
}

}  // namespace

TAccessibleBase::TAccessibleBase(std::weak_ptr<TAccessTarget> target, HWND wnd)
    : target_(std::move(target)), wnd_(wnd) {}

TWinSkinForm* TAccessibleBase::Form() const {
  const std::shared_ptr<TAccessTarget> target = target_.lock();
  TWinSkinForm* form = target ? target->Form : nullptr;
  if (!form || form->Handle != wnd_ || !IsWindow(wnd_) || !form->WndProcStub.Attached() || !form->SkinData)
    return nullptr;
  return form;
}

HRESULT TAccessibleBase::Element(const VARIANT& child, long& id, TAccessElement& element) {
  TWinSkinForm* form = Form();
  if (!form) return RPC_E_DISCONNECTED;
  if (!ChildId(child, id) || id < 0 || id > ChildCount(*form)) return E_INVALIDARG;
  element = Describe(*form, id);
  return S_OK;
}

HRESULT TAccessibleBase::Text(const VARIANT& child, std::wstring TAccessElement::*field, BSTR* text) {
  if (!text) return E_POINTER;
  *text = nullptr;
  long id = 0;
  TAccessElement element;
  if (const HRESULT hr = Element(child, id, element); FAILED(hr)) return hr;
  const std::wstring& value = element.*field;
  if (value.empty()) return S_FALSE;
  *text = SysAllocStringLen(value.data(), UINT(value.size()));
  return *text ? S_OK : E_OUTOFMEMORY;
}

// --- IUnknown and IDispatch --------------------------------------------------

HRESULT TAccessibleBase::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (riid != __uuidof(IUnknown) && riid != __uuidof(IDispatch) && riid != __uuidof(IAccessible)) return E_NOINTERFACE;
  *object = static_cast<IAccessible*>(this);
  AddRef();
  return S_OK;
}

ULONG TAccessibleBase::AddRef() { return ULONG(InterlockedIncrement(&refs_)); }

ULONG TAccessibleBase::Release() {
  const LONG refs = InterlockedDecrement(&refs_);
  if (refs == 0) delete this;
  return ULONG(refs);
}

HRESULT TAccessibleBase::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT TAccessibleBase::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT TAccessibleBase::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT TAccessibleBase::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

// --- IAccessible -------------------------------------------------------------

HRESULT TAccessibleBase::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!Form()) return RPC_E_DISCONNECTED;
  // The window itself, as the system's own proxy shows it.
  const HRESULT hr = AccessibleObjectFromWindow(wnd_, DWORD(OBJID_WINDOW), __uuidof(IDispatch),
                                                reinterpret_cast<void**>(parent));
  return SUCCEEDED(hr) ? S_OK : S_FALSE;
}

HRESULT TAccessibleBase::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  *count = 0;
  TWinSkinForm* form = Form();
  if (!form) return RPC_E_DISCONNECTED;
  *count = ChildCount(*form);
  return S_OK;
}

// The children are simple elements, not objects of their own.
HRESULT TAccessibleBase::get_accChild(VARIANT child, IDispatch** dispatch) {
  if (!dispatch) return E_POINTER;
  *dispatch = nullptr;
  long id = 0;
  TAccessElement element;
  if (const HRESULT hr = Element(child, id, element); FAILED(hr)) return hr;
  return id == CHILDID_SELF ? E_INVALIDARG : S_FALSE;
}

HRESULT TAccessibleBase::get_accName(VARIANT child, BSTR* name) { return Text(child, &TAccessElement::Name, name); }

HRESULT TAccessibleBase::get_accValue(VARIANT child, BSTR* value) {
  return Text(child, &TAccessElement::Value, value);
}

HRESULT TAccessibleBase::get_accDescription(VARIANT child, BSTR* description) {
  return get_accHelp(child, description);  // neither is given
}

HRESULT TAccessibleBase::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  VariantInit(role);
  long id = 0;
  TAccessElement element;
  if (const HRESULT hr = Element(child, id, element); FAILED(hr)) return hr;
  SetChild(role, element.Role);
  return S_OK;
}

HRESULT TAccessibleBase::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  VariantInit(state);
  long id = 0;
  TAccessElement element;
  if (const HRESULT hr = Element(child, id, element); FAILED(hr)) return hr;
  SetChild(state, element.State);
  return S_OK;
}

HRESULT TAccessibleBase::get_accHelp(VARIANT child, BSTR* help) {
  if (!help) return E_POINTER;
  *help = nullptr;
  long id = 0;
  TAccessElement element;
  const HRESULT hr = Element(child, id, element);
  return FAILED(hr) ? hr : S_FALSE;
}

HRESULT TAccessibleBase::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  if (!file || !topic) return E_POINTER;
  *file = nullptr;
  *topic = 0;
  long id = 0;
  TAccessElement element;
  const HRESULT hr = Element(child, id, element);
  return FAILED(hr) ? hr : S_FALSE;
}

HRESULT TAccessibleBase::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return Text(child, &TAccessElement::KeyboardShortcut, shortcut);
}

HRESULT TAccessibleBase::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  return Form() ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT TAccessibleBase::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  VariantInit(children);
  return Form() ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT TAccessibleBase::get_accDefaultAction(VARIANT child, BSTR* action) {
  return Text(child, &TAccessElement::DefaultAction, action);
}

HRESULT TAccessibleBase::accSelect(long, VARIANT child) {
  long id = 0;
  TAccessElement element;
  const HRESULT hr = Element(child, id, element);
  return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
}

HRESULT TAccessibleBase::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  long id = 0;
  TAccessElement element;
  if (const HRESULT hr = Element(child, id, element); FAILED(hr)) return hr;
  *left = element.Screen.left;
  *top = element.Screen.top;
  *width = element.Screen.right - element.Screen.left;
  *height = element.Screen.bottom - element.Screen.top;
  return S_OK;
}

HRESULT TAccessibleBase::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  TWinSkinForm* form = Form();
  if (!form) return RPC_E_DISCONNECTED;
  long id = 0;
  const long count = ChildCount(*form);
  if (!ChildId(start, id) || id < 0 || id > count) return E_INVALIDARG;
  long to = -1;
  switch (direction) {
    case NAVDIR_FIRSTCHILD: to = id == CHILDID_SELF && count > 0 ? 1 : -1; break;
    case NAVDIR_LASTCHILD: to = id == CHILDID_SELF && count > 0 ? count : -1; break;
    case NAVDIR_NEXT:
    case NAVDIR_RIGHT: to = id != CHILDID_SELF && id < count ? id + 1 : -1; break;
    case NAVDIR_PREVIOUS:
    case NAVDIR_LEFT: to = id > 1 ? id - 1 : -1; break;
    default: break;
  }
  if (to < 0) return S_FALSE;
  SetChild(end, to);
  return S_OK;
}

HRESULT TAccessibleBase::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  TWinSkinForm* form = Form();
  if (!form) return RPC_E_DISCONNECTED;
  const POINT p{x, y};
  const long count = ChildCount(*form);
  for (long id = 1; id <= count; ++id) {
    const TAccessElement element = Describe(*form, id);
    if (!(element.State & STATE_SYSTEM_INVISIBLE) && PtInRect(&element.Screen, p)) {
      SetChild(child, id);
      return S_OK;
    }
  }
  const TAccessElement self = Describe(*form, CHILDID_SELF);
  if (!PtInRect(&self.Screen, p)) return S_FALSE;
  SetChild(child, CHILDID_SELF);
  return S_OK;
}

HRESULT TAccessibleBase::accDoDefaultAction(VARIANT child) {
  TWinSkinForm* form = Form();
  if (!form) return RPC_E_DISCONNECTED;
  long id = 0;
  if (!ChildId(child, id) || id < 0 || id > ChildCount(*form)) return E_INVALIDARG;
  return DoDefaultAction(*form, id);
}

HRESULT TAccessibleBase::put_accName(VARIANT, BSTR) { return Form() ? E_NOTIMPL : RPC_E_DISCONNECTED; }

HRESULT TAccessibleBase::put_accValue(VARIANT, BSTR) { return Form() ? E_NOTIMPL : RPC_E_DISCONNECTED; }

}  // namespace skin
