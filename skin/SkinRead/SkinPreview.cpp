#include "skin/SkinRead/SkinPreview.h"

#include "skin/SkinRead/SkinFolderWatch.h"
#include "skin/SkinRead/SkinSource.h"
#include "skin/SkinRead/UseSkin.h"

namespace skin {

TSkinPreview::TSkinPreview(const std::filesystem::path& folder, TSkinData& data, TReport report,
                           std::function<void()> applied)
    : folder_(folder), data_(data), report_(std::move(report)), applied_(std::move(applied)),
      watch_(std::make_unique<TSkinFolderWatch>(folder, [this] { FolderChanged(); })) {}

TSkinPreview::~TSkinPreview() = default;

bool TSkinPreview::Watching() const { return watch_->Watching(); }

// A change while the message about the last one is up is read once it is closed.
void TSkinPreview::FolderChanged() {
  if (reporting_) {
    changedMeanwhile_ = true;
    return;
  }
  do {
    changedMeanwhile_ = false;
    TSkinSourceRead read = ReadSkinSource(folder_);
    if (read.Usable()) {
      lastProblem_.clear();
      UseStoredSkin(data_, std::move(read.Stored));
      if (applied_) applied_();
    } else if (read.Problem != lastProblem_) {
      lastProblem_ = read.Problem;
      reporting_ = true;
      if (report_) report_(read.Problem);
      reporting_ = false;
    }
  } while (changedMeanwhile_);
}

}  // namespace skin
