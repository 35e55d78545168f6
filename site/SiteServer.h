// The training site: start page, quiz page and shop page, served on the
// loopback address from a folder of pages.
#pragma once

#include <httplib.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

namespace site {

// Header that every answer of this server carries (value "1").
constexpr char kSiteHeader[] = "X-Tavrin-Site";

// Folder of the pages: `www` beside the executable on Windows when there is
// one (installed copies), otherwise the source tree's, fixed when the server
// is built.
std::string DefaultRoot();
// Port of the training host the program is built for.
int DefaultPort();

// Text made safe to stand inside HTML text or a quoted attribute.
std::string HtmlEscape(std::string_view text);
// The shop's home page, naming the referral value it was reached with.
std::string ShopPage(std::string_view source);

class SiteServer {
 public:
  using LogSink = std::function<void(const std::string& line)>;

  // `log` receives one line per request, never from two threads at once.
  SiteServer(const std::string& root, LogSink log);
  SiteServer(const SiteServer&) = delete;
  SiteServer& operator=(const SiteServer&) = delete;

  // False when `root` is not a folder.
  bool RootFound() const { return rootFound_; }

  // Binds 127.0.0.1:`port`; port 0 picks a free one. Returns the bound port,
  // or 0 when the address cannot be had.
  int Bind(int port);
  // Serves until Stop; false when serving could not start.
  bool Run();
  // Ends Run from any thread, also when Run has not started yet.
  void Stop();

 private:
  void Route();
  void Log(const httplib::Request& req, const httplib::Response& res);

  httplib::Server server_;
  bool rootFound_ = false;
  LogSink log_;
  std::mutex logMutex_;
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> runEntered_{false};
  std::atomic<bool> runFinished_{false};
};

}  // namespace site
