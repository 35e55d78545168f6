#include "ui/WebBrowser.h"

#include "ui/FormReader.h"

namespace ui {

namespace {

TWebBrowserEngineFactory& EngineFactory() {
  static TWebBrowserEngineFactory factory;
  return factory;
}

}  // namespace

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 300, 150);
  SetColor(clWhite);
}

TWebBrowser::~TWebBrowser() { engine_.reset(); }

void TWebBrowser::SetEngineFactory(TWebBrowserEngineFactory factory) { EngineFactory() = std::move(factory); }

void TWebBrowser::CreateWnd() {
  TWinControl::CreateWnd();
  const RECT bounds = ClientRect();
  const auto& factory = EngineFactory();
  engine_ = factory ? factory(Handle(), bounds) : CreateActiveXBrowser(Handle(), bounds);
  if (engine_) {
    engine_->OnDownloadComplete = [this] {
      if (OnDownloadComplete) OnDownloadComplete(this);
    };
    engine_->OnNavigateError = [this](const std::wstring& url, int status) {
      if (OnNavigateError) OnNavigateError(this, url, status);
    };
  }
}

void TWebBrowser::DestroyWnd() {
  engine_.reset();  // the engine's window lives inside ours
  TWinControl::DestroyWnd();
}

void TWebBrowser::WndProc(TMessage& m) {
  if (m.Msg == WM_DESTROY) engine_.reset();  // also when a parent's window takes ours along
  TWinControl::WndProc(m);
  if (m.Msg == WM_SIZE && engine_) engine_->SetBounds(ClientRect());
}

void TWebBrowser::Navigate(const std::wstring& url) {
  HandleNeeded();
  if (engine_) engine_->Navigate(url);
}

std::wstring TWebBrowser::LocationURL() { return engine_ ? engine_->LocationURL() : std::wstring(); }

bool TWebBrowser::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "OnDownloadComplete") OnDownloadComplete = reader.FindEvent<TNotifyEvent>(value);
  else if (name == "OnNavigateError") OnNavigateError = reader.FindEvent<TNavigateErrorEvent>(value);
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
