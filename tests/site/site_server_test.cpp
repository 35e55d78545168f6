// The site served in-process: pages, content types, the quiz grid, the shop's
// referral value, request logging and stopping.
#include "site/SiteServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr char kLetterPool[] =
    "D346CiNZKNDPiEA2L85GKLOFQJPEH61YVDVR8UMNOXFASH9A3SXYUJFC7RATWB1KW4VDQK2DMQO4M2PK5SMZH7LPQ5G6ZO785GXN63F1J4HiJCYFKH98NTYVL1RG9W8TSS";
constexpr char kHtml[] = "text/html; charset=utf-8";

class RunningSite {
 public:
  RunningSite()
      : server_(site::DefaultRoot(), [this](const std::string& line) { AddLine(line); }) {
    port_ = server_.Bind(0);
    runner_ = std::thread([this] { server_.Run(); });
  }
  ~RunningSite() {
    server_.Stop();
    runner_.join();
  }
  int port() const { return port_; }
  httplib::Result Get(const std::string& target) {
    httplib::Client client("127.0.0.1", port_);
    return client.Get(target.c_str());
  }
  // The log lines once there are `count` of them (the server logs after it
  // replied), or what came within 10 seconds.
  std::vector<std::string> WaitForLines(std::size_t count) {
    std::unique_lock<std::mutex> lock(mutex_);
    logged_.wait_for(lock, std::chrono::seconds(10), [&] { return lines_.size() >= count; });
    return lines_;
  }

 private:
  void AddLine(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.push_back(line);
    logged_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable logged_;
  std::vector<std::string> lines_;
  site::SiteServer server_;
  int port_ = 0;
  std::thread runner_;
};

std::string StripTags(const std::string& html) {
  static const std::regex tag("<[^>]*>|\\s+");
  return std::regex_replace(html, tag, "");
}

TEST(SiteServer, ServesThePagesAsUtf8Html) {
  RunningSite site;
  ASSERT_NE(site.port(), 0);
  for (const char* target : {"/soft/tavrin.htm", "/soft/tavrin.aspx", "/?source=tavrin"}) {
    SCOPED_TRACE(target);
    auto res = site.Get(target);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), kHtml);
    EXPECT_EQ(res->get_header_value(site::kSiteHeader), "1") << "the program tells ours by it";
    EXPECT_NE(res->body.find("charset=utf-8"), std::string::npos);
  }
  EXPECT_NE(site.Get("/soft/tavrin.htm")->body.find("初级测试"), std::string::npos);
}

TEST(SiteServer, QuizPageShowsThePoolAsThirteenByTen) {
  RunningSite site;
  auto res = site.Get("/soft/tavrin.aspx");
  ASSERT_TRUE(res);
  const std::string& body = res->body;
  const auto start = body.find("<table class=\"grid\">");
  const auto end = body.find("</table>", start);
  ASSERT_NE(start, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  const std::string grid = body.substr(start, end - start);

  EXPECT_EQ(StripTags(grid), kLetterPool);
  static const std::regex row("<tr>(.*?)</tr>");
  static const std::regex cell("<td>[^<]</td>");
  int rows = 0;
  for (std::sregex_iterator it(grid.begin(), grid.end(), row), last; it != last; ++it, ++rows) {
    const std::string cells = (*it)[1];
    EXPECT_EQ(std::distance(std::sregex_iterator(cells.begin(), cells.end(), cell),
                            std::sregex_iterator()),
              13)
        << "row " << rows;
  }
  EXPECT_EQ(rows, 10);
}

TEST(SiteServer, ShopPageShowsTheReferralValueEscaped) {
  RunningSite site;
  EXPECT_NE(site.Get("/?source=tavrin")->body.find("推荐来源: tavrin"), std::string::npos);

  const std::string hostile = site.Get("/?source=%3Cscript%3Ealert(1)%3C%2Fscript%3E")->body;
  EXPECT_EQ(hostile.find("<script>"), std::string::npos);
  EXPECT_NE(hostile.find("推荐来源: &lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);

  EXPECT_NE(site.Get("/")->body.find("推荐来源: 未注明"), std::string::npos);
}

TEST(SiteServer, UnknownAndEscapingPathsAreNotFound) {
  RunningSite site;
  for (const char* target : {"/soft/missing.htm", "/../CMakeLists.txt", "/soft/../../server.cpp"}) {
    SCOPED_TRACE(target);
    auto res = site.Get(target);
    ASSERT_TRUE(res);
    EXPECT_GE(res->status, 400);
    EXPECT_EQ(res->get_header_value(site::kSiteHeader), "1");
    EXPECT_EQ(res->body.find("add_library"), std::string::npos);
  }
}

TEST(SiteServer, LogsOneLinePerRequest) {
  RunningSite site;
  site.Get("/soft/tavrin.aspx");
  site.Get("/?source=tavrin");
  site.Get("/soft/missing.htm");
  // The server logs after answering, from its worker threads, so two quick
  // requests may be logged in either order.
  auto lines = site.WaitForLines(3);
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{"GET /?source=tavrin HTTP/1.1 200",
                                             "GET /soft/missing.htm HTTP/1.1 404",
                                             "GET /soft/tavrin.aspx HTTP/1.1 200"}));
}

TEST(SiteServer, StopEndsRunEvenBeforeItStarts) {
  site::SiteServer server(site::DefaultRoot(), nullptr);
  ASSERT_NE(server.Bind(0), 0);
  server.Stop();
  auto run = std::async(std::launch::async, [&server] { return server.Run(); });
  ASSERT_EQ(run.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_TRUE(run.get());
}

TEST(SiteServer, MissingRootIsReported) {
  site::SiteServer server("/nonexistent/tavrin/site", nullptr);
  EXPECT_FALSE(server.RootFound());
}

}  // namespace
