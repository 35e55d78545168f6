#include "tools/skinpack/StoredSkinFile.h"

#include <utility>

#include "skin/SkinRead/SkinMessage.h"

namespace skinpack {

namespace {

// The program would show a message box; the tool keeps the text for its report.
class TCapturedMessage {
 public:
  TCapturedMessage()
      : previous_(skin::SetSkinMessageHandler([this](const std::string& text) { text_ = text; })) {}
  ~TCapturedMessage() { skin::SetSkinMessageHandler(std::move(previous_)); }
  TCapturedMessage(const TCapturedMessage&) = delete;
  TCapturedMessage& operator=(const TCapturedMessage&) = delete;
  const std::string& Text() const { return text_; }

 private:
  skin::TSkinMessageFunc previous_;
  std::string text_;
};

}  // namespace

bool LoadStoredSkin(std::vector<std::uint8_t> stored, skin::TSkinReader& reader, std::string& reason) {
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

bool LoadStoredSkinFile(const std::filesystem::path& file, skin::TSkinReader& reader, std::string& reason) {
  ui::TMemoryStream stream;
  if (!stream.LoadFromFile(file.string())) {
    reason = "cannot be read";
    return false;
  }
  return LoadStoredSkin(std::vector<std::uint8_t>(stream.Vector()), reader, reason);
}

}  // namespace skinpack
