#include "skin/SkinRead/SkinMessage.h"

#include <utility>

namespace skin {

namespace {

TSkinMessageFunc& Handler() {
  static TSkinMessageFunc handler;
  return handler;
}

}  // namespace

void ShowSkinMessage(const std::string& utf8Text) {
  if (const TSkinMessageFunc& handler = Handler())
    handler(utf8Text);
  else
    DefaultSkinMessage(utf8Text);
}

TSkinMessageFunc SetSkinMessageHandler(TSkinMessageFunc handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace skin
