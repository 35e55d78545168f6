// The web-browser control as the program needs it: navigate, read the current
// location, hear when a download completes or a navigation fails. The program codes against
// IWebBrowserEngine so that tests can put a double in place of the real control.
//
// The real engine hosts the system's web-browser ActiveX control in place in a
// child window of its own. COM must be initialised on the calling thread with
// OleInitialize before CreateActiveXBrowser is called, and stay initialised until
// the engine is destroyed. Everything runs on that one GUI thread; the events
// arrive while the thread dispatches messages.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace ui {

class IWebBrowserEngine {
 public:
  virtual ~IWebBrowserEngine() = default;

  // Starts loading `url`; flags, target frame, post data and headers stay empty.
  virtual void Navigate(const std::wstring& url) = 0;
  // The control's current location; empty before the first navigation.
  virtual std::wstring LocationURL() = 0;
  // Places the browser in its parent's client coordinates.
  virtual void SetBounds(const RECT& r) = 0;

  // Raised after each download the control finishes (DownloadComplete).
  std::function<void()> OnDownloadComplete;
  // Raised when a navigation fails (NavigateError): the address and the
  // control's status, an HTTP status (404) or an error code (an HRESULT).
  std::function<void(const std::wstring& url, int status)> OnNavigateError;
};

// Hosts the real control in a new child window of `parent` at `bounds`.
// Returns nullptr when the control cannot be created or activated.
std::unique_ptr<IWebBrowserEngine> CreateActiveXBrowser(HWND parent, const RECT& bounds);

// Number of COM objects (client sites and event sinks) the hosts have made and
// that are still referenced. Zero once every engine is gone and the control has
// released them: a diagnostic for leak checks.
std::size_t LiveBrowserHostObjects();

}  // namespace ui
