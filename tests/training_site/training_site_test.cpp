// The program's start-up step for the training site, with the real server as
// a child process on a free port: it serves the pages and names itself, ends
// with its starter however that ends, and a port held by another program is
// reported at once instead of waited on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/SitePort.h"
#include "app/TrainingSite.h"
#include "support/LoopbackSite.h"
#include "support/SiteProcess.h"
#include "ui/KernelHandle.h"
#include "ui/GuiTestSupport.h"
#include "ui/TextConv.h"

namespace {

using training_site::TPortState;
using training_site::TStart;
using training_site::TTrainingSite;

const std::filesystem::path kServer = TAVRIN_SITE_EXE;
constexpr unsigned kProbeMs = 1500;
constexpr char kPortVariable[] = "TAVRIN_TEST_SITE_PORT";

std::string Host(int port) { return "127.0.0.1:" + std::to_string(port); }

TEST(TrainingSite, TellsLoopbackHostsAndOurServersAnswer) {
  struct Case {
    const char* host;
    int port;  // 0: not this machine's
  };
  for (const Case& c : {Case{"127.0.0.1:8931", 8931}, Case{"LocalHost:80", 80}, Case{"localhost", 80},
                        Case{"127.0.0.1:65535", 65535}, Case{"127.0.0.1:0", 0}, Case{"127.0.0.1:65536", 0},
                        Case{"127.0.0.1:", 0}, Case{"127.0.0.1:89a1", 0}, Case{"10.0.0.1:8931", 0},
                        Case{"127.0.0.10:8931", 0}, Case{"www.example.org", 0}}) {
    EXPECT_EQ(training_site::LoopbackPort(c.host).value_or(0), c.port) << c.host;
  }
  struct Head {
    const char* text;
    bool ours;
  };
  for (const Head& h : {Head{"HTTP/1.1 200 OK\r\nX-Tavrin-Site: 1\r\n\r\n", true},
                        Head{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nx-tavrin-site:1\r\n\r\n", true},
                        Head{"HTTP/1.1 200 OK\r\nServer: other\r\n\r\n", false},
                        Head{"HTTP/1.1 200 OK\r\nX-Tavrin-Site: 0\r\n\r\n", false},
                        Head{"HTTP/1.1 200 OK\r\n\r\nX-Tavrin-Site: 1\r\n", false},  // in the body
                        Head{"SSH-2.0-X-Tavrin-Site: 1\r\n", false}, Head{"", false}}) {
    EXPECT_EQ(training_site::NamesOurSite(h.text), h.ours) << h.text;
  }
}

TEST(TrainingSite, StartsOurServerWhichServesThePagesAndEndsWithIt) {
  const int port = test_support::FreePort();
  ASSERT_NE(port, 0);
  ui::KernelHandle server;
  {
    TTrainingSite site;
    ASSERT_EQ(site.Start(Host(port), {"Z:\\no\\such\\tavrin_site.exe", kServer}), TStart::Started);
    server.Reset(OpenProcess(SYNCHRONIZE, FALSE, site.ServerProcessId()));
    ASSERT_TRUE(server);
    EXPECT_EQ(training_site::ProbePort(port, kProbeMs), TPortState::Ours);

    const test_support::HttpAnswer quiz = test_support::HttpGet(port, "/soft/tavrin.aspx");
    EXPECT_EQ(quiz.Status(), 200);
    EXPECT_NE(quiz.Head.find("X-Tavrin-Site: 1\r\n"), std::string::npos) << quiz.Head;
    EXPECT_NE(quiz.Body.find("<tr><td>D</td><td>3</td><td>4</td><td>6</td>"), std::string::npos)
        << "the quiz page from the folder beside the server";
    const test_support::HttpAnswer missing = test_support::HttpGet(port, "/soft/none.htm");
    EXPECT_EQ(missing.Status(), 404);
    EXPECT_NE(missing.Head.find("X-Tavrin-Site: 1\r\n"), std::string::npos) << "every answer names the server";

    TTrainingSite second;
    EXPECT_EQ(second.Start(Host(port), {kServer}), TStart::AlreadyRunning);
    EXPECT_EQ(second.ServerProcessId(), 0u);
  }
  EXPECT_EQ(WaitForSingleObject(server.Get(), 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(test_support::WaitUntil(
      [&] { return training_site::ProbePort(port, kProbeMs) == TPortState::Free; }, 10000))
      << "the port is free again, for the next start";
}

// Run only as a child process by the test below: starts the server the way
// the program does, then waits to be ended.
// Set by the program below once its server listens. Until then the test must
// not probe the port: a probe binds it for a moment, and the program (or its
// server) would take that for another program holding it.
std::wstring StartedEventName(int port) { return L"TavrinSiteTestStarted" + std::to_wstring(port); }

TEST(TrainingSite, DISABLED_Program) {
  char port[16] = {};
  ASSERT_NE(GetEnvironmentVariableA(kPortVariable, port, sizeof(port)), 0u);
  TTrainingSite site;
  ASSERT_EQ(site.Start(Host(std::atoi(port)), {kServer}), TStart::Started);
  ui::KernelHandle started(OpenEventW(EVENT_MODIFY_STATE, FALSE, StartedEventName(std::atoi(port)).c_str()));
  SetEvent(started.Get());
  Sleep(INFINITE);
}

TEST(TrainingSite, TheServerEndsWhenItsProgramIsKilled) {
  const int port = test_support::FreePort();
  ASSERT_NE(port, 0);
  SetEnvironmentVariableA(kPortVariable, std::to_string(port).c_str());
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) +
                         L"\" --gtest_filter=TrainingSite.DISABLED_Program --gtest_also_run_disabled_tests";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  ui::KernelHandle started(CreateEventW(nullptr, TRUE, FALSE, StartedEventName(port).c_str()));
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
  ui::KernelHandle program(info.hProcess), thread(info.hThread);
  struct EndProgram {  // whatever the outcome, the program does not outlive the test
    HANDLE process;
    ~EndProgram() { TerminateProcess(process, 9); }
  } endProgram{program.Get()};
  const HANDLE waits[] = {started.Get(), program.Get()};
  ASSERT_EQ(WaitForMultipleObjects(2, waits, FALSE, 30000), WAIT_OBJECT_0);
  EXPECT_EQ(training_site::ProbePort(port, kProbeMs), TPortState::Ours);
  const auto servers = test_support::ChildProcesses(info.dwProcessId, L"tavrin_site.exe");
  ASSERT_EQ(servers.size(), 1u);
  ui::KernelHandle server(OpenProcess(SYNCHRONIZE, FALSE, servers[0]));
  ASSERT_TRUE(server);

  TerminateProcess(program.Get(), 9);  // no clean-up of its own at all
  EXPECT_EQ(WaitForSingleObject(server.Get(), 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(test_support::WaitUntil(
      [&] { return training_site::ProbePort(port, kProbeMs) == TPortState::Free; }, 10000));
}

TEST(TrainingSite, APortHeldByAnotherProgramIsReportedInsteadOfWaitedOn) {
  test_support::HeldPort silent;         // takes connections, never answers
  test::LoopbackSite otherWebServer(".");  // answers, but is not ours
  for (const int port : {silent.Port(), otherWebServer.port()}) {
    SCOPED_TRACE(port);
    ASSERT_NE(port, 0);
    guitest::BoxWatcher boxes;
    TTrainingSite site;
    EXPECT_EQ(site.Start(Host(port), {kServer}), TStart::PortTaken);
    EXPECT_EQ(site.ServerProcessId(), 0u);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, ui::Utf8ToWide("Tavrin集中力训练"));
    EXPECT_EQ(boxes.Boxes[0].Text, ui::Utf8ToWide(training_site::PortTakenMessage(port)));
    EXPECT_NE(boxes.Boxes[0].Text.find(std::to_wstring(port)), std::wstring::npos);
  }
}

TEST(TrainingSite, RemoteHostsAndMissingServersStartNothing) {
  const int port = test_support::FreePort();
  struct Case {
    std::string host;
    std::filesystem::path server;
    TStart expected;
  };
  guitest::BoxWatcher boxes;
  for (const Case& c : {Case{"www.example.org:" + std::to_string(port), kServer, TStart::NotLocal},
                        Case{Host(port), "Z:\\no\\such\\tavrin_site.exe", TStart::NoServer}}) {
    TTrainingSite site;
    EXPECT_EQ(site.Start(c.host, {c.server}), c.expected) << c.host;
    EXPECT_EQ(site.ServerProcessId(), 0u);
  }
  guitest::PumpFor(100);
  EXPECT_TRUE(boxes.Boxes.empty());
  EXPECT_EQ(training_site::ProbePort(port, kProbeMs), TPortState::Free);
}

}  // namespace
