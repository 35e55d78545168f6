// tavrin_site: serves the training pages on the loopback address.
//
//   tavrin_site [--port N] [--root DIR] [--ready-event NAME]
//
// Port 0 picks a free port. One line per request goes to standard output; the
// first line tells the address served. Ends cleanly on SIGINT/SIGTERM (Ctrl+C).
// On Windows, --ready-event names an event the server sets once it listens
// (the training program waits on it instead of polling the port).
#include "site/SiteServer.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <pthread.h>
#endif

namespace {

struct Options {
  int port = site::DefaultPort();
  std::string root = site::DefaultRoot();
  std::string readyEvent;
};

void PrintUsage(std::FILE* to) {
  std::fprintf(to, "usage: tavrin_site [--port N] [--root DIR]\n"
                   "  --port N    port on 127.0.0.1 (default %d; 0 picks a free one)\n"
                   "  --root DIR  folder of the pages (default %s)\n",
               site::DefaultPort(), site::DefaultRoot().c_str());
}

std::optional<int> ParsePort(const std::string& text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int port = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port > 65535) return std::nullopt;
  return port;
}

// Returns nullopt (after saying why) when the command line is not understood.
std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--port" && hasValue) {
      const auto port = ParsePort(argv[++i]);
      if (!port) {
        std::fprintf(stderr, "tavrin_site: not a port: %s\n", argv[i]);
        return std::nullopt;
      }
      options.port = *port;
    } else if (arg == "--root" && hasValue) {
      options.root = argv[++i];
#ifdef _WIN32
    } else if (arg == "--ready-event" && hasValue) {
      options.readyEvent = argv[++i];
#endif
    } else {
      std::fprintf(stderr, "tavrin_site: unexpected argument: %s\n", arg.c_str());
      return std::nullopt;
    }
  }
  return options;
}

#ifdef _WIN32
site::SiteServer* g_server = nullptr;

BOOL WINAPI OnConsoleControl(DWORD) {
  if (g_server) g_server->Stop();
  return TRUE;
}

void StopOnSignals(site::SiteServer& server) {
  g_server = &server;
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void SignalReady(const std::string& name) {
  if (name.empty()) return;
  HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str());
  if (!event) return;  // whoever asked has gone; serve anyway
  SetEvent(event);
  CloseHandle(event);
}
#else
void SignalReady(const std::string&) {}

// The signals are blocked in every thread and taken by one waiting thread, so
// stopping happens outside a signal handler.
void StopOnSignals(site::SiteServer& server) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::thread([&server, signals] {
    int received = 0;
    sigwait(&signals, &received);
    server.Stop();
  }).detach();
}
#endif

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--help") {
    PrintUsage(stdout);
    return 0;
  }
  const auto options = ParseOptions(argc, argv);
  if (!options) {
    PrintUsage(stderr);
    return 2;
  }

  site::SiteServer server(options->root, [](const std::string& line) {
    std::cout << line << std::endl;  // flushed: the log is read while we run
  });
  if (!server.RootFound()) {
    std::fprintf(stderr, "tavrin_site: no such folder: %s\n", options->root.c_str());
    return 1;
  }
  StopOnSignals(server);  // before any server thread starts, so they inherit the mask
  const int port = server.Bind(options->port);
  if (port == 0) {
    std::fprintf(stderr, "tavrin_site: cannot listen on 127.0.0.1:%d\n", options->port);
    return 1;
  }
  std::cout << "listening on http://127.0.0.1:" << port << "/ serving " << options->root
            << std::endl;
  SignalReady(options->readyEvent);
  const bool served = server.Run();
  std::cout << "stopped" << std::endl;
  return served ? 0 : 1;
}
