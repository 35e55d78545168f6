// Hosting of the system's web-browser control: a minimal in-place container
// (client site, in-place site and frame in one object), an event sink for the
// control's DWebBrowserEvents2 interface, and the engine that ties both to a
// child window.
#include "ui/WebBrowserHost.h"

#include <ole2.h>
#include <oleidl.h>
#include <ocidl.h>
#include <exdisp.h>
#include <exdispid.h>

#include <atomic>
#include <utility>

namespace ui {
namespace {

// {8856F961-340A-11D0-A96B-00C04FD705A2}: the web-browser control.
constexpr CLSID kWebBrowserClassId = {
    0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

constexpr wchar_t kHostClassName[] = L"TavrinBrowserHost";

std::atomic<std::size_t> g_liveObjects{0};

// Owns one COM reference.
template <class T>
class ComRef {
 public:
  ComRef() = default;
  explicit ComRef(T* adopted) : p_(adopted) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { Reset(); }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // Releases what is held and hands out the slot for an out parameter.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  // Takes over a reference the caller already holds.
  void Attach(T* adopted) {
    Reset();
    p_ = adopted;
  }

  void Reset() {
    if (p_) {
      T* p = std::exchange(p_, nullptr);
      p->Release();
    }
  }

 private:
  T* p_ = nullptr;
};

// Frees a BSTR received from the control.
class BstrHolder {
 public:
  BstrHolder() = default;
  BstrHolder(const BstrHolder&) = delete;
  BstrHolder& operator=(const BstrHolder&) = delete;
  ~BstrHolder() { SysFreeString(s_); }
  BSTR* Put() { return &s_; }
  std::wstring Text() const { return s_ ? std::wstring(s_, SysStringLen(s_)) : std::wstring(); }

 private:
  BSTR s_ = nullptr;
};

// Reference counting shared by the two COM objects below; each counts itself
// in g_liveObjects for as long as it exists.
class RefCounted {
 protected:
  RefCounted() { ++g_liveObjects; }
  ~RefCounted() { --g_liveObjects; }
  ULONG AddRefImpl() { return ++refs_; }
  template <class Self>
  ULONG ReleaseImpl(Self* self) {
    const ULONG left = --refs_;
    if (left == 0) delete self;
    return left;
  }

 private:
  ULONG refs_ = 1;
};

RECT ClientRectOf(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return r;
}

// The container side of the in-place protocol. The control asks it for the
// window to live in and its place there; everything else is declined politely.
class BrowserSite final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          private RefCounted {
 public:
  explicit BrowserSite(HWND window) : window_(window) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
      *out = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
      *out = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
      *out = static_cast<IOleInPlaceFrame*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(this); }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override {
    if (out) *out = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (shared by the in-place site and the frame)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    if (!out) return E_POINTER;
    *out = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                             LPRECT pos, LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) override {
    if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *doc = nullptr;
    *pos = ClientRectOf(window_);
    *clip = *pos;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(window_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow: no tool space to give.
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
    return INPLACE_E_NOTOOLSPACE;
  }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
    return S_OK;
  }

  // IOleInPlaceFrame: no menus to merge, no status bar.
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~BrowserSite() = default;
  friend class RefCounted;

  HWND window_;
};

// An event argument as the control passes it: by value or as a reference to a VARIANT.
VARIANT* Argument(DISPPARAMS* params, UINT indexFromLast) {
  if (!params || indexFromLast >= params->cArgs) return nullptr;
  VARIANT* v = &params->rgvarg[indexFromLast];
  if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
  return v;
}

std::wstring ArgumentText(DISPPARAMS* params, UINT indexFromLast) {
  VARIANT* v = Argument(params, indexFromLast);
  VARIANT text;
  VariantInit(&text);
  if (!v || FAILED(VariantChangeType(&text, v, 0, VT_BSTR))) return {};
  std::wstring out = V_BSTR(&text) ? std::wstring(V_BSTR(&text), SysStringLen(V_BSTR(&text))) : std::wstring();
  VariantClear(&text);
  return out;
}

int ArgumentInt(DISPPARAMS* params, UINT indexFromLast) {
  VARIANT* v = Argument(params, indexFromLast);
  VARIANT number;
  VariantInit(&number);
  if (!v || FAILED(VariantChangeType(&number, v, 0, VT_I4))) return 0;
  return V_I4(&number);
}

// Receives the control's events. Holds plain callbacks that the engine clears
// before it goes, since the control may keep the sink a little longer.
class BrowserEvents final : public IDispatch, private RefCounted {
 public:
  using NavigateErrorHandler = std::function<void(const std::wstring&, int)>;

  BrowserEvents(std::function<void()> onDownloadComplete, NavigateErrorHandler onNavigateError)
      : onDownloadComplete_(std::move(onDownloadComplete)), onNavigateError_(std::move(onNavigateError)) {}

  void Detach() {
    onDownloadComplete_ = nullptr;
    onNavigateError_ = nullptr;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) &&
        !IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
      return E_NOINTERFACE;
    }
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(this); }

  // IDispatch: events arrive by dispatch id only.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
    if (out) *out = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    if (id == DISPID_DOWNLOADCOMPLETE) {
      Raise(onDownloadComplete_);
    } else if (id == DISPID_NAVIGATEERROR) {
      // The arguments come last first: Cancel, StatusCode, TargetFrameName, URL, the browser.
      Raise(onNavigateError_, ArgumentText(params, 3), ArgumentInt(params, 1));
    }
    return S_OK;
  }

 private:
  ~BrowserEvents() = default;
  friend class RefCounted;

  template <class Handler, class... Args>
  void Raise(const Handler& handler, const Args&... args) {
    if (!handler) return;
    // Keep this object alive and call a copy: the handler may destroy the engine.
    AddRef();
    ComRef<BrowserEvents> self(this);
    auto call = handler;
    call(args...);
  }

  std::function<void()> onDownloadComplete_;
  NavigateErrorHandler onNavigateError_;
};

ATOM RegisterHostClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  wc.lpszClassName = kHostClassName;
  return RegisterClassExW(&wc);
}

// The child window the control lives in.
class HostWindow {
 public:
  HostWindow(HWND parent, const RECT& r) {
    static const ATOM atom = RegisterHostClass();
    if (!atom || !IsWindow(parent)) return;
    hwnd_ = CreateWindowExW(0, kHostClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                            r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  HWND Get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

class ActiveXBrowser final : public IWebBrowserEngine {
 public:
  ActiveXBrowser(HWND parent, const RECT& bounds) : window_(parent, bounds) {}
  ActiveXBrowser(const ActiveXBrowser&) = delete;
  ActiveXBrowser& operator=(const ActiveXBrowser&) = delete;
  ~ActiveXBrowser() override { Shutdown(); }

  bool Start();

  void Navigate(const std::wstring& url) override;
  std::wstring LocationURL() override;
  void SetBounds(const RECT& r) override;

 private:
  bool Activate();
  bool Advise();
  void Shutdown();
  // Each calls a copy, since the handler may replace the callback or destroy this engine.
  void FireDownloadComplete() {
    auto handler = OnDownloadComplete;
    if (handler) handler();
  }
  void FireNavigateError(const std::wstring& url, int status) {
    auto handler = OnNavigateError;
    if (handler) handler(url, status);
  }

  HostWindow window_;  // first member: destroyed after every COM reference
  ComRef<BrowserSite> site_;
  ComRef<BrowserEvents> events_;
  ComRef<IOleObject> object_;
  ComRef<IOleInPlaceObject> inPlace_;
  ComRef<IWebBrowser2> browser_;
  ComRef<IConnectionPoint> connection_;
  DWORD cookie_ = 0;
};

bool ActiveXBrowser::Start() {
  if (!window_.Get()) return false;
  site_.Attach(new BrowserSite(window_.Get()));
  events_.Attach(new BrowserEvents([this] { FireDownloadComplete(); },
                                   [this](const std::wstring& url, int status) { FireNavigateError(url, status); }));
  return Activate() && Advise();
}

bool ActiveXBrowser::Activate() {
  if (FAILED(CoCreateInstance(kWebBrowserClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              object_.PutVoid()))) {
    return false;
  }
  IOleClientSite* site = site_.Get();
  if (FAILED(object_->SetClientSite(site))) return false;

  ComRef<IPersistStreamInit> persist;
  if (SUCCEEDED(object_->QueryInterface(IID_IPersistStreamInit, persist.PutVoid()))) {
    persist->InitNew();  // some versions of the control want a fresh state first
  }

  RECT r = ClientRectOf(window_.Get());
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, window_.Get(), &r))) {
    return false;
  }
  return SUCCEEDED(object_->QueryInterface(IID_IWebBrowser2, browser_.PutVoid())) &&
         SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace_.PutVoid()));
}

bool ActiveXBrowser::Advise() {
  ComRef<IConnectionPointContainer> container;
  if (FAILED(object_->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) ||
      FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, connection_.Put()))) {
    return false;
  }
  if (FAILED(connection_->Advise(static_cast<IDispatch*>(events_.Get()), &cookie_))) {
    connection_.Reset();
    return false;
  }
  return true;
}

void ActiveXBrowser::Shutdown() {
  if (connection_) {
    connection_->Unadvise(cookie_);
    connection_.Reset();
  }
  if (events_) events_->Detach();
  if (object_) {
    RECT r = ClientRectOf(window_.Get());
    object_->DoVerb(OLEIVERB_HIDE, nullptr, site_.Get(), 0, window_.Get(), &r);
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  browser_.Reset();
  inPlace_.Reset();
  object_.Reset();
  events_.Reset();
  site_.Reset();
}

void ActiveXBrowser::Navigate(const std::wstring& url) {
  BSTR target = SysAllocStringLen(url.data(), static_cast<UINT>(url.size()));
  if (!target) return;
  VARIANT flags, frame, postData, headers;
  VariantInit(&flags);
  VariantInit(&frame);
  VariantInit(&postData);
  VariantInit(&headers);
  browser_->Navigate(target, &flags, &frame, &postData, &headers);
  SysFreeString(target);
}

std::wstring ActiveXBrowser::LocationURL() {
  BstrHolder location;
  if (FAILED(browser_->get_LocationURL(location.Put()))) return {};
  return location.Text();
}

void ActiveXBrowser::SetBounds(const RECT& r) {
  MoveWindow(window_.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  const RECT client = ClientRectOf(window_.Get());
  inPlace_->SetObjectRects(&client, &client);
}

}  // namespace

std::unique_ptr<IWebBrowserEngine> CreateActiveXBrowser(HWND parent, const RECT& bounds) {
  auto browser = std::make_unique<ActiveXBrowser>(parent, bounds);
  if (!browser->Start()) return nullptr;
  return browser;
}

std::size_t LiveBrowserHostObjects() { return g_liveObjects.load(); }

}  // namespace ui
