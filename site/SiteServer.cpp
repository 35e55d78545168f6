#include "site/SiteServer.h"

#include <chrono>
#include <thread>

namespace site {
namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kLoopback[] = "127.0.0.1";

std::string ErrorPage(int status) {
  const std::string code = std::to_string(status);
  return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head>"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
         "<title>" + code + "</title></head>\n<body><h1>" + code +
         "</h1><p>找不到这个页面。</p></body></html>\n";
}

// Only one server per address: the library's default would let a second one
// share the port (SO_REUSEPORT), and requests would go to either.
void ExclusiveAddress(socket_t sock) {
  int yes = 1;
#ifdef _WIN32
  setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&yes),
             sizeof(yes));
#else
  setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
#endif
}

}  // namespace

int DefaultPort() { return TAVRIN_SITE_PORT; }

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string ShopPage(std::string_view source) {
  const std::string shown = source.empty() ? std::string("未注明") : HtmlEscape(source);
  return R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<meta http-equiv="X-UA-Compatible" content="IE=edge">
<title>集中力训练小店</title>
<style type="text/css">
  body { margin: 0; padding: 24px 32px; background: #fffaf3; color: #222222;
         font-family: "Microsoft YaHei", "WenQuanYi Micro Hei", "SimSun", sans-serif; font-size: 15px; }
  h1 { margin: 0 0 8px 0; font-size: 24px; color: #d35400; }
  p.source { margin: 0 0 16px 0; color: #777777; font-size: 13px; }
  ul { margin: 0; padding-left: 20px; line-height: 1.8; }
</style>
</head>
<body>
<h1>集中力训练小店</h1>
<p class="source">推荐来源: )" + shown + R"(</p>
<ul>
  <li>专注力练习册（初级、中级、高级）</li>
  <li>舒尔特方格卡片</li>
  <li>计时沙漏 30 秒</li>
</ul>
</body>
</html>
)";
}

SiteServer::SiteServer(const std::string& root, LogSink log) : log_(std::move(log)) {
  rootFound_ = server_.set_mount_point("/", root);
  Route();
}

void SiteServer::Route() {
  server_.set_socket_options(ExclusiveAddress);
  // Every answer, error pages included, names the server, so the program can
  // tell ours from another one on the port.
  server_.set_default_headers({{kSiteHeader, "1"}});
  for (const char* ext : {"htm", "html", "aspx"}) {
    server_.set_file_extension_and_mimetype_mapping(ext, kHtml);
  }
  // Static files are looked up first; "/" has no file, so it reaches this page.
  server_.Get("/", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(ShopPage(req.get_param_value("source")), kHtml);
  });
  server_.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    res.set_content(ErrorPage(res.status), kHtml);
  });
  server_.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
    Log(req, res);
  });
}

void SiteServer::Log(const httplib::Request& req, const httplib::Response& res) {
  if (!log_) return;
  const std::string target = req.target.empty() ? req.path : req.target;
  const std::string line =
      req.method + " " + target + " " + req.version + " " + std::to_string(res.status);
  std::lock_guard<std::mutex> lock(logMutex_);
  log_(line);
}

int SiteServer::Bind(int port) {
  if (port == 0) {
    const int bound = server_.bind_to_any_port(kLoopback);
    return bound > 0 ? bound : 0;
  }
  return server_.bind_to_port(kLoopback, port) ? port : 0;
}

bool SiteServer::Run() {
  runEntered_ = true;
  bool ok = true;
  if (!stopRequested_) ok = server_.listen_after_bind();
  runFinished_ = true;
  return ok;
}

void SiteServer::Stop() {
  stopRequested_ = true;
  if (!runEntered_) return;  // Run will see the request before it serves
  // Run may be between its check and the start of serving: the library only
  // stops a server that is already running, so wait for one or the other.
  while (!server_.is_running() && !runFinished_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  server_.stop();
}

}  // namespace site
