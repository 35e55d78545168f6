// Starting the training site with the program. When the training pages come
// from this machine, the site server found beside the program is started
// unless ours answers on the port already. It runs in a job object that ends
// it together with the program, however the program ends, and without a
// console window.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ui/KernelHandle.h"

namespace training_site {

enum class TStart {
  NotLocal,        // the pages come from another machine
  AlreadyRunning,  // our server answers on the port already
  Started,
  NoServer,        // no server where it was looked for: nothing done
  PortTaken,       // another program holds the port (the person was told)
  NotStarted,      // the server did not come up in time (the person was told)
};

// The training host the program is built for (host[:port]).
std::string BuiltInHost();

// Where the server may be: beside the program (an installed copy), else where
// a build tree keeps it (..\site, or ..\..\site\<configuration> for the
// multi-configuration generators).
std::vector<std::filesystem::path> ServerLocations();

// The texts shown to the person (UTF-8).
std::string PortTakenMessage(int port);
std::string NotStartedMessage(int port);

class TTrainingSite {
 public:
  TTrainingSite() = default;
  TTrainingSite(const TTrainingSite&) = delete;
  TTrainingSite& operator=(const TTrainingSite&) = delete;

  // Makes the pages of `host` available when they are this machine's: starts
  // the first of `servers` that exists on the host's port and waits until it
  // listens (a few seconds at most). When the port is another program's, or
  // the server does not come up, the person gets a message box; the program
  // goes on either way and its exercises report that the page cannot be had.
  TStart Start(std::string_view host, const std::vector<std::filesystem::path>& servers);

  // The process id of the server this object started, 0 when none.
  DWORD ServerProcessId() const;

 private:
  TStart Launch(const std::filesystem::path& server, int port);

  ui::KernelHandle job_;  // closing it ends the server
  ui::KernelHandle process_;
};

}  // namespace training_site
