#include "gallery/GallerySkins.h"

#include <windows.h>
#include <commdlg.h>

#include <cwctype>
#include <iterator>

#include "gallery/BuiltInSkins.h"
#include "gallery/GalleryMain.h"
#include "skin/SkinRead/SkinPreview.h"
#include "skin/SkinRead/SkinSource.h"
#include "skin/SkinRead/UseSkin.h"
#include "skin/system/SystemWatch.h"
#include "ui/Dialogs.h"
#include "ui/Menus.h"
#include "ui/TextConv.h"

namespace gallery {

namespace fs = std::filesystem;

namespace {

const char kProblemCaption[] = "皮肤 · Skin";

ui::TMenuItem* NewItem(TGalleryMain& main, ui::TMenuItem* parent, const std::string& caption,
                       std::function<void()> click) {
  auto* item = new ui::TMenuItem(&main);
  item->SetCaption(ui::Utf8ToWide(caption));
  if (click) item->OnClick = [click = std::move(click)](ui::TObject*) { click(); };
  parent->Add(item);
  return item;
}

fs::path PathOfChoice(const wchar_t* chosen) {
  fs::path path(chosen);
  std::wstring extension = path.extension().wstring();
  for (wchar_t& c : extension) c = wchar_t(std::towlower(c));
  return extension == L".ini" ? path.parent_path() : path;  // a definition stands for its folder
}

}  // namespace

TGallerySkins::TGallerySkins(TGalleryMain& main) : main_(main) {
  OnProblem = [this](const std::string& text) {
    ui::ShowMessageBox(main_.Handle(), text, kProblemCaption, MB_OK | MB_ICONERROR);
  };
  for (std::size_t i = 0; i < BuiltInSkinCount(); ++i) {
    std::string name;
    if (!skin::StoredSkinProblem(BuiltInSkin(i), &name).empty() || name.empty()) name = "Skin " + std::to_string(i + 1);
    names_.push_back(name);
  }
  AddMenu();
  system_ = std::make_unique<skin::TSystemWatch>([this](unsigned) { FollowSystem(); });
  FollowSystem();
}

TGallerySkins::~TGallerySkins() = default;

// 皮肤 Skin, before the Help menu: the built-in skins, a file, Reload, none.
void TGallerySkins::AddMenu() {
  ui::TMainMenu* menu = main_.Menu();
  if (!menu) return;
  ui::TMenuItem* bar = menu->Items();
  auto* skinMenu = new ui::TMenuItem(&main_);
  skinMenu->SetCaption(ui::Utf8ToWide("皮肤 &Skin"));
  const auto* help = dynamic_cast<ui::TMenuItem*>(main_.FindComponent("HelpMenu"));
  const int at = help ? bar->IndexOf(help) : bar->Count();
  for (std::size_t i = 0; i < names_.size(); ++i)
    builtInItems_.push_back(NewItem(main_, skinMenu, names_[i], [this, i] { UseBuiltIn(i); }));
  NewItem(main_, skinMenu, "-", nullptr);
  fileItem_ = NewItem(main_, skinMenu, "打开皮肤文件… &Open skin file…", [this] { OpenSkinFile(); });
  NewItem(main_, skinMenu, "重新载入 &Reload", [this] { Reload(); });
  NewItem(main_, skinMenu, "-", nullptr);
  noneItem_ = NewItem(main_, skinMenu, "无皮肤 &No skin", [this] { UseNone(); });
  NewItem(main_, skinMenu, "-", nullptr);
  followItem_ = NewItem(main_, skinMenu, "跟随系统 &Follow the system", [this] { SetFollowing(!following_); });
  NewItem(main_, skinMenu, "颜色… &Colour…", [this] { OpenColourDialog(); });
  bar->Insert(at < 0 ? bar->Count() : at, skinMenu);
  MarkCurrent();
}

void TGallerySkins::MarkCurrent() {
  for (std::size_t i = 0; i < builtInItems_.size(); ++i)
    builtInItems_[i]->SetChecked(current_ == TCurrent::BuiltIn && builtIn_ == i);
  if (fileItem_) fileItem_->SetChecked(current_ == TCurrent::Path);
  if (noneItem_) noneItem_->SetChecked(current_ == TCurrent::None);
  if (followItem_) followItem_->SetChecked(following_);
}

bool TGallerySkins::Use(std::vector<std::uint8_t> stored, const std::string& problem) {
  if (!problem.empty()) {
    if (OnProblem) OnProblem(problem);
    return false;
  }
  return skin::UseStoredSkin(*main_.SkinData1, std::move(stored));
}

bool TGallerySkins::UseBuiltIn(std::size_t index) {
  SetFollowing(false);
  return SwitchBuiltIn(index);
}

bool TGallerySkins::SwitchBuiltIn(std::size_t index) {
  if (index >= BuiltInSkinCount()) return false;
  std::vector<std::uint8_t> stored = BuiltInSkin(index);
  const std::string problem = skin::StoredSkinProblem(stored);
  if (!Use(std::move(stored), problem.empty() ? "" : names_[index] + ":\n" + problem)) return false;
  watch_.reset();
  current_ = TCurrent::BuiltIn;
  builtIn_ = index;
  MarkCurrent();
  return true;
}

bool TGallerySkins::UsePath(const fs::path& path) {
  SetFollowing(false);
  std::error_code error;
  if (fs::is_directory(path, error)) {
    watch_ = std::make_unique<skin::TSkinPreview>(
        path, *main_.SkinData1, [this](const std::string& problem) { if (OnProblem) OnProblem(problem); },
        [this] {
          current_ = TCurrent::Path;  // also the folder's first good state after a bad start
          MarkCurrent();
        });
    path_ = path;  // the preview follows the folder whether or not it is good yet
  }
  skin::TSkinSourceRead read = skin::ReadSkinSource(path);
  if (!Use(std::move(read.Stored), read.Problem)) return false;
  if (!fs::is_directory(path, error)) watch_.reset();
  path_ = path;
  current_ = TCurrent::Path;
  MarkCurrent();
  return true;
}

void TGallerySkins::UseNone() {
  SetFollowing(false);
  skin::UseNoSkin(*main_.SkinData1);
  current_ = TCurrent::None;
  MarkCurrent();
}

bool TGallerySkins::Reload() {
  switch (current_) {
    case TCurrent::BuiltIn:
      return SwitchBuiltIn(builtIn_);
    case TCurrent::Path: {
      skin::TSkinSourceRead read = skin::ReadSkinSource(path_);
      return Use(std::move(read.Stored), read.Problem);
    }
    case TCurrent::None:
      break;
  }
  return true;
}

void TGallerySkins::OpenSkinFile() {
  wchar_t chosen[MAX_PATH * 4] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = main_.Handle();
  dialog.lpstrFilter = L"Skins (*.skin; *.ini)\0*.skin;*.ini\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = DWORD(std::size(chosen));
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (GetOpenFileNameW(&dialog)) UsePath(PathOfChoice(chosen));
}

}  // namespace gallery
