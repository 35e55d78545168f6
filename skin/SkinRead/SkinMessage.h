// The one message the skin engine ever shows (an outdated package), behind a
// replaceable function so that tests and tools can see it instead of a box.
#pragma once

#include <functional>
#include <string>

namespace skin {

using TSkinMessageFunc = std::function<void(const std::string& utf8Text)>;

// Shows `utf8Text` through the current handler: on Windows a plain message
// box by default, elsewhere a line on stderr.
void ShowSkinMessage(const std::string& utf8Text);

// Replaces the handler and returns the previous one; an empty function
// restores the default.
TSkinMessageFunc SetSkinMessageHandler(TSkinMessageFunc handler);

// The platform's default handler.
void DefaultSkinMessage(const std::string& utf8Text);

}  // namespace skin
