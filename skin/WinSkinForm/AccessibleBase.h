// The common part of the skinned frame's accessible objects (the menu bar and
// the title bar a screen reader asks for through WM_GETOBJECT): COM life,
// argument checks, and the answers every property gives.
//
// A screen reader may keep an object as long as it likes, past its window
// and its skin. The object holds no pointer into the window's companion:
// only a weak handle that the companion clears when it goes. Every call
// first asks the handle; once the companion, its window or its skinned frame
// is gone, the call answers RPC_E_DISCONNECTED.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>

namespace skin {

class TWinSkinForm;

// The handle's target; the companion owns the one shared object and clears
// Form before it lets it go.
struct TAccessTarget {
  TWinSkinForm* Form = nullptr;
};

// What one element (the object itself, id 0, or a child) shows.
struct TAccessElement {
  std::wstring Name;
  std::wstring Value;
  std::wstring KeyboardShortcut;
  std::wstring DefaultAction;
  long Role = 0;
  long State = 0;
  RECT Screen{};  // screen coordinates
};

class TAccessibleBase : public IAccessible {
 public:
  TAccessibleBase(std::weak_ptr<TAccessTarget> target, HWND wnd);
  virtual ~TAccessibleBase() = default;
  TAccessibleBase(const TAccessibleBase&) = delete;
  TAccessibleBase& operator=(const TAccessibleBase&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: no type information; clients use the IAccessible methods.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

 protected:
  // Asked only while the companion and its frame are there.
  virtual long ChildCount(TWinSkinForm& form) = 0;
  // `child` is 0 (the object) or 1 .. ChildCount.
  virtual TAccessElement Describe(TWinSkinForm& form, long child) = 0;
  // S_OK once the action is under way (it runs after the call returns);
  // DISP_E_MEMBERNOTFOUND where the element has none.
  virtual HRESULT DoDefaultAction(TWinSkinForm& form, long child) = 0;

 private:
  // The companion while its skinned frame lives; null once it has gone.
  TWinSkinForm* Form() const;
  // RPC_E_DISCONNECTED, E_INVALIDARG for a child id out of range, or S_OK
  // with the id and the element.
  HRESULT Element(const VARIANT& child, long& id, TAccessElement& element);
  HRESULT Text(const VARIANT& child, std::wstring TAccessElement::*field, BSTR* text);

  std::weak_ptr<TAccessTarget> target_;
  HWND wnd_;
  LONG refs_ = 1;
};

}  // namespace skin
