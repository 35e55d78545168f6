#include "app/TrainingSite.h"

#include <atomic>
#include <optional>
#include <system_error>

#include "app/SitePort.h"
#include "ui/Dialogs.h"

namespace training_site {
namespace {

constexpr char kCaption[] = "Tavrin集中力训练";
constexpr wchar_t kServerName[] = L"tavrin_site.exe";
// How long an answer to the probe may take, and the server to come up (its
// first start under a fresh system can take a moment).
constexpr unsigned kProbeMs = 1500;
constexpr DWORD kStartMs = 8000;

std::filesystem::path ProgramFolder() {
  std::wstring exe(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, exe.data(), DWORD(exe.size()));
  exe.resize(length < exe.size() ? length : 0);
  return std::filesystem::path(exe).parent_path();
}

std::optional<std::filesystem::path> FirstExisting(const std::vector<std::filesystem::path>& paths) {
  for (const auto& path : paths) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path;
  }
  return std::nullopt;
}

void Tell(const std::string& text) { ui::ShowMessageBox(HWND(nullptr), text, kCaption, MB_OK | MB_ICONWARNING); }

// A name no other start of the server uses at the same time.
std::wstring ReadyEventName() {
  static std::atomic<unsigned> count{0};
  return L"Local\\TavrinSiteReady-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count);
}

}  // namespace

std::string BuiltInHost() { return TAVRIN_TRAINING_HOST; }

std::vector<std::filesystem::path> ServerLocations() {
  const std::filesystem::path program = ProgramFolder();
  const std::filesystem::path tree = program.parent_path();
  return {program / kServerName, tree / L"site" / kServerName,
          tree.parent_path() / L"site" / program.filename() / kServerName};
}

std::string PortTakenMessage(int port) {
  const std::string number = std::to_string(port);
  return "端口 " + number + " 已被其他程序占用，训练页面的服务程序无法启动。\r"
         "如果练习页面无法打开，请关闭占用端口 " + number + " 的程序，然后重新启动 Tavrin集中力训练。";
}

std::string NotStartedMessage(int port) {
  return "训练页面的服务程序未能在端口 " + std::to_string(port) + " 上启动，练习将无法进行。\r"
         "请重新启动 Tavrin集中力训练；如果问题仍然存在，请重新安装本程序。";
}

TStart TTrainingSite::Start(std::string_view host, const std::vector<std::filesystem::path>& servers) {
  const std::optional<int> port = LoopbackPort(host);
  if (!port) return TStart::NotLocal;
  switch (ProbePort(*port, kProbeMs)) {
    case TPortState::Ours:
      return TStart::AlreadyRunning;
    case TPortState::Foreign:
      Tell(PortTakenMessage(*port));
      return TStart::PortTaken;
    case TPortState::Free:
      break;
  }
  const std::optional<std::filesystem::path> server = FirstExisting(servers);
  if (!server) return TStart::NoServer;
  const TStart started = Launch(*server, *port);
  if (started == TStart::NotStarted) Tell(NotStartedMessage(*port));
  return started;
}

DWORD TTrainingSite::ServerProcessId() const { return process_ ? GetProcessId(process_.Get()) : 0; }

TStart TTrainingSite::Launch(const std::filesystem::path& server, int port) {
  const std::wstring eventName = ReadyEventName();
  ui::KernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
  ui::KernelHandle job(CreateJobObjectW(nullptr, nullptr));
  if (!ready || !job) return TStart::NotStarted;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits))) {
    return TStart::NotStarted;
  }
  std::wstring command = L"\"" + server.wstring() + L"\" --port " + std::to_wstring(port) + L" --ready-event " +
                         eventName;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  // Suspended until it is in the job, so that not even its first moment runs
  // outside it.
  if (!CreateProcessW(server.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED | CREATE_NO_WINDOW,
                      nullptr, server.parent_path().c_str(), &startup, &info)) {
    return TStart::NotStarted;
  }
  ui::KernelHandle process(info.hProcess), thread(info.hThread);
  if (!AssignProcessToJobObject(job.Get(), process.Get())) {
    TerminateProcess(process.Get(), 1);
    return TStart::NotStarted;
  }
  ResumeThread(thread.Get());
  // Listening, or gone (the port was taken meanwhile, the pages are missing).
  const HANDLE events[] = {ready.Get(), process.Get()};
  if (WaitForMultipleObjects(2, events, FALSE, kStartMs) != WAIT_OBJECT_0) return TStart::NotStarted;  // the job ends it
  job_ = std::move(job);
  process_ = std::move(process);
  return TStart::Started;
}

}  // namespace training_site
