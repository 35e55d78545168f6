// The tavrin_site executable: command line, the address it reports, its
// request log on standard output and a clean end on SIGTERM and SIGINT.
#include <httplib.h>

#include <gtest/gtest.h>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The server as a child process with its standard output on a pipe. Killed
// and reaped on destruction if the test did not end it.
class SiteProcess {
 public:
  explicit SiteProcess(std::vector<std::string> args) {
    args.insert(args.begin(), TAVRIN_SITE_EXE);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out_ = fds[0];
  }
  SiteProcess(const SiteProcess&) = delete;
  SiteProcess& operator=(const SiteProcess&) = delete;
  ~SiteProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }

  // The next line of output, or nullopt at its end or after 10 seconds.
  std::optional<std::string> ReadLine() {
    std::string line;
    char c = 0;
    while (true) {
      pollfd p{out_, POLLIN, 0};
      if (poll(&p, 1, 10000) <= 0 || read(out_, &c, 1) != 1) return std::nullopt;
      if (c == '\n') return line;
      line += c;
    }
  }

  // Sends `signal` (0: none) and returns the exit status: -1 when it did not
  // end normally, -2 when it was still running after 10 seconds.
  int Finish(int signal) {
    if (signal) kill(pid_, signal);
    int status = 0;
    for (int waited = 0; waitpid(pid_, &status, WNOHANG) == 0; waited += 10) {
      if (waited >= 10000) return -2;  // the destructor kills it
      usleep(10000);
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
};

int PortOf(const std::string& listeningLine) {
  const auto colon = listeningLine.find("127.0.0.1:");
  if (colon == std::string::npos) return 0;
  return std::stoi(listeningLine.substr(colon + 10));
}

TEST(SiteProcess, ServesLogsAndEndsCleanlyOnSignals) {
  for (int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal);
    SiteProcess server({"--port", "0", "--root", TAVRIN_SITE_ROOT_DIR});
    const auto first = server.ReadLine();
    ASSERT_TRUE(first);
    const int port = PortOf(*first);
    ASSERT_GT(port, 0) << *first;

    httplib::Client client("127.0.0.1", port);
    auto res = client.Get("/soft/tavrin.aspx");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(server.ReadLine(), "GET /soft/tavrin.aspx HTTP/1.1 200");

    EXPECT_EQ(server.Finish(signal), 0);
  }
}

TEST(SiteProcess, RefusesWhatItCannotServe) {
  EXPECT_EQ(SiteProcess({"--port", "http"}).Finish(0), 2);
  EXPECT_EQ(SiteProcess({"--port", "70000"}).Finish(0), 2);
  EXPECT_EQ(SiteProcess({"--verbose"}).Finish(0), 2);
  EXPECT_EQ(SiteProcess({"--port", "0", "--root", "/nonexistent/tavrin"}).Finish(0), 1);

  SiteProcess holder({"--port", "0"});
  const auto first = holder.ReadLine();
  ASSERT_TRUE(first);
  const std::string taken = std::to_string(PortOf(*first));
  EXPECT_EQ(SiteProcess({"--port", taken}).Finish(0), 1) << "port " << taken << " is in use";
  EXPECT_EQ(holder.Finish(SIGTERM), 0);
}

}  // namespace
