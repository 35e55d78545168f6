// The web-browser control: a child window hosting a browser engine (the
// system's web-browser control unless a factory is set, as tests do).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/Control.h"
#include "ui/WebBrowserHost.h"

namespace ui {

// A navigation that failed: its address and the engine's status (an HTTP status
// such as 404, or an error code).
using TNavigateErrorEvent = std::function<void(TObject* Sender, const std::wstring& URL, int StatusCode)>;

using TWebBrowserEngineFactory = std::function<std::unique_ptr<IWebBrowserEngine>(HWND parent, const RECT& bounds)>;

class TWebBrowser : public TWinControl {
 public:
  explicit TWebBrowser(TComponent* owner);
  ~TWebBrowser() override;
  std::string ClassName() const override { return "TWebBrowser"; }

  // Where browser engines come from; an empty factory restores the system control.
  static void SetEngineFactory(TWebBrowserEngineFactory factory);

  // Starts loading `url` (creating the window and the engine when needed).
  // Without an engine (the system control is missing) nothing happens.
  void Navigate(const std::wstring& url);
  // The engine's current location; empty before the first navigation.
  std::wstring LocationURL();
  IWebBrowserEngine* Engine() { return engine_.get(); }

  // Raised after each download the engine finishes.
  TNotifyEvent OnDownloadComplete;
  // Raised when a navigation fails.
  TNavigateErrorEvent OnNavigateError;

  bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) override;

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;

 private:
  std::unique_ptr<IWebBrowserEngine> engine_;
};

}  // namespace ui
