// A small HTTP responder on 127.0.0.1 inside the test process, serving the
// site's pages from disk (or answering every request with an error status)
// and remembering each request line. It stands in for the site server in the
// Windows tests, because the cross build has no cpp-httplib implementation to
// build that server with.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test {

// The training site's pages (site/www of the source tree), as the Windows
// tests see that folder.
std::filesystem::path TrainingSiteRoot();

class LoopbackSite {
 public:
  // Listens on a free port at once; 0 from port() means it could not.
  explicit LoopbackSite(std::filesystem::path root);
  LoopbackSite(const LoopbackSite&) = delete;
  LoopbackSite& operator=(const LoopbackSite&) = delete;
  ~LoopbackSite();

  int port() const { return port_; }
  std::vector<std::string> RequestLines() const;
  // From now on answers every request with this status line ("404 Not
  // Found") and a short page; an empty one serves the files again.
  void AnswerWith(std::string statusLine);

 private:
  void Serve();
  void Answer(SOCKET client);
  std::string Response(const std::string& requestLine) const;

  std::filesystem::path root_;
  bool wsaStarted_ = false;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requestLines_;
  std::string answerWith_;
  std::thread thread_;
};

}  // namespace test
