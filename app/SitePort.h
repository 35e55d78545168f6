// What listens on a port of the loopback address: nothing, the training
// site's own server (it names itself in every answer), or another program.
#pragma once

#include <optional>
#include <string_view>

namespace training_site {

enum class TPortState { Free, Ours, Foreign };

// The port of a host of this machine ("127.0.0.1:8931", "localhost"; 80 when
// none is given), or nothing for another host or a port out of range.
std::optional<int> LoopbackPort(std::string_view host);

// True when the head of an HTTP answer carries the site server's own header.
bool NamesOurSite(std::string_view head);

// Looks at 127.0.0.1:`port`. A listener that does not answer as ours within
// `timeoutMs` counts as another program's.
TPortState ProbePort(int port, unsigned timeoutMs);

}  // namespace training_site
