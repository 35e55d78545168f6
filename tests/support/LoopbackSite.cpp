#include "support/LoopbackSite.h"

#include <ws2tcpip.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

namespace test {
namespace {

std::string ReadRequestHead(SOCKET client) {
  std::string head;
  char buffer[1024];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < 16384) {
    const int got = recv(client, buffer, sizeof(buffer), 0);
    if (got <= 0) break;
    head.append(buffer, static_cast<size_t>(got));
  }
  return head;
}

std::string Reply(const char* status, const std::string& body) {
  std::ostringstream out;
  out << "HTTP/1.1 " << status << "\r\n"
      << "Content-Type: text/html; charset=utf-8\r\n"
      << "Content-Length: " << body.size() << "\r\n"
      << "Connection: close\r\n\r\n"
      << body;
  return out.str();
}

void SendAll(SOCKET client, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    const int n = send(client, data.data() + sent, static_cast<int>(data.size() - sent), 0);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

}  // namespace

// Wine maps the Unix root to drive Z:, where the cross-built tests find the site.
std::filesystem::path TrainingSiteRoot() {
  std::string root = TAVRIN_SITE_ROOT_DIR;
  if (!root.empty() && root[0] == '/') root = "Z:" + root;
  return std::filesystem::path(root);
}

LoopbackSite::LoopbackSite(std::filesystem::path root) : root_(std::move(root)) {
  WSADATA data;
  wsaStarted_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  if (!wsaStarted_) return;
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int size = sizeof(address);
  if (listener_ == INVALID_SOCKET ||
      bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(listener_, SOMAXCONN) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    return;
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackSite::~LoopbackSite() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (listener_ != INVALID_SOCKET) closesocket(listener_);
  if (wsaStarted_) WSACleanup();
}

std::vector<std::string> LoopbackSite::RequestLines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requestLines_;
}

void LoopbackSite::AnswerWith(std::string statusLine) {
  std::lock_guard<std::mutex> lock(mutex_);
  answerWith_ = std::move(statusLine);
}

// Waits for connections in short slices so that the destructor's stop request
// is seen within a tenth of a second.
void LoopbackSite::Serve() {
  while (!stop_) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(listener_, &readable);
    timeval slice{0, 100000};
    if (select(0, &readable, nullptr, nullptr, &slice) <= 0) continue;
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    Answer(client);
  }
}

void LoopbackSite::Answer(SOCKET client) {
  const DWORD timeoutMs = 5000;
  setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs),
             sizeof(timeoutMs));
  const std::string head = ReadRequestHead(client);
  const std::string requestLine = head.substr(0, head.find("\r\n"));
  std::string answerWith;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requestLines_.push_back(requestLine);
    answerWith = answerWith_;
  }
  SendAll(client, answerWith.empty() ? Response(requestLine)
                                     : Reply(answerWith.c_str(), "<html><body>" + answerWith + "</body></html>"));
  shutdown(client, SD_SEND);
  closesocket(client);
}

std::string LoopbackSite::Response(const std::string& requestLine) const {
  std::istringstream words(requestLine);
  std::string method, target;
  words >> method >> target;
  const std::string path = target.substr(0, target.find('?'));
  if (method != "GET" || path.empty() || path[0] != '/' || path.find("..") != std::string::npos) {
    return Reply("404 Not Found", "<html><body>404</body></html>");
  }
  std::ifstream file(root_ / std::filesystem::path(path.substr(1)), std::ios::binary);
  if (!file) return Reply("404 Not Found", "<html><body>404</body></html>");
  return Reply("200 OK", std::string(std::istreambuf_iterator<char>(file), {}));
}

}  // namespace test
