#include "skin/SkinRead/StoredSkin.h"

#include <utility>

#include "skin/SkinRead/SkinMessage.h"
#include "skin/SkinRead/FileBytes.h"

namespace skin {

namespace {

// The program would show a message box; a caller that checks a skin keeps the text for its report.
class TCapturedMessage {
 public:
  TCapturedMessage()
      : previous_(SetSkinMessageHandler([this](const std::string& text) { text_ = text; })) {}
  ~TCapturedMessage() { SetSkinMessageHandler(std::move(previous_)); }
  TCapturedMessage(const TCapturedMessage&) = delete;
  TCapturedMessage& operator=(const TCapturedMessage&) = delete;
  const std::string& Text() const { return text_; }

 private:
  TSkinMessageFunc previous_;
  std::string text_;
};

}  // namespace

bool LoadStoredSkin(std::vector<std::uint8_t> stored, TSkinReader& reader, std::string& reason) {
  ui::TMemoryStream stream(std::move(stored));
  TCapturedMessage message;
  if (reader.Load(stream)) return true;
  reason = reader.FailureReason();
  if (std::string shown = message.Text(); !shown.empty()) {
    for (char& c : shown)
      if (c == '\r') c = ' ';
    reason += " (the program says: \"" + shown + "\")";
  }
  return false;
}

bool LoadStoredSkinFile(const std::filesystem::path& file, TSkinReader& reader, std::string& reason) {
  std::vector<std::uint8_t> stored;
  if (!ReadFileBytes(file, stored)) {
    reason = "cannot be read";
    return false;
  }
  return LoadStoredSkin(std::move(stored), reader, reason);
}

}  // namespace skin
