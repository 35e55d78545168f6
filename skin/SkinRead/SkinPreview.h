// The live preview of a skin folder: each burst of edits in the folder reads
// it again; a skin that passes its check goes on the skin data component's
// windows, a problem is told once (not again until the folder has been good
// in between), and the last good skin stays on the windows meanwhile.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace skin {

class TSkinData;
class TSkinFolderWatch;

class TSkinPreview {
 public:
  using TReport = std::function<void(const std::string& utf8Problem)>;
  // `applied` runs after each good read has gone on the windows.
  TSkinPreview(const std::filesystem::path& folder, TSkinData& data, TReport report,
               std::function<void()> applied = {});
  ~TSkinPreview();
  TSkinPreview(const TSkinPreview&) = delete;
  TSkinPreview& operator=(const TSkinPreview&) = delete;

  bool Watching() const;

 private:
  void FolderChanged();

  std::filesystem::path folder_;
  TSkinData& data_;
  TReport report_;
  std::function<void()> applied_;
  std::string lastProblem_;  // told already; not again until a good read
  bool reporting_ = false;   // a message is up: a change meanwhile is read after it
  bool changedMeanwhile_ = false;
  std::unique_ptr<TSkinFolderWatch> watch_;
};

}  // namespace skin
